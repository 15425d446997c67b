#include "xdg_folders.h"

#include <cstdlib>

namespace varmio {

std::string processEnvironment(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    return value ? value : "";
}

std::string xdgBaseFolder(XdgBase base, const EnvironmentLookup& lookup) {
    const bool config = base == XdgBase::Config;
    std::string folder = lookup(config ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME");
    if (!folder.empty() && folder.front() == '/') return folder;
    std::string home = lookup("HOME");
    if (home.empty()) return "";
    return home + (config ? "/.config" : "/.local/share");
}

}  // namespace varmio
