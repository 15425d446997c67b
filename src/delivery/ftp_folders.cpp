#include "ftp_folders.h"

#include "platform/basic_text.h"

namespace varmio {

bool isBackRow(std::string_view text) {
    return startsWith(text, "[") && text.find(']') == text.size() - 1;
}

std::string parentPath(const std::string& path) {
    if (path.size() < 2) return std::string();
    const size_t slash = path.find_last_of('/', path.size() - 2);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

FolderRows folderRows(std::string_view listing) {
    FolderRows rows;
    while (!listing.empty() && listing != "\r\n") {
        const size_t end = listing.find("\r\n");
        if (end == std::string_view::npos) {
            rows.complete = false;
            break;
        }
        const std::string_view line = listing.substr(0, end);
        if (contains(line, "/") && !contains(line, "./")) rows.folders.emplace_back(line);
        listing.remove_prefix(end + 2);
    }
    return rows;
}

}  // namespace varmio
