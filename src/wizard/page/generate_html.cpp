#include "generate_html.h"

#include "file_list.h"
#include "page/file_names.h"
#include "page/page_generator.h"
#include "platform/steps.h"
#include "wizard/file_rows.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

void addPageFileRow(WizardWindow& w) {
    const std::string folder = w.TmpFol + "/";
    for (const ListItem& row : w.lvwFiles.rows)
        if (row.text == folder && row.subItem(1) == w.cmb_htmlfile.text) return;
    SplitPath page = splitPath(w.pageFilePath());
    if (!hasQuestionMark(page)) addFileRow(w, page.folder, page.name);
}

std::vector<LinkRow> linkRows(const ListView& list) {
    std::vector<LinkRow> links;
    for (const ListItem& row : list.rows)
        links.push_back({row.text, row.subItem(1)});
    return links;
}

std::optional<FreeText> freeText(const CheckBox& shown, const TextBox& text,
                                 const ComboBox& style) {
    if (shown.value() != 1) return std::nullopt;
    return FreeText{text.text, style.text};
}

std::string fileIfTicked(const CheckBox& box, const ComboBox& file) {
    return box.value() == 1 ? file.text : std::string();
}

PageInput pageInput(const WizardWindow& w, bool final) {
    PageInput page;
    page.pageFile = w.pageFilePath();
    page.title = w.cmb_html_title.text;
    page.keywords = w.cmb_html_meta.text;
    page.headerFile = fileIfTicked(w.chk_HTMLhead, w.cmb_htmlhead);
    page.footerFile = fileIfTicked(w.chk_HTMLfoot, w.cmb_htmlfoot);
    if (w.chk_add_links.value() == 1) {
        page.topLinks = linkRows(w.lvwLinks_top);
        page.bottomLinks = linkRows(w.lvwLinks_bot);
    }
    page.topText = freeText(w.chk_frtxt_top, w.txt_freetext_top, w.cmb_tttop_sty);
    page.bottomText = freeText(w.chk_frtxt_bot, w.txt_freetext_bot, w.cmb_ttbot_sty);
    page.image = w.cmb_link_img.text;
    page.imageTarget = w.txt_img_link_chc.text;
    page.files = fileRows(w.lvwFiles);
    page.pictureIndex = w.opt_index[0].value() == 1;
    page.textList = w.opt_index[1].value() == 1;
    page.finalMode = final;
    page.creditLine = creditLineWanted(w.config("VIEW_CORP"));
    page.programCaption = w.caption;
    return page;
}

}  // namespace

void opt_index_Click(WizardWindow& w, int index) {
    if (w.opt_index[index].ticked()) w.opt_index[1 - index].setValue(0);
}

void GenerateHTML(WizardWindow& w, bool final) {
    if (w.chk_cmpHTML.value() == 0) return;
    tryStep([&] {
        if (w.opt_index[0].value() == 0 && w.opt_index[1].value() == 0) w.opt_index[0].setValue(1);
    });
    if (final) tryStep([&] { addPageFileRow(w); });
    // A name leading out of TmpFol is a page file that cannot be created: nothing is written.
    if (leavesFolder(w.cmb_htmlfile.text)) return;
    writePage(pageInput(w, final));
}

}  // namespace varmio
