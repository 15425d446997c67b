#pragma once

// --help, --version and unknown options, answered alike by every program of ours: the answer
// goes to standard output with exit status 0 before anything else is done (no window, no
// settings store); an unknown option is named on standard error with exit status 2.

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace varmio::cli {

inline constexpr int kExitUsage = 2;
inline constexpr std::string_view kVersion = VARMIO_VERSION_TEXT;

enum class Standard { None, Help, Version };

inline bool isOption(std::string_view word) {
    return word.size() > 1 && word[0] == '-';
}

// Which answer the arguments ask for. Options end at "--"; with `leadingOnly` also at the first
// word that is no option, so that the words of a command ("/d --help") stay its own.
inline Standard standardOption(const std::vector<std::string>& words, bool leadingOnly) {
    for (const std::string& word : words) {
        if (word == "--") break;
        if (word == "--help" || word == "-h") return Standard::Help;
        if (word == "--version") return Standard::Version;
        if (leadingOnly && !isOption(word)) break;
    }
    return Standard::None;
}

inline std::vector<std::string> argumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// Prints the answer `which` asks for; `usage` is the whole --help text.
inline int answer(Standard which, std::string_view program, std::string_view usage) {
    if (which == Standard::Version)
        std::cout << program << " (Varmio Publish Wizard) " << kVersion << "\n";
    else
        std::cout << usage;
    return 0;
}

inline int usageError(std::string_view program, std::string_view problem, std::string_view usage) {
    std::cerr << program << ": " << problem << "\n" << usage;
    return kExitUsage;
}

}  // namespace varmio::cli
