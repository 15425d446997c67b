#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace varmio {

class Control;
class Form;

// Binds a window model's controls to the widgets of a Designer form, matched by name: the
// widget's objectName is the control's id with an array index spelled "_INDEX"
// ("cmd_browse(1)" is cmd_browse_1). Helper widgets of ours carry no objectName or one that
// starts with "qt_", so they never pass for controls.
//
// sync() shows the model; the widgets feed user actions back through `act`, which runs the
// model's handler (and then shows the model again). Typing only changes a control's text, as
// the window code reads texts when it needs them.
class FormBinder {
  public:
    // Runs a user action; false when it was dropped (another handler is running).
    using Act = std::function<bool(const std::function<void()>&)>;

    FormBinder(Form& form, QWidget& root, Act act);
    ~FormBinder();
    FormBinder(const FormBinder&) = delete;
    FormBinder& operator=(const FormBinder&) = delete;

    // Model -> widgets: the window title, then every control.
    void sync();

    Form& form() const { return form_; }
    // The widget or action bound to `control`; nullptr when the form has none.
    QObject* objectFor(const Control& control) const;
    // Ids of the controls that found no widget of a fitting kind.
    const std::vector<std::string>& unbound() const { return unbound_; }

    static QString objectNameOf(const Control& control);
    // Whether an objectName of ours is a helper rather than a control.
    static bool isHelperName(const QString& objectName);

    // One control and its widget; a class for each kind of widget, in bindings/.
    class Binding;

  private:
    Form& form_;
    QWidget& root_;
    Act act_;  // the bindings refer to it
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::vector<std::string> unbound_;
};

// The model's multi-line texts end their lines with CR LF; Qt's editors use LF.
QString toWidgetText(std::string_view modelText, bool multiLine);
std::string toModelText(const QString& widgetText, bool multiLine);

}  // namespace varmio
