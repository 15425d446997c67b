#pragma once

#include <QDialog>
#include <memory>

#include "action_runner.h"
#include "qt_window_host.h"

namespace Ui {
class LinkDialogForm;
}

namespace varmio {

class FormBinder;
class LinkDialog;

// The link dialog on the desktop: bound to a LinkDialog form for one use. It closes when the
// window code hides the form; closing it any other way leaves the result field without "OK",
// which the callers take as Cancel.
class LinkDialogWindow : public QDialog, public BoundWindow {
    Q_OBJECT

  public:
    LinkDialogWindow(LinkDialog& model, QtWindowHost& host, QWidget* parent);
    ~LinkDialogWindow() override;

    Form& form() const override;
    QWidget& widget() override { return *this; }
    void syncFromModel() override;
    void closeForEnd() override;

    FormBinder& binder() const { return *binder_; }

  private:
    LinkDialog& model_;
    QtWindowHost& host_;
    std::unique_ptr<Ui::LinkDialogForm> ui_;
    ActionRunner runner_;
    std::unique_ptr<FormBinder> binder_;
};

}  // namespace varmio
