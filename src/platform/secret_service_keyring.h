#pragma once

#include "keyring.h"

namespace varmio {

// The keyring of the freedesktop Secret Service (GNOME Keyring, KWallet) through libsecret,
// on the session's D-Bus. Its passwords are labelled "Varmio mail: user@server".
class SecretServiceKeyring : public Keyring {
  public:
    bool available() override;
    std::optional<std::string> lookup(const std::string& server, const std::string& user) override;
    bool store(const std::string& server, const std::string& user,
               const std::string& password) override;
    void forget(const std::string& server, const std::string& user) override;
};

}  // namespace varmio
