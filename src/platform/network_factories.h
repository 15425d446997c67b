#pragma once

#include <memory>

#include "ftp_client.h"
#include "mail_system.h"

namespace varmio {

class SystemInfo;

// The platform's transfer control (FTP, FTPS and SFTP through libcurl).
std::unique_ptr<FtpClient> makeFtpClient();
// The platform's mail system (SMTP through libcurl, configured from the environment).
std::unique_ptr<MailSystem> makeMailSystem(const SystemInfo& system);

}  // namespace varmio
