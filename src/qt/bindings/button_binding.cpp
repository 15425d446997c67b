#include "bindings/button_binding.h"

#include <QAbstractButton>

#include "access_keys.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

ButtonBinding::ButtonBinding(Control& control, QAbstractButton* button, const Act& act)
    : Binding(control, button, act), button_(button) {
    QObject::connect(button, &QAbstractButton::clicked, this,
                     [this] { userAction([this] { control_.userClick(); }); });
}

void ButtonBinding::sync() {
    syncState();
    if (control_.caption == shown_) return;
    shown_ = control_.caption;
    showCaption(*button_, qs(shown_));
}

}  // namespace varmio
