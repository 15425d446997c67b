#include "page/page_generator.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace varmio::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kCredit =
    "<BR><CENTER><FONT SIZE=1>HTML page created with Varmio Publish Wizard<BR><A "
    "HREF=https://www.varmio.com>Varmio Corporation - https://www.varmio.com</A></FONT></CENTER>";

PageInput plainPage() {
    PageInput page;
    page.pageFile = "/tmp/page.htm";
    page.programCaption = "Varmio Publish Wizard";
    return page;
}

// Link tables, styles and the image link are compared byte for byte by the replay tests
// (tests/e2e/page); these cases are the ones a user cannot reach as easily.
TEST(PageLines, PreviewWritesThePictureIndexBeforeTheTextList) {
    PageInput page = plainPage();
    page.files = {{"/data/", "scan.JPG"}, {"/data/", "report.pdf"}};
    page.pictureIndex = true;
    page.textList = true;  // the window never ticks both
    EXPECT_EQ(
        pageLines(page),
        (Lines{"<HTML><META-HTTP KEYWORDS=\"\"><TITLE></TITLE><BODY>", "<CENTER><H2></H2></CENTER>",
               "<CENTER><IMG SRC=\"file:///data/scan.JPG\" BORDER=0 "
               "ALT=\"/data/scan.JPG\"><BR></CENTER>",
               "<CENTER><A HREF=\"file:///data/report.pdf\">/data/report.pdf</A><BR>"
               "</CENTER>",
               "<BR>", "<CENTER><A HREF=/data/scan.JPG>scan.JPG</A><BR></CENTER>",
               "<CENTER><A HREF=/data/report.pdf>report.pdf</A><BR></CENTER>", kCredit,
               "</BODY></HTML>"}));
}

// Header and footer copying is compared byte for byte by page_file.replay; these are the files
// it cannot reach.
TEST(WritePage, SkipsWhatCannotBeReadOrWritten) {
    TempDir dir;
    const std::string folder = dir.path().string();
    std::ofstream(folder + "/foot.htm", std::ios::binary) << "foot\r\n";
    PageInput page = plainPage();
    page.pageFile = folder + "/page.htm";
    page.headerFile = folder + "/missing.htm";
    page.footerFile = folder + "/foot.htm";
    page.creditLine = false;
    writePage(page);
    EXPECT_EQ(readFileText(page.pageFile),
              "<HTML><META-HTTP KEYWORDS=\"\"><TITLE></TITLE><BODY>\r\nfoot\r\n</BODY></HTML>\r\n")
        << "an unreadable header leaves its lines out; the page is still complete";

    page.pageFile = folder + "/no/such/folder/page.htm";
    EXPECT_NO_THROW(writePage(page));
    EXPECT_FALSE(fileExists(page.pageFile));
}

TEST(PageRules, CreditLineFollowsViewCorpAndBackslashesTurnIntoSlashes) {
    for (const char* wanted : {"", "1", "1.0", "yes"})
        EXPECT_TRUE(creditLineWanted(wanted)) << "VIEW_CORP=" << wanted;
    for (const char* unwanted : {"0", "2"})
        EXPECT_FALSE(creditLineWanted(unwanted)) << "VIEW_CORP=" << unwanted;
    EXPECT_EQ(ConvertBackSlash("C:\\a\\b c\\\\d"), "C:/a/b c//d");
}

}  // namespace
}  // namespace varmio::test
