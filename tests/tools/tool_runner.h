#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace varmio {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a built tool with these arguments, stdin empty and VARMIO_HIVE unset, in `workDir` (which
// also keeps the captured output).
ToolRun runTool(const std::string& tool, const std::vector<std::string>& args,
                const std::filesystem::path& workDir);

}  // namespace varmio
