// Folder delivery: which rows are copied and where, the first failure stopping the copy, and the
// drive list, folder list and target text following each other.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class FolderDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(h.work() + "/one.txt", "one");
        writeFile(h.work() + "/two.txt", "two");
        writeFile(h.work() + "/three.txt", "three");
        fs::create_directories(target());
        ASSERT_TRUE(
            h.start(h.work() + "/one.txt " + h.work() + "/two.txt " + h.work() + "/three.txt"));
        w().lvwFiles.row(2).setSubItem(2, "X");
        cmd_next_Click(w());
        w().chk_cmpHTML.setValue(0);
        cmd_next_Click(w());
        w().cmd_unc.userClick();
    }
    WizardWindow& w() { return h.window(); }
    std::string target() { return h.home() + "/out"; }
    std::string message() { return h.dialogs.shown.empty() ? "" : h.dialogs.shown.back(); }

    WizardHarness h;
};

TEST_F(FolderDeliveryTest, CopiesTheUnmarkedRows) {
    writeFile(target() + "/one.txt", "older");
    w().txt_UNC_NAME.text = target() + "/";
    cmd_next_Click(w());
    EXPECT_EQ(message(), "The files have been copied to the folder.");
    EXPECT_EQ(readFile(target() + "/one.txt"), "one") << "an existing file is replaced";
    EXPECT_FALSE(fs::exists(target() + "/two.txt")) << "rows marked X stay home";
    EXPECT_EQ(readFile(target() + "/three.txt"), "three");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_EQ(w().cmd_close.caption, "Finish");
}

TEST_F(FolderDeliveryTest, FirstFailureStopsTheCopy) {
    w().txt_UNC_NAME.text = h.work() + "/missing";
    cmd_next_Click(w());
    EXPECT_EQ(message(), "The files could not be copied to the folder (Path not found [76])");
    EXPECT_TRUE(w().frm_export_1.visible);

    fs::remove(h.work() + "/one.txt");
    w().cmd_unc.userClick();  // beeps: the send report misses one.txt
    w().frm_export_1.visible = false;
    w().frm_unc.visible = true;
    w().txt_UNC_NAME.text = target();
    cmd_next_Click(w());
    EXPECT_EQ(message(), "The files could not be copied to the folder (File not found [53])");
    EXPECT_FALSE(fs::exists(target() + "/three.txt")) << "later rows are not copied";
}

TEST_F(FolderDeliveryTest, ChoosersFollowEachOther) {
    w().dir_UNC.setPath(target());
    EXPECT_EQ(w().txt_UNC_NAME.text, target()) << "a chosen folder replaces the typed text";

    w().txt_UNC_NAME.text = h.work() + "/";
    w().txt_UNC_NAME.keyPress(13);
    EXPECT_EQ(w().dir_UNC.path(), h.work());

    w().txt_UNC_NAME.text = h.work() + "/nowhere";
    w().txt_UNC_NAME.keyPress(13);
    EXPECT_EQ(w().dir_UNC.path(), h.work()) << "a missing folder leaves the list alone";
    EXPECT_EQ(w().txt_UNC_NAME.text, h.work() + "/nowhere") << "and the typed text stays";

    w().txt_UNC_NAME.items = {target()};
    ASSERT_TRUE(w().txt_UNC_NAME.choose(target()));
    EXPECT_EQ(w().dir_UNC.path(), target());
}

}  // namespace
}  // namespace varmio::test
