#include "intranet/index_page.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "intranet/confined_path.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

class IndexPageTest : public ::testing::Test {
  protected:
    IndexPageTest() {
        settings.backColour = "FFFFFF";
        settings.textColour = "000000";
        settings.linkColour = "0000FF";
        settings.dirColour = "EEEEEE";
        settings.extraDoc = "target=_blank";
    }
    std::string page() { return indexPage(folder, "Intranet", settings, ""); }

    TempDir dir;
    std::string folder = dir.path().string();
    IndexPageSettings settings;
};

const std::string kHead =
    "<HTML><TITLE>Intranet</TITLE><BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF "
    "VLINK=#0000FF ULINK=#0000FF BACKGROUND=\"$$bgimg.\">\r\n";
const std::string kEmptyTables =
    "<TABLE BORDER=0 WIDTH=100%>\r\n"
    "</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>\r\n"
    "</TABLE>\r\n</BODY></HTML>\r\n";

TEST_F(IndexPageTest, EmptyFolderWithAndWithoutThePathHeading) {
    EXPECT_EQ(page(), kHead + kEmptyTables);
    settings.showPath = true;
    EXPECT_EQ(page(), kHead + "<B>Intranet</B><P>\r\n" + kEmptyTables);
}

TEST_F(IndexPageTest, ProjectsThenDocumentsWithLowerCaseLinks) {
    writeFile(dir.path() / "abc.FNI", "uniquekey:A&B!X\r\nA&B <Team>\r\nroot\r\nabc\r\n");
    writeFile(dir.path() / "docfolde.dni",
              "Report\r\nroot\r\n" + folder + "/docfolde\r\nMain.HTM\r\n");
    writeFile(dir.path() / "short.dni", "Damaged\r\nroot\r\n");
    EXPECT_EQ(page(), kHead +
                          "<TABLE BORDER=0 WIDTH=100%>\r\n"
                          "<TR><TD WIDTH=90% BGCOLOR=#EEEEEE ALIGN=LEFT VALIGN=MIDDLE><B>&nbsp;<A "
                          "HREF=\"abc/index.html \" >A&B <Team></A></TD></TR>\r\n"
                          "</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>\r\n"
                          "<TR><TD><B>&nbsp;&nbsp;&nbsp;</B></TD><TD ALIGN=LEFT VALIGN=MIDDLE><B>"
                          "<A HREF=\"docfolde/main.htm\" target=_blank>Report</A></TD></TR>\r\n"
                          "</TABLE>\r\n</BODY></HTML>\r\n");
}

TEST_F(IndexPageTest, BackgroundPictureIsCopiedBesideThePage) {
    const TempDir pictures;
    const std::string gif = (pictures.path() / "back.gif").string();
    const std::string jpeg = (pictures.path() / "back.jpeg").string();
    writeFile(gif, "GIF");
    writeFile(jpeg, "JPEG");
    settings.backgroundImage = gif;
    writeIndexPage(ConfinedRoot(folder), folder, "Intranet", settings);
    EXPECT_EQ(readFileText(folder + "/$$bgimg.gif"), "GIF");
    EXPECT_NE(readFileText(folder + "/index.html")->find("BACKGROUND=\"$$bgimg.gif\">"),
              std::string::npos);

    EXPECT_EQ(placeBackgroundImage(ConfinedRoot(folder), folder, jpeg), "jpeg");
    EXPECT_EQ(readFileText(folder + "/$$bgimg.jpeg"), "JPEG");
    EXPECT_TRUE(fs::exists(folder + "/$$bgimg.gif")) << "an old copy of another kind stays";

    EXPECT_EQ(placeBackgroundImage(ConfinedRoot(folder), folder, ""), "");
    EXPECT_FALSE(fs::exists(folder + "/$$bgimg.gif"));
    EXPECT_FALSE(fs::exists(folder + "/$$bgimg.jpeg"));
}

TEST_F(IndexPageTest, PlantedLinksAreNotWrittenThrough) {
    const TempDir elsewhere;
    const fs::path victim = elsewhere.path() / "victim";
    writeFile(victim, "kept");
    fs::create_symlink(victim, dir.path() / "index.html");
    fs::create_symlink(victim, dir.path() / "$$bgimg.gif");
    writeFile(elsewhere.path() / "back.gif", "GIF");
    settings.backgroundImage = (elsewhere.path() / "back.gif").string();
    writeIndexPage(ConfinedRoot(folder), folder, "Intranet", settings);
    EXPECT_EQ(readFileText(victim.string()), "kept");
    EXPECT_TRUE(fs::is_symlink(dir.path() / "index.html"));
}

}  // namespace
}  // namespace varmio
