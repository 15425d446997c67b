#pragma once

#include <string>
#include <string_view>

namespace varmio {

class WizardWindow;

void chk_add_files_Click(WizardWindow& w);
void cmd_addfile_Click(WizardWindow& w);
void cmb_manual_file_KeyPress(WizardWindow& w, int& keyAscii);
void cmd_remfile_Click(WizardWindow& w);
void cmd_copytag_Click(WizardWindow& w);

// Adds a file the user chose (through the file dialog or by dropping it onto the list): a row,
// an image-link choice, and Next enabled.
void addChosenFile(WizardWindow& w, std::string_view path);

// Appends a file row (folder, name, mark " ").
void addFileRow(WizardWindow& w, std::string folder, std::string name);

}  // namespace varmio
