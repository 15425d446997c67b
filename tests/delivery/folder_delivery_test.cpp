// Folder delivery: the drive list, folder list and target text following each other. (The copy
// itself is checked by the end-to-end folder script.)
#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

TEST(FolderDelivery, ChoosersFollowEachOther) {
    WizardHarness h;
    ASSERT_TRUE(h.startOnDeliveryPage());
    WizardWindow& w = h.window();
    w.cmd_unc.userClick();
    w.txt_UNC_NAME.text = h.work() + "/";
    w.txt_UNC_NAME.keyPress(13);
    EXPECT_EQ(w.dir_UNC.path(), h.work());

    w.txt_UNC_NAME.text = h.work() + "/nowhere";
    w.txt_UNC_NAME.keyPress(13);
    EXPECT_EQ(w.dir_UNC.path(), h.work()) << "a missing folder leaves the list alone";
    EXPECT_EQ(w.txt_UNC_NAME.text, h.work() + "/nowhere") << "and the typed text stays";

    const std::string target = h.home() + "/out";
    fs::create_directories(target);
    w.txt_UNC_NAME.items = {target};
    ASSERT_TRUE(w.txt_UNC_NAME.choose(target));
    EXPECT_EQ(w.dir_UNC.path(), target);
}

}  // namespace
}  // namespace varmio::test
