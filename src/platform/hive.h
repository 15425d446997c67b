#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varmio {

// Value types, numbered as the Windows registry numbers them.
using ValueType = std::uint32_t;
inline constexpr ValueType kRegNone = 0;
inline constexpr ValueType kRegSz = 1;
inline constexpr ValueType kRegExpandSz = 2;
inline constexpr ValueType kRegBinary = 3;
inline constexpr ValueType kRegDword = 4;
inline constexpr ValueType kRegMultiSz = 7;
inline constexpr ValueType kRegQword = 11;

// Size of the name and data buffers the enumeration read hands to the registry. An entry whose
// name (plus its NUL) or data does not fit stops the enumeration.
inline constexpr std::size_t kEnumBufferBytes = 2500;

struct HiveValue {
    std::string name;  // empty for the key's default value
    ValueType type = kRegNone;
    std::string data;  // raw bytes; REG_SZ data carries its terminating NUL
};

// The hive file cannot be opened, is not a hive, or failed while in use.
class HiveError : public std::runtime_error {
  public:
    HiveError(std::filesystem::path file, std::string reason);
    const std::filesystem::path& file() const { return file_; }
    const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path file_;
    std::string reason_;
};

// A registry hive. Keys are full paths including the root ("HKEY_LOCAL_MACHINE\\SOFTWARE"); key
// paths and value names compare without regard to ASCII case and keep the spelling first
// written. Values enumerate in creation order. Failures of the store throw HiveError, malformed
// key paths std::invalid_argument.
class Hive {
  public:
    virtual ~Hive() = default;

    // The data of value `name` as an enumeration of the key from its first entry finds it with
    // kEnumBufferBytes-sized buffers: nullopt when the key or value is absent, or when an entry
    // at or before it has a name of kEnumBufferBytes bytes or more, data longer than
    // kEnumBufferBytes, or no name at all (the default value).
    virtual std::optional<std::string> findByEnumeration(std::string_view keyPath,
                                                         std::string_view name) = 0;

    // Direct lookup, without the enumeration limits.
    virtual std::optional<HiveValue> value(std::string_view keyPath, std::string_view name) = 0;
    // In enumeration order; empty when the key is absent.
    virtual std::vector<HiveValue> values(std::string_view keyPath) = 0;
    // The key's path as stored, or nullopt when it does not exist.
    virtual std::optional<std::string> storedKeyPath(std::string_view keyPath) = 0;
    // Names of the direct subkeys, ordered without regard to case.
    virtual std::vector<std::string> subkeys(std::string_view keyPath) = 0;

    // Writers create every missing key along the path.
    virtual void createKey(std::string_view keyPath) = 0;
    virtual void setValue(std::string_view keyPath, std::string_view name, ValueType type,
                          std::string_view data) = 0;
    // Return false when there was nothing to delete.
    virtual bool deleteValue(std::string_view keyPath, std::string_view name) = 0;
    virtual bool deleteKey(std::string_view keyPath) = 0;  // with all its subkeys

    // Runs `work` as one atomic write; nested calls join the outer transaction.
    virtual void transaction(const std::function<void()>& work) = 0;
};

}  // namespace varmio
