#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "action_runner.h"
#include "qt_window_host.h"

namespace varmio {

class FormBinder;

// A modal dialog of the window model (the link dialog, the mail account dialog) on the desktop,
// bound to its form for one use. It closes when the window code hides the form; closing it any
// other way leaves the result field without "OK", which the callers take as Cancel.
class FormDialog : public QDialog, public BoundWindow {
    Q_OBJECT

  public:
    // `setupUi` lays the Designer form onto the dialog before it is bound by control name.
    FormDialog(Form& model, QtWindowHost& host, QWidget* parent,
               const std::function<void(QDialog&)>& setupUi);
    ~FormDialog() override;

    Form& form() const override;
    QWidget& widget() override { return *this; }
    void syncFromModel() override;
    void closeForEnd() override;

    FormBinder& binder() const { return *binder_; }

  private:
    Form& model_;
    QtWindowHost& host_;
    ActionRunner runner_;
    std::unique_ptr<FormBinder> binder_;
};

}  // namespace varmio
