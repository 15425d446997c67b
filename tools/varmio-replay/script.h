#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "script_words.h"

// A replay script read into commands. Everything that can be checked without the window is
// checked here, so a broken script stops before it acts on anything.
namespace varmio::replay {

enum class Action {
    Click,
    Type,
    Key,
    Choose,
    Select,
    Node,
    Mouse,
    DblClick,
    Menu,
    Answer,
    Expect,         // expect NAME.PROPERTY VALUE ...
    ExpectMessage,  // expect message "TEXT"
    ExpectEnded,    // expect ended
    Dump,
};

enum class AnswerKind { Yes, No, Ok, Cancel, Text };

struct Command {
    int line = 0;
    Action action = Action::Click;
    std::string word;                      // the action word as written, for "ignored" lines
    std::string target;                    // the control (or window) name as written
    std::string property;                  // expect: the property after the last "."
    std::vector<std::string> values;       // type/choose: the text; expect: the expected values
    int number = 0;                        // key, select, node, mouse, dblclick
    bool hasNumber = false;                // dblclick with a row
    AnswerKind answer = AnswerKind::Text;  // answer: the kind; the text is values[0]
};

class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int line() const { return line_; }

  private:
    int line_;
};

// Reads a whole script. Blank lines and lines whose first non-blank is "#" are skipped; a final
// CR on a line is ignored. Throws ScriptError with the line number.
std::vector<Command> parseScript(std::string_view text);
// One line; exposed for the tests.
Command parseCommand(int line, const std::vector<Word>& words);

}  // namespace varmio::replay
