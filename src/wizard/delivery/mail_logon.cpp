// The mail logon: the environment's server, or the user's mail account with its password from
// the keyring, from earlier in this run, or asked for in the account dialog.
#include "delivery/mail_account.h"
#include "platform/background_task.h"
#include "platform/keyring.h"
#include "platform/mail_system.h"
#include "platform/smtp_mail_system.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/failure_text.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

// Keyring calls may wait for the desktop (to unlock the keyring): the window goes on meanwhile.
void withKeyring(WizardWindow& w, const std::function<void(Keyring&)>& call) {
    if (!w.keyring) return;
    runPolling(
        [&] {
            if (w.keyring->available()) call(*w.keyring);
        },
        [&] { w.host().doEvents(); });
}

std::optional<std::string> storedPassword(WizardWindow& w, const MailAccount& account) {
    std::optional<std::string> found;
    if (account.rememberPassword)
        withKeyring(w, [&](Keyring& k) { found = k.lookup(account.server, account.user); });
    return found;
}

MailAccount freshAccount(const WizardWindow& w) {
    MailAccount account;
    account.from = defaultSender(w.system());
    return account;
}

// Shows the account dialog. On OK the account goes to the store and its password, for this
// run, to memory, and into the keyring when it is to be remembered (out of it otherwise).
bool editMailAccount(WizardWindow& w, const MailAccount& shown, const std::string& password) {
    w.frm_Mail_Account = std::make_unique<MailAccountDialog>(w);
    MailAccountDialog& dialog = *w.frm_Mail_Account;
    dialog.Form_Load(shown, password);
    dialog.visible = true;
    w.host().runModal(dialog);
    const bool accepted = dialog.accepted();
    const MailAccount account = dialog.account();
    const std::string typed = dialog.txt_ACC_PASS.text;
    w.frm_Mail_Account.reset();
    if (!accepted) return false;

    writeMailAccount(w.settings(), account);
    w.mailPassword = typed;
    withKeyring(w, [&](Keyring& k) {
        if (account.rememberPassword && !account.user.empty() && !typed.empty())
            k.store(account.server, account.user, typed);
        else
            k.forget(account.server, account.user);
    });
    return true;
}

// Gives the mail system the account's server; false when the user declined to set one up.
bool useMailAccount(WizardWindow& w) {
    std::optional<MailAccount> account = readMailAccount(w.settings());
    if (!account && (!w.askMailAccountOnLogon || !editMailAccount(w, freshAccount(w), "")))
        return false;
    account = readMailAccount(w.settings());
    if (!account) return false;

    std::optional<std::string> password;
    if (account->user.empty())
        password = "";
    else if (w.mailPassword)
        password = w.mailPassword;
    else
        password = storedPassword(w, *account);
    if (!password) {
        // No keyring, or nothing in it: asked for once in this run.
        if (!w.askMailAccountOnLogon || !editMailAccount(w, *account, "")) return false;
        account = readMailAccount(w.settings());
        password = w.mailPassword;
        if (!account || !password) return false;
    }
    w.mail().useServer(mailServer(*account, *password));
    return true;
}

}  // namespace

bool mailLogon(WizardWindow& w) {
    try {
        const bool known = w.mail().presetServer() || useMailAccount(w);
        if (!known || w.mail().logon() != 0) {
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

void cmd_mail_account_Click(WizardWindow& w) {
    const std::optional<MailAccount> account = readMailAccount(w.settings());
    std::string password = w.mailPassword.value_or("");
    if (account && password.empty() && !account->user.empty())
        password = storedPassword(w, *account).value_or("");
    editMailAccount(w, account.value_or(freshAccount(w)), password);
}

}  // namespace varmio
