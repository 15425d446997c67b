#include "form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QWidget>

#include "bindings/button_binding.h"
#include "bindings/check_box_binding.h"
#include "bindings/combo_binding.h"
#include "bindings/dir_binding.h"
#include "bindings/drive_binding.h"
#include "bindings/frame_binding.h"
#include "bindings/label_binding.h"
#include "bindings/line_edit_binding.h"
#include "bindings/list_binding.h"
#include "bindings/menu_binding.h"
#include "bindings/picture_binding.h"
#include "bindings/plain_text_binding.h"
#include "bindings/tree_binding.h"
#include "qt_text.h"
#include "wizard/form.h"

namespace varmio {

QString toWidgetText(std::string_view modelText, bool multiLine) {
    QString text = qs(modelText);
    if (multiLine) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string toModelText(const QString& widgetText, bool multiLine) {
    if (!multiLine) return widgetText.toStdString();
    QString text = widgetText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

namespace {

using Binding = FormBinder::Binding;
using Act = FormBinder::Act;

// The binding for `control` when `object` is a widget of a kind that can show it; nullptr
// otherwise.
std::unique_ptr<Binding> makeBinding(Control& control, QObject* object, const Act& act) {
    auto* widget = qobject_cast<QWidget*>(object);
    switch (control.kind()) {
        case ControlKind::Frame:
            if (widget) return std::make_unique<FrameBinding>(control, widget, act);
            break;
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(object))
                return std::make_unique<LabelBinding>(control, label, act);
            break;
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(object))
                return std::make_unique<ButtonBinding>(control, button, act);
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QCheckBox*>(object))
                return std::make_unique<CheckBoxBinding>(static_cast<CheckBox&>(control), box, act);
            break;
        case ControlKind::TextBox:
            if (auto* edit = qobject_cast<QLineEdit*>(object))
                return std::make_unique<LineEditBinding>(static_cast<TextBox&>(control), edit, act);
            if (auto* edit = qobject_cast<QPlainTextEdit*>(object))
                return std::make_unique<PlainTextBinding>(static_cast<TextBox&>(control), edit,
                                                          act);
            break;
        case ControlKind::ComboBox:
            if (auto* combo = qobject_cast<QComboBox*>(object))
                return std::make_unique<ComboBinding>(static_cast<ComboBox&>(control), combo, act);
            break;
        case ControlKind::ListView:
            if (auto* tree = qobject_cast<QTreeWidget*>(object))
                return std::make_unique<ListBinding>(static_cast<ListView&>(control), tree, act);
            break;
        case ControlKind::TreeView:
            if (auto* tree = qobject_cast<QTreeWidget*>(object))
                return std::make_unique<TreeBinding>(static_cast<TreeView&>(control), tree, act);
            break;
        case ControlKind::DriveList:
            if (auto* combo = qobject_cast<QComboBox*>(object))
                return std::make_unique<DriveBinding>(static_cast<DriveList&>(control), combo, act);
            break;
        case ControlKind::DirList:
            if (auto* list = qobject_cast<QListWidget*>(object))
                return std::make_unique<DirBinding>(static_cast<DirList&>(control), list, act);
            break;
        case ControlKind::Picture:
            if (auto* label = qobject_cast<QLabel*>(object))
                return std::make_unique<PictureBinding>(control, label, act);
            break;
        case ControlKind::MenuItem:
            if (auto* action = qobject_cast<QAction*>(object))
                return std::make_unique<MenuBinding>(control, action, act);
            break;
    }
    return nullptr;
}

}  // namespace

FormBinder::FormBinder(Form& form, QWidget& root, Act act)
    : form_(form), root_(root), act_(std::move(act)) {
    for (Control* control : form.controls()) {
        const QString name = objectNameOf(*control);
        QObject* object = root.objectName() == name ? &root : root.findChild<QObject*>(name);
        std::unique_ptr<Binding> binding = object ? makeBinding(*control, object, act_) : nullptr;
        if (binding)
            bindings_.push_back(std::move(binding));
        else
            unbound_.push_back(control->id());
    }
}

FormBinder::~FormBinder() = default;

void FormBinder::sync() {
    const QString title = QString::fromStdString(form_.caption);
    if (root_.isWindow() && root_.windowTitle() != title) root_.setWindowTitle(title);
    for (auto& binding : bindings_)
        binding->sync();
}

QObject* FormBinder::objectFor(const Control& control) const {
    const QString name = objectNameOf(control);
    for (const auto& binding : bindings_)
        if (binding->object() && binding->object()->objectName() == name) return binding->object();
    return nullptr;
}

QString FormBinder::objectNameOf(const Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) name += QLatin1Char('_') + QString::number(control.index());
    return name;
}

bool FormBinder::isHelperName(const QString& objectName) {
    return objectName.isEmpty() || objectName.startsWith(QLatin1String("qt_"));
}

}  // namespace varmio
