#pragma once

#include "bindings/text_binding.h"

class QComboBox;

namespace varmio {

class ComboBox;

class ComboBinding : public TextBinding {
  public:
    ComboBinding(ComboBox& combo, QComboBox* widget, const Act& act);
    void sync() override;

  private:
    ComboBox& combo_;
    QComboBox* box_;
};

}  // namespace varmio
