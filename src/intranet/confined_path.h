#pragma once

#include <string>

namespace varmio {

// The one rule for every file and folder the intranet code writes, makes or deletes. Records lie
// in a shared folder and can be damaged, hand-edited or planted, so the paths built from them
// are hostile: `path` (absolute, or relative to the current folder) must lie strictly inside
// the folder `root`, below it only through plain names (no "", "." or "..") none of which is a
// symbolic link (a folder reached through one counts as outside), and must not be the current
// folder. Returns the path with the root resolved; throws RuntimeError 70 for any other path,
// the root itself, its parent or an empty path.
std::string confinedPath(const std::string& root, const std::string& path);

}  // namespace varmio
