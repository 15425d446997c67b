#include "settings/language.h"

namespace varmio {

std::string GetText(const Settings& settings, std::string_view key) {
    const std::string language = settings.ReadConfigRaw("LANGUAGE");
    std::string text = settings.ReadSetting("LANGUAGE\\" + language, key);
    return text.empty() ? notFoundText(key) : text;
}

std::string notFoundText(std::string_view key) {
    return "Requested text : " + std::string(key) + " not found.";
}

}  // namespace varmio
