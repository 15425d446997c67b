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

std::optional<std::vector<ConverterLine>> converterSettingsLines(std::string_view text) {
    std::optional<std::vector<ConverterLine>> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        if (!lines) {
            if (lcase(line) == "[settings]") lines.emplace();
            continue;
        }
        const size_t eq = line.find('=');
        lines->push_back({lcase(ltrim(line).substr(0, 3)),
                          trim(eq == std::string_view::npos ? line : line.substr(eq + 1))});
    }
    return lines;
}

ConverterSettings readConverterSettings(std::string_view text) {
    ConverterSettings settings;
    const auto lines = converterSettingsLines(text);
    if (!lines) return settings;
    settings.found = true;
    for (const auto& [key, value] : *lines) {
        if (key == "pdf") {
            settings.pdf = Val(value) != 0;
        } else if (key == "pat") {
            settings.folder = value.ends_with('/') ? value.substr(0, value.size() - 1) : value;
        }
    }
    return settings;
}

}  // namespace varmio::hand_over
