#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace varmio {

// Reads an environment variable; "" when unset.
using EnvironmentLookup = std::function<std::string(std::string_view name)>;
std::string processEnvironment(std::string_view name);

enum class XdgBase { Config, Data };

// $XDG_CONFIG_HOME or $XDG_DATA_HOME; a relative value is ignored, as the XDG rules require, for
// ~/.config or ~/.local/share. "" when neither the variable nor HOME is usable.
std::string xdgBaseFolder(XdgBase base, const EnvironmentLookup& lookup = processEnvironment);

}  // namespace varmio
