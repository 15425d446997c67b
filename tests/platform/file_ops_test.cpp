// Folder listings take an entry's kind from the listing where it is known and follow symbolic
// links where it is not; copies are exact whichever way the kernel lets them through.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(FolderListing, KindsComeFromTheListingOrThroughLinks) {
    TempDir dir;
    const fs::path& d = dir.path();
    write(d / "b.FNI", "");
    write(d / "A.fni", "");
    write(d / "c.dni", "");
    fs::create_directory(d / "folder.fni");
    fs::create_symlink(d / "b.FNI", d / "linked.fni");
    fs::create_symlink(d / "folder.fni", d / "linked_folder");
    fs::create_symlink(d / "missing", d / "dangling.fni");
    EXPECT_EQ(listFiles(d.string(), "*.FNI"),
              (std::vector<std::string>{"A.fni", "b.FNI", "linked.fni"}));
    EXPECT_EQ(listFolders(d.string()), (std::vector<std::string>{"folder.fni", "linked_folder"}));
    EXPECT_TRUE(listFiles((d / "none").string(), "*").empty());
}

}  // namespace
}  // namespace varmio
