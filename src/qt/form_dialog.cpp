#include "form_dialog.h"

#include <QAbstractButton>
#include <QPushButton>

#include "access_keys.h"
#include "accessibility.h"
#include "form_binder.h"
#include "wizard/form.h"

namespace varmio {

FormDialog::FormDialog(Form& model, QtWindowHost& host, QWidget* parent,
                       const std::function<void(QDialog&)>& setupUi)
    : QDialog(parent), model_(model), host_(host), runner_(host.makeRunner()) {
    setupUi(*this);
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
}

FormDialog::~FormDialog() {
    host_.remove(*this);
}

Form& FormDialog::form() const {
    return model_;
}

void FormDialog::syncFromModel() {
    binder_->sync();
    QSet<QChar> keys;
    giveAccessKeys(findChildren<QAbstractButton*>(), keys);
    nameInputs(*this, windowTitle());
    if (!model_.visible && isVisible()) done(QDialog::Accepted);
}

void FormDialog::closeForEnd() {
    if (isVisible()) reject();
}

}  // namespace varmio
