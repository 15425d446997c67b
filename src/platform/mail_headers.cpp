#include "mail_headers.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <utility>

#include "basic_text.h"

namespace varmio {

namespace {

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

bool printableAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

std::string encodedWord(std::string_view text) {
    return "=?UTF-8?B?" + base64(text) + "?=";
}

// A MIME parameter value in quotes, its quotes and backslashes escaped.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

// RFC 2231's extended value: every byte outside its attribute characters as %XX.
std::string extendedValue(std::string_view text) {
    return "UTF-8''" + percentEncode(text, "!#$&+-.^_`|~");
}

}  // namespace

std::string oneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

std::string headerText(std::string_view text) {
    std::string line = oneLine(text);
    for (unsigned char c : line)
        if (c >= 0x80 || c == 0) return encodedWord(line);
    return line;
}

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

std::string messageIdHeader(const std::string& from) {
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

AttachmentHeaders attachmentHeaders(std::string_view name) {
    const std::string type = "Content-Type: " + contentType(name);
    if (printableAscii(name))
        return {type, "Content-Disposition: attachment; filename=" + quoted(name)};
    return {type + "; name=\"" + encodedWord(name) + "\"",
            "Content-Disposition: attachment; filename*=" + extendedValue(name)};
}

}  // namespace varmio
