#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "wizard/wizard_window.h"

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

// The text of `key` followed by the failure.
inline std::string failureText(const WizardWindow& w, std::string_view key,
                               const std::exception& e) {
    return w.GetText(key) + failureDetail(errorDescription(e), errorNumber(e));
}

}  // namespace varmio
