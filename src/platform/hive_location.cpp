#include "hive_location.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hive.h"

namespace varmio {
namespace {

std::filesystem::path environmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path resolveHivePath() {
    if (auto explicitFile = environmentPath("VARMIO_HIVE"); !explicitFile.empty()) {
        return explicitFile;
    }
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (auto config = environmentPath("XDG_CONFIG_HOME"); config.is_absolute()) {
        return config / "varmio" / "registry.db";
    }
    if (auto home = environmentPath("HOME"); !home.empty()) {
        return home / ".config" / "varmio" / "registry.db";
    }
    throw HiveError("registry.db", "no hive location: neither VARMIO_HIVE nor HOME is set");
}

void createFolders(const std::filesystem::path& folder, const std::filesystem::path& hive) {
    std::error_code ignored;
    if (folder.empty() || std::filesystem::is_directory(folder, ignored)) return;
    createFolders(folder.parent_path(), hive);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        throw HiveError(
            hive, "cannot create the folder " + folder.string() + ": " + std::strerror(errno));
    }
}

}  // namespace

std::filesystem::path defaultHivePath() {
    auto file = resolveHivePath();
    createFolders(file.parent_path(), file);
    return file;
}

}  // namespace varmio
