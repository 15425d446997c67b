#include "link_lists.h"

#include "link_dialog.h"
#include "platform/steps.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

LinkDialog& loadLinkDialog(WizardWindow& w) {
    w.frm_Input_Link = std::make_unique<LinkDialog>(w.settings());
    w.frm_Input_Link->Form_Load(w.host());
    return *w.frm_Input_Link;
}

bool showLinkDialog(WizardWindow& w, LinkDialog& dialog) {
    dialog.visible = true;
    w.host().runModal(dialog);
    return dialog.txt_CANCEL.text == "OK";
}

void unloadLinkDialog(WizardWindow& w) {
    w.frm_Input_Link.reset();
}

void appendLink(ListView& list, const LinkDialog& dialog, int icon) {
    ListItem& row = list.add(dialog.txt_LNK_NAME.text);
    row.icon = icon;
    row.setSubItem(1, dialog.txt_LNK_URL.text);
}

}  // namespace

void chk_add_links_Click(WizardWindow& w) {
    bool shown = w.chk_add_links.ticked();
    w.frm_top_flnks.visible = shown;
    w.frm_bot_flnks.visible = shown;
    w.frm_img_link.visible = shown;
    w.lab_html_4.visible = shown;
}

void cmd_add_link_Click(WizardWindow& w, int index) {
    LinkDialog& dialog = loadLinkDialog(w);
    if (showLinkDialog(w, dialog))
        tryStep([&] { appendLink(w.linkList(index), dialog, list_image::kLink); });
    unloadLinkDialog(w);
}

void cmd_edit_lnk_Click(WizardWindow& w, int index) {
    ListView& list = w.linkList(index);
    LinkDialog& dialog = loadLinkDialog(w);
    ListItem* row = list.selectedItem();
    if (!row) {
        unloadLinkDialog(w);
        return;
    }
    dialog.txt_LNK_NAME.text = row->text;
    dialog.txt_LNK_URL.text = row->subItem(1);
    if (!showLinkDialog(w, dialog)) {
        unloadLinkDialog(w);
        return;
    }
    // The edited link moves to the end of its list.
    tryStep([&] { list.remove(list.selected); });
    tryStep([&] { appendLink(list, dialog, 0); });
    unloadLinkDialog(w);
}

void cmd_rem_lnk_Click(WizardWindow& w, int index) {
    ListView& list = w.linkList(index);
    // Nothing to remove, nothing to ask: an empty list, or no link selected.
    if (list.count() == 0 || !list.selectedItem()) return;
    if (!w.Ask(w.GetText("LINK_REM_CHECK"))) return;
    tryStep([&] { list.remove(list.selected); });
}

void cmd_img_link_Click(WizardWindow& w) {
    w.txt_img_link_chc.text = w.InputBox(w.GetText("SET_IMG_LINK"), w.txt_img_link_chc.text);
}

}  // namespace varmio
