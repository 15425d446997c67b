#include "bindings/check_box_binding.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include "wizard/controls.h"

namespace varmio {

CheckBoxBinding::CheckBoxBinding(CheckBox& box, QCheckBox* widget, const Act& act)
    : ButtonBinding(box, widget, act), box_(box), check_(widget) {
    widget->setTristate(false);
}

void CheckBoxBinding::sync() {
    ButtonBinding::sync();
    const Qt::CheckState state = box_.value() == 1   ? Qt::Checked
                                 : box_.value() == 2 ? Qt::PartiallyChecked
                                                     : Qt::Unchecked;
    if (check_->checkState() != state) {
        QSignalBlocker quiet(check_);
        check_->setCheckState(state);
    }
}

}  // namespace varmio
