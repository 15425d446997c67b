#pragma once

#include <filesystem>
#include <iosfwd>

#include "platform/hive.h"

namespace varmio {

// Imports a registry file in one transaction. Skipped lines are reported on `err` with their
// line numbers. Gives the exit status: 0, 1 when lines were skipped, 2 when the file cannot be
// read, is no registry file, or the hive failed (then nothing is imported).
int importRegFileCommand(Hive& hive, const std::filesystem::path& file, std::ostream& err);

}  // namespace varmio
