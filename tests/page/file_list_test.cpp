#include "page/file_list.h"

#include <gtest/gtest.h>

#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

TEST(IsItIMG, JudgesByTheNamesEnding) {
    for (const char* name :
         {"photo.JPG", "scan.jfif", "x.pjpeg", "a.peg", "b.gif", "c.PNG", "d.jpe", "e.pjp"})
        EXPECT_EQ(IsItIMG(name), 1) << name;
    for (const char* name : {"photo.jpeg", "doc.pdf", "gif", "x.gif.txt", ""})
        EXPECT_EQ(IsItIMG(name), 0) << name;
}

TEST(SplitPath, CutsAfterTheLastSeparator) {
    EXPECT_EQ(splitPath("/docs/plan.pdf").folder, "/docs/");
    EXPECT_EQ(splitPath("/docs/plan.pdf").name, "plan.pdf");
    EXPECT_EQ(splitPath("plan.pdf").folder, "");
    EXPECT_EQ(splitPath("/docs/").name, "");
}

class FileListTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(h.start()); }
    WizardWindow& w() { return h.window(); }
    void typeAndEnter(const std::string& text) {
        w().cmb_manual_file.text = text;
        w().cmb_manual_file.keyPress(13);
    }
    WizardHarness h;
};

TEST_F(FileListTest, TypedPathsAddRowsAndExtendTheHistoryByName) {
    typeAndEnter("/docs/plan.pdf");
    ASSERT_EQ(w().lvwFiles.count(), 1);
    EXPECT_EQ(w().lvwFiles.rows[0].text, "/docs/");
    EXPECT_EQ(w().lvwFiles.rows[0].subItem(1), "plan.pdf");
    EXPECT_EQ(w().lvwFiles.rows[0].subItem(2), " ");
    EXPECT_EQ(h.config("CMB_MANUAL_FILES"), "/docs/plan.pdf|");
    EXPECT_EQ(w().cmb_manual_file.text, "");
    EXPECT_EQ(w().cmb_manual_file.items, std::vector<std::string>{"/docs/plan.pdf"});

    typeAndEnter("/other/PLAN.pdf");
    EXPECT_EQ(w().lvwFiles.count(), 2);
    EXPECT_EQ(h.config("CMB_MANUAL_FILES"), "/docs/plan.pdf|") << "name already remembered";
    EXPECT_EQ(w().cmb_manual_file.text, "/other/PLAN.pdf") << "the text stays";

    typeAndEnter("notes.txt");
    EXPECT_EQ(w().lvwFiles.rows[2].text, "");
    EXPECT_EQ(w().lvwFiles.rows[2].subItem(1), "notes.txt");

    typeAndEnter("/x/what?.pdf");
    EXPECT_EQ(w().lvwFiles.count(), 3) << "a path with ? adds no row";
    EXPECT_FALSE(w().cmd_next.enabled) << "typing a path never enables Next";

    w().cmb_manual_file.text = "/y/ignored.pdf";
    w().cmb_manual_file.keyPress(65);
    EXPECT_EQ(w().lvwFiles.count(), 3);
}

TEST_F(FileListTest, DialogAddsRowAndImageChoiceAndEnablesNext) {
    h.dialogs.answers = {"cancel", "/pics/a.gif"};
    w().cmd_addfile.userClick();
    EXPECT_EQ(w().lvwFiles.count(), 0);
    w().cmd_addfile.userClick();
    EXPECT_EQ(h.dialogs.shown.back(),
              "All Files (*.*)|*.*|Compuserve graphics format (*.gif)|*.gif|JPEG (*.jpg, *.jpeg)|"
              "*.jpg;*.jpeg| Portable network graphic (*.png)|*.png");
    ASSERT_EQ(w().lvwFiles.count(), 1);
    EXPECT_EQ(w().cmb_link_img.items, std::vector<std::string>{"/pics/a.gif"});
    EXPECT_TRUE(w().cmd_next.enabled);
}

TEST_F(FileListTest, RemoveAsksAndTogglingTwiceRestoresTheMark) {
    addFileRow(w(), "/d/", "one.pdf");
    w().lvwFiles.selected = 1;
    w().cmd_copytag.userClick();
    EXPECT_EQ(w().lvwFiles.rows[0].subItem(2), "X");
    w().cmd_copytag.userClick();
    EXPECT_EQ(w().lvwFiles.rows[0].subItem(2), " ");

    h.dialogs.answers = {"no", "yes"};
    w().cmd_remfile.userClick();
    EXPECT_EQ(h.dialogs.shown.back(), "Remove the file /d/one.pdf from the list?");
    EXPECT_EQ(w().lvwFiles.count(), 1);
    w().cmd_remfile.userClick();
    EXPECT_EQ(w().lvwFiles.count(), 0);
    EXPECT_FALSE(w().cmd_next.enabled);
}

}  // namespace
}  // namespace varmio::test
