#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/hive.h"

namespace varmio {

// One varmio-reg command, checked and ready to run.
struct RegCommand {
    enum class Verb { Get, Query, Add, Delete, Export, Import };
    Verb verb = Verb::Get;
    std::string keyPath;                   // full form, root spelled out
    std::optional<std::string> valueName;  // /v NAME; /ve gives the default value ""
    bool allValues = false;                // delete /va
    ValueType type = kRegSz;               // add /t
    std::string data;                      // add /d, encoded for `type`
    bool force = false;                    // /f: no question asked
    std::string file;                      // export, import
};

// The command, or the reason the words are not one.
std::variant<RegCommand, std::string> parseRegCommand(const std::vector<std::string>& words);

// How to call varmio-reg.
extern const char* const kRegUsage;

}  // namespace varmio
