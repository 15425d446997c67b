#include "hive_location.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "hive.h"
#include "xdg_folders.h"

namespace varmio {
namespace {

std::filesystem::path resolveHivePath() {
    if (std::string file = processEnvironment("VARMIO_HIVE"); !file.empty()) return file;
    if (std::string config = xdgBaseFolder(XdgBase::Config); !config.empty())
        return std::filesystem::path(config) / "varmio" / "registry.db";
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
