#include "settings/settings.h"

#include "settings/language.h"
#include "settings/registry.h"

namespace varmio {
namespace {

constexpr std::string_view kSettingsRoot = "SOFTWARE\\VARMIO\\";

std::string settingsPath(std::string_view subkey) {
    return std::string(kSettingsRoot) + std::string(subkey);
}

}  // namespace

std::string Settings::ReadSetting(std::string_view subkey, std::string_view name) const {
    std::string value = RegReadValue(*hive_, settingsPath(subkey), name);
    return value == " " ? std::string() : value;
}

void Settings::WriteSetting(std::string_view subkey, std::string_view name,
                            std::string_view value) {
    RegWriteValue(*hive_, settingsPath(subkey), name, value.empty() ? " " : value);
}

void Settings::WriteSetting(std::string_view subkey, std::string_view name, long long number) {
    WriteSetting(subkey, name, std::to_string(number));
}

std::string Settings::ReadConfigRaw(std::string_view name) const {
    return RegReadValue(*hive_, settingsPath("CONFIG"), name);
}

std::string Settings::GetText(std::string_view key) const {
    return varmio::GetText(*this, key);
}

}  // namespace varmio
