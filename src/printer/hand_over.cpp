#include "hand_over.h"

#include <cstdio>

#include "platform/basic_text.h"

namespace varmio::hand_over {

std::string converterSettingsText(Kind kind, int pages, std::string_view folder) {
    std::string text = "[settings]\r\n";
    if (kind == Kind::Pdf) {
        text += "pdf=1\r\n";
    } else {
        text += "pdf=0\r\npng=1\r\npag=" + std::to_string(pages) + "\r\n";
    }
    text += "htm=1\r\npat=" + std::string(folder) + "\r\n";
    return text;
}

std::string pageImageName(int page) {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.png", page);
    return name;
}

ConverterSettings readConverterSettings(std::string_view text) {
    ConverterSettings settings;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        if (!settings.found) {
            settings.found = lcase(line) == "[settings]";
            continue;
        }
        const std::string key = lcase(ltrim(line).substr(0, 3));
        const size_t eq = line.find('=');
        std::string value = trim(eq == std::string_view::npos ? line : line.substr(eq + 1));
        if (key == "pdf") {
            settings.pdf = Val(value) != 0;
        } else if (key == "pat") {
            if (value.ends_with('/')) value.pop_back();
            settings.folder = value;
        }
    }
    return settings;
}

}  // namespace varmio::hand_over
