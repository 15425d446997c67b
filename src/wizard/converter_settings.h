#pragma once

#include <string>

namespace varmio {

class WizardWindow;

// Reads the printer side's converter settings file into the window's variables, line by line
// in file order. Returns false when the file holds no "[settings]" line or cannot be read.
// `pathFolder` receives the folder of the produced files (key "pat") without a final separator;
// `pages` the number of page images (key "pag").
struct ConverterOutput {
    std::string pathFolder;
    long long pages = 0;
};
bool readConverterSettings(WizardWindow& w, const std::string& file, ConverterOutput& out);

// Page image names: the page number padded to three digits, then EndPack ("001.gif").
std::string pageImageName(long long page, const std::string& endPack);

}  // namespace varmio
