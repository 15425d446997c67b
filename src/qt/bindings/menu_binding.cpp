#include "bindings/menu_binding.h"

#include <QAction>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

MenuBinding::MenuBinding(Control& item, QAction* action, const Act& act)
    : Binding(item, nullptr, act), action_(action) {
    QObject::connect(action, &QAction::triggered, this,
                     [this] { userAction([this] { control_.userClick(); }); });
}

QObject* MenuBinding::object() const {
    return action_;
}

// A menu caption keeps its "&": it marks the menu's access key.
void MenuBinding::sync() {
    if (action_->isVisible() != control_.visible) action_->setVisible(control_.visible);
    if (action_->isEnabled() != control_.enabled) action_->setEnabled(control_.enabled);
    const QString text = qs(control_.caption);
    if (action_->text() != text) action_->setText(text);
}

}  // namespace varmio
