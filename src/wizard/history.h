#pragma once

#include <string_view>

namespace varmio {

class Settings;

enum class Compare { Exact, IgnoreCase };

// Whether `text` occurs anywhere in `stored`, as the history tests compare: nothing occurs in
// an empty list, and the empty text occurs in every non-empty one.
bool occursIn(std::string_view stored, std::string_view text, Compare how);

// Appends `text` and "|" to the CONFIG history list `name` unless `text` already occurs in it.
// Returns whether it was written.
bool appendToHistory(Settings& settings, std::string_view name, std::string_view text, Compare how);

// The same, but an empty text is never added (the finish and the dialogs skip it).
bool appendNonEmptyToHistory(Settings& settings, std::string_view name, std::string_view text,
                             Compare how);

}  // namespace varmio
