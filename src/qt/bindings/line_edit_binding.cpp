#include "bindings/line_edit_binding.h"

#include <QLineEdit>

#include "wizard/controls.h"

namespace varmio {

LineEditBinding::LineEditBinding(TextBox& box, QLineEdit* edit, const Act& act)
    : TextBinding(box, edit, act, false), edit_(edit) {
    edit->installEventFilter(this);
    edit->setEchoMode(box.password ? QLineEdit::Password : QLineEdit::Normal);
    QObject::connect(edit, &QLineEdit::textEdited, this,
                     [this](const QString& text) { text_.text = toModelText(text, false); });
}

void LineEditBinding::sync() {
    syncState();
    const QString text = toWidgetText(text_.text, false);
    if (edit_->text() != text) edit_->setText(text);
}

}  // namespace varmio
