#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "delivery/delivery_messages.h"
#include "wizard/wizard_window.h"

namespace varmio {

// The text of `key` followed by the failure: "TEXT (description [number])".
inline std::string failureText(const WizardWindow& w, std::string_view key,
                               const std::exception& e) {
    return w.GetText(key) + failureDetail(errorDescription(e), errorNumber(e));
}

}  // namespace varmio
