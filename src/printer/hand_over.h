#pragma once

#include <string>
#include <string_view>

// The hand-over from the printer side to the wizard's driver mode: the produced files in one
// folder and the converter settings file "varmiocv.ini" in the Windows folder, written the way
// the wizard's start-up reads it.
namespace varmio::hand_over {

inline constexpr std::string_view kSettingsFile = "varmiocv.ini";
inline constexpr std::string_view kPdfName = "tmp.pdf";
// Three digits name the page images: more pages have no names.
inline constexpr int kMaxPageImages = 999;

enum class Kind { Pdf, PageImages };

// "[settings]", then pdf=1 (or pdf=0, png=1 and pag=N), htm=1 and pat=FOLDER; lines end in CR LF.
std::string converterSettingsText(Kind kind, int pages, std::string_view folder);

// Page image names: "001.png", "002.png", ...
std::string pageImageName(int page);

// What varmpdf needs from a converter settings file, read by the wizard's rules: nothing counts
// before the "[settings]" line, a key is its line's first three characters (lowered, leading
// blanks dropped), the value is trimmed, and a later line wins.
struct ConverterSettings {
    bool found = false;  // a "[settings]" line was there
    bool pdf = false;    // "pdf" is not 0
    std::string folder;  // "pat", without one final separator
};
ConverterSettings readConverterSettings(std::string_view text);

}  // namespace varmio::hand_over
