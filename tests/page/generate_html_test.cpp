#include "wizard/page/generate_html.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"
#include "wizard/page/file_list.h"

namespace varmio::test {
namespace {

// What GenerateHTML does to the window beyond writing the page.
TEST(GenerateHTML, ListsThePageOnceInFinalModeAndTakesThePictureIndexByDefault) {
    WizardHarness h;
    ASSERT_TRUE(h.start());
    WizardWindow& w = h.window();
    w.cmb_htmlfile.text = "page.htm";
    w.opt_index[0].setValue(0);
    w.opt_index[1].setValue(0);
    w.chk_cmpHTML.setValue(0);
    GenerateHTML(w, true);
    EXPECT_FALSE(std::filesystem::exists(h.home() + "/tmp/page.htm")) << "no page wanted";
    EXPECT_EQ(w.lvwFiles.count(), 0);

    w.chk_cmpHTML.setValue(1);
    addFileRow(w, "/data/", "a.gif");
    GenerateHTML(w, true);
    GenerateHTML(w, true);
    EXPECT_EQ(w.opt_index[0].value(), 1) << "no option chosen: the picture index is taken";
    ASSERT_EQ(w.lvwFiles.count(), 2);
    EXPECT_EQ(w.lvwFiles.rows[1].text, h.home() + "/tmp/");
    EXPECT_EQ(w.lvwFiles.rows[1].subItem(1), "page.htm");
    EXPECT_EQ(w.lvwFiles.rows[1].subItem(2), " ");

    w.cmb_htmlfile.text = "";
    GenerateHTML(w, true);
    ASSERT_EQ(w.lvwFiles.count(), 3) << "the empty page name is still listed";
    EXPECT_EQ(w.lvwFiles.rows[2].subItem(1), "");
}

}  // namespace
}  // namespace varmio::test
