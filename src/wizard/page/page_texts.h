#pragma once

namespace varmio {

class WizardWindow;

void chk_cmpHTML_Click(WizardWindow& w);
void chk_HTMLhead_Click(WizardWindow& w);
void chk_HTMLfoot_Click(WizardWindow& w);
void chk_frtxt_top_Click(WizardWindow& w);
void chk_frtxt_bot_Click(WizardWindow& w);
void cmd_browse_Click(WizardWindow& w, int index);
void cmb_html_title_KeyPress(WizardWindow& w, int& keyAscii);
void cmb_html_meta_KeyPress(WizardWindow& w, int& keyAscii);

// Refills the title and keyword lists from their histories (the texts page is entered).
void fillTitleAndKeywordLists(WizardWindow& w);
// Fills both style lists from the current language's HTML_STYLES (start-up).
void fillStyleLists(WizardWindow& w);

}  // namespace varmio
