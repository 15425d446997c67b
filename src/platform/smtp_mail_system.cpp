#include "smtp_mail_system.h"

#include <curl/curl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <memory>

#include "basic_text.h"
#include "curl_support.h"
#include "errors.h"
#include "files.h"
#include "system_info.h"

namespace varmio {

namespace {

// Attachments can be large; the whole message gets more time than one FTP request.
constexpr long kSendTimeoutSeconds = 300;

struct EasyCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct MimeFree {
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};

void append(CurlList& list, const std::string& entry) {
    curl_slist* grown = curl_slist_append(list.get(), entry.c_str());
    if (!grown) throw RuntimeError(CURLE_OUT_OF_MEMORY, curl_easy_strerror(CURLE_OUT_OF_MEMORY));
    list.release();
    list.reset(grown);
}

// A header value on one line: a line break in a typed text must not start a header of its own.
std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

std::string base64(std::string_view data) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < data.size(); i += 3) {
        unsigned value = static_cast<unsigned char>(data[i]) << 16;
        if (i + 1 < data.size()) value |= static_cast<unsigned char>(data[i + 1]) << 8;
        if (i + 2 < data.size()) value |= static_cast<unsigned char>(data[i + 2]);
        out += kAlphabet[(value >> 18) & 63];
        out += kAlphabet[(value >> 12) & 63];
        out += i + 1 < data.size() ? kAlphabet[(value >> 6) & 63] : '=';
        out += i + 2 < data.size() ? kAlphabet[value & 63] : '=';
    }
    return out;
}

// Header text beyond ASCII travels as an encoded word.
std::string headerText(std::string_view text) {
    std::string line = oneLine(text);
    for (unsigned char c : line)
        if (c >= 0x80) return "=?UTF-8?B?" + base64(line) + "?=";
    return line;
}

// The message date, written without the locale's month and day names.
std::string dateHeader() {
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const int minutes = static_cast<int>(local.tm_gmtoff / 60);
    const int east = minutes < 0 ? -minutes : minutes;
    char text[96];
    std::snprintf(text, sizeof text, "Date: %s, %02d %s %d %02d:%02d:%02d %c%02d%02d",
                  kDays[local.tm_wday], local.tm_mday, kMonths[local.tm_mon], local.tm_year + 1900,
                  local.tm_hour, local.tm_min, local.tm_sec, minutes < 0 ? '-' : '+',
                  east / 60 % 100, east % 60);
    return text;
}

std::string messageId(const std::string& from) {
    static std::atomic<unsigned> sent{0};
    size_t at = from.rfind('@');
    std::string domain = at == std::string::npos ? "localhost" : from.substr(at + 1);
    return "Message-ID: <" + std::to_string(std::time(nullptr)) + "." + std::to_string(::getpid()) +
           "." + std::to_string(++sent) + "@" + domain + ">";
}

std::string contentType(std::string_view name) {
    const std::string lower = lcase(name);
    const std::pair<std::string_view, std::string_view> kTypes[] = {
        {".htm", "text/html"},       {".html", "text/html"}, {".txt", "text/plain"},
        {".pdf", "application/pdf"}, {".gif", "image/gif"},  {".png", "image/png"},
        {".jpg", "image/jpeg"},      {".jpeg", "image/jpeg"}};
    for (const auto& [ending, type] : kTypes)
        if (endsWith(lower, ending)) return std::string(type);
    return "application/octet-stream";
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

}  // namespace

SmtpSettings smtpSettingsFrom(const SystemInfo& system) {
    SmtpSettings settings;
    settings.url = trim(system.environment("VARMIO_SMTP_URL"));
    settings.user = system.environment("VARMIO_SMTP_USER");
    settings.password = system.environment("VARMIO_SMTP_PASSWORD");
    settings.from = trim(system.environment("VARMIO_MAIL_FROM"));
    if (settings.from.empty()) {
        std::string user = system.environment("USER");
        if (user.empty()) user = system.environment("LOGNAME");
        if (user.empty()) user = "varmio";
        char host[256] = {};
        if (::gethostname(host, sizeof host - 1) != 0 || host[0] == '\0')
            std::snprintf(host, sizeof host, "localhost");
        settings.from = user + "@" + host;
    }
    return settings;
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

SmtpMailSystem::SmtpMailSystem(SmtpSettings settings) : settings_(std::move(settings)) {
    initialiseCurl();
}

int SmtpMailSystem::logon() {
    return settings_.url.empty() ? 1 : 0;
}

void SmtpMailSystem::send(const MailMessage& message) {
    if (settings_.url.empty())
        throw RuntimeError(CURLE_URL_MALFORMAT, "No mail server is configured");
    const std::vector<std::string> addresses = mailAddresses(message.recipient);
    if (addresses.empty())
        throw RuntimeError(CURLE_SEND_ERROR, "The message has no recipient address");
    // libcurl would only notice a missing file halfway through the message.
    for (const MailAttachment& attachment : message.attachments)
        if (!fileExists(attachment.path))
            throw RuntimeError(errnum::kFileNotFound, "File not found: " + attachment.path);

    std::unique_ptr<CURL, EasyCleanup> curl(curl_easy_init());
    if (!curl) throw RuntimeError(CURLE_FAILED_INIT, curl_easy_strerror(CURLE_FAILED_INIT));
    CURL* c = curl.get();

    CurlList recipients;
    for (const std::string& address : addresses)
        append(recipients, "<" + address + ">");
    CurlList headers;
    append(headers, dateHeader());
    append(headers, "From: <" + settings_.from + ">");
    append(headers, "To: " + headerText(message.recipient));
    append(headers, "Subject: " + headerText(message.subject));
    append(headers, messageId(settings_.from));

    std::unique_ptr<curl_mime, MimeFree> mime(curl_mime_init(c));
    curl_mimepart* note = curl_mime_addpart(mime.get());
    curl_mime_data(note, message.noteText.data(), message.noteText.size());
    curl_mime_type(note, "text/plain; charset=UTF-8");
    curl_mime_encoder(note, "quoted-printable");
    for (const MailAttachment& attachment : message.attachments) {
        curl_mimepart* part = curl_mime_addpart(mime.get());
        curl_mime_filedata(part, attachment.path.c_str());
        curl_mime_filename(part, attachment.name.c_str());
        curl_mime_type(part, contentType(attachment.name).c_str());
        curl_mime_encoder(part, "base64");
    }

    std::string reply;
    char errorText[CURL_ERROR_SIZE] = {};
    const std::string from = "<" + settings_.from + ">";
    curl_easy_setopt(c, CURLOPT_URL, settings_.url.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.c_str());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, kSendTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, keepReply);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &reply);
    if (!settings_.user.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, settings_.user.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, settings_.password.c_str());
    }
    // Plain SMTP still upgrades to TLS when the server offers it.
    if (startsWith(lcase(settings_.url), "smtp://"))
        curl_easy_setopt(c, CURLOPT_USE_SSL, CURLUSESSL_TRY);

    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_OK) return;
    std::string description = curl_easy_strerror(code);
    std::string detail = reply.size() >= 3 && reply[0] >= '4' ? reply : std::string(errorText);
    if (!detail.empty() && detail != description) description += " (" + detail + ")";
    throw RuntimeError(static_cast<int>(code), description);
}

}  // namespace varmio
