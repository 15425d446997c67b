#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varmio {

struct MailAttachment {
    std::string name;  // shown to the recipient
    int type = 0;      // 0: a data file
    std::string path;  // the file to attach
};

struct MailMessage {
    std::string recipient;
    std::string subject;
    std::string noteText;
    std::vector<MailAttachment> attachments;
};

// How the connection to the mail server is protected.
enum class MailSecurity {
    StartTls,       // plain connection upgraded with STARTTLS, which must succeed
    Tls,            // TLS from the start (usually port 465)
    None,           // no protection at all: the login and the message travel in clear text
    Opportunistic,  // STARTTLS when the server offers it (a server without a login only)
};

// A mail server and the account on it.
struct MailServer {
    std::string host;  // "" when there is none
    int port = 587;
    MailSecurity security = MailSecurity::StartTls;
    std::string user;  // "" when the server takes mail without a login
    std::string password;
    std::string from;  // the sender's address
};

// The platform's simple mail interface: a logon that answers 0 when a mail server is known, and
// sending one message without showing a dialog.
class MailSystem {
  public:
    virtual ~MailSystem() = default;
    // True when the program's environment names the server: the account is not asked for then.
    virtual bool presetServer() const = 0;
    // The server and account to send through from now on.
    virtual void useServer(MailServer server) = 0;
    virtual int logon() = 0;
    // Throws RuntimeError when the message cannot be sent; errnum::kUserInterrupt after cancel().
    virtual void send(const MailMessage& message) = 0;
    // From another thread while send() runs: it stops within a second, nothing delivered.
    virtual void cancel() = 0;
    // Bytes of the running send so far, and of the whole message (0 while not known).
    virtual std::uint64_t bytesSent() const = 0;
    virtual std::uint64_t bytesTotal() const = 0;
};

}  // namespace varmio
