#pragma once

#include <memory>

#include "ftp_client.h"
#include "mail_system.h"

namespace varmio {

class SystemInfo;

// The platform's transfer control (FTP, FTPS and SFTP through libcurl).
std::unique_ptr<FtpClient> makeFtpClient(const SystemInfo& system);
// The platform's mail system (SMTP through libcurl); the environment may preset its server.
std::unique_ptr<MailSystem> makeMailSystem(const SystemInfo& system);

}  // namespace varmio
