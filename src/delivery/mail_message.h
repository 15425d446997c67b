#pragma once

#include <functional>
#include <string>
#include <vector>

#include "page/file_row.h"
#include "platform/mail_system.h"

namespace varmio {

// A recipient is worth a try when it holds an "@" somewhere.
bool validMailRecipient(const std::string& recipient);

// One message carrying every file row, marked or not: the mark only keeps a file off the servers.
MailMessage mailMessage(std::string recipient, std::string subject, std::string body,
                        const std::vector<FileRow>& rows);

// Sends on a worker thread while `poll` keeps the window's events going (large attachments take
// a while); throws what the mail system threw.
void sendMail(MailSystem& mail, const MailMessage& message, const std::function<void()>& poll);

}  // namespace varmio
