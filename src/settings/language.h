#pragma once

#include <string>
#include <string_view>

#include "settings/settings.h"

namespace varmio {

// The text of `key` in the current language: CONFIG's "LANGUAGE" names the table below
// "LANGUAGE\\". Read afresh on every call, so a language switch needs no invalidation. A missing
// or blank text gives notFoundText(key), or for a caption of the program's own its English
// design-time text (own_texts.h).
std::string GetText(const Settings& settings, std::string_view key);

// "Requested text : " + key + " not found.", the key exactly as passed.
std::string notFoundText(std::string_view key);

}  // namespace varmio
