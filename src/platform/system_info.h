#pragma once

#include <string>
#include <string_view>

namespace varmio {

// What the wizard asks the operating system about itself.
class SystemInfo {
  public:
    virtual ~SystemInfo() = default;

    // Whether the platform reports Windows NT; the printer side hands over differently there.
    virtual bool isWindowsNT() const = 0;
    // An environment variable, "" when unset.
    virtual std::string environment(std::string_view name) const = 0;
};

}  // namespace varmio
