#pragma once

#include <string>
#include <string_view>

#include "platform/hive.h"

namespace varmio {

// Key paths below HKEY_LOCAL_MACHINE, e.g. "SOFTWARE\\VARMIO\\CONFIG". Neither call throws.

// Finds the value by enumerating the key from its first entry, as the registry's enumeration
// with fixed buffers would: "" when the key or value is absent, when the enumeration stops at or
// before it (see Hive::findByEnumeration), or when its data is empty. Otherwise the data without
// its last byte, the string's NUL. Creates nothing.
std::string RegReadValue(Hive& hive, std::string_view keyPath, std::string_view name);

// Stores `value` as REG_SZ with its NUL, creating the key path; false when the store failed.
bool RegWriteValue(Hive& hive, std::string_view keyPath, std::string_view name,
                   std::string_view value);

}  // namespace varmio
