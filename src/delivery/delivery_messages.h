#pragma once

#include <exception>
#include <string>

#include "platform/errors.h"

namespace varmio {

// The description and number of a failure as the delivery messages show them.
inline std::string errorDescription(const std::exception& e) {
    return e.what();
}
inline int errorNumber(const std::exception& e) {
    auto* runtime = dynamic_cast<const RuntimeError*>(&e);
    return runtime ? runtime->number() : errnum::kInvalidProcedureCall;
}

// " (<description> [<number>])": how the delivery and publishing messages name a failure.
inline std::string failureDetail(const std::string& description, int number) {
    return " (" + description + " [" + std::to_string(number) + "])";
}

}  // namespace varmio
