// Start-up goes on after a failing step, and its later steps see what the earlier ones did.
#include <gtest/gtest.h>

#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

TEST(Startup, AFailingStepIsSkippedAndTheNextRuns) {
    WizardHarness h;
    // A check box cannot take 7: restoring the footer fails half-way, the rest goes on.
    h.setConfig("chk_HTMLfoot", "7|/f/foot.htm|");
    h.setConfig("chk_HTMLhead", "1|/f/head.htm|");
    h.setConfig("chk_add_links", "7");
    h.setConfig("txt_freetext_top", "after the failures");
    ASSERT_TRUE(h.start());
    WizardWindow& w = h.window();
    EXPECT_EQ(w.chk_HTMLfoot.value(), 0);
    EXPECT_EQ(w.cmb_htmlfoot.text, "") << "the failing step stops at its failing statement";
    EXPECT_EQ(w.chk_HTMLhead.value(), 1);
    EXPECT_EQ(w.cmb_htmlhead.text, "/f/head.htm");
    EXPECT_EQ(w.txt_freetext_top.text, "after the failures");
    EXPECT_EQ(w.caption, "Varmio Publish Wizard");
}

// (Histories without their last "|" and empty ones: saved_choices.replay.) A link without its
// address is still a row.
TEST(Startup, AStoredLinkListMayEndWithoutAnAddress) {
    WizardHarness h;
    h.setConfig("lvwLinks_top", "Home|http://h|Lone");
    ASSERT_TRUE(h.start());
    WizardWindow& w = h.window();
    ASSERT_EQ(w.lvwLinks_top.count(), 2);
    EXPECT_EQ(w.lvwLinks_top.rows[1].text, "Lone");
    EXPECT_EQ(w.lvwLinks_top.rows[1].subItem(1), "");
}

}  // namespace
}  // namespace varmio::test
