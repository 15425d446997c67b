#pragma once

#include <QDialog>
#include <memory>

#include "action_runner.h"
#include "qt_window_host.h"

namespace Ui {
class MailAccountForm;
}

namespace varmio {

class FormBinder;
class MailAccountDialog;

// The mail account dialog on the desktop: bound to a MailAccountDialog form for one use. It closes
// when the window code hides the form; closing it any other way leaves the result field without
// "OK", which the callers take as Cancel.
class MailAccountWindow : public QDialog, public BoundWindow {
    Q_OBJECT

  public:
    MailAccountWindow(MailAccountDialog& model, QtWindowHost& host, QWidget* parent);
    ~MailAccountWindow() override;

    Form& form() const override;
    QWidget& widget() override { return *this; }
    void syncFromModel() override;
    void closeForEnd() override;

    FormBinder& binder() const { return *binder_; }

  private:
    MailAccountDialog& model_;
    QtWindowHost& host_;
    std::unique_ptr<Ui::MailAccountForm> ui_;
    ActionRunner runner_;
    std::unique_ptr<FormBinder> binder_;
};

}  // namespace varmio
