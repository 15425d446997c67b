#pragma once

#include <filesystem>

namespace varmio {

// The hive used when none is named: $VARMIO_HIVE, else $XDG_CONFIG_HOME/varmio/registry.db, else
// $HOME/.config/varmio/registry.db. Missing folders on the way are created private (0700); the
// file itself is made by SqliteHive. Throws HiveError when no location can be found or made.
std::filesystem::path defaultHivePath();

}  // namespace varmio
