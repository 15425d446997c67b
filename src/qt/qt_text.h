#pragma once

#include <QString>
#include <string_view>

namespace varmio {

// A text of the model, which holds UTF-8, as Qt shows it.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace varmio
