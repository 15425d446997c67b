#include "bindings/text_binding.h"

#include <QKeyEvent>

#include "wizard/controls.h"

namespace varmio {

namespace {

// The character code a key press hands to the window code; 0 for keys it never sees.
int keyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterKey;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char16_t first = text.at(0).unicode();
    return first >= 0x20 || first == '\t' ? static_cast<int>(first) : 0;
}

}  // namespace

TextBinding::TextBinding(TextControl& control, QWidget* widget, const Act& act, bool multiLine)
    : Binding(control, widget, act), text_(control), multiLine_(multiLine) {}

bool TextBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !text_.onKeyPress)
        return Binding::eventFilter(watched, event);
    const int code = keyAsciiOf(*static_cast<QKeyEvent*>(event));
    if (code == 0) return false;
    userAction([this, code] { text_.keyPress(code); });
    return code == kEnterKey && !multiLine_;
}

}  // namespace varmio
