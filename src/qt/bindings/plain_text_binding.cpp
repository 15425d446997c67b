#include "bindings/plain_text_binding.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "wizard/controls.h"

namespace varmio {

PlainTextBinding::PlainTextBinding(TextBox& box, QPlainTextEdit* edit, const Act& act)
    : TextBinding(box, edit, act, true), edit_(edit) {
    edit->installEventFilter(this);
    QObject::connect(edit, &QPlainTextEdit::textChanged, this,
                     [this] { text_.text = toModelText(edit_->toPlainText(), true); });
}

void PlainTextBinding::sync() {
    syncState();
    const QString text = toWidgetText(text_.text, true);
    if (edit_->toPlainText() != text) {
        QSignalBlocker quiet(edit_);
        edit_->setPlainText(text);
    }
}

}  // namespace varmio
