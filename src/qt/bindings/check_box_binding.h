#pragma once

#include "bindings/button_binding.h"

class QCheckBox;

namespace varmio {

class CheckBox;

// Qt toggles a check box before `clicked` arrives; the model toggles its own value in the
// handler, and the widget is then set from the model, so the two never drift apart.
class CheckBoxBinding : public ButtonBinding {
  public:
    CheckBoxBinding(CheckBox& box, QCheckBox* widget, const Act& act);
    void sync() override;

  private:
    CheckBox& box_;
    QCheckBox* check_;
};

}  // namespace varmio
