#include "network_factories.h"

#include <stdexcept>

#include "basic_text.h"
#include "curl_ftp_client.h"
#include "network_options.h"
#include "smtp_mail_system.h"
#include "ssh_host_keys.h"
#include "system_info.h"

namespace varmio {

NetworkOptions networkOptionsFrom(const SystemInfo& system) {
    NetworkOptions options;
    const std::string timeout = trim(system.environment("VARMIO_REQUEST_TIMEOUT"));
    try {
        if (IsNumeric(timeout)) options.requestTimeoutSeconds = toInteger(Val(timeout), 1, 3600);
    } catch (const std::range_error&) {
        // out of range: the default stays
    }
    options.caFile = system.environment("VARMIO_CA_FILE");
    return options;
}

std::unique_ptr<FtpClient> makeFtpClient(const SystemInfo& system) {
    return std::make_unique<CurlFtpClient>(networkOptionsFrom(system),
                                           userKnownHostsFile(system.environment("HOME")));
}

std::unique_ptr<MailSystem> makeMailSystem(const SystemInfo& system) {
    return std::make_unique<SmtpMailSystem>(mailServerFromEnvironment(system),
                                            networkOptionsFrom(system));
}

}  // namespace varmio
