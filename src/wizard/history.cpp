#include "history.h"

#include "platform/basic_text.h"
#include "settings/settings.h"

namespace varmio {

bool occursIn(std::string_view stored, std::string_view text, Compare how) {
    if (stored.empty()) return false;
    return how == Compare::Exact ? contains(stored, text) : containsNoCase(stored, text);
}

bool appendToHistory(Settings& settings, std::string_view name, std::string_view text,
                     Compare how) {
    std::string stored = settings.ReadSetting("CONFIG", name);
    if (occursIn(stored, text, how)) return false;
    settings.WriteSetting("CONFIG", name, stored + std::string(text) + "|");
    return true;
}

bool appendNonEmptyToHistory(Settings& settings, std::string_view name, std::string_view text,
                             Compare how) {
    return !text.empty() && appendToHistory(settings, name, text, how);
}

}  // namespace varmio
