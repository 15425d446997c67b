#pragma once

#include <climits>

#include <string>
#include <string_view>
#include <vector>

// The run time's text and number rules that stored values and converter files rely on.
namespace varmio {

// ASCII lower / upper case (the store's names compare this way).
inline char lowerChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}
std::string lcase(std::string_view s);
std::string ucase(std::string_view s);
bool equalsNoCase(std::string_view a, std::string_view b);
// True when `needle` occurs in `haystack`; an empty needle occurs in every text.
bool contains(std::string_view haystack, std::string_view needle);
bool containsNoCase(std::string_view haystack, std::string_view needle);
bool endsWith(std::string_view s, std::string_view suffix);
bool startsWith(std::string_view s, std::string_view prefix);
std::string trim(std::string_view s);  // blanks only, both ends
// CR, LF or NUL: what ends a line of a network protocol (an FTP or SMTP command, a mail header).
bool hasCommandBreak(std::string_view s);
// Every byte but ASCII letters, digits and `kept` as %XX (upper-case hex), as URLs and RFC 2231
// values carry text.
std::string percentEncode(std::string_view s, std::string_view kept);
std::string ltrim(std::string_view s);  // leading blanks only

// The number at the start of a text, as the run time's Val reads it: leading blanks skipped,
// an optional sign, digits with an optional fraction and exponent; 0 when there is none.
double Val(std::string_view s);
// True when the whole text (blanks around it allowed) is one number.
bool IsNumeric(std::string_view s);
// Rounds to the nearest whole number, halves to even (the run time's rounding).
long long roundHalfEven(double value);
// A number stored into an integer, as the run time does it: rounded half to even; a value
// outside [low, high] (or not a number) throws std::range_error, a failing step.
int toInteger(double value, int low = INT_MIN, int high = INT_MAX);

// Splits a stored "|"-terminated list. A final fragment without its "|" still counts as an entry;
// the empty text gives no entries.
std::vector<std::string> splitList(std::string_view stored, char separator = '|');

}  // namespace varmio
