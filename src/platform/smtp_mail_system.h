#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mail_system.h"

namespace varmio {

class SystemInfo;

struct SmtpSettings {
    std::string url;  // "smtp://host:port" or "smtps://host"; "" when no server is configured
    std::string user;
    std::string password;
    std::string from;  // the sender's address
};

// From VARMIO_SMTP_URL, VARMIO_SMTP_USER, VARMIO_SMTP_PASSWORD and VARMIO_MAIL_FROM; the sender
// defaults to the user's login name at this host.
SmtpSettings smtpSettingsFrom(const SystemInfo& system);

// The addresses in a recipient text: separated by "," or ";", each either bare or written as
// "Name <address>".
std::vector<std::string> mailAddresses(std::string_view recipient);

// The mail system on libcurl's SMTP. Logon succeeds when a server is configured; each send
// delivers one message whose text is the note and which carries every attachment.
class SmtpMailSystem : public MailSystem {
  public:
    explicit SmtpMailSystem(SmtpSettings settings);
    int logon() override;
    // Throws RuntimeError numbered with libcurl's error code.
    void send(const MailMessage& message) override;

  private:
    SmtpSettings settings_;
};

}  // namespace varmio
