#pragma once

#include <string>

#include "delivery/mail_account.h"
#include "wizard/form.h"

namespace varmio {

class WizardWindow;

// The modal "Mail account" dialog: sender address, SMTP server, port, protection, user name,
// password and whether the keyring keeps the password. Loaded for each use and unloaded once
// its result is read, like the link dialog.
class MailAccountDialog : public Form {
  public:
    explicit MailAccountDialog(WizardWindow& window);

    Label lab_acc_from{*this, "lab_acc_from"};
    TextBox txt_ACC_FROM{*this, "txt_ACC_FROM"};
    Label lab_acc_server{*this, "lab_acc_server"};
    TextBox txt_ACC_SERVER{*this, "txt_ACC_SERVER"};
    Label lab_acc_port{*this, "lab_acc_port"};
    TextBox txt_ACC_PORT{*this, "txt_ACC_PORT"};
    Label lab_acc_security{*this, "lab_acc_security"};
    ComboBox cmb_acc_security{*this, "cmb_acc_security"};
    Label lab_acc_warning{*this, "lab_acc_warning"};
    Label lab_acc_user{*this, "lab_acc_user"};
    TextBox txt_ACC_USER{*this, "txt_ACC_USER"};
    Label lab_acc_pass{*this, "lab_acc_pass"};
    TextBox txt_ACC_PASS{*this, "txt_ACC_PASS"};
    CheckBox chk_acc_remember{*this, "chk_acc_remember"};
    Button cmd_ok{*this, "cmd_ok"};
    Button cmd_cancel{*this, "cmd_cancel"};
    // Holds "OK" or "CANCEL" once a button closed the dialog.
    TextBox txt_CANCEL{*this, "txt_CANCEL"};

    // Centring, captions and the fields from `account` and `password`.
    void Form_Load(const MailAccount& account, const std::string& password);
    // The account as the fields hold it.
    MailAccount account() const;
    bool accepted() const { return txt_CANCEL.text == "OK"; }

    void cmb_acc_security_Click();
    void cmd_ok_Click();
    void cmd_cancel_Click();

  private:
    MailSecurity security() const;
    void showSecurity(MailSecurity security);

    WizardWindow& window_;
};

}  // namespace varmio
