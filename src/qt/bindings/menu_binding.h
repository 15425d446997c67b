#pragma once

#include "bindings/binding.h"

class QAction;

namespace varmio {

// A menu item is an action rather than a widget.
class MenuBinding : public FormBinder::Binding {
  public:
    MenuBinding(Control& item, QAction* action, const Act& act);
    QObject* object() const override;
    void sync() override;

  private:
    QAction* action_;
};

}  // namespace varmio
