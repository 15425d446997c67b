#pragma once

#include <string_view>

namespace varmio {

// Opening documents and starting programs. Neither waits for what it started.
class Shell {
  public:
    virtual ~Shell() = default;

    // The shell's "open": a document opens in its application (a page in the browser); a file
    // text naming an executable followed by arguments starts that program with them.
    virtual void open(std::string_view file, std::string_view parameters,
                      std::string_view workingFolder, int showMode) = 0;
    // Starts a program with its window hidden.
    virtual void startHidden(std::string_view program) = 0;
};

}  // namespace varmio
