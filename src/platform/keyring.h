#pragma once

#include <optional>
#include <string>

namespace varmio {

// The desktop's keyring, where a password may be kept between runs. Each password belongs to a
// server and a user name. The calls may wait for the desktop (to unlock the keyring, say): run
// them off the window's thread.
class Keyring {
  public:
    virtual ~Keyring() = default;
    // False when this desktop offers no keyring: passwords are then asked for once per run.
    virtual bool available() = 0;
    virtual std::optional<std::string> lookup(const std::string& server,
                                              const std::string& user) = 0;
    // False when the keyring would not take it.
    virtual bool store(const std::string& server, const std::string& user,
                       const std::string& password) = 0;
    virtual void forget(const std::string& server, const std::string& user) = 0;
};

}  // namespace varmio
