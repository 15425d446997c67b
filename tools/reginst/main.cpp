// reginst: imports a registry file into the settings store (the wizard starts it on first run).

#include <exception>
#include <iostream>

#include "import_command.h"
#include "standard_options.h"
#include "tool_hive.h"

namespace {

constexpr const char* kUsage =
    "usage: reginst [--hive FILE] FILE.reg\n"
    "Imports a registry file into the settings store (VARMIO_HIVE, else the per-user store,\n"
    "or FILE of --hive). Exit status 1 when a line was skipped.\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace varmio;
    const cli::Standard asked = cli::standardOption(cli::argumentsOf(argc, argv), true);
    if (asked != cli::Standard::None) return cli::answer(asked, "reginst", kUsage);
    const auto line = parseToolCommandLine(argc, argv);
    if (line && !line->words.empty() && cli::isOption(line->words[0]))
        return cli::usageError("reginst", "unknown option " + line->words[0], kUsage);
    if (!line || line->words.size() != 1) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const auto hive = openToolHive(line->hive, std::cerr);
    if (!hive) return kExitUsage;
    try {
        return importRegFileCommand(*hive, line->words[0], std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "ERROR: " << error.what() << "\n";
        return kExitUsage;
    }
}
