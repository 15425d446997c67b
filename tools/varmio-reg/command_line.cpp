#include "command_line.h"

#include "platform/basic_text.h"
#include "settings/reg_file.h"
#include "value_format.h"

namespace varmio {

const char* const kRegUsage =
    "usage: varmio-reg [--hive FILE] get KEY NAME\n"
    "       varmio-reg [--hive FILE] query KEY [/v NAME | /ve]\n"
    "       varmio-reg [--hive FILE] add KEY [/v NAME | /ve] [/t TYPE] [/s SEPARATOR] [/d DATA] "
    "[/f]\n"
    "       varmio-reg [--hive FILE] delete KEY [/v NAME | /ve | /va] [/f]\n"
    "       varmio-reg [--hive FILE] export KEY FILE.reg [/y]\n"
    "       varmio-reg [--hive FILE] import FILE.reg\n"
    "KEY is a full path such as HKEY_LOCAL_MACHINE\\SOFTWARE\\VARMIO (HKLM\\... also accepted).\n";

namespace {

// Which options each verb takes; /v, /t, /s and /d are followed by their argument.
struct Grammar {
    RegCommand::Verb verb;
    std::string_view name;
    std::string_view options;
};
constexpr Grammar kGrammar[] = {
    {RegCommand::Verb::Get, "get", ""},
    {RegCommand::Verb::Query, "query", "/v /ve"},
    {RegCommand::Verb::Add, "add", "/v /ve /t /s /d /f"},
    {RegCommand::Verb::Delete, "delete", "/v /ve /va /f"},
    {RegCommand::Verb::Export, "export", "/y"},
    {RegCommand::Verb::Import, "import", ""},
};

bool takesOption(const Grammar& grammar, const std::string& option) {
    const auto at = grammar.options.find(option);
    return at != std::string_view::npos && (at + option.size() == grammar.options.size() ||
                                            grammar.options[at + option.size()] == ' ');
}

}  // namespace

std::variant<RegCommand, std::string> parseRegCommand(const std::vector<std::string>& words) {
    if (words.empty()) return std::string("no command given");
    const Grammar* grammar = nullptr;
    for (const auto& candidate : kGrammar) {
        if (lcase(words[0]) == candidate.name) grammar = &candidate;
    }
    if (!grammar) return "unknown command " + words[0];

    RegCommand command;
    command.verb = grammar->verb;
    std::vector<std::string> operands;
    std::string typeText = "REG_SZ";
    std::string dataText;
    char separator = '\0';
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        // Only the verb's own options are options: anything else, such as an absolute path
        // ("/tmp/x.reg") or a value name like "/x" for get, is an operand.
        const std::string option = lcase(word);
        if (word.size() < 2 || word[0] != '/' || !takesOption(*grammar, option)) {
            operands.push_back(word);
            continue;
        }
        const bool hasArgument =
            option == "/v" || option == "/t" || option == "/s" || option == "/d";
        if (hasArgument && i + 1 == words.size()) return "missing argument after " + word;
        const std::string argument = hasArgument ? words[++i] : std::string();
        if (option == "/v" || option == "/ve") {
            if (command.valueName || command.allValues) return std::string("more than one value");
            command.valueName = argument;
        } else if (option == "/va") {
            if (command.valueName) return std::string("more than one value");
            command.allValues = true;
        } else if (option == "/t") {
            typeText = argument;
        } else if (option == "/s") {
            if (argument.size() != 1) return std::string("the separator must be one character");
            separator = argument[0];
        } else if (option == "/d") {
            dataText = argument;
        } else if (option == "/f") {
            command.force = true;
        }
    }

    const bool twoOperands =
        command.verb == RegCommand::Verb::Get || command.verb == RegCommand::Verb::Export;
    const std::size_t wanted = twoOperands ? 2 : 1;
    if (operands.size() != wanted) return std::string("wrong number of arguments");
    if (command.verb == RegCommand::Verb::Import) {
        command.file = operands[0];
        return command;
    }
    const auto key = fullKeyPath(operands[0]);
    if (!key) return "invalid key name " + operands[0];
    command.keyPath = *key;
    if (command.verb == RegCommand::Verb::Get) command.valueName = operands[1];
    if (command.verb == RegCommand::Verb::Export) command.file = operands[1];
    if (command.verb == RegCommand::Verb::Add) {
        const auto type = parseTypeName(typeText);
        if (!type) return "unknown type " + typeText;
        const auto data = encodeData(*type, dataText, separator);
        if (!data) return "data " + dataText + " does not fit " + typeText;
        command.type = *type;
        command.data = *data;
    }
    return command;
}

}  // namespace varmio
