#include "smtp_mail_system.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "basic_text.h"
#include "curl_support.h"
#include "errors.h"
#include "files.h"
#include "mail_headers.h"
#include "system_info.h"

namespace varmio {

namespace {

struct EasyCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct MimeFree {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};

RuntimeError curlFailure(CURLcode code, const std::string& detail = {}) {
    std::string text = curl_easy_strerror(code);
    if (!detail.empty() && detail != text) text += " (" + detail + ")";
    return RuntimeError(static_cast<int>(code), text);
}

void append(CurlList& list, const std::string& entry) {
    curl_slist* grown = curl_slist_append(list.get(), entry.c_str());
    if (!grown) throw curlFailure(CURLE_OUT_OF_MEMORY);
    list.release();
    list.reset(grown);
}

// Keeps the last complete reply line of the server ("550 No such user").
size_t keepReply(char* data, size_t size, size_t count, void* target) {
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    if (line.size() >= 4 && line[3] == ' ' && line[0] >= '1' && line[0] <= '5')
        *static_cast<std::string*>(target) = line;
    return size * count;
}

// A host name or address literal, so that the URL built from it names that host and no more.
bool plainHost(std::string_view host) {
    if (host.empty()) return false;
    for (char c : host) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alnum && std::string_view(".-_:[]").find(c) == std::string_view::npos) return false;
    }
    return true;
}

// An address libcurl sends as "MAIL FROM:<address>": nothing in it may end or leave the brackets.
bool plainAddress(std::string_view address) {
    return !address.empty() && !hasCommandBreak(address) &&
           address.find_first_of("<> ") == std::string_view::npos;
}

void addAttachment(curl_mime* mime, const MailAttachment& attachment) {
    curl_mimepart* part = curl_mime_addpart(mime);
    curl_mime_filedata(part, attachment.path.c_str());
    // libcurl would write the name as it is; these headers carry it encoded instead.
    curl_mime_filename(part, nullptr);
    const AttachmentHeaders lines = attachmentHeaders(attachment.name);
    CurlList headers;
    append(headers, lines.type);
    append(headers, lines.disposition);
    curl_mime_headers(part, headers.release(), 1);
    curl_mime_encoder(part, "base64");
}

}  // namespace

MailServer mailServerFromEnvironment(const SystemInfo& system) {
    MailServer server;
    const std::string url = trim(system.environment("VARMIO_SMTP_URL"));
    server.from = trim(system.environment("VARMIO_MAIL_FROM"));
    if (server.from.empty()) server.from = defaultSender(system);
    if (url.empty()) return server;
    server.user = system.environment("VARMIO_SMTP_USER");
    server.password = system.environment("VARMIO_SMTP_PASSWORD");

    std::string_view rest = url;
    const std::string scheme = lcase(rest.substr(0, rest.find("://")));
    if (scheme == "smtps") {
        server.security = MailSecurity::Tls;
        server.port = 465;
    } else if (scheme == "smtp") {
        server.security =
            server.user.empty() ? MailSecurity::Opportunistic : MailSecurity::StartTls;
        server.port = 25;
    } else {
        throw curlFailure(CURLE_UNSUPPORTED_PROTOCOL, url);
    }
    if (equalsNoCase(trim(system.environment("VARMIO_SMTP_SECURITY")), "none"))
        server.security = MailSecurity::None;
    rest.remove_prefix(scheme.size() + 3);
    rest = rest.substr(0, rest.find('/'));
    const size_t close = rest.rfind(']');
    const size_t colon = rest.rfind(':');
    if (colon != std::string_view::npos && (close == std::string_view::npos || colon > close)) {
        const std::string_view port = rest.substr(colon + 1);
        if (port.empty() || port.size() > 5 ||
            port.find_first_not_of("0123456789") != std::string_view::npos || Val(port) > 65535)
            throw curlFailure(CURLE_URL_MALFORMAT, url);
        server.port = static_cast<int>(Val(port));
        rest = rest.substr(0, colon);
    }
    server.host = rest;
    return server;
}

std::string defaultSender(const SystemInfo& system) {
    std::string user = system.environment("USER");
    if (user.empty()) user = system.environment("LOGNAME");
    if (user.empty()) user = "varmio";
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0')
        std::snprintf(host, sizeof host, "localhost");
    return user + "@" + host;
}

std::vector<std::string> mailAddresses(std::string_view recipient) {
    std::vector<std::string> addresses;
    for (size_t start = 0; start <= recipient.size();) {
        size_t end = recipient.find_first_of(",;", start);
        if (end == std::string_view::npos) end = recipient.size();
        std::string_view entry = recipient.substr(start, end - start);
        size_t open = entry.find('<');
        size_t close = entry.rfind('>');
        if (open != std::string_view::npos && close != std::string_view::npos && close > open)
            entry = entry.substr(open + 1, close - open - 1);
        std::string address = trim(oneLine(entry));
        if (!address.empty()) addresses.push_back(address);
        start = end + 1;
    }
    return addresses;
}

SmtpMailSystem::SmtpMailSystem(MailServer preset, NetworkOptions options)
    : server_(std::move(preset)), preset_(!server_.host.empty()), options_(std::move(options)) {
    initialiseCurl();
}

int SmtpMailSystem::logon() {
    return server_.host.empty() ? 1 : 0;
}

void SmtpMailSystem::send(const MailMessage& message) {
    // A cancel that came before the send began still counts; it is used up when the send ends.
    struct Done {
        CurlInterrupt& interrupt;
        ~Done() { interrupt.reset(); }
    } done{interrupt_};
    if (server_.host.empty()) throw curlFailure(CURLE_URL_MALFORMAT, "No mail server is set up");
    if (!plainHost(server_.host)) throw curlFailure(CURLE_URL_MALFORMAT, server_.host);
    if (!plainAddress(server_.from))
        throw curlFailure(CURLE_SEND_ERROR, "The sender address is not valid");
    const std::vector<std::string> addresses = mailAddresses(message.recipient);
    if (addresses.empty())
        throw RuntimeError(CURLE_SEND_ERROR, "The message has no recipient address");
    // libcurl would only notice a missing file halfway through the message.
    for (const MailAttachment& attachment : message.attachments)
        if (!fileExists(attachment.path))
            throw RuntimeError(errnum::kFileNotFound, "File not found: " + attachment.path);

    std::unique_ptr<CURL, EasyCleanup> curl(curl_easy_init());
    if (!curl) throw curlFailure(CURLE_FAILED_INIT);
    CURL* c = curl.get();

    CurlList recipients;
    for (const std::string& address : addresses)
        append(recipients, "<" + address + ">");
    CurlList headers;
    append(headers, dateHeader());
    append(headers, "From: <" + server_.from + ">");
    append(headers, "To: " + headerText(message.recipient));
    append(headers, "Subject: " + headerText(message.subject));
    append(headers, messageIdHeader(server_.from));

    std::unique_ptr<curl_mime, MimeFree> mime(curl_mime_init(c));
    curl_mimepart* note = curl_mime_addpart(mime.get());
    curl_mime_data(note, message.noteText.data(), message.noteText.size());
    curl_mime_type(note, "text/plain; charset=UTF-8");
    curl_mime_encoder(note, "quoted-printable");
    for (const MailAttachment& attachment : message.attachments)
        addAttachment(mime.get(), attachment);

    MailSecurity security = server_.security;
    if (security == MailSecurity::Opportunistic && !server_.user.empty())
        security = MailSecurity::StartTls;  // a password never goes out unprotected by chance
    const std::string url = std::string(security == MailSecurity::Tls ? "smtps://" : "smtp://") +
                            server_.host + ":" + std::to_string(server_.port);
    std::string reply;
    char errorText[CURL_ERROR_SIZE] = {};
    const std::string from = "<" + server_.from + ">";
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    applyNetworkOptions(c, options_);
    interrupt_.attach(c);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, keepReply);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &reply);
    if (!server_.user.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, server_.user.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, server_.password.c_str());
    }
    const curl_usessl tls = security == MailSecurity::None            ? CURLUSESSL_NONE
                            : security == MailSecurity::Opportunistic ? CURLUSESSL_TRY
                                                                      : CURLUSESSL_ALL;
    curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(tls));

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK) return;
    if (interrupt_.interrupted()) throw RuntimeError(errnum::kUserInterrupt, "Cancelled");
    throw curlFailure(code, reply.size() >= 3 && reply[0] >= '4' ? reply : std::string(errorText));
}

}  // namespace varmio
