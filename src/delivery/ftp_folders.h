#pragma once

#include <string>
#include <string_view>
#include <vector>

// The remote folder rules of the FTP pages: the folder path, its rows and the listing they come
// from.
namespace varmio {

// The first folder row when the path is not empty: it leads one folder up.
inline constexpr std::string_view kBackRow = "[Back]";

// A row in brackets ("[" first, its first "]" last) is the way back.
bool isBackRow(std::string_view text);

// The path one folder up: cut after the last "/" short of the final character, so "a/b/" gives
// "a/" and "a/" gives "" (a final part without "/" is dropped as well).
std::string parentPath(const std::string& path);

struct FolderRows {
    std::vector<std::string> folders;
    bool complete = true;  // false: a last line without CR LF ended the walk
};

// The sub-folders of a "DIR *" listing: its CR LF ended lines holding "/" but not "./" (which
// marks the current and the parent folder), as they are written.
FolderRows folderRows(std::string_view listing);

}  // namespace varmio
