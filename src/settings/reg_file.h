#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/hive.h"

namespace varmio {

// The full form of a key path: the root spelled out ("HKLM\\x" -> "HKEY_LOCAL_MACHINE\\x", any
// letter case), a trailing backslash dropped. nullopt for an unknown root or an empty part.
std::optional<std::string> fullKeyPath(std::string_view path);

// One change asked for by a registry file.
struct RegEdit {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
    Kind kind = Kind::CreateKey;
    std::string keyPath;  // full form
    std::string name;
    ValueType type = kRegNone;
    std::string data;  // strings with their NUL
};

struct RegFileProblem {
    int line = 0;  // from 1
    std::string reason;
};

struct RegFile {
    std::vector<RegEdit> edits;            // in file order
    std::vector<RegFileProblem> problems;  // lines that were skipped
};

// Reads a registry file (REGEDIT4 or "Windows Registry Editor Version 5.00"; LF or CRLF; UTF-8
// with or without BOM, or UTF-16LE with BOM). nullopt when the header is missing. Bytes of names
// and data are kept as they are; hex data is taken byte for byte.
std::optional<RegFile> parseRegFile(std::string_view content);

// Carries out all edits as one transaction.
void applyRegFile(Hive& hive, const RegFile& file);

// The key with its values and subkeys as a "Windows Registry Editor Version 5.00" file with
// CRLF line ends, which parseRegFile reads back to the same contents; nullopt when the key does
// not exist.
std::optional<std::string> exportRegFile(Hive& hive, std::string_view keyPath);

}  // namespace varmio
