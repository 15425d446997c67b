#include <optional>

#include "delivery/ftp_folders.h"
#include "delivery/ftp_plan.h"
#include "delivery/ftp_runner.h"
#include "delivery/transfer_progress.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/ftp_client.h"
#include "platform/random.h"
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

enum class Flicker { Off, On };

int randomColour(WizardWindow& w) {
    int colour = 0;
    for (int i = 0; i < 3; ++i)
        colour = colour << 8 | static_cast<int>(roundHalfEven(w.random().Rnd() * 255));
    return colour;
}

// The transfer control works in the background; the window keeps handling its events while we
// wait. During a send the working indicator changes colour on every poll, to show it is alive.
std::function<void()> whileWaiting(WizardWindow& w, Flicker flicker) {
    return [&w, flicker] {
        if (flicker == Flicker::On) w.frm_Working.backColor = randomColour(w);
        w.host().doEvents();
    };
}

FtpLogin login(const WizardWindow& w) {
    return {w.txt_FTP_Serv.text, w.txt_FTP_User.text, w.txt_FTP_Pass.text};
}

// Checked before the control hears of the login, so that nothing at all reaches the server.
FtpLogin checkedLogin(const WizardWindow& w) {
    FtpLogin typed = login(w);
    if (!typed.safe())
        throw RuntimeError(errnum::kInvalidProcedureCall, w.GetText("FTP_LOGIN_LINE_BREAK"));
    return typed;
}

// An SFTP server's host key that known_hosts does not know is the user's to judge: on Yes it is
// remembered and the plan runs again (its first connection failed, before anything was done).
// A changed key is refused without asking.
void runFtpPlanAsking(WizardWindow& w, const FtpPlan& plan, const FtpRunHooks& hooks) {
    try {
        runFtpPlan(w.ftp(), plan, hooks);
        return;
    } catch (const RuntimeError& e) {
        const std::optional<HostKeyProblem> key = w.ftp().hostKeyProblem();
        if (!key) throw;
        auto text = [&](std::string_view name) {
            return fillIn(w.GetText(name), {key->host, key->keyType, key->fingerprint});
        };
        if (key->kind == HostKeyProblem::Kind::Changed)
            throw RuntimeError(e.number(), text("SFTP_HOST_KEY_CHANGED"));
        if (!w.Ask(text("SFTP_HOST_KEY_UNKNOWN")))
            throw RuntimeError(e.number(), w.GetText("SFTP_HOST_KEY_REFUSED"));
        w.ftp().trustHostKey();
    }
    runFtpPlan(w.ftp(), plan, hooks);
}

void addFolderRow(WizardWindow& w, std::string text) {
    w.ftp_tree.add(std::move(text)).icon = list_image::kFolder;
}

}  // namespace

bool ftpLoginComplete(const WizardWindow& w) {
    return login(w).complete();
}

bool ftpFolderListing(WizardWindow& w, const std::string& folder) {
    try {
        w.mousePointer = kHourglassPointer;
        waitForFtp(w.ftp(), whileWaiting(w, Flicker::Off));
        w.ftp_tree.clear();
        w.cmd_next.enabled = false;
        if (folder != w.txt_FTP_Path.text) w.txt_FTP_Path.text += folder;
        const std::string path = w.txt_FTP_Path.text;
        if (!path.empty()) addFolderRow(w, std::string(kBackRow));
        runFtpPlanAsking(w, ftpListingPlan(checkedLogin(w), path, w.programFolder()),
                         {whileWaiting(w, Flicker::Off),
                          [&](const std::string& row) { addFolderRow(w, row); },
                          {}});
        w.cmd_next.enabled = true;
        w.mousePointer = kDefaultPointer;
        return true;
    } catch (const std::exception& e) {
        w.MsgBox(errorDescription(e));
        tryStep([&] { w.ftp().execute("CLOSE"); });
        w.mousePointer = kDefaultPointer;
        w.cmd_next.enabled = true;
        return false;
    }
}

void ftpSend(WizardWindow& w) {
    std::string sending;  // the remote name of the upload under way, if any
    std::optional<TransferWatch> watch;
    try {
        w.cmd_next.enabled = false;
        waitForFtp(w.ftp(), whileWaiting(w, Flicker::On));
        FtpSendInput input{
            checkedLogin(w), w.txt_FTP_Path.text, fileRows(w.lvwFiles), w.chk_fls_ftp.ticked(),
            w.TmpFol,        std::nullopt};
        if (w.isHTML != 0) input.pageFile = w.cmb_htmlfile.text;
        const FtpPlan plan = ftpSendPlan(input);
        watch.emplace(w, [&w] { w.ftp().cancel(); });
        runFtpPlanAsking(w, plan,
                         {whileWaiting(w, Flicker::On),
                          {},
                          [&](const FtpProgress&) { sending.clear(); },
                          [&](const FtpProgress& p) {
                              sending = p.name;
                              watch->show(p.file, p.files, p.name, p.bytes, p.total);
                          }});
        watch.reset();
        w.MsgBox(w.GetText("FTP_SEND_SUCCESS"));
        w.cmd_next.enabled = true;
    } catch (const std::exception& e) {
        const std::string text = watch ? watch->failureText("FTP_SEND_FAILED", e, sending)
                                       : failureText(w, "FTP_SEND_FAILED", e);
        watch.reset();
        w.MsgBox(text);
        w.cmd_next.enabled = true;
    }
}

void ftp_tree_DblClick(WizardWindow& w) {
    ListItem* row = w.ftp_tree.selectedItem();
    if (!row) return;
    const std::string text = row->text;
    w.ftp_tree.enabled = false;
    if (isBackRow(text)) {
        w.txt_FTP_Path.text = parentPath(w.txt_FTP_Path.text);
        ftpFolderListing(w, w.txt_FTP_Path.text);
    } else {
        ftpFolderListing(w, text);
    }
    w.ftp_tree.enabled = true;
}

void txt_FTP_Path_KeyPress(WizardWindow& w, int& keyAscii) {
    if (keyAscii != kEnterKey) return;
    w.cmd_next.enabled = false;
    if (!ftpLoginComplete(w)) {
        w.MsgBox(w.GetText("NOT_VALID_FTP_CFG"));
        return;
    }
    w.frm_ftp_2.visible = true;
    tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
    ftpFolderListing(w, w.txt_FTP_Path.text);
    w.cmd_next.enabled = true;
}

void cmd_gettree_Click(WizardWindow& w) {
    tryStep([&] { waitForFtp(w.ftp(), whileWaiting(w, Flicker::Off)); });
    w.cmd_next.enabled = false;
    ftpFolderListing(w, w.txt_FTP_Path.text);
    w.cmd_next.enabled = true;
}

}  // namespace varmio
