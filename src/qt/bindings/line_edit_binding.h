#pragma once

#include "bindings/text_binding.h"

class QLineEdit;

namespace varmio {

class TextBox;

class LineEditBinding : public TextBinding {
  public:
    LineEditBinding(TextBox& box, QLineEdit* edit, const Act& act);
    void sync() override;

  private:
    QLineEdit* edit_;
};

}  // namespace varmio
