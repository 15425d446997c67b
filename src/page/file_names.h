#pragma once

#include <string>
#include <string_view>

namespace varmio {

// 1 when the file name ends like a picture the browser shows, else 0.
int IsItIMG(std::string_view FileName);

struct SplitPath {
    std::string folder;  // up to and including the last separator; "" when there is none
    std::string name;
};
SplitPath splitPath(std::string_view path);
// A folder or name holding "?" is no file: it adds no row and links no image.
bool hasQuestionMark(const SplitPath& path);

// Whether a typed name, read below a folder, leads out of it: an absolute path or a ".." part.
// The page file name is typed by the user: such a name is no page file the program may write or
// delete.
bool leavesFolder(std::string_view relativePath);

}  // namespace varmio
