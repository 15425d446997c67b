#pragma once

namespace varmio {

class WizardWindow;

void chk_add_links_Click(WizardWindow& w);
void cmd_add_link_Click(WizardWindow& w, int index);
void cmd_edit_lnk_Click(WizardWindow& w, int index);
void cmd_rem_lnk_Click(WizardWindow& w, int index);
void cmd_img_link_Click(WizardWindow& w);

}  // namespace varmio
