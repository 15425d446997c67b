#pragma once

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

// The platform's simple mail interface: a logon that answers 0 when a mail system is there, and
// sending one message without showing a dialog.
class MailSystem {
  public:
    virtual ~MailSystem() = default;
    virtual int logon() = 0;
    // Throws RuntimeError when the message cannot be sent.
    virtual void send(const MailMessage& message) = 0;
};

}  // namespace varmio
