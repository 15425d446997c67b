#pragma once

#include <string>

#include "bindings/binding.h"

class QAbstractButton;

namespace varmio {

class ButtonBinding : public FormBinder::Binding {
  public:
    ButtonBinding(Control& control, QAbstractButton* button, const Act& act);
    void sync() override;

  protected:
    QAbstractButton* button_;

  private:
    // The caption last shown: the window may add an access key to the text (access_keys.h).
    std::string shown_ = "\n";
};

}  // namespace varmio
