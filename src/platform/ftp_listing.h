#pragma once

#include <string>
#include <string_view>

namespace varmio {

// Turns a server's LIST output, in the unix "ls -l" style or the DOS style with "<DIR>", into
// the listing text the wizard walks: one entry per line ended by CR LF, folders with a final
// "/" (the current and parent folders as "./" and "../").
std::string listingText(std::string_view listOutput);

}  // namespace varmio
