#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// The most page images a print job may announce ("pag"): a larger count is a failing step, so a
// damaged settings file cannot make start-up list millions of rows.
inline constexpr int kMaxPageImages = 10000;

// What the converter settings say about the produced files.
struct ConverterOutput {
    std::string pathFolder;  // their folder (key "pat"), without a final separator
    long long pages = 0;     // the number of page images (key "pag")
};

// Reads the printer side's converter settings file into the window's variables and `out`, line
// by line in file order. Returns false when the file holds no "[settings]" line or cannot be
// read.
bool readConverterSettings(WizardWindow& w, const std::string& file, ConverterOutput& out);

// Page image names: the page number padded to three digits, then EndPack ("001.gif").
std::string pageImageName(long long page, const std::string& endPack);

}  // namespace varmio
