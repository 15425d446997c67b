#pragma once

#include "bindings/text_binding.h"

class QPlainTextEdit;

namespace varmio {

class TextBox;

// A multi-line text box.
class PlainTextBinding : public TextBinding {
  public:
    PlainTextBinding(TextBox& box, QPlainTextEdit* edit, const Act& act);
    void sync() override;

  private:
    QPlainTextEdit* edit_;
};

}  // namespace varmio
