#pragma once

#include "bindings/binding.h"

class QEvent;
class QLabel;

namespace varmio {

// A picture reports double-clicks to the window code.
class PictureBinding : public FormBinder::Binding {
  public:
    PictureBinding(Control& picture, QLabel* label, const Act& act);
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace varmio
