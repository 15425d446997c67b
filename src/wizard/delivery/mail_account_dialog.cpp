#include "wizard/delivery/mail_account_dialog.h"

#include "platform/basic_text.h"
#include "platform/steps.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// The entries of the protection list, in this order; "None" is a text of the language.
constexpr std::string_view kStartTls = "STARTTLS";
constexpr std::string_view kTls = "SSL/TLS";

}  // namespace

MailAccountDialog::MailAccountDialog(WizardWindow& window)
    : Form("frm_Mail_Account"), window_(window) {
    width = 480;
    height = 340;
    txt_CANCEL.visible = false;
    lab_acc_warning.visible = false;
    txt_ACC_PASS.password = true;
    cmb_acc_security.onClick = [this] { cmb_acc_security_Click(); };
    cmd_ok.onClick = [this] { cmd_ok_Click(); };
    cmd_cancel.onClick = [this] { cmd_cancel_Click(); };
}

void MailAccountDialog::Form_Load(const MailAccount& account, const std::string& password) {
    tryStep([&] { centre(window_.host().screenWidth(), window_.host().screenHeight()); });
    tryStep([&] {
        caption = window_.GetText("FRM_MAIL_ACCOUNT");
        lab_acc_from.caption = window_.GetText("LAB_ACC_FROM");
        lab_acc_server.caption = window_.GetText("LAB_ACC_SERVER");
        lab_acc_port.caption = window_.GetText("LAB_ACC_PORT");
        lab_acc_security.caption = window_.GetText("LAB_ACC_SECURITY");
        lab_acc_warning.caption = window_.GetText("LAB_ACC_WARNING");
        lab_acc_user.caption = window_.GetText("LAB_ACC_USER");
        lab_acc_pass.caption = window_.GetText("LAB_ACC_PASS");
        chk_acc_remember.caption = window_.GetText("CHK_ACC_REMEMBER");
        cmd_ok.caption = window_.GetText("CMD_OK");
        cmd_cancel.caption = window_.GetText("CMD_CANCEL");
    });
    cmb_acc_security.clear();
    cmb_acc_security.addItem(std::string(kStartTls));
    cmb_acc_security.addItem(std::string(kTls));
    cmb_acc_security.addItem(window_.GetText("ACC_SECURITY_NONE"));
    txt_ACC_FROM.text = account.from;
    txt_ACC_SERVER.text = account.server;
    txt_ACC_PORT.text = std::to_string(account.port);
    txt_ACC_USER.text = account.user;
    txt_ACC_PASS.text = password;
    chk_acc_remember.setValue(account.rememberPassword ? 1 : 0);
    showSecurity(account.security);
}

MailSecurity MailAccountDialog::security() const {
    if (cmb_acc_security.text == kTls) return MailSecurity::Tls;
    if (cmb_acc_security.text == kStartTls) return MailSecurity::StartTls;
    return MailSecurity::None;
}

void MailAccountDialog::showSecurity(MailSecurity chosen) {
    const size_t entry = chosen == MailSecurity::Tls ? 1 : chosen == MailSecurity::None ? 2 : 0;
    cmb_acc_security.text = cmb_acc_security.items.at(entry);
    lab_acc_warning.visible = chosen == MailSecurity::None;
}

MailAccount MailAccountDialog::account() const {
    MailAccount typed;
    typed.from = trim(txt_ACC_FROM.text);
    typed.server = trim(txt_ACC_SERVER.text);
    const std::string port = trim(txt_ACC_PORT.text);
    typed.security = security();
    typed.port = IsNumeric(port) && Val(port) >= 1 && Val(port) <= 65535
                     ? static_cast<int>(Val(port))
                     : defaultMailPort(typed.security);
    typed.user = trim(txt_ACC_USER.text);
    typed.rememberPassword = chk_acc_remember.ticked();
    return typed;
}

// A port that was the usual one of the old choice follows the new choice.
void MailAccountDialog::cmb_acc_security_Click() {
    const MailSecurity chosen = security();
    for (MailSecurity other : {MailSecurity::StartTls, MailSecurity::Tls, MailSecurity::None})
        if (trim(txt_ACC_PORT.text) == std::to_string(defaultMailPort(other)))
            txt_ACC_PORT.text = std::to_string(defaultMailPort(chosen));
    showSecurity(chosen);
}

void MailAccountDialog::cmd_ok_Click() {
    const std::string_view problem =
        mailAccountProblem(account(), txt_ACC_PORT.text, txt_ACC_PASS.text);
    if (!problem.empty()) {
        window_.MsgBox(window_.GetText(problem));
        return;
    }
    txt_CANCEL.text = "OK";
    visible = false;
}

void MailAccountDialog::cmd_cancel_Click() {
    txt_CANCEL.text = "CANCEL";
    visible = false;
}

}  // namespace varmio
