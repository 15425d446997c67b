#include "script.h"

#include <charconv>

#include "platform/basic_text.h"

namespace varmio::replay {

namespace {

struct Syntax {
    const char* word;
    Action action;
    const char* usage;
};

constexpr Syntax kActions[] = {
    {"click", Action::Click, "click NAME"},
    {"type", Action::Type, "type NAME \"TEXT\""},
    {"key", Action::Key, "key NAME CODE"},
    {"choose", Action::Choose, "choose NAME \"TEXT\""},
    {"select", Action::Select, "select NAME ROW"},
    {"node", Action::Node, "node NAME POSITION"},
    {"mouse", Action::Mouse, "mouse NAME BUTTON"},
    {"dblclick", Action::DblClick, "dblclick NAME [ROW]"},
    {"menu", Action::Menu, "menu NAME"},
    {"answer", Action::Answer, "answer yes|no|ok|cancel|\"TEXT\""},
    {"expect", Action::Expect,
     "expect NAME.PROPERTY VALUE ... | expect message \"TEXT\" | "
     "expect ended"},
    {"dump", Action::Dump, "dump NAME"},
};

int parseNumber(int line, const Word& word, std::string_view what) {
    int value = 0;
    const std::string& t = word.text;
    auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size())
        throw ScriptError(line,
                          std::string(what) + " must be a whole number, not " + quoteIfNeeded(t));
    return value;
}

void parseAnswer(Command& cmd, const Word& word) {
    cmd.values = {word.text};
    if (word.quoted) {
        cmd.answer = AnswerKind::Text;
        return;
    }
    std::string lowered = lcase(word.text);
    if (lowered == "yes")
        cmd.answer = AnswerKind::Yes;
    else if (lowered == "no")
        cmd.answer = AnswerKind::No;
    else if (lowered == "ok")
        cmd.answer = AnswerKind::Ok;
    else if (lowered == "cancel")
        cmd.answer = AnswerKind::Cancel;
    else
        throw ScriptError(cmd.line,
                          "answer takes yes, no, ok, cancel or a quoted text, not " + word.text);
}

void parseExpect(Command& cmd, const std::vector<Word>& words) {
    const Word& subject = words[1];
    if (!subject.quoted && lcase(subject.text) == "ended") {
        if (words.size() != 2) throw ScriptError(cmd.line, "usage: expect ended");
        cmd.action = Action::ExpectEnded;
        return;
    }
    if (!subject.quoted && lcase(subject.text) == "message") {
        if (words.size() != 3) throw ScriptError(cmd.line, "usage: expect message \"TEXT\"");
        cmd.action = Action::ExpectMessage;
        cmd.values = {words[2].text};
        return;
    }
    size_t dot = subject.text.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == subject.text.size())
        throw ScriptError(cmd.line,
                          "expect needs NAME.PROPERTY, not " + quoteIfNeeded(subject.text));
    cmd.target = subject.text.substr(0, dot);
    cmd.property = subject.text.substr(dot + 1);
    for (size_t i = 2; i < words.size(); ++i)
        cmd.values.push_back(words[i].text);
}

}  // namespace

Command parseCommand(int line, const std::vector<Word>& words) {
    Command cmd;
    cmd.line = line;
    cmd.word = words.at(0).text;
    const Syntax* syntax = nullptr;
    for (const Syntax& s : kActions)
        if (!words[0].quoted && lcase(words[0].text) == s.word) syntax = &s;
    if (!syntax) throw ScriptError(line, "unknown action " + quoteIfNeeded(words[0].text));
    cmd.action = syntax->action;

    auto arity = [&](size_t min, size_t max) {
        size_t n = words.size() - 1;
        if (n < min || n > max) throw ScriptError(line, std::string("usage: ") + syntax->usage);
    };
    switch (cmd.action) {
        case Action::Click:
        case Action::Menu:
        case Action::Dump:
            arity(1, 1);
            cmd.target = words[1].text;
            break;
        case Action::Type:
        case Action::Choose:
            arity(2, 2);
            cmd.target = words[1].text;
            cmd.values = {words[2].text};
            break;
        case Action::Key:
        case Action::Select:
        case Action::Node:
        case Action::Mouse:
            arity(2, 2);
            cmd.target = words[1].text;
            cmd.number = parseNumber(line, words[2],
                                     cmd.action == Action::Key     ? "a key code"
                                     : cmd.action == Action::Mouse ? "a mouse button"
                                                                   : "a position");
            cmd.hasNumber = true;
            break;
        case Action::DblClick:
            arity(1, 2);
            cmd.target = words[1].text;
            if (words.size() == 3) {
                cmd.number = parseNumber(line, words[2], "a row");
                cmd.hasNumber = true;
            }
            break;
        case Action::Answer:
            arity(1, 1);
            parseAnswer(cmd, words[1]);
            break;
        case Action::Expect:
            arity(1, static_cast<size_t>(-1));
            parseExpect(cmd, words);
            break;
        default:
            break;
    }
    return cmd;
}

std::vector<Command> parseScript(std::string_view text) {
    std::vector<Command> commands;
    int number = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') continue;
        std::vector<Word> words;
        try {
            words = splitWords(line);
        } catch (const SyntaxError& e) {
            throw ScriptError(number, e.what());
        }
        commands.push_back(parseCommand(number, words));
    }
    return commands;
}

}  // namespace varmio::replay
