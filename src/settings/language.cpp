#include "settings/language.h"

#include "own_texts.h"

namespace varmio {

std::string GetText(const Settings& settings, std::string_view key) {
    const std::string language = settings.ReadConfigRaw("LANGUAGE");
    std::string text = settings.ReadSetting("LANGUAGE\\" + language, key);
    if (!text.empty()) return text;
    std::string_view own = ownDesignText(key);
    return own.empty() ? notFoundText(key) : std::string(own);
}

std::string notFoundText(std::string_view key) {
    return "Requested text : " + std::string(key) + " not found.";
}

}  // namespace varmio
