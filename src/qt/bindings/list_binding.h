#pragma once

#include <QStringList>

#include "bindings/binding.h"

class QEvent;
class QTreeWidget;

namespace varmio {

class ListView;
struct ListItem;

// A report-style list: columns, rows with their image, the selection.
class ListBinding : public FormBinder::Binding {
  public:
    ListBinding(ListView& list, QTreeWidget* tree, const Act& act);
    void sync() override;

    // The model's column widths are proportions; the columns fill the list whatever its size.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void syncColumns();
    QStringList shownHeaders() const;
    void fitColumns();
    static QStringList columnsOf(const ListItem& row, int count);
    void syncRows();

    ListView& list_;
    QTreeWidget* tree_;
};

}  // namespace varmio
