#pragma once

#include <string_view>

#include "printer/hand_over.h"

namespace varmio {

class Settings;

// What the printer hands to the wizard, per user: the PDF document or page images at a
// resolution. Kept in the settings store as CONFIG PRINTER_OUTPUT ("pdf" or "png") and
// CONFIG PRINTER_DPI, so that varmio-reg changes them as well as the agent's dialog.
inline constexpr std::string_view kOutputSetting = "PRINTER_OUTPUT";
inline constexpr std::string_view kDpiSetting = "PRINTER_DPI";
inline constexpr int kDefaultDpi = 96;
inline constexpr int kMinDpi = 24;
inline constexpr int kMaxDpi = 600;

struct OutputChoice {
    hand_over::Kind kind = hand_over::Kind::Pdf;
    int dpi = kDefaultDpi;
};

// Unknown kinds read as PDF; a resolution out of range is brought into it.
OutputChoice readOutputChoice(const Settings& settings);
void writeOutputChoice(Settings& settings, const OutputChoice& choice);

}  // namespace varmio
