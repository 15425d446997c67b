#pragma once

#include <iosfwd>

#include "command_line.h"
#include "platform/hive.h"

namespace varmio {

// Runs a checked command the way the Windows reg command does; questions (overwrite, delete)
// are asked on `out` and answered from `in` unless /f was given. Gives the exit status; store
// failures are thrown as HiveError.
int runRegCommand(Hive& hive, const RegCommand& command, std::istream& in, std::ostream& out,
                  std::ostream& err);

}  // namespace varmio
