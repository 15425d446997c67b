// The registry file reader (varmio-reg import, reginst) on any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "platform/basic_text.h"
#include "settings/reg_file.h"

using varmio::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    // A key path in full form reads back as itself: the store gets exactly the key named.
    if (const auto full = varmio::fullKeyPath(content))
        check(varmio::fullKeyPath(*full) == full, "a full key path is its own full form");

    const auto file = varmio::parseRegFile(content);
    if (!file) return 0;
    int lastProblem = 0;
    for (const auto& problem : file->problems) {
        check(problem.line > lastProblem, "problems are reported in line order");
        check(!problem.reason.empty(), "a problem says why");
        lastProblem = problem.line;
    }
    for (const auto& edit : file->edits) {
        check(varmio::fullKeyPath(edit.keyPath) == edit.keyPath, "edits name keys in full form");
        // hex(N) data is taken as it is, so only the size says anything: a string's NUL, or
        // UTF-16 turned UTF-8, is all a value can grow by.
        check(edit.name.size() + edit.data.size() <= 2 * size + 1,
              "a value is no larger than its text");
    }
    return 0;
}
