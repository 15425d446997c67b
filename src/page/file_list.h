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

// 1 when the file name ends like a picture the browser shows, else 0.
int IsItIMG(std::string_view FileName);

struct SplitPath {
    std::string folder;  // up to and including the last separator; "" when there is none
    std::string name;
};
SplitPath splitPath(std::string_view path);
// A folder or name holding "?" is no file: it adds no row and links no image.
bool hasQuestionMark(const SplitPath& path);

// Adds a file the user chose (through the file dialog or by dropping it onto the list): a row,
// an image-link choice, and Next enabled.
void addChosenFile(WizardWindow& w, std::string_view path);

// Appends a file row (folder, name, mark " ").
void addFileRow(WizardWindow& w, std::string folder, std::string name);

}  // namespace varmio
