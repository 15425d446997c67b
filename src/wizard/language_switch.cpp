#include "language_switch.h"

#include "settings/settings.h"
#include "wizard_window.h"

namespace varmio {

void captionWindowTitle(WizardWindow& w) {
    w.caption = w.GetText("WizardTitle");
    w.appTitle = w.caption;
}

void captionContentPages(WizardWindow& w) {
    auto own = [&](Control& c) { c.caption = w.GetText(c.name()); };
    own(w.chk_add_files);
    own(w.cmd_addfile);
    own(w.cmd_remfile);
    own(w.cmd_copytag);
    own(w.lab_html_5);
    own(w.lab_imgs);
    own(w.lab_img_note);
    w.lab_html_4.caption = w.GetText("LAB_HTML_4");
    w.lab_img_link.caption = w.GetText("LAB_IMG_LINK");
    w.chk_top_lnks.caption = w.GetText("CHK_TOP_LNKS");
    w.chk_bot_lnks.caption = w.GetText("CHK_BOT_LNKS");
    w.chk_add_links.caption = w.GetText("CHK_ADD_LINKS");
    for (int i = 0; i <= 1; ++i)
        w.cmd_add_link(i).caption = w.GetText("CMD_ADD_LINK");
    for (int i = 0; i <= 1; ++i)
        w.cmd_rem_lnk(i).caption = w.GetText("CMD_REM_LNK");
    for (int i = 0; i <= 1; ++i)
        w.cmd_edit_lnk(i).caption = w.GetText("CMD_EDIT_LNK");
    w.cmd_img_link.caption = w.GetText("CMD_IMG_LINK");
    // A second time on purpose: the captions follow the design's table, which lists it twice.
    w.chk_add_links.caption = w.GetText("CHK_ADD_LINKS");
    own(w.lab_html_title);
    own(w.lab_html_meta);
    own(w.chk_frtxt_top);
    w.lab_tttop_sty.caption = w.GetText("lab_tt_sty");
    own(w.chk_frtxt_bot);
    w.lab_ttbot_sty.caption = w.GetText("lab_tt_sty");
    own(w.lab_html_2);
    w.lab_html_file.caption = "HTML " + w.GetText("FILENAME");
    w.chk_HTMLhead.caption = w.GetText("chk_HTMLHead");
    w.chk_HTMLfoot.caption = w.GetText("chk_HTMLFoot");
    own(w.chk_cmpHTML);
    own(w.chk_mkHTMLtgs);
    w.lab_html_1.caption = w.GetText("lab_html_1_text");
}

void captionIntranetButtons(WizardWindow& w) {
    w.cmd_intra_brw.caption = w.GetText("BROWSE");
    w.cmd_intra_cfg.caption = w.GetText("CONFIG");
    w.cmd_mkprj.caption = w.GetText("MKPROJECT");
    w.cmd_delete.caption = w.GetText("DELETE");
    w.cmd_rename.caption = w.GetText("RENAME");
    w.cmd_intra_refresh.caption = w.GetText("REFRESH");
    w.cmd_index.caption = w.GetText("INDEX_INTRA");
}

void captionExportPage(WizardWindow& w) {
    w.cmd_ftp.caption = w.GetText("CMD_FTP");
    w.lab_ftp_note.caption = w.GetText("LAB_FTP_NOTE");
    w.cmd_mail.caption = w.GetText("CMD_MAIL");
    w.lab_mail_note.caption = w.GetText("LAB_MAIL_NOTE");
    w.cmd_unc.caption = w.GetText("CMD_UNC");
    w.lab_unc_note.caption = w.GetText("LAB_UNC_NOTE");
    w.cmd_intra.caption = w.GetText("CMD_INTRA");
    w.lab_intra_note.caption = w.GetText("LAB_INTRA_NOTE");
}

void captionOwnControls(WizardWindow& w) {
    w.lab_manual_file.caption = w.GetText("LAB_MANUAL_FILE");
    w.cmd_gettree.caption = w.GetText("CMD_GETTREE");
    w.lab_unc_name.caption = w.GetText("LAB_UNC_NAME");
    w.lab_intra_prj.caption = w.GetText("LAB_INTRA_PRJ");
    w.lab_intra_name.caption = w.GetText("LAB_INTRA_NAME");
    w.lab_intra_path.caption = w.GetText("LAB_INTRA_PATH");
    w.Command1.caption = w.GetText("CMD_RELOAD_TREE");
    w.frm_Working.caption = w.GetText("WizardTitle");
}

void mnu_language_Click(WizardWindow& w) {
    Settings& settings = w.settings();
    std::string installed = settings.ReadSetting("CONFIG", "Installed_Languages");
    std::string current = settings.ReadSetting("CONFIG", "Language");
    std::string answer = w.InputBox("Language (" + installed + ")", current);
    settings.WriteSetting("CONFIG", "Language", answer);

    captionWindowTitle(w);
    w.cmd_help.caption = w.GetText("cmd_help");
    w.cmd_close.caption = w.GetText("cmd_close");
    w.cmd_next.caption = w.GetText("cmd_next");
    w.cmd_prev.caption = w.GetText("cmd_prev");
    captionContentPages(w);
    captionIntranetButtons(w);
}

}  // namespace varmio
