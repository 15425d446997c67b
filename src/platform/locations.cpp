#include "locations.h"

#include "system_info.h"
#include "xdg_folders.h"

namespace varmio {

namespace {
std::string dataHome(const SystemInfo& system) {
    std::string folder = xdgBaseFolder(
        XdgBase::Data, [&](std::string_view name) { return system.environment(name); });
    return folder.empty() ? "/tmp/.local/share" : folder;
}

std::string withoutFinalSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}
}  // namespace

std::string defaultWindowsFolder(const SystemInfo& system) {
    return dataHome(system) + "/varmio/printer";
}

std::string defaultProgramFolder(const SystemInfo& system) {
    return dataHome(system) + "/varmio";
}

std::string windowsFolder(const SystemInfo& system) {
    std::string windir = system.environment("WINDIR");
    return (windir.empty() || windir == "\\" || windir == "/") ? defaultWindowsFolder(system)
                                                               : windir;
}

std::string programFolder(const SystemInfo& system) {
    std::string home = system.environment("VARMIO_HOME");
    return withoutFinalSeparator(home.empty() ? defaultProgramFolder(system) : home);
}

}  // namespace varmio
