#include "ftp_listing.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "basic_text.h"

namespace varmio {

namespace {

struct Word {
    std::string_view text;
    size_t end;  // offset just after the word in its line
};

std::vector<Word> splitWords(std::string_view line) {
    std::vector<Word> words;
    for (size_t pos = 0; pos < line.size();) {
        size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        size_t end = std::min(line.find(' ', start), line.size());
        words.push_back({line.substr(start, end - start), end});
        pos = end;
    }
    return words;
}

bool allDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

bool isMonth(std::string_view word) {
    static constexpr std::string_view kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    for (std::string_view month : kMonths)
        if (equalsNoCase(word, month)) return true;
    return false;
}

bool isTimeOrYear(std::string_view word) {
    size_t colon = word.find(':');
    if (colon == std::string_view::npos) return word.size() == 4 && allDigits(word);
    return allDigits(word.substr(0, colon)) && allDigits(word.substr(colon + 1));
}

// "01-15-24" or "01-15-2024" (also with "/"), as DOS-style listings start.
bool isDosDate(std::string_view word) {
    if (word.size() != 8 && word.size() != 10) return false;
    auto separator = [](char c) { return c == '-' || c == '/'; };
    return allDigits(word.substr(0, 2)) && separator(word[2]) && allDigits(word.substr(3, 2)) &&
           separator(word[5]) && allDigits(word.substr(6));
}

struct ListEntry {
    std::string name;
    bool folder = false;
};

std::optional<ListEntry> parseListLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    if (line.empty() || startsWith(line, "total ")) return std::nullopt;
    const std::vector<Word> words = splitWords(line);
    auto nameAfter = [&](size_t word) {
        std::string_view rest = line.substr(words[word].end);
        return rest.substr(std::min(rest.find_first_not_of(' '), rest.size()));
    };

    ListEntry entry;
    if (words.size() >= 4 && isDosDate(words[0].text)) {
        entry.folder = words[2].text == "<DIR>";
        entry.name = nameAfter(2);
    } else if (words.size() >= 4 && words[0].text.size() >= 10 &&
               std::strchr("-dlbcps", words[0].text[0])) {
        // Owner and group columns vary between servers; the date is the reliable landmark.
        size_t last = 0;
        for (size_t i = 1; i + 3 < words.size() && last == 0; ++i)
            if (isMonth(words[i].text) && allDigits(words[i + 1].text) &&
                isTimeOrYear(words[i + 2].text))
                last = i + 2;
        if (last == 0) {
            if (words.size() < 9) return std::nullopt;
            last = 7;
        }
        std::string_view name = nameAfter(last);
        if (words[0].text[0] == 'l') name = name.substr(0, name.find(" -> "));
        entry.folder = words[0].text[0] == 'd';
        entry.name = name;
    } else {
        entry.name = line;  // a bare list of names
    }
    if (entry.name == "." || entry.name == "..") entry.folder = true;
    if (entry.name.empty()) return std::nullopt;
    return entry;
}

}  // namespace

std::string listingText(std::string_view listOutput) {
    std::string text;
    for (size_t start = 0; start < listOutput.size();) {
        size_t end = listOutput.find('\n', start);
        if (end == std::string_view::npos) end = listOutput.size();
        if (auto entry = parseListLine(listOutput.substr(start, end - start)))
            text += entry->name + (entry->folder ? "/" : "") + "\r\n";
        start = end + 1;
    }
    return text;
}

}  // namespace varmio
