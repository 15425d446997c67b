#include "bindings/drive_binding.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <exception>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

DriveBinding::DriveBinding(DriveList& drives, QComboBox* widget, const Act& act)
    : Binding(drives, widget, act), drives_(drives), box_(widget) {
    widget->setEditable(false);
    QObject::connect(widget, &QComboBox::activated, this, [this](int index) {
        const std::string drive = box_->itemText(index).toStdString();
        userAction([this, drive] {
            try {
                drives_.setDrive(drive);
            } catch (const std::exception&) {
                // An unreadable drive leaves the list where it was.
            }
        });
    });
}

void DriveBinding::sync() {
    syncState();
    QSignalBlocker quiet(box_);
    showItems(*box_, drives_.drives());
    box_->setCurrentIndex(box_->findText(qs(drives_.drive())));
}

}  // namespace varmio
