#include "bindings/frame_binding.h"

#include <QGroupBox>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

void FrameBinding::sync() {
    syncState();
    if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
        const QString title = qs(control_.caption);
        if (box->title() != title) box->setTitle(title);
    }
}

}  // namespace varmio
