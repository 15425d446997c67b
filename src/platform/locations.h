#pragma once

#include <string>

namespace varmio {

class SystemInfo;

// Per-user folders used when the environment names none (see the README):
// the folder of the printer side's hand-over file when WINDIR is unset,
// $XDG_DATA_HOME/varmio/printer (~/.local/share/varmio/printer);
std::string defaultWindowsFolder(const SystemInfo& system);
// and the program folder when VARMIO_HOME is unset, $XDG_DATA_HOME/varmio.
std::string defaultProgramFolder(const SystemInfo& system);

// The Windows folder in use: WINDIR, else (when it is empty, a lone "\" or "/") the default.
std::string windowsFolder(const SystemInfo& system);
// The program folder in use: VARMIO_HOME, else the default; without a final separator.
std::string programFolder(const SystemInfo& system);

}  // namespace varmio
