#include "bindings/button_binding.h"

#include <QAbstractButton>

#include "wizard/controls.h"

namespace varmio {

ButtonBinding::ButtonBinding(Control& control, QAbstractButton* button, const Act& act)
    : Binding(control, button, act), button_(button) {
    QObject::connect(button, &QAbstractButton::clicked, this,
                     [this] { userAction([this] { control_.userClick(); }); });
}

void ButtonBinding::sync() {
    syncState();
    const QString text = FormBinder::escapeMnemonic(control_.caption);
    if (button_->text() != text) button_->setText(text);
}

}  // namespace varmio
