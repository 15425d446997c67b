#pragma once

namespace varmio {

class WizardWindow;

// FTP pages: list the remote folder on request, on Enter in the path, and by double-click on
// a folder row (which moves into that folder, or out of the last one for "[Back]").
void cmd_gettree_Click(WizardWindow& w);
void txt_FTP_Path_KeyPress(WizardWindow& w, int& keyAscii);
void ftp_tree_DblClick(WizardWindow& w);

// Folder page: the drive list, the folder list and the target text follow each other.
void drv_UNC_Change(WizardWindow& w);
void dir_UNC_Change(WizardWindow& w);
void txt_UNC_NAME_Click(WizardWindow& w);
void txt_UNC_NAME_KeyPress(WizardWindow& w, int& keyAscii);

}  // namespace varmio
