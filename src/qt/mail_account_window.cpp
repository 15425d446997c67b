#include "mail_account_window.h"

#include "form_binder.h"
#include "ui_mail_account_window.h"
#include "wizard/delivery/mail_account_dialog.h"

namespace varmio {

MailAccountWindow::MailAccountWindow(MailAccountDialog& model, QtWindowHost& host, QWidget* parent)
    : QDialog(parent),
      model_(model),
      host_(host),
      ui_(std::make_unique<Ui::MailAccountForm>()),
      runner_(host.makeRunner()) {
    ui_->setupUi(this);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    binder_ = std::make_unique<FormBinder>(
        model_, *this, [this](const std::function<void()>& action) { return runner_.run(action); });
    // Escape and the window's close button end the dialog without a result.
    connect(this, &QDialog::finished, this, [this] { model_.visible = false; });
    host_.add(*this);
    syncFromModel();
    adjustSize();
    setFixedSize(size());
}

MailAccountWindow::~MailAccountWindow() {
    host_.remove(*this);
}

Form& MailAccountWindow::form() const {
    return model_;
}

void MailAccountWindow::syncFromModel() {
    binder_->sync();
    if (!model_.visible && isVisible()) done(QDialog::Accepted);
}

void MailAccountWindow::closeForEnd() {
    if (isVisible()) reject();
}

}  // namespace varmio
