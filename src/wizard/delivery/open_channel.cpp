#include "delivery/send_report.h"
#include "page/page_generator.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/steps.h"
#include "wizard/delivery/channels.h"
#include "wizard/file_rows.h"
#include "wizard/page/generate_html.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// Fills a channel's send report. A listed file that has gone missing beeps and brings the
// delivery page back; returns false then.
bool fillSendReport(WizardWindow& w, TextBox& report) {
    report.text.clear();
    const SendReportTexts texts{w.GetText("BYTES"), w.GetText("CREATED")};
    // Line by line: a missing file stops the report where it is, any other failure leaves out
    // that file's line.
    for (const FileRow& row : fileRows(w.lvwFiles)) {
        try {
            report.text += sendReportLine(row, texts);
        } catch (const RuntimeError& e) {
            if (e.number() != errnum::kFileNotFound && e.number() != errnum::kPathNotFound)
                continue;
            tryStep([&] { w.dialogs().beep(); });
            w.frm_export_1.visible = true;
            return false;
        }
    }
    return true;
}

}  // namespace

void cmd_ftp_Click(WizardWindow& w) {
    tryStep([&] {
        w.lab_ftp_serv.caption = w.GetText("LAB_FTP_SERV");
        w.lab_ftp_user.caption = w.GetText("LAB_FTP_USER");
        w.lab_ftp_pass.caption = w.GetText("LAB_FTP_PASS");
        w.lab_ftp_path.caption = w.GetText("LAB_FTP_PATH");
        w.lab_sndfls_ftp.caption = w.GetText("FLS_SND");
        w.chk_fls_ftp.caption = w.GetText("CREATE_FLS");
        w.chk_ftp_remember.caption = w.GetText("FTP_REMEMBER");
    });
    w.frm_export_1.visible = false;
    if (!fillSendReport(w, w.txt_sndfls_ftp)) return;
    w.frm_ftp.visible = true;
    tryStep([&] { w.cmd_next.caption = w.GetText("CMD_NEXT"); });
    w.cmd_next.enabled = true;
    tryStep([&] { GenerateHTML(w, true); });
}

void cmd_mail_Click(WizardWindow& w) {
    w.frm_export_1.visible = false;
    tryStep([&] {
        w.lab_mail_recip.caption = w.GetText("LAB_MAIL_RECIP");
        w.lab_mail_cap.caption = w.GetText("LAB_MAIL_CAP");
        w.lab_mail_mess.caption = w.GetText("LAB_MAIL_MESS");
        w.lab_sndfls_mail.caption = w.GetText("FLS_SND");
        w.cmd_mail_account.caption = w.GetText("CMD_MAIL_ACCOUNT");
    });
    if (!fillSendReport(w, w.txt_sndfls_mail)) return;
    w.frm_mail.visible = true;
    tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
    w.cmd_next.enabled = true;
}

void cmd_unc_Click(WizardWindow& w) {
    tryStep([&] { w.lab_sndfls_unc.caption = w.GetText("FLS_SND"); });
    if (!fillSendReport(w, w.txt_sndfls_unc)) return;
    tryStep([&] { GenerateHTML(w, true); });
    w.frm_unc.visible = true;
    w.frm_export_1.visible = false;
    tryStep([&] { w.txt_UNC_NAME.text = w.dir_UNC.path(); });
    tryStep([&] { w.cmd_next.caption = w.GetText("SEND"); });
    w.cmd_next.enabled = true;
    tryStep([&] {
        w.lab_unc_note.caption = w.GetText("lab_unc_note");
        w.lab[5].caption = w.GetText("lab_unc_drv");
        w.lab[4].caption = w.GetText("lab_unc_path");
    });
}

}  // namespace varmio
