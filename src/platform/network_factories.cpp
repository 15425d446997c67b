#include "network_factories.h"

#include "curl_ftp_client.h"
#include "smtp_mail_system.h"

namespace varmio {

std::unique_ptr<FtpClient> makeFtpClient() {
    return std::make_unique<CurlFtpClient>();
}

std::unique_ptr<MailSystem> makeMailSystem(const SystemInfo& system) {
    return std::make_unique<SmtpMailSystem>(smtpSettingsFrom(system));
}

}  // namespace varmio
