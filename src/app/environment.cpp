#include "environment.h"

#include "platform/hive_location.h"
#include "platform/locations.h"
#include "platform/sqlite_hive.h"
#include "settings/settings.h"

namespace varmio {

WizardEnvironment::WizardEnvironment() = default;
WizardEnvironment::~WizardEnvironment() = default;
WizardEnvironment::WizardEnvironment(WizardEnvironment&&) noexcept = default;
WizardEnvironment& WizardEnvironment::operator=(WizardEnvironment&&) noexcept = default;

WizardEnvironment openWizardEnvironment(bool windowsNT, const std::string& hiveOverride) {
    WizardEnvironment env;
    env.system = std::make_unique<LinuxSystemInfo>(windowsNT);
    env.programFolder = programFolder(*env.system);
    if (env.system->environment("VARMIO_HOME").empty()) prepareProgramFolder(env.programFolder);

    std::filesystem::path file =
        hiveOverride.empty() ? defaultHivePath() : std::filesystem::path(hiveOverride);
    env.hiveFile = file.string();
    env.hive = std::make_unique<SqliteHive>(file);
    env.settings = std::make_unique<Settings>(*env.hive);
    return env;
}

std::string joinCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (size_t i = 0; i < words.size(); ++i)
        line += (i ? " " : "") + words[i];
    return line;
}

}  // namespace varmio
