#include "basic_text.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace varmio {

namespace {
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

std::string lcase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

std::string ucase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = upperAscii(c);
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

bool contains(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle) != std::string_view::npos;
}

bool containsNoCase(std::string_view haystack, std::string_view needle) {
    return contains(lcase(haystack), lcase(needle));
}

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

bool hasCommandBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string percentEncode(std::string_view s, std::string_view kept) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (alnum || kept.find(static_cast<char>(c)) != std::string_view::npos) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string trim(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string ltrim(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

namespace {
// Length of the number at the start of `s` (after `start`), 0 when none.
size_t numberLength(std::string_view s, size_t start) {
    size_t i = start;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i - start;
}
}  // namespace

double Val(std::string_view s) {
    size_t start = s.find_first_not_of(" \t");
    if (start == std::string_view::npos) return 0;
    size_t len = numberLength(s, start);
    if (len == 0) return 0;
    return std::strtod(std::string(s.substr(start, len)).c_str(), nullptr);
}

bool IsNumeric(std::string_view s) {
    std::string t = trim(s);
    return !t.empty() && numberLength(t, 0) == t.size();
}

long long roundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

int toInteger(double value, int low, int high) {
    // Checked before the conversion: a cast of an out-of-range double is undefined.
    double rounded = std::nearbyint(value);
    if (!(rounded >= low && rounded <= high)) throw std::range_error("Overflow");
    return static_cast<int>(rounded);
}

std::vector<std::string> splitList(std::string_view stored, char separator) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < stored.size()) {
        size_t sep = stored.find(separator, pos);
        if (sep == std::string_view::npos) {
            out.emplace_back(stored.substr(pos));
            break;
        }
        out.emplace_back(stored.substr(pos, sep - pos));
        pos = sep + 1;
    }
    return out;
}

}  // namespace varmio
