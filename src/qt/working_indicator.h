#pragma once

#include <QFrame>
#include <memory>

#include "action_runner.h"
#include "qt_window_host.h"

class QLabel;

namespace varmio {

class FormBinder;
class WorkingWindow;

// The small window that says the wizard is busy: frameless, centred over the main window (or
// the screen), shown and hidden as its form says once the form was loaded.
class WorkingIndicator : public QFrame, public BoundWindow {
    Q_OBJECT

  public:
    WorkingIndicator(WorkingWindow& model, QtWindowHost& host);
    ~WorkingIndicator() override;

    Form& form() const override;
    QWidget& widget() override { return *this; }
    void syncFromModel() override;

  private:
    void place();

    WorkingWindow& model_;
    QtWindowHost& host_;
    QLabel* text_;
    QWidget* panel_;
    ActionRunner runner_;
    std::unique_ptr<FormBinder> binder_;
    std::unique_ptr<FormBinder> panelBinder_;
    int shownColor_ = -1;
    bool progressShown_ = false;
};

}  // namespace varmio
