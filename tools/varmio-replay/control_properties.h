#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading the controls' state by property name, as a test or a script sees it: every value is a
// list of texts (one for a plain property, one per entry for a list). Booleans read "true" or
// "false"; numbers in plain decimal.
namespace varmio {

class Control;
class Form;

// A property the control does not have, or a row or node position that does not exist.
class PropertyError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// The names a control answers to, in a stable order. row(N) and node(N) are listed once per row
// or node present now.
std::vector<std::string> propertyNames(Control& control);
// Property names compare without regard to case. Throws PropertyError.
std::vector<std::string> readProperty(Control& control, std::string_view property);

// The same for a window itself: visible and caption.
std::vector<std::string> formPropertyNames(const Form& form);
std::vector<std::string> readFormProperty(const Form& form, std::string_view property);

// visible and enabled: read as "true"/"false", compared as booleans.
bool isBooleanProperty(std::string_view property);
// "1", "true", "0", "false" in any case; false for anything else.
bool parseBoolean(std::string_view text, bool& value);

}  // namespace varmio
