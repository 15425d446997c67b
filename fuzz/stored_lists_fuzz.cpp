// The stored lists start-up restores (histories, link pairs, a flag and a file) and the history
// test that decides whether a typed text is added.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "wizard/form.h"
#include "wizard/history.h"

using varmio::fuzz::check;

namespace {

// The entries joined again give the stored text, with the final "|" a fragment lacked.
void checkSplit(std::string_view stored, char separator) {
    std::string joined;
    for (const auto& entry : varmio::splitList(stored, separator)) {
        check(entry.find(separator) == std::string::npos, "an entry holds no separator");
        joined += entry + separator;
    }
    const bool ended = stored.empty() || stored.back() == separator;
    check(joined == (ended ? std::string(stored) : std::string(stored) + separator),
          "a stored list splits into its entries");
}

void restoreControls(const std::string& stored) {
    varmio::Form form("frm_fuzz");
    varmio::ComboBox box(form, "cmb_history");
    box.fillFromList(stored);
    check(box.items == varmio::splitList(stored), "a combo box lists every entry");

    // Link lists: description, address, description, address, ...
    varmio::ListView links(form, "lvwLinks_top");
    const auto entries = varmio::splitList(stored);
    for (std::size_t i = 0; i < entries.size(); i += 2)
        links.add(entries[i]).setSubItem(1, i + 1 < entries.size() ? entries[i + 1] : "");
    check(links.rows.size() == (entries.size() + 1) / 2, "a row per pair");

    // A flag and a file: the flag converts as the run time would, out of range fails the step.
    varmio::CheckBox flag(form, "chk_HTMLfoot");
    auto fields = varmio::splitList(stored);
    fields.resize(2);
    try {
        flag.setValue(varmio::toInteger(varmio::Val(fields[0])));
    } catch (const std::range_error&) {
    } catch (const varmio::RuntimeError&) {
    }
    check(flag.value() >= 0 && flag.value() <= 2, "a check box holds 0, 1 or 2");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string stored(reinterpret_cast<const char*>(data), size);
    checkSplit(stored, '|');
    checkSplit(stored, '\xFF');
    restoreControls(stored);

    // A text just added to a history occurs in it, so it is not added twice.
    const std::size_t half = size / 2;
    const std::string history = stored.substr(0, half);
    const std::string typed = stored.substr(half);
    for (const auto how : {varmio::Compare::Exact, varmio::Compare::IgnoreCase}) {
        const std::string after = history + typed + "|";
        check(varmio::occursIn(after, typed, how), "an added text occurs in its history");
        if (varmio::occursIn(history, typed, varmio::Compare::Exact))
            check(varmio::occursIn(history, typed, how), "exact implies ignoring case");
    }
    return 0;
}
