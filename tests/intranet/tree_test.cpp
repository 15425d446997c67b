// Reading the intranet tree from damaged records must end.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

TEST(IntranetTree, ARecordNamingItsOwnFolderIsReadOnce) {
    WizardHarness h;
    const std::string root = h.work() + "/intra";
    std::filesystem::create_directories(root);
    h.setConfig("MYINTRA", "Intranet\xFE" + root + "\xFE\xFF");
    // No key and no folder: the project's folder is the folder the record lies in.
    writeFile(root + "/loop.FNI", "\r\nLoop\r\nroot\r\n\r\n");
    writeFile(root + "/dot.FNI", "uniquekey:Dot!X\r\nDot\r\nroot\r\n.\r\n");
    ASSERT_TRUE(h.start("/intraman"));
    EXPECT_EQ(h.window().tvwIntra.count(), 3) << "the root and each record once";
}

}  // namespace
}  // namespace varmio::test
