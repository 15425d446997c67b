// Whatever a damaged record names, the intranet code writes and deletes only inside its root.
#include "intranet/confined_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

class ConfinedPathTest : public ::testing::Test {
  protected:
    ConfinedPathTest() {
        fs::create_directories(root / "sub");
        fs::create_directories(dir.path() / "outside");
        fs::create_directory_symlink(dir.path() / "outside", root / "link");
        fs::create_directory_symlink(root / "sub", root / "inner");
        fs::create_symlink(dir.path() / "outside" / "file", root / "sub" / "file.lnk");
    }
    TempDir dir;
    fs::path root = dir.path() / "intra";
    std::string r = root.string();
};

TEST_F(ConfinedPathTest, PlainNamesBelowTheRootArePassed) {
    const std::string resolved = fs::canonical(root).string();
    EXPECT_EQ(confinedPath(r, r + "/sub/index.html"), resolved + "/sub/index.html");
    EXPECT_EQ(confinedPath(r + "/", r + "/new/folder/"), resolved + "/new/folder");
    EXPECT_EQ(confinedPath(r, dir.path().string() + "/outside/../intra/sub/x"), resolved + "/sub/x")
        << "the way to the root is the root's own path, not a record's";
}

TEST_F(ConfinedPathTest, EverythingElseIsRefused) {
    const std::string parent = dir.path().string();
    for (const std::string& path :
         {std::string(), r, r + "/", r + "/.", r + "/..", r + "//sub", r + "/./sub",
          r + "/sub/../x", r + "/../outside/x", parent, parent + "/outside/x", std::string("/"),
          r + "/link", r + "/link/x", r + "/inner/x", r + "/sub/file.lnk",
          r + "/" + std::string(100000, 'a'), r + std::string("/sub/\0x", 7),
          std::string("relative/x")})
        EXPECT_THROW(confinedPath(r, path), RuntimeError) << path.substr(0, 200);
    EXPECT_THROW(confinedPath("", r + "/sub"), RuntimeError) << "no root, no place";
}

TEST_F(ConfinedPathTest, RelativePathsStartAtTheCurrentFolderWhichIsNeverATarget) {
    const fs::path before = fs::current_path();
    fs::current_path(root / "sub");
    EXPECT_EQ(confinedPath(r, "x"), fs::canonical(root).string() + "/sub/x");
    EXPECT_THROW(confinedPath(r, r + "/sub"), RuntimeError);
    EXPECT_THROW(confinedPath(r, "../sub"), RuntimeError);
    fs::current_path(before);
}

}  // namespace
}  // namespace varmio
