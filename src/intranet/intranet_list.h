#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varmio {

// One entry of the intranet list (CONFIG "MYINTRA").
struct IntranetEntry {
    std::string name;
    std::string root;
    std::string extra;
};
// Records of name, 0xFE, root, 0xFE, third field, 0xFF.
std::vector<IntranetEntry> parseIntranetList(std::string_view stored);

}  // namespace varmio
