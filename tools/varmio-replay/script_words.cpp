#include "script_words.h"

namespace varmio::replay {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char unescape(char c) {
    switch (c) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        default:
            throw SyntaxError(std::string("unknown escape \\") + c);
    }
}

}  // namespace

std::vector<Word> splitWords(std::string_view line) {
    std::vector<Word> words;
    size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size()) return words;
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            ++i;
            while (true) {
                if (i == line.size()) throw SyntaxError("unterminated quoted word");
                char c = line[i++];
                if (c == '"') break;
                if (c == '\\') {
                    if (i == line.size()) throw SyntaxError("unterminated quoted word");
                    c = unescape(line[i++]);
                }
                word.text += c;
            }
            if (i < line.size() && !isBlank(line[i]))
                throw SyntaxError("a quoted word must be followed by a blank");
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"')
                    throw SyntaxError("a quote inside a word; quote the whole word");
                word.text += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string quoteIfNeeded(std::string_view text) {
    bool bare = !text.empty();
    for (char c : text)
        if (c == ' ' || c == '"' || c == '\\' || (static_cast<unsigned char>(c) < 0x20))
            bare = false;
    return bare ? std::string(text) : quote(text);
}

std::string bracketList(const std::vector<std::string>& values) {
    std::string out = "[";
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + quote(values[i]);
    return out + "]";
}

}  // namespace varmio::replay
