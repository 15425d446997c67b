#include "commands.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <string>

#include "import_command.h"
#include "settings/reg_file.h"
#include "tool_hive.h"
#include "value_format.h"

namespace varmio {
namespace {

constexpr const char* kNotFound =
    "ERROR: The system was unable to find the specified registry key or value.\n";
constexpr const char* kDone = "The operation completed successfully.\n";

struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

bool confirmed(const RegCommand& command, Io io, const std::string& question) {
    if (command.force) return true;
    io.out << question << " (Yes/No)? " << std::flush;
    std::string answer;
    std::getline(io.in, answer);
    if (!answer.empty() && (answer[0] == 'y' || answer[0] == 'Y')) return true;
    io.out << "The operation was cancelled by the user.\n";
    return false;
}

// The default value has no name; the reg command calls it "(Default)".
std::string shownName(const std::string& name) {
    return name.empty() ? "(Default)" : name;
}

std::string valueLine(const HiveValue& value) {
    return "    " + shownName(value.name) + "    " + typeName(value.type) + "    " +
           displayData(value.type, value.data) + "\n";
}

int get(Hive& hive, const RegCommand& command, Io io) {
    const auto value = hive.value(command.keyPath, *command.valueName);
    if (!value) {
        io.err << kNotFound;
        return kExitFailed;
    }
    io.out << displayData(value->type, value->data) << "\n";
    return kExitSuccess;
}

int query(Hive& hive, const RegCommand& command, Io io) {
    const auto key = hive.storedKeyPath(command.keyPath);
    const auto value =
        command.valueName ? hive.value(command.keyPath, *command.valueName) : std::nullopt;
    if (!key || (command.valueName && !value)) {
        io.err << kNotFound;
        return kExitFailed;
    }
    io.out << "\n" << *key << "\n";
    if (value) {
        io.out << valueLine(*value) << "\n";
        return kExitSuccess;
    }
    for (const auto& each : hive.values(command.keyPath))
        io.out << valueLine(each);
    io.out << "\n";
    for (const auto& subkey : hive.subkeys(command.keyPath))
        io.out << *key << "\\" << subkey << "\n";
    return kExitSuccess;
}

int add(Hive& hive, const RegCommand& command, Io io) {
    if (!command.valueName) {
        hive.createKey(command.keyPath);
    } else {
        const auto& name = *command.valueName;
        if (hive.value(command.keyPath, name) &&
            !confirmed(command, io, "Value " + shownName(name) + " exists, overwrite")) {
            return kExitFailed;
        }
        hive.setValue(command.keyPath, name, command.type, command.data);
    }
    io.out << kDone;
    return kExitSuccess;
}

int remove(Hive& hive, const RegCommand& command, Io io) {
    const auto key = hive.storedKeyPath(command.keyPath);
    if (!key || (command.valueName && !hive.value(command.keyPath, *command.valueName))) {
        io.err << kNotFound;
        return kExitFailed;
    }
    if (command.valueName) {
        const auto& name = *command.valueName;
        if (!confirmed(command, io, "Delete the registry value " + shownName(name))) {
            return kExitFailed;
        }
        hive.deleteValue(command.keyPath, name);
    } else if (command.allValues) {
        if (!confirmed(command, io, "Delete all values under the registry key " + *key)) {
            return kExitFailed;
        }
        hive.transaction([&] {
            for (const auto& value : hive.values(command.keyPath)) {
                hive.deleteValue(command.keyPath, value.name);
            }
        });
    } else {
        if (!confirmed(command, io, "Permanently delete the registry key " + *key)) {
            return kExitFailed;
        }
        hive.deleteKey(command.keyPath);
    }
    io.out << kDone;
    return kExitSuccess;
}

int exportKey(Hive& hive, const RegCommand& command, Io io) {
    const auto content = exportRegFile(hive, command.keyPath);
    if (!content) {
        io.err << kNotFound;
        return kExitFailed;
    }
    std::ofstream file(command.file, std::ios::binary | std::ios::trunc);
    if (!(file << *content) || !file.flush()) {
        io.err << "ERROR: cannot write " << command.file << "\n";
        return kExitFailed;
    }
    io.out << kDone;
    return kExitSuccess;
}

}  // namespace

int runRegCommand(Hive& hive, const RegCommand& command, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const Io io{in, out, err};
    switch (command.verb) {
        case RegCommand::Verb::Get:
            return get(hive, command, io);
        case RegCommand::Verb::Query:
            return query(hive, command, io);
        case RegCommand::Verb::Add:
            return add(hive, command, io);
        case RegCommand::Verb::Delete:
            return remove(hive, command, io);
        case RegCommand::Verb::Export:
            return exportKey(hive, command, io);
        case RegCommand::Verb::Import:
            return importRegFileCommand(hive, command.file, err);
    }
    return kExitUsage;
}

}  // namespace varmio
