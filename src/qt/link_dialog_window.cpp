#include "link_dialog_window.h"

#include "ui_link_dialog_window.h"
#include "wizard/page/link_dialog.h"

namespace varmio {

LinkDialogWindow::LinkDialogWindow(LinkDialog& model, QtWindowHost& host, QWidget* parent)
    : FormDialog(model, host, parent,
                 [](QDialog& dialog) { Ui::LinkDialogForm().setupUi(&dialog); }) {
    setMinimumSize(size());
}

}  // namespace varmio
