#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varmio {

// The language texts of a progress line: "File %1 of %2: %3", "%1 of %2 MB sent" and the
// decimal separator.
struct ProgressTexts {
    std::string file;
    std::string bytes;
    std::string decimalSeparator;
};

// "File 2 of 5: report.pdf" and, on a line of its own, "1.5 of 20.0 MB sent". Without files
// (a mail is one message) the bytes only; without a known total, the bytes sent so far.
std::string progressText(const ProgressTexts& texts, size_t file, size_t files,
                         std::string_view name, std::uint64_t bytes, std::uint64_t total);

// `text` with %1, %2, ... replaced by the arguments, in one pass (an argument holding "%2"
// stays as it is).
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace varmio
