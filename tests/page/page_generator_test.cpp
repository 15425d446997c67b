#include "page/page_generator.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "page/file_list.h"
#include "support/wizard/harness.h"

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
    void addLinks(ListView& list, int n) {
        for (int i = 1; i <= n; ++i) {
            ListItem& row = list.add("L" + std::to_string(i));
            row.setSubItem(1, "http://x/" + std::to_string(i));
        }
    }
    // The lines between the table opening and closing of a link list, joined with "|".
    std::string linkTable() {
        std::string text = page(), out;
        size_t from = text.find("<center><table width=95%>\r\n");
        size_t to = text.find("</table></center>\r\n", from);
        std::string inner = text.substr(from + 27, to - from - 27);
        for (char c : inner)
            out += c == '\r' ? '|' : (c == '\n' ? '\0' : c);
        std::erase(out, '\0');
        return out;
    }

    WizardHarness h;
};

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

TEST_F(PageGeneratorTest, LinkTablesHoldThreeLinksPerRow) {
    w().chk_add_links.setValue(1);
    const char* expected[] = {
        "",
        "<tr align=center><td><a href=\"http://x/1\">|L1</a></td>|</td></tr>|",
        "<tr align=center><td><a href=\"http://x/1\">|L1</a></td>|<td><a href=\"http://x/2\">|"
        "L2</a></td>|",
        "<tr align=center><td><a href=\"http://x/1\">|L1</a></td>|<td><a href=\"http://x/2\">|"
        "L2</a></td>|<td><a href=\"http://x/3\">|L3</a></td></tr>|",
        "<tr align=center><td><a href=\"http://x/1\">|L1</a></td>|<td><a href=\"http://x/2\">|"
        "L2</a></td>|<td><a href=\"http://x/3\">|L3</a></td></tr>|<tr align=center><td><a "
        "href=\"http://x/4\">|L4</a></td>|</td></tr>|",
    };
    for (int n = 1; n <= 4; ++n) {
        w().lvwLinks_top.clear();
        addLinks(w().lvwLinks_top, n);
        GenerateHTML(w(), false);
        EXPECT_EQ(linkTable(), expected[n]) << n << " links";
    }
    EXPECT_NE(page().find("<center><table width=85%>\r\n<tr><td>\r\n<center><table width=95%>"),
              std::string::npos);

    w().chk_add_links.setValue(0);
    GenerateHTML(w(), false);
    EXPECT_EQ(page().find("table"), std::string::npos) << "links off: no tables";
}

TEST_F(PageGeneratorTest, StylesGiveOpeningAndClosingTags) {
    w().chk_frtxt_top.setValue(1);
    w().cmb_tttop_sty.text = "Bold <B>";
    w().txt_freetext_top.text = "above \\ text";
    w().chk_frtxt_bot.setValue(1);
    w().cmb_ttbot_sty.text = "Small print <FONT SIZE=1>";
    w().txt_freetext_bot.text = "below";
    GenerateHTML(w(), false);
    EXPECT_NE(page().find("\r\n<B>above \\ text</B><P>\r\n"), std::string::npos);
    EXPECT_NE(page().find("\r\n<P><FONT SIZE=1>below</FONT SIZE=1>\r\n"), std::string::npos);
}

TEST_F(PageGeneratorTest, ImageLinkWithQuestionMarkHasEmptySource) {
    w().cmb_link_img.text = "/pics/lo?go.gif";
    w().txt_img_link_chc.text = "http:\\\\example";
    GenerateHTML(w(), false);
    EXPECT_NE(page().find("\r\n<BR><CENTER><A HREF=http://example><IMG SRC=></A></CENTER><BR>\r\n"),
              std::string::npos);

    w().cmb_link_img.text = "/pics/logo.gif";
    GenerateHTML(w(), true);
    EXPECT_NE(page().find("<A HREF=http://example><IMG SRC=logo.gif></A>"), std::string::npos);
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
