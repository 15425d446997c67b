// The close button saves every page choice; the next start-up restores each of them.
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

TEST(Finish, SavedChoicesComeBackAtTheNextStart) {
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
    EXPECT_EQ(h.config("chk_mkHTMLtgs"), "0") << "always saved cleared";
    EXPECT_EQ(h.config("chk_HTMLhead"), "1|/h/head.htm|");
    EXPECT_EQ(h.config("lvwLinks_top"), "Home|http://home|");
    EXPECT_EQ(h.config("lvwLinks_bot"), "Empty address||");
    EXPECT_EQ(h.config("FTP_REMEM"), "ftp.example.com|guest|secret|docs/|");
    EXPECT_EQ(h.config("opt_index_0"), "0");
    EXPECT_EQ(h.config("opt_index_1"), "1");

    // What start-up puts back (its own rules are the saved_choices script's): the save above
    // wrote what it reads.
    ASSERT_TRUE(h.start());
    WizardWindow& w = h.window();
    EXPECT_EQ(w.cmb_htmlfile.items, (std::vector<std::string>{"report.htm"}));
    EXPECT_EQ(w.cmb_htmlhead.text, "/h/head.htm");
    EXPECT_EQ(w.cmb_htmlfoot.text, "/h/foot.htm");
    EXPECT_EQ(w.cmb_html_meta.text, "sales, q3");
    EXPECT_EQ(h.config("cmb_html_title_last"), "Quarterly report");
    EXPECT_EQ(w.txt_freetext_top.text, "Line one\r\nLine two");
    EXPECT_EQ(w.txt_freetext_bot.text, "Bye");
    EXPECT_EQ(w.chk_add_links.value(), 1);
    ASSERT_EQ(w.lvwLinks_top.count(), 1);
    EXPECT_EQ(w.lvwLinks_top.rows[0].subItem(1), "http://home");
    EXPECT_EQ(w.lvwLinks_bot.count(), 1);
    EXPECT_EQ(w.opt_index[1].value(), 1);
    EXPECT_EQ(w.txt_FTP_Pass.text, "secret");
    EXPECT_EQ(w.txt_FTP_User.items, (std::vector<std::string>{"guest"}));
    EXPECT_EQ(w.chk_fls_ftp.value(), 1);
    EXPECT_EQ(w.txt_MAIL_RECIP.text, "a@b.c");
    EXPECT_EQ(w.txt_MAIL_CAP.items, (std::vector<std::string>{"The report"}));
    EXPECT_EQ(w.txt_UNC_NAME.items, (std::vector<std::string>{"/srv/share"}));
    EXPECT_EQ(w.txt_intra_path.text, "/srv/intranet/");
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
