#pragma once

namespace varmio {

class IntranetReader;
class WizardWindow;
struct TreeNode;

// The intranet page's handlers.
void tvwIntra_NodeClick(WizardWindow& w, TreeNode& node);
void tvwIntra_MouseDown(WizardWindow& w, int button);
void cmd_show_Click(WizardWindow& w);
void cmb_my_intras_Click(WizardWindow& w);
void cmd_intra_cfg_Click(WizardWindow& w);
void cmd_intra_brw_Click(WizardWindow& w);
void cmd_mkprj_Click(WizardWindow& w);
void cmd_rename_Click(WizardWindow& w);
void cmd_delete_Click(WizardWindow& w);
void cmd_intra_refresh_Click(WizardWindow& w);
// The refresh button's action, reading through `reader`.
void refreshIntraTree(WizardWindow& w, IntranetReader& reader);

}  // namespace varmio
