#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form.h"
#include "ui/working_window.h"

namespace varmio {

class Dialogs;
class FtpClient;
class Keyring;
class LinkDialog;
class MailAccountDialog;
class MailSystem;
class Random;
class Settings;
class Shell;
class SystemInfo;
class WindowHost;

// What the window logic uses of the platform and of whoever shows it.
struct WizardServices {
    Settings& settings;
    Dialogs& dialogs;
    Shell& shell;
    SystemInfo& system;
    Random& random;
    WindowHost& host;
};

// Where the program lives and how it was started.
struct WizardStartInfo {
    std::string commandLine;    // the program's arguments joined by single blanks
    std::string programFolder;  // without a final separator
    // The arguments one by one, each a whole path in file-list mode; when none are given the
    // file list is the command line cut at blanks.
    std::vector<std::string> arguments = {};
};

// The wizard window frm_wizard: every control of every page, the window-level variables set at
// start-up, and the operations the handlers share. The handlers themselves live with the
// subsystem that owns them; wire() connects them to the controls' events.
class WizardWindow : public Form {
  public:
    WizardWindow(WizardServices services, WizardStartInfo start);
    ~WizardWindow() override;

    // ---- The window frame -------------------------------------------------------------------
    ControlArray<Picture> img_wizard_logo{
        *this, "img_wizard_logo", nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    Button cmd_help{*this, "cmd_help"};
    Button cmd_prev{*this, "cmd_prev"};
    Button cmd_next{*this, "cmd_next"};
    Button cmd_close{*this, "cmd_close"};
    MenuItem mnu_language{*this, "mnu_language"};

    // ---- Files page -------------------------------------------------------------------------
    Frame frm_files{*this, "frm_files"};
    CheckBox chk_add_files{*this, "chk_add_files", &frm_files};
    Frame frm_files_2{*this, "frm_files_2", &frm_files};
    ListView lvwFiles{*this, "lvwFiles", &frm_files_2};
    Label lab_manual_file{*this, "lab_manual_file", &frm_files_2};
    ComboBox cmb_manual_file{*this, "cmb_manual_file", &frm_files_2};
    Button cmd_addfile{*this, "cmd_addfile", &frm_files_2};
    Button cmd_remfile{*this, "cmd_remfile", &frm_files_2};
    Button cmd_copytag{*this, "cmd_copytag", &frm_files_2};

    // ---- PDF and images pages (kept on the window, never shown by the page sequence) --------
    Frame frm_pdf{*this, "frm_pdf"};
    Label lab_pdf_file{*this, "lab_pdf_file", &frm_pdf};
    TextBox txt_pdf_file{*this, "txt_pdf_file", &frm_pdf};
    Label lab_pdf_info{*this, "lab_pdf_info", &frm_pdf};
    Frame frm_img{*this, "frm_img"};
    Label lab_imgs{*this, "lab_imgs", &frm_img};
    TextBox txt_img_files{*this, "txt_img_files", &frm_img};
    Label lab_img_note{*this, "lab_img_note", &frm_img};

    // ---- Text options page ------------------------------------------------------------------
    Frame frm_html_1{*this, "frm_html_1"};
    CheckBox chk_cmpHTML{*this, "chk_cmpHTML", &frm_html_1};
    CheckBox chk_mkHTMLtgs{*this, "chk_mkHTMLtgs", &frm_html_1};
    Label lab_html_1{*this, "lab_html_1", &frm_html_1};
    Label lab_file_info{*this, "lab_file_info", &frm_html_1};

    // ---- Header and footer page -------------------------------------------------------------
    Frame frm_html_2{*this, "frm_html_2"};
    Label lab_html_2{*this, "lab_html_2", &frm_html_2};
    Label lab_html_file{*this, "lab_html_file", &frm_html_2};
    ComboBox cmb_htmlfile{*this, "cmb_htmlfile", &frm_html_2};
    CheckBox chk_HTMLhead{*this, "chk_HTMLhead", &frm_html_2};
    ComboBox cmb_htmlhead{*this, "cmb_htmlhead", &frm_html_2};
    CheckBox chk_HTMLfoot{*this, "chk_HTMLfoot", &frm_html_2};
    ComboBox cmb_htmlfoot{*this, "cmb_htmlfoot", &frm_html_2};
    ControlArray<Button> cmd_browse{*this, "cmd_browse", &frm_html_2, {0, 1, 2}};

    // ---- Texts page -------------------------------------------------------------------------
    Frame frm_html_3{*this, "frm_html_3"};
    Label lab_html_title{*this, "lab_html_title", &frm_html_3};
    ComboBox cmb_html_title{*this, "cmb_html_title", &frm_html_3};
    Label lab_html_meta{*this, "lab_html_meta", &frm_html_3};
    ComboBox cmb_html_meta{*this, "cmb_html_meta", &frm_html_3};
    CheckBox chk_frtxt_top{*this, "chk_frtxt_top", &frm_html_3};
    Frame frm_html_tt_top{*this, "frm_html_tt_top", &frm_html_3};
    TextBox txt_freetext_top{*this, "txt_freetext_top", &frm_html_tt_top};
    Label lab_tttop_sty{*this, "lab_tttop_sty", &frm_html_tt_top};
    ComboBox cmb_tttop_sty{*this, "cmb_tttop_sty", &frm_html_tt_top};
    CheckBox chk_frtxt_bot{*this, "chk_frtxt_bot", &frm_html_3};
    Frame frm_html_tt_bot{*this, "frm_html_tt_bot", &frm_html_3};
    TextBox txt_freetext_bot{*this, "txt_freetext_bot", &frm_html_tt_bot};
    Label lab_ttbot_sty{*this, "lab_ttbot_sty", &frm_html_tt_bot};
    ComboBox cmb_ttbot_sty{*this, "cmb_ttbot_sty", &frm_html_tt_bot};

    // ---- Links page -------------------------------------------------------------------------
    Frame frm_html_4{*this, "frm_html_4"};
    CheckBox chk_add_links{*this, "chk_add_links", &frm_html_4};
    Label lab_html_4{*this, "lab_html_4", &frm_html_4};
    Frame frm_top_flnks{*this, "frm_top_flnks", &frm_html_4};
    Label chk_top_lnks{*this, "chk_top_lnks", &frm_top_flnks};
    ListView lvwLinks_top{*this, "lvwLinks_top", &frm_top_flnks};
    Frame frm_bot_flnks{*this, "frm_bot_flnks", &frm_html_4};
    Label chk_bot_lnks{*this, "chk_bot_lnks", &frm_bot_flnks};
    ListView lvwLinks_bot{*this, "lvwLinks_bot", &frm_bot_flnks};
    // Index 0 sits in the top links frame, index 1 in the bottom one.
    Button cmd_add_link_0{*this, "cmd_add_link", &frm_top_flnks, 0};
    Button cmd_add_link_1{*this, "cmd_add_link", &frm_bot_flnks, 1};
    Button cmd_rem_lnk_0{*this, "cmd_rem_lnk", &frm_top_flnks, 0};
    Button cmd_rem_lnk_1{*this, "cmd_rem_lnk", &frm_bot_flnks, 1};
    Button cmd_edit_lnk_0{*this, "cmd_edit_lnk", &frm_top_flnks, 0};
    Button cmd_edit_lnk_1{*this, "cmd_edit_lnk", &frm_bot_flnks, 1};
    Frame frm_img_link{*this, "frm_img_link", &frm_html_4};
    Label lab_img_link{*this, "lab_img_link", &frm_img_link};
    ComboBox cmb_link_img{*this, "cmb_link_img", &frm_img_link};
    TextBox txt_img_link_chc{*this, "txt_img_link_chc", &frm_img_link};
    Button cmd_img_link{*this, "cmd_img_link", &frm_img_link};

    Button& cmd_add_link(int index) { return index == 0 ? cmd_add_link_0 : cmd_add_link_1; }
    Button& cmd_rem_lnk(int index) { return index == 0 ? cmd_rem_lnk_0 : cmd_rem_lnk_1; }
    Button& cmd_edit_lnk(int index) { return index == 0 ? cmd_edit_lnk_0 : cmd_edit_lnk_1; }
    ListView& linkList(int index) { return index == 0 ? lvwLinks_top : lvwLinks_bot; }

    // ---- File presentation page -------------------------------------------------------------
    Frame frm_html_5{*this, "frm_html_5"};
    Label lab_html_5{*this, "lab_html_5", &frm_html_5};
    ControlArray<CheckBox> opt_index{*this, "opt_index", &frm_html_5, {0, 1}};

    // ---- Preview page -----------------------------------------------------------------------
    Frame frm_html_6{*this, "frm_html_6"};
    Button cmd_preview{*this, "cmd_preview", &frm_html_6};

    // ---- Delivery page ----------------------------------------------------------------------
    Frame frm_export_1{*this, "frm_export_1"};
    Button cmd_ftp{*this, "cmd_ftp", &frm_export_1};
    Label lab_ftp_note{*this, "lab_ftp_note", &frm_export_1};
    Button cmd_mail{*this, "cmd_mail", &frm_export_1};
    Label lab_mail_note{*this, "lab_mail_note", &frm_export_1};
    Button cmd_unc{*this, "cmd_unc", &frm_export_1};
    Label lab_unc_note{*this, "lab_unc_note", &frm_export_1};
    Button cmd_intra{*this, "cmd_intra", &frm_export_1};
    Label lab_intra_note{*this, "lab_intra_note", &frm_export_1};

    // ---- FTP pages --------------------------------------------------------------------------
    Frame frm_ftp{*this, "frm_ftp"};
    Label lab_ftp_serv{*this, "lab_ftp_serv", &frm_ftp};
    ComboBox txt_FTP_Serv{*this, "txt_FTP_Serv", &frm_ftp};
    Label lab_ftp_user{*this, "lab_ftp_user", &frm_ftp};
    ComboBox txt_FTP_User{*this, "txt_FTP_User", &frm_ftp};
    Label lab_ftp_pass{*this, "lab_ftp_pass", &frm_ftp};
    TextBox txt_FTP_Pass{*this, "txt_FTP_Pass", &frm_ftp};
    CheckBox chk_ftp_remember{*this, "chk_ftp_remember", &frm_ftp};
    Button cmd_gettree{*this, "cmd_gettree", &frm_ftp};
    Frame frm_ftp_2{*this, "frm_ftp_2", &frm_ftp};
    Label lab_ftp_path{*this, "lab_ftp_path", &frm_ftp_2};
    ComboBox txt_FTP_Path{*this, "txt_FTP_Path", &frm_ftp_2};
    ListView ftp_tree{*this, "ftp_tree", &frm_ftp_2};
    CheckBox chk_fls_ftp{*this, "chk_fls_ftp", &frm_ftp_2};
    Label lab_sndfls_ftp{*this, "lab_sndfls_ftp", &frm_ftp_2};
    TextBox txt_sndfls_ftp{*this, "txt_sndfls_ftp", &frm_ftp_2};

    // ---- Mail page --------------------------------------------------------------------------
    Frame frm_mail{*this, "frm_mail"};
    Label lab_mail_recip{*this, "lab_mail_recip", &frm_mail};
    ComboBox txt_MAIL_RECIP{*this, "txt_MAIL_RECIP", &frm_mail};
    Label lab_mail_cap{*this, "lab_mail_cap", &frm_mail};
    ComboBox txt_MAIL_CAP{*this, "txt_MAIL_CAP", &frm_mail};
    Label lab_mail_mess{*this, "lab_mail_mess", &frm_mail};
    TextBox txt_MAIL_MESS{*this, "txt_MAIL_MESS", &frm_mail};
    Label lab_sndfls_mail{*this, "lab_sndfls_mail", &frm_mail};
    TextBox txt_sndfls_mail{*this, "txt_sndfls_mail", &frm_mail};
    Button cmd_mail_account{*this, "cmd_mail_account", &frm_mail};

    // ---- Folder page ------------------------------------------------------------------------
    Frame frm_unc{*this, "frm_unc"};
    ControlArray<Label> lab{*this, "lab", &frm_unc, {4, 5}};
    DriveList drv_UNC{*this, "drv_UNC", &frm_unc};
    DirList dir_UNC{*this, "dir_UNC", &frm_unc};
    Label lab_unc_name{*this, "lab_unc_name", &frm_unc};
    ComboBox txt_UNC_NAME{*this, "txt_UNC_NAME", &frm_unc};
    Label lab_sndfls_unc{*this, "lab_sndfls_unc", &frm_unc};
    TextBox txt_sndfls_unc{*this, "txt_sndfls_unc", &frm_unc};

    // ---- Intranet page ----------------------------------------------------------------------
    Frame frm_intra{*this, "frm_intra"};
    TreeView tvwIntra{*this, "tvwIntra", &frm_intra};
    Label lab_intra_prj{*this, "lab_intra_prj", &frm_intra};
    ComboBox cmb_intra_prj{*this, "cmb_intra_prj", &frm_intra};
    Button cmd_intra_brw{*this, "cmd_intra_brw", &frm_intra};
    Button cmd_intra_cfg{*this, "cmd_intra_cfg", &frm_intra};
    Button cmd_mkprj{*this, "cmd_mkprj", &frm_intra};
    Button cmd_delete{*this, "cmd_delete", &frm_intra};
    Button cmd_rename{*this, "cmd_rename", &frm_intra};
    Button cmd_intra_refresh{*this, "cmd_intra_refresh", &frm_intra};
    Button cmd_index{*this, "cmd_index", &frm_intra};
    Button cmd_show{*this, "cmd_show", &frm_intra};
    Frame frm_intra_cfg{*this, "frm_intra_cfg", &frm_intra};
    Label lab_intra_name{*this, "lab_intra_name", &frm_intra_cfg};
    ComboBox cmb_my_intras{*this, "cmb_my_intras", &frm_intra_cfg};
    Label lab_intra_path{*this, "lab_intra_path", &frm_intra_cfg};
    TextBox txt_intra_path{*this, "txt_intra_path", &frm_intra_cfg};
    Button Command1{*this, "Command1", &frm_intra_cfg};

    // ---- The other windows ------------------------------------------------------------------
    WorkingWindow frm_Working;
    // Loaded for each use of the link dialog, unloaded after its result is read.
    std::unique_ptr<LinkDialog> frm_Input_Link;
    // Loaded for each use of the mail account dialog.
    std::unique_ptr<MailAccountDialog> frm_Mail_Account;

    // ---- Window-level variables set at start-up ---------------------------------------------
    std::string WFol;    // the folder of the converter settings file
    std::string TmpFol;  // program folder + "/tmp": where the page file is written
    int isPDF = 0;
    int isHTML = 0;
    int isIMG = 0;
    std::string EndPack;  // ".gif", ".png", ".pdf" or ""
    bool isICON = false;
    std::string appTitle;  // the application title shown on message boxes

    const std::string& commandLine() const { return start_.commandLine; }
    const std::string& programFolder() const { return start_.programFolder; }
    const std::vector<std::string>& arguments() const { return start_.arguments; }

    // ---- Shared operations ------------------------------------------------------------------
    Settings& settings() const { return services_.settings; }
    Dialogs& dialogs() const { return services_.dialogs; }
    Shell& shell() const { return services_.shell; }
    SystemInfo& system() const { return services_.system; }
    Random& random() const { return services_.random; }
    WindowHost& host() const { return services_.host; }
    // The transfer control and the mail system, made on first use.
    FtpClient& ftp();
    MailSystem& mail();
    // The mail session's flag: true from a successful logon until the logoff.
    bool mailSessionOpen = false;
    // The desktop's keyring for the mail password; nullptr when the program offers none.
    Keyring* keyring = nullptr;
    // Whether the mail logon may show the account dialog when it lacks an account or password.
    bool askMailAccountOnLogon = true;
    // The mail password as given in this run.
    std::optional<std::string> mailPassword;

    // The text of `key` in the current language.
    std::string GetText(std::string_view key) const;
    // A CONFIG setting; a flag as the number it holds.
    std::string config(std::string_view name) const;
    int configFlag(std::string_view name) const;

    // A message box with an OK button, titled with the application title.
    void MsgBox(std::string_view text);
    // A Yes/No question; true for Yes.
    bool Ask(std::string_view text);
    // An input box; "" when cancelled, as the run time answers.
    std::string InputBox(std::string_view prompt, std::string_view defaultText);
    // Ends the program at once.
    [[noreturn]] void End();
    bool ended() const { return ended_; }

    // The page file: TmpFol + "/" + the page file name.
    std::string pageFilePath() const;

    // Shows the working indicator with the text of `key`; hides it when the guard goes.
    class Working {
      public:
        Working(WizardWindow& window, std::string_view key);
        ~Working();
        Working(const Working&) = delete;
        Working& operator=(const Working&) = delete;

      private:
        WizardWindow& window_;
    };

  private:
    void setDesignTimeState();
    void wire();

    WizardServices services_;
    WizardStartInfo start_;
    std::unique_ptr<FtpClient> ftp_;
    std::unique_ptr<MailSystem> mail_;
    bool ended_ = false;
};

}  // namespace varmio
