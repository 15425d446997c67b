#include "converter_settings.h"

#include <cstdio>

#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/steps.h"
#include "wizard_window.h"

namespace varmio {

namespace {

// The printer side may end its lines with CR LF, CR or LF.
std::vector<std::string> readAnyLines(const std::string& file) {
    const std::string all = readFileText(file).value_or("");
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < all.size(); ++i) {
        char c = all[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n') ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

}  // namespace

bool readConverterSettings(WizardWindow& w, const std::string& file, ConverterOutput& out) {
    if (!fileExists(file)) return false;
    bool reading = false;
    for (const std::string& line : readAnyLines(file)) {
        if (!reading) {
            reading = lcase(line) == "[settings]";
            continue;
        }
        std::string key = lcase(ltrim(line).substr(0, 3));
        size_t eq = line.find('=');
        std::string value = trim(eq == std::string::npos ? line : line.substr(eq + 1));
        double number = Val(value);
        tryStep([&] {
            if (key == "gif") {
                if (number != 0) w.EndPack = ".gif";
            } else if (key == "pag") {
                out.pages = toInteger(number, INT_MIN, kMaxPageImages);
            } else if (key == "cpn" || key == "png") {
                if (number != 0) w.EndPack = ".png";
            } else if (key == "htm") {
                w.isHTML = toInteger(number);
            } else if (key == "pdf") {
                w.isPDF = toInteger(number);
                if (number != 0) {
                    w.EndPack = ".pdf";
                    w.shell().startHidden(w.programFolder() + "/varmpdf");
                }
            } else if (key == "pat") {
                if (endsWith(value, "/")) value.pop_back();
                out.pathFolder = value;
            }
        });
    }
    return reading;
}

std::string pageImageName(long long page, const std::string& endPack) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%03lld", page);
    return digits + endPack;
}

}  // namespace varmio
