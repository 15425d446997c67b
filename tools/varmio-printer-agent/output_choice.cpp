#include "output_choice.h"

#include <algorithm>

#include "platform/basic_text.h"
#include "settings/settings.h"

namespace varmio {

OutputChoice readOutputChoice(const Settings& settings) {
    OutputChoice choice;
    if (lcase(trim(settings.ReadSetting("CONFIG", kOutputSetting))) == "png")
        choice.kind = hand_over::Kind::PageImages;
    const double dpi = Val(settings.ReadSetting("CONFIG", kDpiSetting));
    if (dpi != 0) choice.dpi = static_cast<int>(std::clamp<double>(dpi, kMinDpi, kMaxDpi));
    return choice;
}

void writeOutputChoice(Settings& settings, const OutputChoice& choice) {
    settings.WriteSetting("CONFIG", kOutputSetting,
                          choice.kind == hand_over::Kind::PageImages ? "png" : "pdf");
    settings.WriteSetting("CONFIG", kDpiSetting, std::clamp(choice.dpi, kMinDpi, kMaxDpi));
}

}  // namespace varmio
