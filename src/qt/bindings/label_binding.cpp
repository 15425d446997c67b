#include "bindings/label_binding.h"

#include <QLabel>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

LabelBinding::LabelBinding(Control& control, QLabel* label, const Act& act)
    : Binding(control, label, act), label_(label) {}

void LabelBinding::sync() {
    syncState();
    const QString text = qs(control_.caption);
    if (label_->text() != text) label_->setText(text);
}

}  // namespace varmio
