#pragma once

#include "bindings/binding.h"

class QEvent;

namespace varmio {

class TextControl;

// Key presses go to the window code before the widget takes them. Enter is taken away from the
// widget when the control has a key handler, so that an editable combo box neither adds the
// text to its list nor treats Enter as a choice.
class TextBinding : public FormBinder::Binding {
  public:
    TextBinding(TextControl& control, QWidget* widget, const Act& act, bool multiLine);

    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    TextControl& text_;
    bool multiLine_;
};

}  // namespace varmio
