#pragma once

#include "bindings/binding.h"

class QComboBox;

namespace varmio {

class DriveList;

class DriveBinding : public FormBinder::Binding {
  public:
    DriveBinding(DriveList& drives, QComboBox* widget, const Act& act);
    void sync() override;

  private:
    DriveList& drives_;
    QComboBox* box_;
};

}  // namespace varmio
