#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/mail_system.h"

namespace varmio {

class Settings;

// The user's mail account, kept in the store below MAIL_ACCOUNT. Its password is never among
// it: that lives in the desktop's keyring, or for one run in memory.
struct MailAccount {
    std::string from;
    std::string server;
    int port = 587;
    MailSecurity security = MailSecurity::StartTls;
    std::string user;
    bool rememberPassword = true;
    bool operator==(const MailAccount&) const = default;
};

// The port each protection usually takes: 587 for STARTTLS, 465 for TLS, 25 for none.
int defaultMailPort(MailSecurity security);

// The stored account; nothing when none has been set up (no server stored).
std::optional<MailAccount> readMailAccount(const Settings& settings);
void writeMailAccount(Settings& settings, const MailAccount& account);

// The server to send through with this account and password.
MailServer mailServer(const MailAccount& account, std::string password);

// What is wrong with the account as typed, as the text key of a message; "" when nothing is:
// a server name and a sender address are needed, the port must be a number from 1 to 65535,
// and no field may hold a line break (it would end a protocol command early).
std::string_view mailAccountProblem(const MailAccount& account, std::string_view portText,
                                    std::string_view password);

}  // namespace varmio
