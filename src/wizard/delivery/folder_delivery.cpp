#include "delivery/folder_copy.h"
#include "platform/steps.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/delivery_events.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/file_rows.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// The folder list moves to the typed or picked path, the drive list to that folder's drive. A
// path that is not there leaves both lists alone; the text stays the copy target all the same.
void followTargetText(WizardWindow& w) {
    tryStep([&] { w.dir_UNC.setPath(w.txt_UNC_NAME.text); });
    tryStep([&] { w.drv_UNC.setDrive(w.drv_UNC.driveOf(w.dir_UNC.path())); });
}

}  // namespace

void folderCopy(WizardWindow& w) {
    try {
        // Large files take a while: the working indicator shows, the window repaints between them.
        WizardWindow::Working working(w, "PROSESSING");
        runCopyPlan(folderCopyPlan(fileRows(w.lvwFiles), w.txt_UNC_NAME.text),
                    [&] { w.host().doEvents(); });
    } catch (const std::exception& e) {
        w.MsgBox(failureText(w, "UNC_SEND_FAILED", e));
        return;
    }
    w.MsgBox(w.GetText("UNC_SEND_SUCCESS"));
}

void drv_UNC_Change(WizardWindow& w) {
    // Only a folder on another drive moves; a folder already on the chosen drive stays, so that
    // following a picked path to its drive keeps the picked folder.
    tryStep([&] {
        if (w.drv_UNC.driveOf(w.dir_UNC.path()) != w.drv_UNC.drive())
            w.dir_UNC.setPath(w.drv_UNC.drive());
    });
}

void dir_UNC_Change(WizardWindow& w) {
    w.txt_UNC_NAME.text = w.dir_UNC.path();
}

void txt_UNC_NAME_Click(WizardWindow& w) {
    followTargetText(w);
}

void txt_UNC_NAME_KeyPress(WizardWindow& w, int& keyAscii) {
    if (keyAscii == kEnterKey) followTargetText(w);
}

}  // namespace varmio
