// The close button saves every page choice and deletes the run's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/errors.h"
#include "support/wizard/harness.h"
#include "wizard/finish.h"
#include "wizard/page/file_list.h"
#include "wizard/startup.h"

namespace varmio::test {
namespace {

bool closeWizard(WizardHarness& h) {
    try {
        cmd_close_Click(h.window());
    } catch (const ProgramEnd&) {
        return true;
    }
    return false;
}

TEST(Finish, EveryChoiceIsSaved) {
    WizardHarness h;
    h.setConfig("CMB_HTML_TITLE", "");
    ASSERT_TRUE(h.start());
    {
        WizardWindow& w = h.window();
        w.cmb_htmlfile.text = "report.htm";
        w.chk_HTMLhead.setValue(1);
        w.cmb_htmlhead.text = "/h/head.htm";
        w.chk_HTMLfoot.setValue(1);
        w.cmb_htmlfoot.text = "/h/foot.htm";
        w.cmb_html_title.text = "Quarterly report";
        w.cmb_html_meta.text = "sales, q3";
        w.chk_frtxt_top.setValue(1);
        w.txt_freetext_top.text = "Line one\r\nLine two";
        w.chk_frtxt_bot.setValue(1);
        w.txt_freetext_bot.text = "Bye";
        w.cmb_ttbot_sty.text = "Bold <B>";
        w.chk_add_links.setValue(1);
        ListItem& link = w.lvwLinks_top.add("Home");
        link.setSubItem(1, "http://home");
        w.lvwLinks_bot.add("Empty address");
        w.opt_index[1].setValue(1);
        w.txt_FTP_Serv.text = "ftp.example.com";
        w.txt_FTP_User.text = "guest";
        w.txt_FTP_Pass.text = "secret";
        w.txt_FTP_Path.text = "docs/";
        w.chk_ftp_remember.setValue(1);
        w.chk_fls_ftp.setValue(1);
        w.txt_MAIL_RECIP.text = "a@b.c";
        w.txt_MAIL_CAP.text = "The report";
        w.txt_UNC_NAME.text = "/srv/share";
        w.txt_intra_path.text = "/srv/intranet/";
        w.chk_cmpHTML.setValue(1);
        w.chk_mkHTMLtgs.setValue(1);
    }
    ASSERT_TRUE(closeWizard(h));
    // Stored as start-up reads them back (saved_choices.replay restores each of these forms).
    for (const auto& [name, stored] : std::vector<std::pair<std::string, std::string>>{
             {"chk_mkHTMLtgs", "0"},  // always saved cleared
             {"cmb_htmlfile", "report.htm|"},
             {"chk_HTMLhead", "1|/h/head.htm|"},
             {"chk_HTMLfoot", "1|/h/foot.htm|"},
             {"cmb_html_title_last", "Quarterly report"},
             {"cmb_html_meta_last", "sales, q3"},
             {"txt_freetext_top", "Line one\r\nLine two"},
             {"chk_frtxt_bot", "1"},
             {"cmb_ttbot_sty", "Bold <B>"},
             {"chk_add_links", "1"},
             {"lvwLinks_top", "Home|http://home|"},
             {"lvwLinks_bot", "Empty address||"},
             {"opt_index_0", "0"},
             {"opt_index_1", "1"},
             {"FTP_REMEM", "ftp.example.com|guest|secret|docs/|"},
             {"chk_FLS_FTP", "1"},
             {"txt_MAIL_RECIP", "a@b.c|"},
             {"txt_MAIL_CAP", "The report|"},
             {"txt_UNC_NAME", "/srv/share|"},
             {"txt_intra_path", "/srv/intranet/"}})
        EXPECT_EQ(h.config(name), stored) << name;
}

TEST(Finish, DeletesTheRunsFilesByPattern) {
    WizardHarness h;
    namespace fs = std::filesystem;
    for (const char* name : {"tmp.pdf", "a.85", "b.pdf", "c.gif", "keep.txt"})
        writeFile(h.home() + "/" + name, "x");
    writeFile(h.windir() + "/varmiocv.ini",
              "[settings]\r\npdf=1\r\nhtm=1\r\npat=" + h.work() + "\r\n");
    ASSERT_TRUE(h.start("drv"));
    std::string page = h.window().pageFilePath();
    ASSERT_TRUE(fs::exists(page));
    ASSERT_TRUE(closeWizard(h));
    for (const char* name : {"tmp.pdf", "a.85", "b.pdf"})
        EXPECT_FALSE(fs::exists(h.home() + "/" + name)) << name;
    for (const char* name : {"c.gif", "keep.txt"})
        EXPECT_TRUE(fs::exists(h.home() + "/" + name)) << name;
    EXPECT_FALSE(fs::exists(page)) << "the page option deletes the page file";

    WizardHarness longer;
    writeFile(longer.home() + "/a.85", "x");
    writeFile(longer.windir() + "/varmiocv.ini", "[settings]\r\npat=" + longer.work() + "\r\n");
    ASSERT_TRUE(longer.start("x drv"));
    ASSERT_TRUE(closeWizard(longer));
    EXPECT_TRUE(fs::exists(longer.home() + "/a.85")) << "only the exact command line drv";
}

}  // namespace
}  // namespace varmio::test
