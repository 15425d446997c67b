#pragma once

#include "bindings/binding.h"

namespace varmio {

// A frame shows and hides its controls with it; a group box also shows the caption as its title.
class FrameBinding : public FormBinder::Binding {
  public:
    using Binding::Binding;
    void sync() override;
};

}  // namespace varmio
