#pragma once

namespace varmio {

class WizardWindow;

// The "&Language" menu item: asks for the language and captions the window anew.
void mnu_language_Click(WizardWindow& w);

// Window title and application title from "WizardTitle".
void captionWindowTitle(WizardWindow& w);
// The captions of the content pages, from chk_add_files through lab_html_1, in table order.
void captionContentPages(WizardWindow& w);
// The captions of the intranet page's buttons, cmd_intra_brw through cmd_index.
void captionIntranetButtons(WizardWindow& w);
// The delivery page's buttons and notes.
void captionExportPage(WizardWindow& w);
// Controls the window code leaves without a text of their own.
void captionOwnControls(WizardWindow& w);

}  // namespace varmio
