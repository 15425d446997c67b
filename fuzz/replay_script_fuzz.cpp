// The replay tool's script reader, and the quoting its transcripts and dumps write.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "script.h"
#include "script_words.h"

using varmio::fuzz::check;
namespace replay = varmio::replay;

namespace {

int lineCount(std::string_view text) {
    int lines = 0;
    for (std::size_t pos = 0; pos < text.size(); ++lines) {
        const std::size_t end = text.find('\n', pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
    }
    return lines;
}

// Whatever a word holds, its quoted form reads back as that one word.
void checkQuoting(const std::string& text) {
    const auto quoted = replay::splitWords(replay::quote(text));
    check(quoted.size() == 1 && quoted[0].quoted && quoted[0].text == text,
          "a quoted word reads back");
    const std::string written = replay::quoteIfNeeded(text);
    const auto words = replay::splitWords(written);
    check(words.size() == 1 && words[0].text == text, "a word written for a dump reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = lineCount(text);
    try {
        int last = 0;
        for (const replay::Command& command : replay::parseScript(text)) {
            check(command.line > last && command.line <= lines, "commands keep their lines");
            last = command.line;
            check(!command.word.empty(), "a command has its action word");
        }
    } catch (const replay::ScriptError& error) {
        check(error.line() >= 1 && error.line() <= lines, "an error names a line of the script");
    }

    // The first line's words, each quoted and read back.
    try {
        for (const replay::Word& word : replay::splitWords(text.substr(0, text.find('\n'))))
            checkQuoting(word.text);
    } catch (const replay::SyntaxError&) {
    }
    checkQuoting(std::string(text));
    return 0;
}
