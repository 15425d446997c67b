#include "tool_hive.h"

#include <ostream>

#include "platform/basic_text.h"
#include "platform/hive_location.h"

namespace varmio {

std::optional<ToolCommandLine> parseToolCommandLine(int argc, char** argv) {
    ToolCommandLine line;
    line.words.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!line.words.empty() && line.words.front() == "--hive") {
        if (line.words.size() < 2) return std::nullopt;
        line.hive = line.words[1];
        line.words.erase(line.words.begin(), line.words.begin() + 2);
    } else if (!line.words.empty() && startsWith(line.words.front(), "--hive=")) {
        line.hive = line.words.front().substr(7);
        line.words.erase(line.words.begin());
    }
    if (line.hive && line.hive->empty()) return std::nullopt;
    return line;
}

std::unique_ptr<SqliteHive> openToolHive(const std::optional<std::filesystem::path>& file,
                                         std::ostream& err) {
    try {
        return std::make_unique<SqliteHive>(file ? *file : defaultHivePath());
    } catch (const HiveError& error) {
        err << "ERROR: cannot use the hive " << error.file().string() << ": " << error.reason()
            << "\n";
        return nullptr;
    }
}

}  // namespace varmio
