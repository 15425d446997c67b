#include "bindings/combo_binding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

ComboBinding::ComboBinding(ComboBox& combo, QComboBox* widget, const Act& act)
    : TextBinding(combo, widget, act, false), combo_(combo), box_(widget) {
    // The window code keeps its own lists: the box neither adds typed texts nor completes
    // them, so what it shows is what the model holds.
    widget->setInsertPolicy(QComboBox::NoInsert);
    if (widget->isEditable()) widget->setCompleter(nullptr);
    widget->installEventFilter(this);
    if (QLineEdit* edit = widget->lineEdit()) {
        edit->installEventFilter(this);
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this](const QString& text) { text_.text = toModelText(text, false); });
    }
    QObject::connect(widget, &QComboBox::activated, this, [this](int index) {
        const std::string entry = box_->itemText(index).toStdString();
        userAction([this, entry] { combo_.choose(entry); });
    });
}

void ComboBinding::sync() {
    syncState();
    QSignalBlocker quiet(box_);
    showItems(*box_, combo_.items);
    const QString text = qs(combo_.text);
    if (box_->isEditable()) {
        if (box_->currentText() != text) box_->setEditText(text);
    } else {
        box_->setCurrentIndex(box_->findText(text, Qt::MatchExactly));
    }
}

}  // namespace varmio
