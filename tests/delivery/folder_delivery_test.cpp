// Folder delivery: the drive list, folder list and target text following each other. (The copy
// itself is checked by the end-to-end folder script.)
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
        fs::create_directories(target());
        ASSERT_TRUE(h.startOnDeliveryPage());
        w().cmd_unc.userClick();
    }
    WizardWindow& w() { return h.window(); }
    std::string target() { return h.home() + "/out"; }

    WizardHarness h;
};

TEST_F(FolderDeliveryTest, ChoosersFollowEachOther) {
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
