#include "steps.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace varmio {

bool stepDiagnosisEnabled() {
    static const bool enabled = [] {
        const char* value = std::getenv("VARMIO_DEBUG");
        return value && std::strcmp(value, "1") == 0;
    }();
    return enabled;
}

void reportSkippedStep(const SourceLocation& where, const char* error) {
    std::fprintf(stderr, "varmio: step skipped in %s (%s:%u): %s\n", where.function_name(),
                 where.file_name(), static_cast<unsigned>(where.line()), error);
}

}  // namespace varmio
