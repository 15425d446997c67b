#include "file_names.h"

#include "platform/basic_text.h"
#include "platform/files.h"

namespace varmio {

SplitPath splitPath(std::string_view path) {
    size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string_view::npos) return {"", std::string(path)};
    return {std::string(path.substr(0, slash + 1)), std::string(path.substr(slash + 1))};
}

bool hasQuestionMark(const SplitPath& path) {
    return contains(path.folder, "?") || contains(path.name, "?");
}

int IsItIMG(std::string_view FileName) {
    static constexpr std::string_view kEndings[] = {".gif", ".jpg",  ".peg",   ".png",
                                                    ".jpe", ".jfif", ".pjpeg", ".pjp"};
    std::string lowered = lcase(FileName);
    for (std::string_view ending : kEndings)
        if (endsWith(lowered, ending)) return 1;
    return 0;
}

bool leavesFolder(std::string_view relativePath) {
    if (relativePath.starts_with('/')) return true;
    size_t start = 0;
    while (start <= relativePath.size()) {
        size_t end = relativePath.find('/', start);
        if (end == std::string_view::npos) end = relativePath.size();
        if (relativePath.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

}  // namespace varmio
