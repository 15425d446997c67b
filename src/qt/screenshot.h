#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace varmio {

class MainWindow;
class QtWindowHost;

// A hidden hook that makes pictures of the window for the documentation
// (scripts/screenshot.sh, scripts/run-wizard.sh). Set in the environment:
//
//   VARMIO_SCREENSHOT=FILE.png    once the window is shown and the actions below have run, the
//                                 open windows are saved as one PNG picture and the program
//                                 ends with status 0 (2 when an action cannot be carried out);
//                                 a FILE.txt gets the shown texts instead (window_texts.h);
//   VARMIO_SCREENSHOT_PALETTE=dark  the colours a dark desktop theme gives (Fusion style);
//   VARMIO_SCREENSHOT_ACTIONS     user actions played first, separated by ";":
//                                   click ID | type ID TEXT | key ID CODE | select ID ROW |
//                                   node ID POSITION (a click on a tree node)
//                                 ID is a control id of the wizard window ("cmd_add_link(0)"),
//                                 or frm_Input_Link.ID (frm_Mail_Account.ID) for the link
//                                 (mail account) dialog while it is open. A transfer in
//                                 progress is pictured as it runs.
//
// Actions go through the widgets (a click is a real button click), so what is pictured is what
// a user would see after doing the same.
class ScreenshotHook : public QObject {
  public:
    ScreenshotHook(QtWindowHost& host, MainWindow& main, QString file, const QString& actions);

    // The hook the environment asks for; nullptr when VARMIO_SCREENSHOT is not set.
    static ScreenshotHook* fromEnvironment(QtWindowHost& host, MainWindow& main);

    void start();

  private:
    void step();
    bool perform(const QString& action);
    void takePicture();
    void writeTexts();
    void fail(const QString& why);

    QtWindowHost& host_;
    MainWindow& main_;
    QString file_;
    QStringList actions_;
    int waited_ = 0;
};

}  // namespace varmio
