#include "delivery/mail_message.h"
#include "platform/mail_system.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/delivery/transfer_watch.h"
#include "wizard/file_rows.h"
#include "wizard/history.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

void rebuildFromHistory(WizardWindow& w, ComboBox& box, std::string_view history) {
    box.clear();
    box.fillFromList(w.config(history));
}

}  // namespace

void mailSend(WizardWindow& w) {
    if (!validMailRecipient(w.txt_MAIL_RECIP.text)) {
        w.MsgBox(w.GetText("NOTVALIDEMAIL"));
        return;
    }
    std::string failure;  // the message for a failed send, once known
    try {
        const MailMessage message = mailMessage(w.txt_MAIL_RECIP.text, w.txt_MAIL_CAP.text,
                                                w.txt_MAIL_MESS.text, fileRows(w.lvwFiles));
        {
            // Large attachments take a while: the working indicator shows how far the message
            // has gone and offers Cancel.
            MailSystem& mail = w.mail();
            TransferWatch watch(w, [&mail] { mail.cancel(); });
            try {
                sendMail(mail, message, [&] {
                    watch.show(0, 0, {}, mail.bytesSent(), mail.bytesTotal());
                    w.host().doEvents();
                });
            } catch (const std::exception& e) {
                failure = watch.failureText("MAPI_SEND_FAILED", e);
                throw;
            }
        }

        appendNonEmptyToHistory(w.settings(), "txt_MAIL_CAP", message.subject, Compare::Exact);
        appendNonEmptyToHistory(w.settings(), "txt_MAIL_RECIP", message.recipient, Compare::Exact);
        rebuildFromHistory(w, w.txt_MAIL_CAP, "txt_MAIL_CAP");
        rebuildFromHistory(w, w.txt_MAIL_RECIP, "txt_MAIL_RECIP");
        w.txt_MAIL_MESS.text.clear();
    } catch (const std::exception& e) {
        w.MsgBox(failure.empty() ? failureText(w, "MAPI_SEND_FAILED", e) : failure);
        return;
    }
    w.MsgBox(w.GetText("MAPI_SEND_SUCCESS"));
}

void mailLogoff(WizardWindow& w) {
    w.mailSessionOpen = false;
}

}  // namespace varmio
