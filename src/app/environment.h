#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/linux_platform.h"

namespace varmio {

class Hive;
class Settings;

// Everything a front end sets up before the window loads: the system, the program folder and
// the settings store. Shared by the desktop window and the headless driver.
struct WizardEnvironment {
    std::unique_ptr<LinuxSystemInfo> system;
    std::string programFolder;
    std::string hiveFile;
    std::unique_ptr<Hive> hive;
    std::unique_ptr<Settings> settings;

    WizardEnvironment();
    ~WizardEnvironment();
    WizardEnvironment(WizardEnvironment&&) noexcept;
    WizardEnvironment& operator=(WizardEnvironment&&) noexcept;
};

// Opens the settings store (VARMIO_HIVE or the per-user default) and finds the program folder
// (VARMIO_HOME, or the per-user default, which is prepared on first use). Throws HiveError when
// the store cannot be opened.
WizardEnvironment openWizardEnvironment(bool windowsNT, const std::string& hiveOverride = "");

// The program's arguments joined by single blanks: the wizard's command line.
std::string joinCommandLine(const std::vector<std::string>& words);

}  // namespace varmio
