#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sqlite_hive.h"

namespace varmio {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailed = 1;  // absent key or value, skipped lines, cancelled
inline constexpr int kExitUsage = 2;   // bad command line, or the hive cannot be used

struct ToolCommandLine {
    std::optional<std::filesystem::path> hive;  // from --hive FILE
    std::vector<std::string> words;             // everything else, in order
};

// Splits off a leading "--hive FILE" (or "--hive=FILE"); nullopt when FILE is missing.
std::optional<ToolCommandLine> parseToolCommandLine(int argc, char** argv);

// Opens the named hive, else the default one (VARMIO_HIVE, then the per-user file). Reports a
// failure on `err` naming the file and the reason, and then gives nullptr.
std::unique_ptr<SqliteHive> openToolHive(const std::optional<std::filesystem::path>& file,
                                         std::ostream& err);

}  // namespace varmio
