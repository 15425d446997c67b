// Next and Back walk the three paths (no page, quick page, customised page) and the delivery
// pages; each press applies exactly one rule.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class SequenceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(h.work() + "/doc.pdf", "12345");
        ASSERT_TRUE(h.start(h.work() + "/doc.pdf"));
    }
    WizardWindow& w() { return h.window(); }
    // The one page frame that is showing.
    std::string page() {
        std::string shown;
        for (Frame* f : {&w().frm_files, &w().frm_html_1, &w().frm_html_2, &w().frm_html_3,
                         &w().frm_html_4, &w().frm_html_5, &w().frm_html_6, &w().frm_export_1,
                         &w().frm_ftp, &w().frm_mail, &w().frm_unc, &w().frm_intra})
            if (f->visible) shown += (shown.empty() ? "" : "+") + f->name();
        return shown;
    }
    std::string next() {
        cmd_next_Click(w());
        return page();
    }
    std::string back() {
        cmd_prev_Click(w());
        return page();
    }
    WizardHarness h;
};

TEST_F(SequenceTest, WithoutAPage) {
    EXPECT_EQ(page(), "frm_files");
    EXPECT_FALSE(w().cmd_prev.enabled);
    EXPECT_EQ(next(), "frm_html_1");
    EXPECT_EQ(w().lab_file_info.caption, "Files to publish: 1, total size: 5 bytes.");
    w().chk_cmpHTML.setValue(0);
    EXPECT_FALSE(w().chk_mkHTMLtgs.enabled);
    EXPECT_EQ(next(), "frm_export_1");
    EXPECT_FALSE(w().cmd_next.enabled);
    EXPECT_EQ(w().cmd_ftp.caption, "FTP Upload");
    EXPECT_TRUE(fs::is_empty(h.home() + "/tmp")) << "no page file without the page option";
    EXPECT_EQ(back(), "frm_html_1");
    EXPECT_TRUE(w().cmd_next.enabled);
    EXPECT_EQ(back(), "frm_files");
    EXPECT_FALSE(w().cmd_prev.enabled);
    EXPECT_EQ(w().mousePointer, 0);
}

TEST_F(SequenceTest, QuickPageKeepsItsRandomName) {
    next();
    w().chk_cmpHTML.setValue(1);
    w().chk_mkHTMLtgs.setValue(0);
    EXPECT_EQ(next(), "frm_html_6");
    std::string name = w().cmb_htmlfile.text;
    EXPECT_EQ(name.size(), 12u);
    EXPECT_EQ(name.substr(8), ".htm");
    for (char c : name.substr(0, 8))
        EXPECT_TRUE(c >= 'a' && c <= 'z') << name;
    EXPECT_EQ(back(), "frm_html_1");
    EXPECT_EQ(next(), "frm_html_6");
    EXPECT_EQ(w().cmb_htmlfile.text, name) << "an existing name is kept";
    EXPECT_EQ(next(), "frm_export_1");
    EXPECT_TRUE(fs::exists(h.home() + "/tmp/" + name)) << "leaving the preview writes the page";
    EXPECT_EQ(back(), "frm_html_6");
    EXPECT_EQ(back(), "frm_html_1");
}

TEST_F(SequenceTest, CustomisedPageVisitsEveryEditor) {
    h.setConfig("CMB_HTML_TITLE", "First|Second|");
    h.setConfig("cmb_html_title_last", "Second");
    next();
    w().chk_cmpHTML.setValue(1);
    w().chk_mkHTMLtgs.setValue(1);
    EXPECT_EQ(next(), "frm_html_2");
    EXPECT_EQ(w().cmd_browse[2].caption, "Browse...");
    w().cmb_html_title.text = "typed";
    EXPECT_EQ(next(), "frm_html_3");
    EXPECT_EQ(w().cmb_html_title.items, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(w().cmb_html_title.text, "Second") << "the last saved title replaces the typed one";
    EXPECT_EQ(next(), "frm_html_4");
    EXPECT_EQ(next(), "frm_html_5");
    EXPECT_EQ(w().opt_index[1].caption, "Link list: every file as a link");
    EXPECT_EQ(next(), "frm_html_6");
    EXPECT_EQ(next(), "frm_export_1");
    for (const char* expected : {"frm_html_6", "frm_html_5", "frm_html_4", "frm_html_3",
                                 "frm_html_2", "frm_html_1", "frm_files"})
        EXPECT_EQ(back(), expected);

    next();
    w().chk_mkHTMLtgs.setValue(0);
    EXPECT_EQ(next(), "frm_html_6") << "customising turned off goes straight to the preview";
    EXPECT_EQ(back(), "frm_html_1");
}

TEST_F(SequenceTest, DeliveryPagesCheckTheirInputs) {
    next();
    w().chk_cmpHTML.setValue(0);
    next();

    w().cmd_mail.userClick();
    EXPECT_EQ(page(), "frm_mail");
    EXPECT_EQ(w().cmd_next.caption, "Send");
    EXPECT_NE(w().txt_sndfls_mail.text.find("/doc.pdf - 5 bytes - modified "), std::string::npos);
    w().txt_MAIL_RECIP.text = "nobody";
    EXPECT_EQ(next(), "frm_mail");
    EXPECT_EQ(h.dialogs.shown.back(), "Please enter a valid e-mail address for the recipient.");
    w().txt_MAIL_RECIP.text = "somebody@";
    EXPECT_EQ(next(), "frm_export_1") << "any text with @ passes";
    EXPECT_EQ(w().cmd_close.caption, "Finish");

    w().cmd_ftp.userClick();
    EXPECT_EQ(page(), "frm_ftp");
    EXPECT_EQ(next(), "frm_ftp") << "no server, user or password";
    EXPECT_EQ(h.dialogs.shown.back(),
              "Please enter the server name, your user name and your password.");
    EXPECT_EQ(back(), "frm_export_1");
    EXPECT_EQ(w().cmd_next.caption, "Next");

    w().cmd_unc.userClick();
    EXPECT_EQ(page(), "frm_unc");
    w().txt_UNC_NAME.text = "";
    EXPECT_EQ(next(), "frm_unc") << "an empty target does nothing";
    EXPECT_EQ(back(), "frm_export_1");
}

TEST_F(SequenceTest, MissingFileBeepsBackToTheDeliveryPage) {
    next();
    w().chk_cmpHTML.setValue(0);
    next();
    fs::remove(h.work() + "/doc.pdf");
    w().cmd_unc.userClick();
    EXPECT_EQ(page(), "frm_export_1");
    EXPECT_EQ(h.dialogs.shown.back(), "beep");
}

TEST_F(SequenceTest, HelpPreviewAndLogo) {
    w().cmd_help.userClick();
    EXPECT_EQ(h.shell.opened.back(), h.home() + "/help.htm");
    w().cmb_htmlfile.text = "p.htm";
    w().chk_cmpHTML.setValue(1);
    cmd_preview_Click(w());
    EXPECT_EQ(h.shell.opened.back(), h.home() + "/tmp/p.htm");
    EXPECT_TRUE(fs::exists(h.home() + "/tmp/p.htm"));

    for (int i = 0; i < 20; ++i) {
        int shownIndex = -1, shownCount = 0;
        for (int k = 0; k <= 8; ++k)
            if (w().img_wizard_logo[k].visible) shownIndex = k, ++shownCount;
        ASSERT_EQ(shownCount, 1);
        img_wizard_logo_DblClick(w(), shownIndex);
    }
}

}  // namespace
}  // namespace varmio::test
