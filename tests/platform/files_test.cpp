#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

TEST(WriteFileAtomically, ReplacesTheFileOrTheLinkAndLeavesNothingBeside) {
    const TempDir dir;
    const fs::path page = dir.path() / "page.html";
    std::ofstream(page) << "old";
    fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write);
    writeFileAtomically(page.string(), std::string("new\r\n\0\xFF", 7));
    EXPECT_EQ(readFileText(page.string()), std::string("new\r\n\0\xFF", 7));
    EXPECT_EQ(fs::status(page).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const fs::path victim = dir.path() / "victim";
    std::ofstream(victim) << "kept";
    fs::create_symlink(victim, dir.path() / "link.html");
    writeFileAtomically((dir.path() / "link.html").string(), "x");
    EXPECT_EQ(readFileText(victim.string()), "kept");
    EXPECT_EQ(readFileText((dir.path() / "link.html").string()), "x");

    EXPECT_THROW(writeFileAtomically((dir.path() / "none" / "x").string(), ""), RuntimeError);
    EXPECT_THROW(writeFileAtomically(dir.path().string(), ""), RuntimeError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3)
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace varmio
