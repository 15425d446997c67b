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

// "<text of key> (<description> [<number>])".
inline std::string failureText(WizardWindow& w, std::string_view key, const std::exception& e) {
    return w.GetText(key) + " (" + errorDescription(e) + " [" + std::to_string(errorNumber(e)) +
           "])";
}

}  // namespace varmio
