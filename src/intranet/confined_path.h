#pragma once

#include <sys/types.h>

#include <string>

namespace varmio {

// The one rule for every file and folder the intranet code writes, makes or deletes. Records lie
// in a shared folder and can be damaged, hand-edited or planted, so the paths built from them
// are hostile: a path (absolute, or relative to the current folder) must lie strictly inside
// the root folder, below it only through plain names (no "", "." or "..") none of which is a
// symbolic link (a folder reached through one counts as outside), and must not be the current
// folder.
//
// The root is resolved once, so a run of many writes (every index page of an intranet) pays
// for it once; each check still makes sure the resolved root is the same folder as then.
class ConfinedRoot {
  public:
    explicit ConfinedRoot(const std::string& root);

    // `path` with the root resolved; throws RuntimeError 70 for any path the rule refuses, the
    // root itself, its parent or an empty path, and for every path when the root is no folder.
    std::string path(const std::string& path) const;

  private:
    std::string given_;     // as the user chose it, without final separators
    std::string resolved_;  // every link resolved; "" when the root is no folder
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// The rule for a single path.
std::string confinedPath(const std::string& root, const std::string& path);

}  // namespace varmio
