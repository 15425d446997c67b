#include "mail_message.h"

#include "platform/background_task.h"
#include "platform/basic_text.h"

namespace varmio {

bool validMailRecipient(const std::string& recipient) {
    return !recipient.empty() && contains(recipient, "@");
}

MailMessage mailMessage(std::string recipient, std::string subject, std::string body,
                        const std::vector<FileRow>& rows) {
    MailMessage message{std::move(recipient), std::move(subject), std::move(body), {}};
    for (const FileRow& row : rows)
        message.attachments.push_back({row.name, 0, row.path()});
    return message;
}

void sendMail(MailSystem& mail, const MailMessage& message, const std::function<void()>& poll) {
    runPolling([&] { mail.send(message); }, poll);
}

}  // namespace varmio
