#include "converter_settings.h"

#include <cstdio>

#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "platform/steps.h"
#include "printer/hand_over.h"
#include "wizard_window.h"

namespace varmio {

bool readConverterSettings(WizardWindow& w, const std::string& file, ConverterOutput& out) {
    if (!fileExists(file)) return false;
    auto lines = hand_over::converterSettingsLines(readFileText(file).value_or(""));
    if (!lines) return false;
    // Named members, not a structured binding: clang before 16 cannot capture one in a lambda.
    for (hand_over::ConverterLine& line : *lines) {
        const std::string& key = line.key;
        std::string& value = line.value;
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
    return true;
}

std::string pageImageName(long long page, const std::string& endPack) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%03lld", page);
    return digits + endPack;
}

}  // namespace varmio
