#pragma once

#include <exception>
#include <utility>

namespace varmio {

// Runs one step of window code; a step that fails is skipped and the caller goes on with the
// next one, as start-up, the finish and most handlers require. Ending the program (ProgramEnd)
// and the driver's own stops are not std::exceptions and pass through.
template <class Step>
bool tryStep(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace varmio
