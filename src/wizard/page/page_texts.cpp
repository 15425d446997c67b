#include "page_texts.h"

#include "platform/basic_text.h"
#include "platform/dialogs.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "wizard/history.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr std::string_view kPageFileFilter = "HTM Files|*.htm|HTML Files|*.html";

void rememberOnEnter(WizardWindow& w, int keyAscii, const ComboBox& box, std::string_view setting) {
    if (keyAscii != kEnterKey) return;
    tryStep([&] { appendToHistory(w.settings(), setting, box.text, Compare::IgnoreCase); });
}

void refill(WizardWindow& w, ComboBox& box, std::string_view history) {
    box.text.clear();
    box.clear();
    box.fillFromList(w.config(history));
}

}  // namespace

void chk_cmpHTML_Click(WizardWindow& w) {
    w.chk_mkHTMLtgs.enabled = w.chk_cmpHTML.ticked();
}

void chk_HTMLhead_Click(WizardWindow& w) {
    w.cmb_htmlhead.visible = w.chk_HTMLhead.ticked();
    w.cmd_browse[1].visible = w.chk_HTMLhead.ticked();
}

void chk_HTMLfoot_Click(WizardWindow& w) {
    w.cmb_htmlfoot.visible = w.chk_HTMLfoot.ticked();
    w.cmd_browse[2].visible = w.chk_HTMLfoot.ticked();
}

void chk_frtxt_top_Click(WizardWindow& w) {
    w.frm_html_tt_top.visible = w.chk_frtxt_top.ticked();
}

void chk_frtxt_bot_Click(WizardWindow& w) {
    w.frm_html_tt_bot.visible = w.chk_frtxt_bot.ticked();
}

void cmd_browse_Click(WizardWindow& w, int index) {
    std::optional<std::string> chosen;
    if (!tryStep([&] { chosen = w.dialogs().openFile({std::string(kPageFileFilter), 1}); })) return;
    if (!chosen) return;
    if (index == 0) w.cmb_htmlfile.text = *chosen;
    if (index == 1) w.cmb_htmlhead.text = *chosen;
    if (index == 2) w.cmb_htmlfoot.text = *chosen;
}

void cmb_html_title_KeyPress(WizardWindow& w, int& keyAscii) {
    rememberOnEnter(w, keyAscii, w.cmb_html_title, "CMB_HTML_TITLE");
}

void cmb_html_meta_KeyPress(WizardWindow& w, int& keyAscii) {
    rememberOnEnter(w, keyAscii, w.cmb_html_meta, "CMB_HTML_META");
}

void fillTitleAndKeywordLists(WizardWindow& w) {
    tryStep([&] { refill(w, w.cmb_html_title, "CMB_HTML_TITLE"); });
    tryStep([&] { refill(w, w.cmb_html_meta, "cmb_html_meta"); });
    tryStep([&] { w.cmb_html_title.text = w.config("cmb_html_title_last"); });
    tryStep([&] { w.cmb_html_meta.text = w.config("cmb_html_meta_last"); });
}

void fillStyleLists(WizardWindow& w) {
    w.cmb_tttop_sty.clear();
    w.cmb_ttbot_sty.clear();
    std::string language = w.config("LANGUAGE");
    std::string styles = w.settings().ReadSetting("LANGUAGE\\" + language, "HTML_STYLES");
    for (const std::string& entry : splitList(styles)) {
        w.cmb_tttop_sty.addItem(entry);
        w.cmb_ttbot_sty.addItem(entry);
        if (contains(lcase(entry), "<normal>")) {
            w.cmb_tttop_sty.text = entry;
            w.cmb_ttbot_sty.text = entry;
        }
    }
}

}  // namespace varmio
