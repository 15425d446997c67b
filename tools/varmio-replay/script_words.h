#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The words of a script line, and the quoting that the transcript and the dumps share with it.
namespace varmio::replay {

struct Word {
    std::string text;
    bool quoted = false;  // written in double quotes: `answer "yes"` is a text, `answer yes` not
};

class SyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Splits a line at blanks and tabs. A word in double quotes may hold blanks and the escapes \",
// \\, \n, \r and \t. Throws SyntaxError for an unterminated quote, an unknown escape, or a quote
// that starts or ends in the middle of a word.
std::vector<Word> splitWords(std::string_view line);

// TEXT in double quotes with the escapes applied: the form every transcript line uses.
std::string quote(std::string_view text);
// A bare word when it reads back unchanged, else quoted: for dumps and failure reports.
std::string quoteIfNeeded(std::string_view text);
// Values in brackets: ["a", "b"].
std::string bracketList(const std::vector<std::string>& values);

}  // namespace varmio::replay
