#pragma once

#include <exception>
#include <utility>
#include <version>

#ifdef __cpp_lib_source_location
#include <source_location>
namespace varmio {
using SourceLocation = std::source_location;
}
#else
// clang before 15 cannot build libstdc++'s std::source_location; the fuzz build uses clang 14.
#include <experimental/source_location>
namespace varmio {
using SourceLocation = std::experimental::source_location;
}
#endif

namespace varmio {

// With VARMIO_DEBUG=1 in the environment, one line per skipped step goes to stderr: the function
// that skipped it, the line of the step and the error. Off by default: the window code skips
// failing steps silently by design.
bool stepDiagnosisEnabled();
void reportSkippedStep(const SourceLocation& where, const char* error);

// Runs one step of window code; a step that fails is skipped and the caller goes on with the
// next one, as start-up, the finish and most handlers require. Ending the program (ProgramEnd)
// and the driver's own stops are not std::exceptions and pass through.
template <class Step>
bool tryStep(Step&& step, SourceLocation where = SourceLocation::current()) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const std::exception& error) {
        if (stepDiagnosisEnabled()) reportSkippedStep(where, error.what());
        return false;
    }
}

}  // namespace varmio
