// Folder listings take an entry's kind from the listing where it is known and follow symbolic
// links where it is not; copies are exact whichever way the kernel lets them through.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

TEST(FolderListing, KindsComeFromTheListingOrThroughLinks) {
    TempDir dir;
    const fs::path& d = dir.path();
    writeFile(d / "b.FNI", "");
    writeFile(d / "A.fni", "");
    writeFile(d / "c.dni", "");
    fs::create_directory(d / "folder.fni");
    fs::create_symlink(d / "b.FNI", d / "linked.fni");
    fs::create_symlink(d / "folder.fni", d / "linked_folder");
    fs::create_symlink(d / "missing", d / "dangling.fni");
    EXPECT_EQ(listFiles(d.string(), "*.FNI"),
              (std::vector<std::string>{"A.fni", "b.FNI", "linked.fni"}));
    EXPECT_EQ(listFolders(d.string()), (std::vector<std::string>{"folder.fni", "linked_folder"}));
    EXPECT_TRUE(listFiles((d / "none").string(), "*").empty());
    // A record's name comes from a shared folder: its wildcards must match nothing but themselves.
    EXPECT_EQ(filesNamed(d.string(), "b.fni"), (std::vector<std::string>{"b.FNI"}));
    EXPECT_TRUE(filesNamed(d.string(), "*.fni").empty());
}

std::string read(const fs::path& file) {
    return readFileText(file.string()).value_or("<unreadable>");
}

TEST(FileCopy, CopiesAreExactWhicheverWayTheKernelAllows) {
    TempDir dir;
    const fs::path& d = dir.path();
    std::string large(3 * 1024 * 1024 + 7, '\0');
    for (size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 % 251);
    writeFile(d / "large.bin", large);
    writeFile(d / "target.bin", large + large);  // longer than what replaces it
    copyFile((d / "large.bin").string(), (d / "target.bin").string());
    EXPECT_TRUE(read(d / "target.bin") == large);

    // From another file system, where the kernel refuses to copy (EXDEV) and reading takes over.
    if (fs::is_directory("/dev/shm")) {
        TempDir other("/dev/shm");
        writeFile(other.path() / "large.bin", large);
        copyFile((other.path() / "large.bin").string(), (d / "from shm.bin").string());
        EXPECT_TRUE(read(d / "from shm.bin") == large);
    }

    writeFile(d / "empty", "");
    copyFile((d / "empty").string(), (d / "empty copy").string());
    EXPECT_EQ(read(d / "empty copy"), "");

    // Its size says 0 and the kernel will not copy it on its own: reading must.
    copyFile("/proc/self/status", (d / "status").string());
    EXPECT_EQ(read(d / "status").substr(0, 5), "Name:");
}

}  // namespace
}  // namespace varmio
