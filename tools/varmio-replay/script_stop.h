#pragma once

#include <string>

namespace varmio::replay {

// Stops the run as a script error (exit status 2). Not a std::exception, so the window code's
// skip-the-failing-step handlers let it through.
struct ScriptStop {
    std::string message;
    int line = 0;  // filled in by the script line that was running; 0 during start-up
};

}  // namespace varmio::replay
