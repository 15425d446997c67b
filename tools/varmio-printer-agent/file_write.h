#pragma once

#include <string>
#include <string_view>

namespace varmio {

// Writes `bytes` as the new file `path` (0600, replacing one that is there) and syncs it to
// disk, so that a full disk shows here rather than on a later flush. Returns 0 or the errno;
// on failure the file is removed.
int writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace varmio
