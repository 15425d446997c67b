#pragma once

#include <string>
#include <string_view>

#include "shell.h"
#include "system_info.h"

namespace varmio {

// Opens documents with xdg-open and starts programs directly, detached from this process.
class LinuxShell : public Shell {
  public:
    void open(std::string_view file, std::string_view parameters, std::string_view workingFolder,
              int showMode) override;
    void startHidden(std::string_view program) override;
};

class LinuxSystemInfo : public SystemInfo {
  public:
    explicit LinuxSystemInfo(bool windowsNT = false) : windowsNT_(windowsNT) {}
    bool isWindowsNT() const override { return windowsNT_; }
    std::string environment(std::string_view name) const override;

  private:
    bool windowsNT_;
};

// The folder of the running executable.
std::string executableFolder();
// Where the installation's data (install.reg, help.htm, the probe file) lies.
std::string installedDataFolder();
// A program named by the window code: the path itself when it is an executable, else the program
// of that name beside our own executable (the tools ship together); "" when neither exists.
std::string resolveProgram(const std::string& path);

// Makes the per-user program folder ready: its tmp/ folder, the installation's data files
// (brought up to date after an upgrade) and a link to the registry installer.
void prepareProgramFolder(const std::string& folder);

}  // namespace varmio
