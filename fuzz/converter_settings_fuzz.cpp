// The converter settings file left for the driver mode, and the numbers start-up takes from it.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/basic_text.h"
#include "printer/hand_over.h"
#include "wizard/converter_settings.h"

using varmio::fuzz::check;
namespace hand_over = varmio::hand_over;

namespace {

// Start-up stores every number into an integer; out of range is a failing step.
void storeNumbers(const std::string& value) {
    const double number = varmio::Val(value);
    if (varmio::IsNumeric(value)) check(number == number, "a numeric text reads as a number");
    try {
        const int pages = varmio::toInteger(number, INT_MIN, varmio::kMaxPageImages);
        check(pages <= varmio::kMaxPageImages, "the page count keeps its bound");
        if (pages > 0)
            check(varmio::pageImageName(pages, ".png").size() >= 7, "page names have 3 digits");
    } catch (const std::range_error&) {
    }
    try {
        varmio::toInteger(number);
    } catch (const std::range_error&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto lines = hand_over::converterSettingsLines(text);
    const auto settings = hand_over::readConverterSettings(text);
    check(settings.found == lines.has_value(), "both readers find the same [settings] line");
    if (lines) {
        for (const auto& [key, value] : *lines) {
            check(key.size() <= 3 && key == varmio::lcase(key), "a key is three lowered letters");
            check(value == varmio::trim(value), "a value is trimmed");
            check(value.find_first_of("\r\n") == std::string::npos, "a value is one line");
            storeNumbers(value);
        }
    }

    // What the printer side writes for a folder, the wizard reads back.
    const std::string folder(text.substr(0, text.find_first_of("\r\n")));
    if (folder == varmio::trim(folder) && !folder.ends_with('/')) {
        const auto written = hand_over::converterSettingsText(hand_over::Kind::PageImages,
                                                              hand_over::kMaxPageImages, folder);
        const auto read = hand_over::readConverterSettings(written);
        check(read.found && !read.pdf && read.folder == folder, "the hand-over reads back");
    }
    return 0;
}
