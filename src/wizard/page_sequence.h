#pragma once

#include <string>

namespace varmio {

class WizardWindow;

void cmd_next_Click(WizardWindow& w);
void cmd_prev_Click(WizardWindow& w);
void cmd_help_Click(WizardWindow& w);
void cmd_preview_Click(WizardWindow& w);
void Command1_Click(WizardWindow& w);
void img_wizard_logo_DblClick(WizardWindow& w, int index);

// "LAB_FILE_1" + rows + "LAB_FILE_2" + total bytes + "BYTES" + "."
std::string fileCountLine(const WizardWindow& w);
// Eight random letters a to z followed by ".htm".
std::string randomPageName(WizardWindow& w);
// Gives an empty page file name a random one; a name already chosen stays.
void proposePageName(WizardWindow& w);

}  // namespace varmio
