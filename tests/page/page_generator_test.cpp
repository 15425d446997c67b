#include "page/page_generator.h"
#include "wizard/page/generate_html.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"
#include "wizard/page/file_list.h"

namespace varmio::test {
namespace {

const std::string kCredit =
    "<BR><CENTER><FONT SIZE=1>HTML page created with Varmio Publish Wizard<BR><A "
    "HREF=https://www.varmio.com>Varmio Corporation - https://www.varmio.com</A></FONT></CENTER>";

class PageGeneratorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(h.start());
        w().chk_cmpHTML.setValue(1);
        w().cmb_htmlfile.text = "page.htm";
        w().opt_index[0].setValue(0);
        w().opt_index[1].setValue(0);
    }
    WizardWindow& w() { return h.window(); }
    std::string page() { return readFile(h.home() + "/tmp/page.htm"); }
    std::string tmp() { return h.home() + "/tmp/"; }

    WizardHarness h;
};

// Link tables, styles and the image link are compared byte for byte by the replay tests
// (tests/e2e/page); these cases are the ones a user cannot reach as easily.
TEST_F(PageGeneratorTest, PlainPreviewPageWithEmptyTitleAndKeywords) {
    addFileRow(w(), "/data/", "scan.JPG");
    addFileRow(w(), "/data/", "report.pdf");
    GenerateHTML(w(), false);
    EXPECT_EQ(page(),
              "<HTML><META-HTTP KEYWORDS=\"\"><TITLE></TITLE><BODY>\r\n"
              "<CENTER><H2></H2></CENTER>\r\n"
              "<CENTER><IMG SRC=\"file:///data/scan.JPG\" BORDER=0 ALT=\"/data/scan.JPG\"><BR>"
              "</CENTER>\r\n"
              "<CENTER><A HREF=\"file:///data/report.pdf\">/data/report.pdf</A><BR></CENTER>\r\n"
              "<BR>\r\n" +
                  kCredit + "\r\n</BODY></HTML>\r\n");
    EXPECT_EQ(w().opt_index[0].value(), 1) << "no option chosen: the picture index is taken";
}

TEST_F(PageGeneratorTest, NoPageWhenThePageOptionIsOff) {
    w().chk_cmpHTML.setValue(0);
    GenerateHTML(w(), true);
    EXPECT_FALSE(std::filesystem::exists(tmp() + "page.htm"));
    EXPECT_EQ(w().lvwFiles.count(), 0);
}

TEST_F(PageGeneratorTest, FinalModeListsThePageOnceAndNeverInThePage) {
    addFileRow(w(), "/data/", "a.gif");
    addFileRow(w(), "/data/", "b.txt");
    w().lvwFiles.rows[1].setSubItem(2, "X");
    w().opt_index[1].setValue(1);
    GenerateHTML(w(), true);
    GenerateHTML(w(), true);
    ASSERT_EQ(w().lvwFiles.count(), 3);
    EXPECT_EQ(w().lvwFiles.rows[2].text, tmp());
    EXPECT_EQ(w().lvwFiles.rows[2].subItem(1), "page.htm");
    EXPECT_EQ(w().lvwFiles.rows[2].subItem(2), " ");
    std::string text = page();
    EXPECT_NE(text.find("<CENTER><A HREF=a.gif>a.gif</A><BR></CENTER>"), std::string::npos);
    EXPECT_NE(text.find("<CENTER><A HREF=/data/b.txt>/data/b.txt</A><BR></CENTER>"),
              std::string::npos);
    EXPECT_EQ(text.find("page.htm"), std::string::npos);
}

TEST_F(PageGeneratorTest, BothOptionsWriteThePictureIndexFirst) {
    addFileRow(w(), "/d/", "x.png");
    // The window never ticks both; set them past the exclusion rule.
    w().opt_index[0].onClick = nullptr;
    w().opt_index[1].onClick = nullptr;
    w().opt_index[0].setValue(1);
    w().opt_index[1].setValue(1);
    GenerateHTML(w(), false);
    std::string text = page();
    size_t picture = text.find("<CENTER><IMG SRC=\"file:///d/x.png\"");
    size_t link = text.find("<CENTER><A HREF=/d/x.png>x.png</A><BR></CENTER>");
    ASSERT_NE(picture, std::string::npos);
    ASSERT_NE(link, std::string::npos);
    EXPECT_LT(picture, link);
}

TEST_F(PageGeneratorTest, HeaderAndFooterAreCopiedLineByLine) {
    writeFile(h.work() + "/head.htm", "one\rtwo\r\nthree\nstill three");
    writeFile(h.work() + "/foot.htm", "foot\r\n");
    w().chk_HTMLhead.setValue(1);
    w().cmb_htmlhead.text = h.work() + "/head.htm";
    w().chk_HTMLfoot.setValue(1);
    w().cmb_htmlfoot.text = h.work() + "/foot.htm";
    h.setConfig("VIEW_CORP", "0");
    GenerateHTML(w(), false);
    EXPECT_EQ(page(),
              "<HTML><META-HTTP KEYWORDS=\"\"><TITLE></TITLE><BODY>\r\n"
              "one\r\ntwo\r\nthree\nstill three\r\n<BR>\r\nfoot\r\n</BODY></HTML>\r\n");

    w().cmb_htmlhead.text = h.work() + "/missing.htm";
    GenerateHTML(w(), false);
    EXPECT_EQ(page(),
              "<HTML><META-HTTP KEYWORDS=\"\"><TITLE></TITLE><BODY>\r\n<BR>\r\nfoot\r\n"
              "</BODY></HTML>\r\n")
        << "an unreadable header leaves its lines out; the page is still complete";
}

TEST_F(PageGeneratorTest, CreditLineFollowsViewCorp) {
    struct Case {
        const char* value;
        bool credit;
    } cases[] = {{"", true}, {"1", true}, {"1.0", true}, {"yes", true}, {"0", false}, {"2", false}};
    for (const Case& c : cases) {
        h.setConfig("VIEW_CORP", c.value);
        GenerateHTML(w(), false);
        EXPECT_EQ(page().find("Varmio Corporation") != std::string::npos, c.credit)
            << "VIEW_CORP=" << c.value;
    }
}

TEST_F(PageGeneratorTest, PageThatCannotBeCreatedWritesNothing) {
    w().cmb_htmlfile.text = "";
    GenerateHTML(w(), true);
    ASSERT_EQ(w().lvwFiles.count(), 1) << "the empty page name is still listed";
    EXPECT_EQ(w().lvwFiles.rows[0].subItem(1), "");
    w().cmb_htmlfile.text = "no/such/folder/page.htm";
    EXPECT_NO_THROW(GenerateHTML(w(), false));
}

TEST(ConvertBackSlash, TurnsEveryBackslashIntoASlash) {
    EXPECT_EQ(ConvertBackSlash("C:\\a\\b c\\\\d"), "C:/a/b c//d");
    EXPECT_EQ(ConvertBackSlash("plain"), "plain");
}

}  // namespace
}  // namespace varmio::test
