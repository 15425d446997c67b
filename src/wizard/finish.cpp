#include "finish.h"

#include "page/file_names.h"

#include "history.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"
#include "settings/settings.h"
#include "wizard_window.h"

namespace varmio {

namespace {

std::string pairList(const ListView& list) {
    std::string stored;
    for (const ListItem& row : list.rows)
        stored += row.text + "|" + row.subItem(1) + "|";
    return stored;
}

std::string flagAndFile(const CheckBox& box, const ComboBox& file) {
    return std::to_string(box.value()) + "|" + file.text + "|";
}

void saveFtpLogin(WizardWindow& w) {
    Settings& s = w.settings();
    if (w.chk_ftp_remember.ticked()) {
        s.WriteSetting("CONFIG", "FTP_REMEM",
                       w.txt_FTP_Serv.text + "|" + w.txt_FTP_User.text + "|" + w.txt_FTP_Pass.text +
                           "|" + w.txt_FTP_Path.text + "|");
    } else if (w.configFlag("chk_ftp_remem") != w.chk_ftp_remember.value()) {
        // The login was remembered until now: ask before forgetting it.
        if (w.Ask(w.GetText("DO_YOU_WANNA_ERASE_FTP_REM")))
            s.WriteSetting("CONFIG", "FTP_REMEM", "||||");
    }
    s.WriteSetting("CONFIG", "chk_ftp_remem", w.chk_ftp_remember.value());
}

}  // namespace

void cmd_close_Click(WizardWindow& w) {
    Settings& s = w.settings();
    auto history = [&](std::string_view name, const TextControl& box) {
        tryStep([&] { appendNonEmptyToHistory(s, name, box.text, Compare::Exact); });
    };
    auto save = [&](std::string_view name, const std::string& value) {
        tryStep([&] { s.WriteSetting("CONFIG", name, value); });
    };
    auto flag = [&](std::string_view name, const CheckBox& box) {
        tryStep([&] { s.WriteSetting("CONFIG", name, box.value()); });
    };
    const std::string& home = w.programFolder();

    tryStep([&] { w.chk_mkHTMLtgs.setValue(0); });
    if (ucase(w.commandLine()) == "DRV") {
        tryStep([&] { deleteFile(home + "/tmp.pdf"); });
        tryStep([&] { deleteMatching(home, "*.85"); });
    }
    if (!w.EndPack.empty()) tryStep([&] { deleteMatching(home, "*" + w.EndPack); });
    if (w.chk_cmpHTML.ticked() && !leavesFolder(w.cmb_htmlfile.text))
        tryStep([&] { deleteFile(w.pageFilePath()); });

    history("cmb_htmlfile", w.cmb_htmlfile);
    history("cmb_htmlfoot", w.cmb_htmlfoot);
    history("cmb_htmlhead", w.cmb_htmlhead);
    tryStep([&] { s.WriteSetting("CONFIG", "opt_index_0", w.opt_index[0].ticked() ? 1 : 0); });
    tryStep([&] { s.WriteSetting("CONFIG", "opt_index_1", w.opt_index[1].ticked() ? 1 : 0); });
    save("chk_HTMLfoot", flagAndFile(w.chk_HTMLfoot, w.cmb_htmlfoot));
    save("chk_HTMLhead", flagAndFile(w.chk_HTMLhead, w.cmb_htmlhead));
    flag("chk_mkHTMLtgs", w.chk_mkHTMLtgs);
    flag("chk_cmpHTML", w.chk_cmpHTML);
    save("cmb_html_title_last", w.cmb_html_title.text);
    save("cmb_html_meta_last", w.cmb_html_meta.text);
    save("txt_freetext_top", w.txt_freetext_top.text);
    save("txt_freetext_bot", w.txt_freetext_bot.text);
    save("cmb_tttop_sty", w.cmb_tttop_sty.text);
    save("cmb_ttbot_sty", w.cmb_ttbot_sty.text);
    flag("chk_frtxt_top", w.chk_frtxt_top);
    flag("chk_frtxt_bot", w.chk_frtxt_bot);
    flag("chk_add_links", w.chk_add_links);
    save("lvwLinks_top", pairList(w.lvwLinks_top));
    save("lvwLinks_bot", pairList(w.lvwLinks_bot));
    history("txt_FTP_Serv", w.txt_FTP_Serv);
    history("txt_FTP_User", w.txt_FTP_User);
    history("txt_FTP_Path", w.txt_FTP_Path);
    flag("chk_FLS_FTP", w.chk_fls_ftp);
    tryStep([&] { saveFtpLogin(w); });
    history("txt_MAIL_CAP", w.txt_MAIL_CAP);
    history("txt_MAIL_RECIP", w.txt_MAIL_RECIP);
    save("txt_MAIL_CAP_last", w.txt_MAIL_CAP.text);
    save("txt_MAIL_RECIP_last", w.txt_MAIL_RECIP.text);
    history("txt_UNC_NAME", w.txt_UNC_NAME);
    save("txt_intra_path", w.txt_intra_path.text);
    w.End();
}

}  // namespace varmio
