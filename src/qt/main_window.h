#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "action_runner.h"
#include "qt_translations.h"
#include "qt_window_host.h"

namespace Ui {
class WizardMainWindow;
}

namespace varmio {

class FormBinder;
class WizardWindow;
class WorkingIndicator;

// The wizard window frm_wizard on the desktop. Every page frame sits in one place of the page
// area and shows when its frame is visible; the logo pictures share the left column the same
// way. Each page frame is a Designer form of its own (pages/). Widgets are bound to the model's
// controls by name (see FormBinder).
class MainWindow : public QMainWindow, public BoundWindow {
    Q_OBJECT

  public:
    MainWindow(WizardWindow& model, QtWindowHost& host);
    ~MainWindow() override;

    Form& form() const override;
    QWidget& widget() override { return *this; }
    void syncFromModel() override;

    WizardWindow& model() const { return model_; }
    FormBinder& binder() const { return *binder_; }
    bool busy() const { return runner_.busy(); }
    // Runs a user action on this window as its widgets do; false when one is running already.
    bool act(const std::function<void()>& action) { return runner_.run(action); }

    // Files dropped onto the file list join it as chosen with the add-file button.
    void addDroppedFiles(const std::vector<std::string>& paths);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool isUserInputForMe(QObject* watched, QEvent* event) const;
    void showPageHeading();
    void applyPalette();
    void giveKeysAndNames();

    WizardWindow& model_;
    QtWindowHost& host_;
    std::unique_ptr<Ui::WizardMainWindow> ui_;
    ActionRunner runner_;
    std::unique_ptr<FormBinder> binder_;
    std::unique_ptr<WorkingIndicator> working_;
    std::string headingKey_ = "\n";  // nothing shown yet
    std::string title_ = "\n";       // the window title Qt's translations last followed
    QtTranslations translations_;
    bool applyingPalette_ = false;
};

}  // namespace varmio
