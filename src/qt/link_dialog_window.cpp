#include "link_dialog_window.h"

#include <QAbstractButton>
#include <QPushButton>

#include "access_keys.h"
#include "accessibility.h"
#include "form_binder.h"
#include "ui_link_dialog_window.h"
#include "wizard/page/link_dialog.h"

namespace varmio {

LinkDialogWindow::LinkDialogWindow(LinkDialog& model, QtWindowHost& host, QWidget* parent)
    : QDialog(parent),
      model_(model),
      host_(host),
      ui_(std::make_unique<Ui::LinkDialogForm>()),
      runner_(host.makeRunner()) {
    ui_->setupUi(this);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    pairLabels(*this);
    // Enter is OK, as in any dialog.
    if (auto* ok = findChild<QPushButton*>(QStringLiteral("cmd_ok"))) ok->setDefault(true);
    binder_ = std::make_unique<FormBinder>(
        model_, *this, [this](const std::function<void()>& action) { return runner_.run(action); });
    // Escape and the window's close button end the dialog without a result.
    connect(this, &QDialog::finished, this, [this] { model_.visible = false; });
    host_.add(*this);
    syncFromModel();
    adjustSize();
    setMinimumSize(size());
}

LinkDialogWindow::~LinkDialogWindow() {
    host_.remove(*this);
}

Form& LinkDialogWindow::form() const {
    return model_;
}

void LinkDialogWindow::syncFromModel() {
    binder_->sync();
    QSet<QChar> keys;
    giveAccessKeys(findChildren<QAbstractButton*>(), keys);
    nameInputs(*this, windowTitle());
    if (!model_.visible && isVisible()) done(QDialog::Accepted);
}

void LinkDialogWindow::closeForEnd() {
    if (isVisible()) reject();
}

}  // namespace varmio
