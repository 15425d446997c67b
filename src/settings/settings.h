#pragma once

#include <string>
#include <string_view>

#include "platform/hive.h"

namespace varmio {

// Named REG_SZ settings below HKEY_LOCAL_MACHINE\SOFTWARE\VARMIO. An empty value is stored as a
// single blank and a single blank reads back empty. Nothing is cached and nothing throws: a
// failed read gives "", a failed write is dropped.
class Settings {
  public:
    explicit Settings(Hive& hive) : hive_(&hive) {}

    // `subkey` below the settings root, e.g. "CONFIG" or "LANGUAGE\\English".
    std::string ReadSetting(std::string_view subkey, std::string_view name) const;
    void WriteSetting(std::string_view subkey, std::string_view name, std::string_view value);
    // Numbers in general form: 1 as "1", -1 as "-1".
    void WriteSetting(std::string_view subkey, std::string_view name, long long number);
    // A CONFIG value exactly as stored, a single blank included.
    std::string ReadConfigRaw(std::string_view name) const;
    // The text of `key` in the current language (see language.h).
    std::string GetText(std::string_view key) const;

    Hive& hive() const { return *hive_; }

  private:
    Hive* hive_;
};

}  // namespace varmio
