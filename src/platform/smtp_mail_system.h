#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "curl_transfer.h"
#include "mail_system.h"
#include "network_options.h"

namespace varmio {

class SystemInfo;

// The server named by VARMIO_SMTP_URL ("smtp://host[:port]": STARTTLS, required once there is a
// user name, else used when offered; "smtps://host[:port]": TLS), with VARMIO_SMTP_USER,
// VARMIO_SMTP_PASSWORD, VARMIO_SMTP_SECURITY ("none": no TLS at all) and VARMIO_MAIL_FROM. The
// host is "" when VARMIO_SMTP_URL is not set. Throws RuntimeError for a URL it cannot read.
MailServer mailServerFromEnvironment(const SystemInfo& system);

// The sender when none is given: the login name ($USER, else $LOGNAME) at this host's name.
std::string defaultSender(const SystemInfo& system);

// The addresses in a recipient text: separated by "," or ";", each either bare or written as
// "Name <address>".
std::vector<std::string> mailAddresses(std::string_view recipient);

// The mail system on libcurl's SMTP. Logon succeeds once a server is known; each send delivers
// one message whose text is the note and which carries every attachment.
class SmtpMailSystem : public MailSystem {
  public:
    // `preset`: the environment's server ("" host: none, an account may be used instead).
    SmtpMailSystem(MailServer preset, NetworkOptions options);
    bool presetServer() const override { return preset_; }
    void useServer(MailServer server) override { server_ = std::move(server); }
    int logon() override;
    // Throws RuntimeError numbered with libcurl's error code.
    void send(const MailMessage& message) override;
    void cancel() override { interrupt_.interrupt(); }
    std::uint64_t bytesSent() const override { return interrupt_.sent(); }
    std::uint64_t bytesTotal() const override { return interrupt_.total(); }

  private:
    MailServer server_;
    bool preset_;
    NetworkOptions options_;
    CurlInterrupt interrupt_;
};

}  // namespace varmio
