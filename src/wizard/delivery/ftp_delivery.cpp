#include <optional>

#include "platform/background_task.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/ftp_client.h"
#include "platform/random.h"
#include "platform/steps.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/delivery_events.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr size_t kListingChunk = 65000;
constexpr std::string_view kBackRow = "[Back]";
constexpr std::string_view kProbeFile = "qdrn.sec";

enum class Flicker { Off, On };

int randomColour(WizardWindow& w) {
    int colour = 0;
    for (int i = 0; i < 3; ++i)
        colour = colour << 8 | static_cast<int>(roundHalfEven(w.random().Rnd() * 255));
    return colour;
}

// The transfer control works in the background; the window keeps handling its events while we
// wait. During a send the working indicator changes colour on every poll, to show it is alive.
void waitForTransfer(WizardWindow& w, Flicker flicker) {
    pollWhile([&] { return w.ftp().busy(); },
              [&] {
                  if (flicker == Flicker::On) w.frm_Working.backColor = randomColour(w);
                  w.host().doEvents();
              });
}

// One operation to its end; its failure is thrown here.
void transfer(WizardWindow& w, const std::string& operation, Flicker flicker = Flicker::Off) {
    w.ftp().execute(operation);
    waitForTransfer(w, flicker);
    w.ftp().checkResult();
}

void setLogin(WizardWindow& w) {
    FtpClient& ftp = w.ftp();
    ftp.remoteHost = w.txt_FTP_Serv.text;
    ftp.userName = w.txt_FTP_User.text;
    ftp.password = w.txt_FTP_Pass.text;
}

void addFolderRow(WizardWindow& w, std::string text) {
    w.ftp_tree.add(std::move(text)).icon = list_image::kFolder;
}

// Sub-folders are the lines holding "/"; the current and parent folders hold "./" as well.
void addFolderRows(WizardWindow& w, std::string_view rest) {
    while (!rest.empty() && rest != "\r\n") {
        const size_t end = rest.find("\r\n");
        if (end == std::string_view::npos)
            throw RuntimeError(errnum::kInvalidProcedureCall, "Invalid procedure call or argument");
        const std::string_view line = rest.substr(0, end);
        if (contains(line, "/") && !contains(line, "./")) addFolderRow(w, std::string(line));
        rest.remove_prefix(end + 2);
    }
}

bool isBackRow(std::string_view text) {
    return startsWith(text, "[") && text.find(']') == text.size() - 1;
}

// The path one folder up: cut after the last "/" short of the final character.
std::string parentPath(const std::string& path) {
    if (path.size() < 2) return std::string();
    const size_t slash = path.find_last_of('/', path.size() - 2);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool ftpLoginComplete(const WizardWindow& w) {
    return !w.txt_FTP_Serv.text.empty() && !w.txt_FTP_User.text.empty() &&
           !w.txt_FTP_Pass.text.empty();
}

bool ftpFolderListing(WizardWindow& w, const std::string& folder) {
    try {
        w.mousePointer = kHourglassPointer;
        waitForTransfer(w, Flicker::Off);
        w.ftp_tree.clear();
        w.cmd_next.enabled = false;
        if (folder != w.txt_FTP_Path.text) w.txt_FTP_Path.text += folder;
        const std::string path = w.txt_FTP_Path.text;
        if (!path.empty()) addFolderRow(w, std::string(kBackRow));
        setLogin(w);
        if (!path.empty()) transfer(w, "CD " + path);
        // Uploading and deleting a probe file proves we may write here before files are sent.
        transfer(w, "PUT " + w.programFolder() + "/" + std::string(kProbeFile) + " " +
                        std::string(kProbeFile));
        transfer(w, "DIR *");
        addFolderRows(w, w.ftp().getChunk(kListingChunk));
        transfer(w, "DELETE " + std::string(kProbeFile));
        w.ftp().execute("CLOSE");
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
    try {
        w.cmd_next.enabled = false;
        waitForTransfer(w, Flicker::On);
        setLogin(w);
        transfer(w, "CD " + w.txt_FTP_Path.text, Flicker::On);
        const bool withList = w.chk_fls_ftp.ticked();
        const std::string listName = w.txt_FTP_User.text + ".lst";
        std::optional<LineWriter> list;
        if (withList) list.emplace(w.TmpFol + "/" + listName);
        for (int i = 1; i <= w.lvwFiles.count(); ++i) {
            const ListItem row = w.lvwFiles.row(i);
            if (row.subItem(2) == "X") continue;
            const std::string name = row.subItem(1);
            transfer(w, "PUT " + row.text + name + " " + name, Flicker::On);
            if (list) list->line(name);
        }
        if (list) {
            list->close();
            transfer(w, "PUT " + w.TmpFol + "/" + listName + " " + listName, Flicker::On);
        }
        if (w.isHTML != 0) {
            const std::string page = w.cmb_htmlfile.text;
            transfer(w, "PUT " + w.TmpFol + "/" + page + " " + page, Flicker::On);
        }
        w.ftp().execute("CLOSE");
        w.MsgBox(w.GetText("FTP_SEND_SUCCESS"));
        w.cmd_next.enabled = true;
    } catch (const std::exception& e) {
        w.MsgBox(failureText(w, "FTP_SEND_FAILED", e));
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
    tryStep([&] { waitForTransfer(w, Flicker::Off); });
    w.cmd_next.enabled = false;
    ftpFolderListing(w, w.txt_FTP_Path.text);
    w.cmd_next.enabled = true;
}

}  // namespace varmio
