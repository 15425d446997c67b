#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/hive.h"

namespace varmio {

// "REG_SZ", "REG_DWORD", ...; a type without a name as its number, "0x..."
std::string typeName(ValueType type);
std::optional<ValueType> parseTypeName(std::string_view name);

// Data as the reg command shows it: strings without their NUL, multi-strings joined by "\0",
// numbers as 0x..., anything else as upper-case hex digits.
std::string displayData(ValueType type, std::string_view data);

// The bytes to store for /d DATA of the given type; nullopt when DATA does not fit the type.
std::optional<std::string> encodeData(ValueType type, std::string_view text, char separator);

}  // namespace varmio
