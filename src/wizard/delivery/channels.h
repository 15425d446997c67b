#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// The send report: one line per file row with its path, size and time stamp. Throws when a
// listed file does not exist.
std::string sendReport(const WizardWindow& w);

// Opening a channel page from the delivery page.
void cmd_ftp_Click(WizardWindow& w);
void cmd_mail_Click(WizardWindow& w);
void cmd_unc_Click(WizardWindow& w);

// FTP: the login fields are all filled; list the remote folder (true when listed), send the
// files.
bool ftpLoginComplete(const WizardWindow& w);
bool ftpFolderListing(WizardWindow& w, const std::string& folder);
void ftpSend(WizardWindow& w);

// Mail: the recipient holds an "@" somewhere; open a session (true when open), send one message,
// close the session.
bool validMailRecipient(const std::string& recipient);
bool mailLogon(WizardWindow& w);
void mailSend(WizardWindow& w);
void mailLogoff(WizardWindow& w);

// Folder delivery: copy the travelling files into the chosen folder.
void folderCopy(WizardWindow& w);

}  // namespace varmio
