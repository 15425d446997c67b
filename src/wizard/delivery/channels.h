#pragma once

#include <string>

#include "delivery/mail_message.h"  // validMailRecipient, which the Next button checks first

namespace varmio {

class WizardWindow;

// Opening a channel page from the delivery page.
void cmd_ftp_Click(WizardWindow& w);
void cmd_mail_Click(WizardWindow& w);
void cmd_unc_Click(WizardWindow& w);

// FTP: the login fields are all filled; list the remote folder (true when listed), send the
// files.
bool ftpLoginComplete(const WizardWindow& w);
bool ftpFolderListing(WizardWindow& w, const std::string& folder);
void ftpSend(WizardWindow& w);

// Mail: open a session (true when open), send one message, close the session. Without a
// server named by the environment the logon uses the mail account, which the account dialog
// sets up (on the first logon, and from the mail page's "Account..." button).
bool mailLogon(WizardWindow& w);
void cmd_mail_account_Click(WizardWindow& w);
void mailSend(WizardWindow& w);
void mailLogoff(WizardWindow& w);

// Folder delivery: copy the travelling files into the chosen folder.
void folderCopy(WizardWindow& w);

}  // namespace varmio
