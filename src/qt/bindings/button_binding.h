#pragma once

#include "bindings/binding.h"

class QAbstractButton;

namespace varmio {

class ButtonBinding : public FormBinder::Binding {
  public:
    ButtonBinding(Control& control, QAbstractButton* button, const Act& act);
    void sync() override;

  protected:
    QAbstractButton* button_;
};

}  // namespace varmio
