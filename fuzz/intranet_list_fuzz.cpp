// The stored list of intranets (CONFIG "MYINTRA": name \xFE root \xFE extra \xFF ...).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "intranet/intranet_list.h"
#include "platform/basic_text.h"
#include "platform/files.h"

using varmio::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stored(reinterpret_cast<const char*>(data), size);
    const auto entries = varmio::parseIntranetList(stored);
    check(entries.size() == varmio::splitList(stored, '\xFF').size(), "an entry per record");
    for (const auto& entry : entries) {
        for (const std::string* field : {&entry.name, &entry.root, &entry.extra})
            check(field->find_first_of("\xFE\xFF") == std::string::npos,
                  "a field holds no separator");
        // The choice compares roots this way to pick the current intranet's name.
        check(varmio::withFinalSeparator(entry.root).ends_with('/'), "a root ends in /");
    }
    return 0;
}
