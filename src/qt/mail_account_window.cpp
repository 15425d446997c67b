#include "mail_account_window.h"

#include "ui_mail_account_window.h"
#include "wizard/delivery/mail_account_dialog.h"

namespace varmio {

MailAccountWindow::MailAccountWindow(MailAccountDialog& model, QtWindowHost& host, QWidget* parent)
    : FormDialog(model, host, parent,
                 [](QDialog& dialog) { Ui::MailAccountForm().setupUi(&dialog); }) {
    setFixedSize(size());
}

}  // namespace varmio
