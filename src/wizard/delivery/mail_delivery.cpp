#include "platform/background_task.h"
#include "platform/basic_text.h"
#include "platform/mail_system.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/history.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// Large attachments take a while to send: the window keeps repainting, and the working
// indicator says why nothing else can be done meanwhile.
void sendWhileTheWindowWaits(WizardWindow& w, const MailMessage& message) {
    WizardWindow::Working working(w, "PROSESSING");
    runPolling([&] { w.mail().send(message); }, [&] { w.host().doEvents(); });
}

void rebuildFromHistory(WizardWindow& w, ComboBox& box, std::string_view history) {
    box.clear();
    box.fillFromList(w.config(history));
}

}  // namespace

bool validMailRecipient(const std::string& recipient) {
    return !recipient.empty() && contains(recipient, "@");
}

bool mailLogon(WizardWindow& w) {
    try {
        if (w.mail().logon() != 0) {
            w.MsgBox(w.GetText("MAPI_SEND_FAILED") + " (No_MAPI_Client [000000])");
            return false;
        }
        if (w.mailSessionOpen) {
            w.MsgBox("Session already established");
            return false;
        }
        w.mailSessionOpen = true;
        return true;
    } catch (const std::exception& e) {
        w.MsgBox(failureText(w, "MAPI_SEND_FAILED", e));
        return false;
    }
}

void mailSend(WizardWindow& w) {
    if (!validMailRecipient(w.txt_MAIL_RECIP.text)) {
        w.MsgBox(w.GetText("NOTVALIDEMAIL"));
        return;
    }
    try {
        MailMessage message;
        message.recipient = w.txt_MAIL_RECIP.text;
        message.subject = w.txt_MAIL_CAP.text;
        message.noteText = w.txt_MAIL_MESS.text;
        // Every row travels, marked or not: the mark only keeps a file off the servers.
        for (const ListItem& row : w.lvwFiles.rows)
            message.attachments.push_back({row.subItem(1), 0, row.text + row.subItem(1)});
        sendWhileTheWindowWaits(w, message);

        appendNonEmptyToHistory(w.settings(), "txt_MAIL_CAP", message.subject, Compare::Exact);
        appendNonEmptyToHistory(w.settings(), "txt_MAIL_RECIP", message.recipient, Compare::Exact);
        rebuildFromHistory(w, w.txt_MAIL_CAP, "txt_MAIL_CAP");
        rebuildFromHistory(w, w.txt_MAIL_RECIP, "txt_MAIL_RECIP");
        w.txt_MAIL_MESS.text.clear();
    } catch (const std::exception& e) {
        w.MsgBox(failureText(w, "MAPI_SEND_FAILED", e));
        return;
    }
    w.MsgBox(w.GetText("MAPI_SEND_SUCCESS"));
}

void mailLogoff(WizardWindow& w) {
    w.mailSessionOpen = false;
}

}  // namespace varmio
