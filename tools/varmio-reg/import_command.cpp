#include "import_command.h"

#include <fstream>
#include <iterator>
#include <ostream>

#include "settings/reg_file.h"
#include "tool_hive.h"

namespace varmio {

int importRegFileCommand(Hive& hive, const std::filesystem::path& file, std::ostream& err) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        err << "ERROR: cannot read " << file.string() << "\n";
        return kExitUsage;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto parsed = parseRegFile(content);
    if (!parsed) {
        err << "ERROR: " << file.string()
            << " is not a registry file (the first line must be REGEDIT4 or Windows Registry "
               "Editor Version 5.00)\n";
        return kExitUsage;
    }
    for (const auto& problem : parsed->problems) {
        err << file.string() << ":" << problem.line << ": line skipped: " << problem.reason << "\n";
    }
    try {
        applyRegFile(hive, *parsed);
    } catch (const std::exception& error) {
        err << "ERROR: nothing imported: " << error.what() << "\n";
        return kExitUsage;
    }
    return parsed->problems.empty() ? kExitSuccess : kExitFailed;
}

}  // namespace varmio
