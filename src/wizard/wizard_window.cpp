#include "wizard_window.h"

#include "finish.h"
#include "language_switch.h"
#include "page_sequence.h"
#include "platform/basic_text.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/network_factories.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "window_host.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/delivery_events.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/intranet/index_pages.h"
#include "wizard/intranet/intranet_publish.h"
#include "wizard/intranet/intranet_store.h"
#include "wizard/intranet/intranet_tree.h"
#include "wizard/page/file_list.h"
#include "wizard/page/generate_html.h"
#include "wizard/page/link_dialog.h"
#include "wizard/page/link_lists.h"
#include "wizard/page/page_texts.h"

namespace varmio {

WizardWindow::WizardWindow(WizardServices services, WizardStartInfo start)
    : Form("frm_wizard"), services_(services), start_(std::move(start)) {
    setDesignTimeState();
    wire();
}

WizardWindow::~WizardWindow() = default;

void WizardWindow::setDesignTimeState() {
    width = 780;
    height = 560;
    visible = true;

    for (int i = 1; i <= 8; ++i)
        img_wizard_logo[i].visible = false;
    cmd_prev.enabled = false;
    cmd_close.caption = "cmd_close";
    mnu_language.caption = "&Language";

    // The files page is the first page; every other page waits hidden.
    for (Frame* page :
         {&frm_pdf, &frm_img, &frm_html_1, &frm_html_2, &frm_html_3, &frm_html_4, &frm_html_5,
          &frm_html_6, &frm_export_1, &frm_ftp, &frm_mail, &frm_unc, &frm_intra})
        page->visible = false;

    // Parts of pages that follow a check box start as their unticked box says.
    frm_files_2.visible = false;
    // A page is made unless the run says otherwise: driver mode writes it before the saved
    // choices and the run's own state are applied.
    chk_cmpHTML.setValue(1);
    cmb_htmlhead.visible = false;
    cmd_browse[1].visible = false;
    cmb_htmlfoot.visible = false;
    cmd_browse[2].visible = false;
    frm_html_tt_top.visible = false;
    frm_html_tt_bot.visible = false;
    lab_html_4.visible = false;
    frm_top_flnks.visible = false;
    frm_bot_flnks.visible = false;
    frm_img_link.visible = false;
    frm_ftp_2.visible = false;
    frm_intra_cfg.visible = false;

    lvwFiles.columns = {{"", 200}, {"", 160}, {"", 30}};
    // The folder list starts where the program was started.
    tryStep([&] { dir_UNC.setPath(currentFolder()); });
    lvwLinks_top.width = 560;
    lvwLinks_bot.width = 560;

    for (TextBox* box : {&txt_freetext_top, &txt_freetext_bot, &txt_MAIL_MESS, &txt_sndfls_ftp,
                         &txt_sndfls_mail, &txt_sndfls_unc, &txt_img_files})
        box->multiLine = true;
    txt_FTP_Pass.password = true;
}

void WizardWindow::wire() {
    auto on = [this](void (*handler)(WizardWindow&)) {
        return [this, handler] { handler(*this); };
    };
    auto onIndex = [this](void (*handler)(WizardWindow&, int), int index) {
        return [this, handler, index] { handler(*this, index); };
    };
    auto onKey = [this](void (*handler)(WizardWindow&, int&)) {
        return [this, handler](int& key) { handler(*this, key); };
    };

    // The window frame.
    cmd_next.onClick = on(cmd_next_Click);
    cmd_prev.onClick = on(cmd_prev_Click);
    cmd_help.onClick = on(cmd_help_Click);
    cmd_close.onClick = on(cmd_close_Click);
    mnu_language.onClick = on(mnu_language_Click);
    for (int i = 0; i <= 8; ++i)
        img_wizard_logo[i].onDblClick = onIndex(img_wizard_logo_DblClick, i);

    // Files page.
    chk_add_files.onClick = on(chk_add_files_Click);
    cmd_addfile.onClick = on(cmd_addfile_Click);
    cmd_remfile.onClick = on(cmd_remfile_Click);
    cmd_copytag.onClick = on(cmd_copytag_Click);
    cmb_manual_file.onKeyPress = onKey(cmb_manual_file_KeyPress);

    // Page text pages.
    chk_cmpHTML.onClick = on(chk_cmpHTML_Click);
    chk_HTMLhead.onClick = on(chk_HTMLhead_Click);
    chk_HTMLfoot.onClick = on(chk_HTMLfoot_Click);
    chk_frtxt_top.onClick = on(chk_frtxt_top_Click);
    chk_frtxt_bot.onClick = on(chk_frtxt_bot_Click);
    for (int i = 0; i <= 2; ++i)
        cmd_browse[i].onClick = onIndex(cmd_browse_Click, i);
    cmb_html_title.onKeyPress = onKey(cmb_html_title_KeyPress);
    cmb_html_meta.onKeyPress = onKey(cmb_html_meta_KeyPress);

    // Links page.
    chk_add_links.onClick = on(chk_add_links_Click);
    for (int i = 0; i <= 1; ++i) {
        cmd_add_link(i).onClick = onIndex(cmd_add_link_Click, i);
        cmd_edit_lnk(i).onClick = onIndex(cmd_edit_lnk_Click, i);
        cmd_rem_lnk(i).onClick = onIndex(cmd_rem_lnk_Click, i);
    }
    cmd_img_link.onClick = on(cmd_img_link_Click);

    // File presentation and preview pages.
    for (int i = 0; i <= 1; ++i)
        opt_index[i].onClick = onIndex(opt_index_Click, i);
    cmd_preview.onClick = on(cmd_preview_Click);

    // Delivery page.
    cmd_ftp.onClick = on(cmd_ftp_Click);
    cmd_mail.onClick = on(cmd_mail_Click);
    cmd_mail_account.onClick = on(cmd_mail_account_Click);
    cmd_unc.onClick = on(cmd_unc_Click);
    cmd_intra.onClick = on(cmd_intra_Click);

    // FTP pages.
    cmd_gettree.onClick = on(cmd_gettree_Click);
    txt_FTP_Path.onKeyPress = onKey(txt_FTP_Path_KeyPress);
    ftp_tree.onDblClick = on(ftp_tree_DblClick);

    // Folder page.
    drv_UNC.onChange = on(drv_UNC_Change);
    dir_UNC.onChange = on(dir_UNC_Change);
    txt_UNC_NAME.onClick = on(txt_UNC_NAME_Click);
    txt_UNC_NAME.onKeyPress = onKey(txt_UNC_NAME_KeyPress);

    // Intranet page.
    Command1.onClick = on(Command1_Click);
    tvwIntra.onNodeClick = [this](TreeNode& node) { tvwIntra_NodeClick(*this, node); };
    tvwIntra.onMouseDown = [this](int button, int) { tvwIntra_MouseDown(*this, button); };
    cmd_show.onClick = on(cmd_show_Click);
    cmb_my_intras.onClick = on(cmb_my_intras_Click);
    cmd_intra_cfg.onClick = on(cmd_intra_cfg_Click);
    cmd_intra_brw.onClick = on(cmd_intra_brw_Click);
    cmd_mkprj.onClick = on(cmd_mkprj_Click);
    cmd_rename.onClick = on(cmd_rename_Click);
    cmd_delete.onClick = on(cmd_delete_Click);
    cmd_intra_refresh.onClick = on(cmd_intra_refresh_Click);
    cmd_index.onClick = on(cmd_index_Click);
}

FtpClient& WizardWindow::ftp() {
    if (!ftp_) ftp_ = makeFtpClient(system());
    return *ftp_;
}

MailSystem& WizardWindow::mail() {
    if (!mail_) mail_ = makeMailSystem(system());
    return *mail_;
}

std::string WizardWindow::GetText(std::string_view key) const {
    return settings().GetText(key);
}

std::string WizardWindow::config(std::string_view name) const {
    return settings().ReadSetting("CONFIG", name);
}

int WizardWindow::configFlag(std::string_view name) const {
    return toInteger(Val(config(name)));
}

void WizardWindow::MsgBox(std::string_view text) {
    dialogs().message(text, appTitle);
}

bool WizardWindow::Ask(std::string_view text) {
    return dialogs().question(text, appTitle);
}

std::string WizardWindow::InputBox(std::string_view prompt, std::string_view defaultText) {
    return dialogs().input(prompt, appTitle, defaultText).value_or("");
}

void WizardWindow::End() {
    ended_ = true;
    visible = false;
    frm_Working.visible = false;
    throw ProgramEnd{};
}

std::string WizardWindow::pageFilePath() const {
    return TmpFol + "/" + cmb_htmlfile.text;
}

WizardWindow::Working::Working(WizardWindow& window, std::string_view key) : window_(window) {
    window_.frm_Working.showWith(window_.host(), window_.GetText(key));
}

WizardWindow::Working::~Working() {
    window_.frm_Working.hide();
}

}  // namespace varmio
