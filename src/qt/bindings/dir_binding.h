#pragma once

#include <string>

#include "bindings/binding.h"

class QListWidget;
class QString;

namespace varmio {

class DirList;

// The folder list: the current folder's ancestors, opened, then its sub-folders. A double-click
// (or Enter) moves into the entry, as in a classic folder list.
class DirBinding : public FormBinder::Binding {
  public:
    DirBinding(DirList& dirs, QListWidget* widget, const Act& act);
    void sync() override;

  private:
    void addEntry(const QString& text, const QString& path, int depth, bool open);

    DirList& dirs_;
    QListWidget* listWidget_;
    std::string shownPath_ = "\n";  // nothing shown yet
};

}  // namespace varmio
