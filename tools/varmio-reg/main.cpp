// varmio-reg: reads and changes the settings store from the shell, after the Windows reg command.

#include <exception>
#include <iostream>
#include <variant>

#include "command_line.h"
#include "commands.h"
#include "standard_options.h"
#include "tool_hive.h"

int main(int argc, char** argv) {
    using namespace varmio;
    const cli::Standard asked = cli::standardOption(cli::argumentsOf(argc, argv), true);
    if (asked != cli::Standard::None) return cli::answer(asked, "varmio-reg", kRegUsage);
    const auto line = parseToolCommandLine(argc, argv);
    if (!line) {
        std::cerr << "ERROR: Invalid syntax: --hive needs a FILE\n" << kRegUsage;
        return kExitUsage;
    }
    if (!line->words.empty() && cli::isOption(line->words[0])) {
        std::cerr << "ERROR: Invalid syntax: unknown option " << line->words[0] << "\n"
                  << kRegUsage;
        return kExitUsage;
    }
    const auto command = parseRegCommand(line->words);
    if (const auto* problem = std::get_if<std::string>(&command)) {
        std::cerr << "ERROR: Invalid syntax: " << *problem << "\n" << kRegUsage;
        return kExitUsage;
    }
    const auto hive = openToolHive(line->hive, std::cerr);
    if (!hive) return kExitUsage;
    try {
        return runRegCommand(*hive, std::get<RegCommand>(command), std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "ERROR: " << error.what() << "\n";
        return kExitUsage;
    }
}
