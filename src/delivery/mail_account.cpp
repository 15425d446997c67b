#include "mail_account.h"

#include "platform/basic_text.h"
#include "settings/settings.h"

namespace varmio {

namespace {

constexpr std::string_view kKey = "MAIL_ACCOUNT";

std::string_view securityName(MailSecurity security) {
    switch (security) {
        case MailSecurity::Tls:
            return "tls";
        case MailSecurity::None:
            return "none";
        default:
            return "starttls";
    }
}

MailSecurity securityNamed(std::string_view name) {
    if (equalsNoCase(name, "tls")) return MailSecurity::Tls;
    if (equalsNoCase(name, "none")) return MailSecurity::None;
    return MailSecurity::StartTls;
}

}  // namespace

int defaultMailPort(MailSecurity security) {
    switch (security) {
        case MailSecurity::Tls:
            return 465;
        case MailSecurity::None:
            return 25;
        default:
            return 587;
    }
}

std::optional<MailAccount> readMailAccount(const Settings& settings) {
    MailAccount account;
    account.server = trim(settings.ReadSetting(kKey, "server"));
    if (account.server.empty()) return std::nullopt;
    account.from = settings.ReadSetting(kKey, "from");
    account.security = securityNamed(settings.ReadSetting(kKey, "security"));
    const std::string port = settings.ReadSetting(kKey, "port");
    account.port = IsNumeric(port) && Val(port) >= 1 && Val(port) <= 65535
                       ? static_cast<int>(Val(port))
                       : defaultMailPort(account.security);
    account.user = settings.ReadSetting(kKey, "user");
    account.rememberPassword = settings.ReadSetting(kKey, "remember") != "0";
    return account;
}

void writeMailAccount(Settings& settings, const MailAccount& account) {
    settings.WriteSetting(kKey, "from", account.from);
    settings.WriteSetting(kKey, "server", account.server);
    settings.WriteSetting(kKey, "port", account.port);
    settings.WriteSetting(kKey, "security", securityName(account.security));
    settings.WriteSetting(kKey, "user", account.user);
    settings.WriteSetting(kKey, "remember", account.rememberPassword ? 1 : 0);
}

MailServer mailServer(const MailAccount& account, std::string password) {
    return {account.server, account.port,        account.security,
            account.user,   std::move(password), account.from};
}

std::string_view mailAccountProblem(const MailAccount& account, std::string_view portText,
                                    std::string_view password) {
    for (std::string_view field : {std::string_view(account.from), std::string_view(account.server),
                                   portText, std::string_view(account.user), password})
        if (hasCommandBreak(field)) return "MAIL_ACCOUNT_LINE_BREAK";
    if (trim(account.server).empty() || account.server.find_first_of(" /@") != std::string::npos)
        return "MAIL_ACCOUNT_NO_SERVER";
    const std::string port = trim(portText);
    if (port.empty() || port.find_first_not_of("0123456789") != std::string::npos ||
        port.size() > 5 || Val(port) < 1 || Val(port) > 65535)
        return "MAIL_ACCOUNT_BAD_PORT";
    const size_t at = account.from.find('@');
    if (at == std::string::npos || at == 0 || at + 1 == account.from.size() ||
        account.from.find_first_of(" <>") != std::string::npos)
        return "MAIL_ACCOUNT_BAD_FROM";
    return {};
}

}  // namespace varmio
