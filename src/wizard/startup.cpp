#include "startup.h"

#include "converter_settings.h"
#include "language_switch.h"
#include "page/file_names.h"
#include "page_sequence.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/steps.h"
#include "platform/system_info.h"
#include "settings/settings.h"
#include "version.h"
#include "window_host.h"
#include "wizard/intranet/intranet_page.h"
#include "wizard/page/file_list.h"
#include "wizard/page/generate_html.h"
#include "wizard/page/link_lists.h"
#include "wizard/page/page_texts.h"
#include "wizard_window.h"

namespace varmio {

namespace {

void startRegistryInstaller(WizardWindow& w) {
    const std::string& home = w.programFolder();
    w.shell().open(home + "/reginst " + home + "/install.reg", "", "", 0);
}

void showRandomLogo(WizardWindow& w) {
    int i = static_cast<int>(roundHalfEven(8 * w.random().Rnd()));
    if (i > 8) i = 8;
    w.img_wizard_logo[0].visible = false;
    w.img_wizard_logo[i].visible = true;
    w.img_wizard_logo[i].top = w.img_wizard_logo[0].top;
    w.img_wizard_logo[i].left = w.img_wizard_logo[0].left;
}

// The mode word: "drv" or "/intraman" when the command line ends with it after a blank,
// otherwise the whole line; lowered.
std::string commandWord(const std::string& commandLine) {
    std::string lowered = lcase(commandLine);
    if (endsWith(lowered, " drv")) return "drv";
    if (endsWith(lowered, " /intraman")) return "/intraman";
    return lowered;
}

void startIntranetManager(WizardWindow& w) {
    tryStep([&] { w.cmd_next.visible = false; });
    tryStep([&] { w.cmd_prev.visible = false; });
    tryStep([&] { w.cmd_close.caption = w.GetText("CMD_FINALE"); });
    tryStep([&] {
        w.frm_files.visible = false;
        w.frm_intra.visible = true;
    });
    tryStep([&] { prepareIntranetChoice(w); });
}

void startDriverMode(WizardWindow& w) {
    // On NT the printer side takes the job over itself; it only needs to know where we are.
    if (w.system().isWindowsNT() && lcase(w.commandLine()) == "drv") {
        tryStep([&] {
            LineWriter loc(w.programFolder() + "/qd.loc");
            loc.line("a");
            loc.close();
        });
        w.End();
    }
    tryStep([&] { w.cmd_next.enabled = true; });

    ConverterOutput produced;
    if (!readConverterSettings(w, w.WFol + "/varmiocv.ini", produced)) w.End();

    const std::string folder = produced.pathFolder + "/";
    tryStep([&] { deleteMatching(produced.pathFolder, "*.tmp"); });
    tryStep([&] {
        if (w.isPDF != 0) {
            addFileRow(w, folder, "tmp.pdf");
        } else {
            for (long long page = 1; page <= produced.pages; ++page)
                addFileRow(w, folder, pageImageName(page, w.EndPack));
        }
    });
    tryStep([&] {
        w.opt_index[0].setValue(1);
        w.opt_index[1].setValue(0);
        w.chk_cmpHTML.caption = w.GetText("chk_cmpHTML");
        w.chk_mkHTMLtgs.caption = w.GetText("chk_mkHTMLtgs");
        w.lab_html_1.caption = w.GetText("lab_html_1_text");
    });
    tryStep([&] { w.lab_file_info.caption = fileCountLine(w); });
    tryStep([&] {
        w.frm_files.visible = false;
        w.frm_html_1.visible = true;
        w.cmd_prev.enabled = true;
        w.frm_html_6.visible = true;
        w.frm_html_1.visible = false;
    });
    proposePageName(w);
    tryStep([&] { w.cmd_preview.caption = w.GetText("CMD_PREVIEW"); });
    tryStep([&] { GenerateHTML(w, false); });
    tryStep([&] {
        w.frm_export_1.visible = true;
        w.frm_html_6.visible = false;
        w.cmd_next.enabled = false;
        captionExportPage(w);
    });
    tryStep([&] {
        if (Val(w.config("go_thru_intra")) != 1) return;
        w.frm_intra.visible = true;
        w.frm_export_1.visible = false;
        w.cmd_prev.enabled = true;
        w.cmd_next.caption = w.GetText("SEND");
        w.cmd_next.enabled = true;
        w.cmb_intra_prj.text.clear();
        prepareIntranetChoice(w);
    });
}

void startManualMode(WizardWindow& w) {
    tryStep([&] {
        w.chk_add_files.setValue(1);
        w.chk_add_files.visible = false;
    });
    tryStep([&] { w.frm_files_2.visible = true; });
    w.isICON = true;
}

void startFileListMode(WizardWindow& w) {
    tryStep([&] {
        // Given one by one, every argument is a whole path, blanks and all. Otherwise paths are
        // cut at blanks, so two blanks in a row make a row with an empty path.
        std::vector<std::string> paths = w.arguments();
        if (paths.empty()) {
            std::string line = w.commandLine() + " ";
            size_t start = 0;
            for (size_t blank; (blank = line.find(' ', start)) != std::string::npos;
                 start = blank + 1)
                paths.push_back(line.substr(start, blank - start));
        }
        for (const std::string& text : paths) {
            SplitPath path = splitPath(text);
            addFileRow(w, path.folder, path.name);
        }
    });
    tryStep([&] {
        w.chk_add_files.setValue(1);
        w.chk_add_files.visible = false;
    });
    w.isHTML = 1;
}

void restoreFtpLogin(WizardWindow& w) {
    w.chk_ftp_remember.setValue(w.configFlag("chk_ftp_remem"));
    if (!w.chk_ftp_remember.ticked()) return;
    auto fields = splitList(w.config("FTP_REMEM"));
    fields.resize(4);
    w.txt_FTP_Serv.text = fields[0];
    w.txt_FTP_User.text = fields[1];
    w.txt_FTP_Pass.text = fields[2];
    w.txt_FTP_Path.text = fields[3];
}

void restoreLinkRows(WizardWindow& w, ListView& list, std::string_view setting) {
    auto entries = splitList(w.config(setting));
    for (size_t i = 0; i < entries.size(); i += 2) {
        ListItem& row = list.add(entries[i]);
        row.icon = list_image::kLink;
        row.setSubItem(1, i + 1 < entries.size() ? entries[i + 1] : std::string());
    }
}

void restoreFlagAndFile(WizardWindow& w, CheckBox& box, ComboBox& file, std::string_view setting) {
    auto fields = splitList(w.config(setting));
    fields.resize(2);
    box.setValue(toInteger(Val(fields[0])));
    file.text = fields[1];
}

void restoreSavedChoices(WizardWindow& w) {
    tryStep([&] {
        w.cmb_manual_file.text.clear();
        w.cmb_manual_file.fillFromList(w.config("CMB_MANUAL_FILES"));
    });
    tryStep([&] {
        std::string names = w.config("cmb_htmlfile");
        if (!endsWith(names, "|")) names += "|";
        w.cmb_htmlfile.fillFromList(names);
    });
    tryStep([&] { w.cmb_htmlhead.fillFromList(w.config("cmb_htmlhead")); });
    tryStep([&] { restoreFlagAndFile(w, w.chk_HTMLfoot, w.cmb_htmlfoot, "chk_HTMLfoot"); });
    tryStep([&] { restoreFlagAndFile(w, w.chk_HTMLhead, w.cmb_htmlhead, "chk_HTMLhead"); });
    tryStep([&] { w.cmb_htmlfoot.fillFromList(w.config("cmb_htmlfoot")); });
    tryStep([&] { w.txt_FTP_Serv.fillFromList(w.config("txt_FTP_Serv")); });
    tryStep([&] { w.txt_FTP_User.fillFromList(w.config("txt_FTP_User")); });
    tryStep([&] { w.txt_FTP_Path.fillFromList(w.config("txt_FTP_Path")); });
    tryStep([&] { restoreFtpLogin(w); });
    tryStep([&] { w.txt_MAIL_CAP.fillFromList(w.config("txt_MAIL_CAP")); });
    tryStep([&] { w.txt_MAIL_RECIP.fillFromList(w.config("txt_MAIL_RECIP")); });
    tryStep([&] { restoreLinkRows(w, w.lvwLinks_top, "lvwLinks_top"); });
    tryStep([&] { restoreLinkRows(w, w.lvwLinks_bot, "lvwLinks_bot"); });
    tryStep([&] {
        w.chk_add_links.setValue(w.configFlag("chk_add_links"));
        // Setting the value runs Click only when it changes: the link frames follow it anyway.
        chk_add_links_Click(w);
    });
    tryStep([&] { w.txt_UNC_NAME.fillFromList(w.config("txt_UNC_NAME")); });
    tryStep([&] {
        if (w.opt_index[0].value() != 0 || w.opt_index[1].value() != 0) return;
        w.opt_index[0].setValue(w.configFlag("opt_index_0"));
        w.opt_index[1].setValue(w.configFlag("opt_index_1"));
    });
    tryStep([&] { w.chk_mkHTMLtgs.setValue(w.configFlag("chk_mkHTMLtgs")); });
    tryStep([&] { w.chk_cmpHTML.setValue(w.configFlag("chk_cmpHTML")); });
    tryStep([&] { w.chk_fls_ftp.setValue(w.configFlag("chk_FLS_FTP")); });
    tryStep([&] { fillStyleLists(w); });
    tryStep([&] { w.txt_freetext_top.text = w.config("txt_freetext_top"); });
    tryStep([&] { w.txt_freetext_bot.text = w.config("txt_freetext_bot"); });
    tryStep([&] { w.chk_frtxt_top.setValue(w.configFlag("chk_frtxt_top")); });
    tryStep([&] { w.chk_frtxt_bot.setValue(w.configFlag("chk_frtxt_bot")); });
    tryStep([&] {
        if (w.cmb_tttop_sty.text.empty()) w.cmb_tttop_sty.text = w.config("cmb_tttop_sty");
    });
    tryStep([&] {
        if (w.cmb_ttbot_sty.text.empty()) w.cmb_ttbot_sty.text = w.config("cmb_ttbot_sty");
    });
    tryStep([&] { w.txt_MAIL_CAP.text = w.config("txt_MAIL_CAP_last"); });
    tryStep([&] { w.txt_MAIL_RECIP.text = w.config("txt_MAIL_RECIP_last"); });
    tryStep([&] { w.cmb_html_meta.text = w.config("cmb_html_meta_last"); });
}

}  // namespace

void Form_Load(WizardWindow& w) {
    tryStep([&] {
        w.frm_Working.load(w.host());
        w.frm_Working.Label1.caption = w.GetText("PROSESSING");
    });
    tryStep([&] { showRandomLogo(w); });
    tryStep([&] { w.chk_add_links.setValue(w.configFlag("chk_add_links")); });
    tryStep([&] {
        if (w.config("Language").empty()) startRegistryInstaller(w);
    });
    tryStep([&] {
        std::string version = versionStamp();
        if (w.config("MG_VERSION") != version) {
            startRegistryInstaller(w);
            w.settings().WriteSetting("CONFIG", "MG_VERSION", version);
        }
    });
    tryStep([&] { w.txt_UNC_NAME.text = w.dir_UNC.path(); });
    tryStep([&] { w.centre(w.host().screenWidth(), w.host().screenHeight()); });
    tryStep([&] {
        w.WFol = windowsFolder(w.system());
        w.TmpFol = w.programFolder() + "/tmp";
        if (!folderExists(w.TmpFol)) makeFolder(w.TmpFol);
    });
    tryStep([&] {
        w.lvwFiles.columns.resize(3);
        w.lvwFiles.columns[0].text = w.GetText("Path");
        w.lvwFiles.columns[1].text = w.GetText("Filename");
        w.lvwFiles.columns[2].text = " ";
        for (ListView* list : {&w.lvwLinks_top, &w.lvwLinks_bot}) {
            list->columns.push_back({w.GetText("DESCRIPT"), list->width / 2});
            list->columns.push_back({w.GetText("URL"), list->width / 2 - 7});
        }
    });
    tryStep([&] { captionWindowTitle(w); });
    tryStep([&] {
        w.opt_index[0].caption = w.GetText("OPT_IMAGE_INDX");
        w.opt_index[1].caption = w.GetText("OPT_TEXT_LST");
        w.cmd_help.caption = w.GetText("cmd_help");
        w.cmd_next.caption = w.GetText("cmd_next");
        w.cmd_prev.caption = w.GetText("cmd_prev");
        w.cmd_close.caption = w.GetText(w.cmd_close.caption);
        w.cmd_next.enabled = false;
    });

    std::string mode = commandWord(w.commandLine());
    if (mode == "/intraman")
        startIntranetManager(w);
    else if (mode == "drv" || mode == "drv1")
        startDriverMode(w);
    else if (mode.empty())
        startManualMode(w);
    else
        startFileListMode(w);

    restoreSavedChoices(w);
    tryStep([&] { captionContentPages(w); });
    tryStep([&] { w.chk_cmpHTML.setValue(w.isHTML != 0 ? 1 : 0); });
    tryStep([&] { w.txt_intra_path.text = w.config("txt_intra_path"); });
    tryStep([&] {
        captionIntranetButtons(w);
        w.cmd_show.caption = w.GetText("OPEN_INTRA");
        captionWindowTitle(w);
    });
    tryStep([&] { captionOwnControls(w); });
    w.isHTML = 1;
    w.isPDF = 0;
    w.isIMG = 0;
}

}  // namespace varmio
