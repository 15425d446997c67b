#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "form_binder.h"

class QComboBox;
class QWidget;

namespace varmio {

class Control;

// One control and its widget. Bindings are QObjects so that connections and event filters end
// with them.
class FormBinder::Binding : public QObject {
  public:
    using Act = FormBinder::Act;

    Binding(Control& control, QWidget* widget, const Act& act)
        : control_(control), widget_(widget), act_(act) {}

    virtual void sync() { syncState(); }
    virtual QObject* object() const;

  protected:
    void syncState();

    // Runs a user action; when it was dropped the widget may show what the user did, so it is
    // set back to the model.
    void userAction(const std::function<void()>& action);

    Control& control_;
    QWidget* widget_;
    const Act& act_;
};

// Refills a combo box's list only when it differs from `items`, so a list in use stays put.
void showItems(QComboBox& box, const std::vector<std::string>& items);

}  // namespace varmio
