#pragma once

#include <string>

namespace varmio {

// The version stamp kept in CONFIG "MG_VERSION": major, minor and revision without separators.
inline std::string versionStamp() {
    return std::to_string(VARMIO_VERSION_MAJOR) + std::to_string(VARMIO_VERSION_MINOR) +
           std::to_string(VARMIO_VERSION_PATCH);
}

}  // namespace varmio
