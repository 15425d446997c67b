#pragma once

#include <string_view>

namespace varmio {

// The English design-time text of a caption that is the program's own rather than the wizard's
// design (its own labels, the link dialog's buttons, the page headings); "" for any other key.
// A language table that lacks such a key shows this text instead of the not-found text.
std::string_view ownDesignText(std::string_view key);

}  // namespace varmio
