#pragma once

#include <QStringList>
#include <functional>

#include "platform/dialogs.h"

class QWidget;

namespace varmio {

// The standard dialogs as Qt shows them, owned by the window that is in front.
class QtDialogs : public Dialogs {
  public:
    // `owner` answers the window the dialogs belong to at the moment they open.
    explicit QtDialogs(std::function<QWidget*()> owner = {});

    void message(std::string_view text, std::string_view title) override;
    bool question(std::string_view text, std::string_view title) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultText) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    void beep() override;

    // "Name|*.a;*.b|Other|*.c" as Qt writes it: "Name (*.a *.b);;Other (*.c)".
    static QStringList toQtFilters(std::string_view filter);

  private:
    QWidget* owner() const;
    std::function<QWidget*()> owner_;
};

}  // namespace varmio
