#include <atomic>
#include <mutex>
#include <optional>

#include "delivery/folder_copy.h"
#include "platform/background_task.h"
#include "platform/steps.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/delivery_events.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/delivery/transfer_watch.h"
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
    // The copy runs in the background; the working indicator shows its progress meanwhile and
    // offers Cancel, which stops within one piece of a file and deletes that unfinished file.
    std::atomic<bool> stop{false};
    std::mutex mutex;  // guards `seen` between the copy and the window
    CopyProgress seen;
    std::optional<TransferWatch> watch;
    try {
        const std::vector<FileCopy> plan =
            folderCopyPlan(fileRows(w.lvwFiles), w.txt_UNC_NAME.text);
        watch.emplace(w, [&stop] { stop = true; });
        runPolling(
            [&] {
                runCopyPlan(plan, [&](const CopyProgress& now) {
                    std::lock_guard lock(mutex);
                    seen = now;
                    return !stop.load();
                });
            },
            [&] {
                {
                    std::lock_guard lock(mutex);
                    watch->show(seen.file, seen.files, seen.name, seen.bytes, seen.total);
                }
                w.host().doEvents();
            });
    } catch (const std::exception& e) {
        const std::string text =
            watch ? watch->failureText("UNC_SEND_FAILED", e) : failureText(w, "UNC_SEND_FAILED", e);
        watch.reset();
        w.MsgBox(text);
        return;
    }
    watch.reset();
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
