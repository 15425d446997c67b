#include "intranet/index_pages.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class IndexPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = h.work() + "/intra";
        fs::create_directories(root);
        h.setConfig("MYINTRA", std::string("Intranet\xFE") + root + "\xFE\xFF");
        h.setConfig("HTML_BACK_COLOR_RGB", "FFFFFF");
        h.setConfig("HTML_TEXT_COLOR_RGB", "000000");
        h.setConfig("HTML_LINK_COLOR_RGB", "0000FF");
        h.setConfig("HTML_DIR_COLOR_RGB", "EEEEEE");
        h.setConfig("HTML_BGIMG", "");
        h.setConfig("HTML_HREF_EXTRA_PATH", "");
        h.setConfig("HTML_HREF_EXTRA_DOC", "target=_blank");
        ASSERT_TRUE(h.start("/intraman"));
    }
    std::string page() { return readFile(root + "/index.html"); }
    WizardHarness h;
    std::string root;
};

const std::string kHead =
    "<HTML><TITLE>Intranet</TITLE><BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF "
    "VLINK=#0000FF ULINK=#0000FF BACKGROUND=\"$$bgimg.\">\r\n";
const std::string kEmptyTables =
    "<TABLE BORDER=0 WIDTH=100%>\r\n"
    "</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>\r\n"
    "</TABLE>\r\n</BODY></HTML>\r\n";

TEST_F(IndexPagesTest, EmptyFolderWithAndWithoutThePathHeading) {
    struct Case {
        const char* shown;
        bool heading;
    } cases[] = {{"1", true}, {"1.0", true}, {"yes", false}, {"2", false}, {"", false}};
    for (const Case& c : cases) {
        h.setConfig("HTML_INTRA_VIRPATH_SHOWN", c.shown);
        GeneratePrjIndex(h.window(), 1);
        EXPECT_EQ(page(), kHead + (c.heading ? "<B>Intranet</B><P>\r\n" : "") + kEmptyTables)
            << "HTML_INTRA_VIRPATH_SHOWN=" << c.shown;
    }
}

TEST_F(IndexPagesTest, ProjectsThenDocumentsWithLowerCaseLinks) {
    h.setConfig("HTML_INTRA_VIRPATH_SHOWN", "0");
    writeFile(root + "/abc.FNI", "uniquekey:A&B!X\r\nA&B <Team>\r\nroot\r\nabc\r\n");
    writeFile(root + "/docfolde.dni", "Report\r\nroot\r\n" + root + "/docfolde\r\nMain.HTM\r\n");
    GeneratePrjIndex(h.window(), 1);
    EXPECT_EQ(page(), kHead +
                          "<TABLE BORDER=0 WIDTH=100%>\r\n"
                          "<TR><TD WIDTH=90% BGCOLOR=#EEEEEE ALIGN=LEFT VALIGN=MIDDLE><B>&nbsp;<A "
                          "HREF=\"abc/index.html \" >A&B <Team></A></TD></TR>\r\n"
                          "</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>\r\n"
                          "<TR><TD><B>&nbsp;&nbsp;&nbsp;</B></TD><TD ALIGN=LEFT VALIGN=MIDDLE><B>"
                          "<A HREF=\"docfolde/main.htm\" target=_blank>Report</A></TD></TR>\r\n"
                          "</TABLE>\r\n</BODY></HTML>\r\n");
}

TEST_F(IndexPagesTest, BackgroundPictureIsCopiedBesideThePage) {
    writeFile(h.work() + "/back.gif", "GIF");
    writeFile(h.work() + "/back.jpeg", "JPEG");
    h.setConfig("HTML_BGIMG", h.work() + "/back.gif");
    GeneratePrjIndex(h.window(), 1);
    EXPECT_EQ(readFile(root + "/$$bgimg.gif"), "GIF");
    EXPECT_NE(page().find("BACKGROUND=\"$$bgimg.gif\">"), std::string::npos);

    h.setConfig("HTML_BGIMG", h.work() + "/back.jpeg");
    GeneratePrjIndex(h.window(), 1);
    EXPECT_EQ(readFile(root + "/$$bgimg.jpeg"), "JPEG");
    EXPECT_TRUE(fs::exists(root + "/$$bgimg.gif")) << "an old copy of another kind stays";

    h.setConfig("HTML_BGIMG", "");
    GeneratePrjIndex(h.window(), 1);
    EXPECT_FALSE(fs::exists(root + "/$$bgimg.gif"));
    EXPECT_FALSE(fs::exists(root + "/$$bgimg.jpeg"));
}

}  // namespace
}  // namespace varmio::test
