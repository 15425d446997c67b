#include "bindings/picture_binding.h"

#include <QEvent>
#include <QLabel>

#include "wizard/controls.h"

namespace varmio {

PictureBinding::PictureBinding(Control& picture, QLabel* label, const Act& act)
    : Binding(picture, label, act) {
    label->installEventFilter(this);
}

bool PictureBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        userAction([this] { control_.userDblClick(); });
        return true;
    }
    return Binding::eventFilter(watched, event);
}

}  // namespace varmio
