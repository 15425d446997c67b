#include "bindings/binding.h"

#include <QComboBox>
#include <QStringList>
#include <QWidget>

#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

QObject* FormBinder::Binding::object() const {
    return widget_;
}

void FormBinder::Binding::syncState() {
    if (widget_->isHidden() == control_.visible) widget_->setVisible(control_.visible);
    if (widget_->testAttribute(Qt::WA_ForceDisabled) == control_.enabled)
        widget_->setEnabled(control_.enabled);
}

void FormBinder::Binding::userAction(const std::function<void()>& action) {
    if (!act_(action)) sync();
}

void showItems(QComboBox& box, const std::vector<std::string>& items) {
    QStringList wanted;
    for (const auto& item : items)
        wanted << qs(item);
    QStringList shown;
    for (int i = 0; i < box.count(); ++i)
        shown << box.itemText(i);
    if (shown == wanted) return;
    box.clear();
    box.addItems(wanted);
}

}  // namespace varmio
