// reginst: imports a registry file into the settings store (the wizard starts it on first run).

#include <exception>
#include <iostream>

#include "import_command.h"
#include "tool_hive.h"

int main(int argc, char** argv) {
    using namespace varmio;
    const auto line = parseToolCommandLine(argc, argv);
    if (!line || line->words.size() != 1) {
        std::cerr << "usage: reginst [--hive FILE] FILE.reg\n";
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
