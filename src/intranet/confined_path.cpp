#include "confined_path.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/errors.h"
#include "platform/files.h"

namespace varmio {

namespace {

[[noreturn]] void outside() {
    throw RuntimeError(errnum::kPermissionDenied, "Permission denied");
}

bool sameFolder(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The path with every link resolved; "" when it cannot be resolved.
std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

// The name that starts at `from` and the position after its separator.
std::string nameAt(const std::string& path, size_t& from) {
    size_t end = path.find(kPathSeparator, from);
    if (end == std::string::npos) end = path.size();
    std::string name = path.substr(from, end - from);
    from = end + 1;
    return name;
}

// Where the names below `prefix` start in `path`, when `path` begins with it; 0 otherwise.
size_t startBelow(const std::string& path, const std::string& prefix) {
    const bool below = !prefix.empty() && path.size() > prefix.size() &&
                       path.compare(0, prefix.size(), prefix) == 0 &&
                       (prefix.back() == kPathSeparator || path[prefix.size()] == kPathSeparator);
    return below ? prefix.size() + (prefix.back() == kPathSeparator ? 0 : 1) : 0;
}

}  // namespace

ConfinedRoot::ConfinedRoot(const std::string& root) : given_(root) {
    while (given_.size() > 1 && given_.back() == kPathSeparator)
        given_.pop_back();
    struct stat info {};
    if (given_.empty() || ::stat(given_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return;
    resolved_ = resolved(given_);
    device_ = info.st_dev;
    inode_ = info.st_ino;
}

std::string ConfinedRoot::path(const std::string& path) const {
    struct stat rootInfo {};
    // A NUL byte would cut the path short where the system reads it. The root is checked again
    // by identity: a folder swapped in since would be a different place.
    if (resolved_.empty() || path.empty() || path.size() >= PATH_MAX ||
        path.find('\0') != std::string::npos || ::stat(resolved_.c_str(), &rootInfo) != 0 ||
        rootInfo.st_dev != device_ || rootInfo.st_ino != inode_)
        outside();
    const std::string full =
        path.front() == kPathSeparator ? path : joinPath(currentFolder(), path);

    // Where the root ends in the path: after the root as written, the usual case, or else after
    // the shortest leading part that is the root folder (the root's own path may pass through
    // links and ".."; it is the user's choice, not a record's).
    size_t next = startBelow(full, given_);
    if (next == 0) next = startBelow(full, resolved_);
    if (next == 0) {
        // Once a leading part does not exist, no longer one does: the system resolves a path
        // name by name, ".." included.
        std::string prefix(1, kPathSeparator);
        next = 1;
        for (struct stat info{};; prefix = joinPath(prefix, nameAt(full, next))) {
            if (::stat(prefix.c_str(), &info) != 0) outside();
            if (sameFolder(info, rootInfo)) break;
            if (next >= full.size()) outside();
        }
    }

    // Below the root: plain names only, none of them a link; a final separator is allowed.
    // Nothing lies below a name that does not exist, so the names after it are not looked up.
    std::string inside = resolved_;
    size_t names = 0;
    struct stat info {};
    bool exists = true;
    while (next <= full.size()) {
        const bool last = full.find(kPathSeparator, next) == std::string::npos;
        const std::string name = nameAt(full, next);
        if (name.empty() && last && names > 0) break;
        if (name.empty() || name == "." || name == "..") outside();
        if (inside.back() != kPathSeparator) inside += kPathSeparator;
        inside += name;
        ++names;
        if (!exists) continue;
        exists = ::lstat(inside.c_str(), &info) == 0;
        if (exists ? S_ISLNK(info.st_mode) : errno != ENOENT) outside();
    }
    if (names == 0) outside();
    // Only a folder that is the current one by device and inode can be it by resolved path;
    // resolving the current folder, far dearer, is left to that case.
    struct stat current {};
    if (exists && S_ISDIR(info.st_mode) && ::stat(".", &current) == 0 &&
        sameFolder(info, current) && inside == resolved(currentFolder()))
        outside();
    return inside;
}

std::string confinedPath(const std::string& root, const std::string& path) {
    return ConfinedRoot(root).path(path);
}

}  // namespace varmio
