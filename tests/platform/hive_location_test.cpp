#include "platform/hive_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace varmio {
namespace {

// Sets or clears one environment variable for the length of a test.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

mode_t folderMode(const std::filesystem::path& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

// VARMIO_HIVE winning over the config folders is what every e2e run relies on: varmio-replay
// and varmio-reg find the sandbox store through it while XDG_CONFIG_HOME points elsewhere.
TEST(HiveLocationTest, XdgConfigHomeThenHomeWithPrivateFolders) {
    TempDir dir;
    ScopedEnv hive("VARMIO_HIVE", nullptr);
    ScopedEnv home("HOME", dir.path().c_str());
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", (dir.path() / "xdg").c_str());
        EXPECT_EQ(defaultHivePath(), dir.path() / "xdg" / "varmio" / "registry.db");
        EXPECT_EQ(folderMode(dir.path() / "xdg"), 0700u);
        EXPECT_EQ(folderMode(dir.path() / "xdg" / "varmio"), 0700u);
    }
    ScopedEnv relativeXdg("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(defaultHivePath(), dir.path() / ".config" / "varmio" / "registry.db");
    EXPECT_EQ(folderMode(dir.path() / ".config" / "varmio"), 0700u);
}

}  // namespace
}  // namespace varmio
