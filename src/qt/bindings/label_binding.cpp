#include "bindings/label_binding.h"

#include <QLabel>

#include "access_keys.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

LabelBinding::LabelBinding(Control& control, QLabel* label, const Act& act)
    : Binding(control, label, act), label_(label) {}

void LabelBinding::sync() {
    syncState();
    // A label names the control it is the buddy of, and marks its access key; a label alone
    // has no key to mark.
    const QString caption = qs(control_.caption);
    const QString text = label_->buddy() ? caption : withoutAccessKeys(caption);
    if (label_->text() != text) label_->setText(text);
}

}  // namespace varmio
