#pragma once

#include "bindings/binding.h"

class QLabel;

namespace varmio {

class LabelBinding : public FormBinder::Binding {
  public:
    LabelBinding(Control& control, QLabel* label, const Act& act);
    void sync() override;

  private:
    QLabel* label_;
};

}  // namespace varmio
