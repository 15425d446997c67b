#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One line of a converter settings file: its key is the line's first three characters (leading
// blanks dropped, lowered), its value the text after the first "=", trimmed.
struct ConverterLine {
    std::string key;
    std::string value;
};
// The lines after the "[settings]" line, in file order; lines may end in CR LF, CR or LF.
// nullopt when no line reads "[settings]" (compared lowered, untrimmed).
std::optional<std::vector<ConverterLine>> converterSettingsLines(std::string_view text);

// What varmpdf needs from a converter settings file: a later line wins.
struct ConverterSettings {
    bool found = false;  // a "[settings]" line was there
    bool pdf = false;    // "pdf" is not 0
    std::string folder;  // "pat", without one final separator
};
ConverterSettings readConverterSettings(std::string_view text);

}  // namespace varmio::hand_over
