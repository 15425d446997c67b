#include "ftp_address.h"

#include <curl/curl.h>

#include <cctype>
#include <vector>

#include "basic_text.h"
#include "errors.h"

namespace varmio {

namespace {

RuntimeError curlError(CURLcode code, const std::string& detail = {}) {
    std::string text = curl_easy_strerror(code);
    if (!detail.empty()) text += " (" + detail + ")";
    return RuntimeError(kCurlErrorBase + static_cast<int>(code), text);
}

// ---- Server text ----------------------------------------------------------------------------

int parsePort(std::string_view text) {
    if (text.empty() || text.size() > 5) return 0;
    int port = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        port = port * 10 + (c - '0');
    }
    return port <= 65535 ? port : 0;
}

std::vector<std::string> pathSegments(std::string_view path) {
    std::vector<std::string> segments;
    for (size_t start = 0; start <= path.size();) {
        size_t slash = path.find('/', start);
        if (slash == std::string_view::npos) slash = path.size();
        if (slash > start) segments.emplace_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return segments;
}

}  // namespace

std::string resolveFolder(const std::string& folder, std::string_view path) {
    if (path.empty()) return "";
    const bool absolute = path.front() == '/' || (!folder.empty() && folder.front() == '/');
    std::vector<std::string> parts =
        path.front() == '/' ? std::vector<std::string>{} : pathSegments(folder);
    for (std::string& segment : pathSegments(path)) {
        if (segment == ".") continue;
        if (segment == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (segment != ".." || !absolute) {
            parts.push_back(std::move(segment));
        }
    }
    std::string resolved = absolute ? "/" : "";
    for (const std::string& part : parts)
        resolved += part + "/";
    return resolved;
}

std::string encodePath(std::string_view path) {
    std::string out;
    std::vector<std::string> segments = pathSegments(path);
    for (size_t i = 0; i < segments.size(); ++i)
        out += (i ? "/" : "") + percentEncode(segments[i], "-._~");
    if (!segments.empty() && path.back() == '/') out += '/';
    return out;
}

FtpServerAddress parseFtpServer(std::string_view text) {
    std::string trimmed = trim(text);
    std::string_view rest = trimmed;
    FtpServerAddress address;
    address.scheme = "ftp";
    if (size_t sep = rest.find("://"); sep != std::string_view::npos) {
        address.scheme = lcase(rest.substr(0, sep));
        rest.remove_prefix(sep + 3);
    }
    if (address.scheme != "ftp" && address.scheme != "ftps" && address.scheme != "sftp")
        throw curlError(CURLE_UNSUPPORTED_PROTOCOL, address.scheme);

    const size_t slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    if (size_t at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);  // the login fields give the user
    std::string_view portText;
    size_t colon = authority.rfind(':');
    if (!authority.empty() && authority.front() == '[') {
        size_t close = authority.find(']');
        colon = close == std::string_view::npos ? close : authority.find(':', close);
    }
    if (colon != std::string_view::npos) {
        portText = authority.substr(colon + 1);
        authority = authority.substr(0, colon);
    }
    address.host = authority;
    address.port = portText.empty() ? (address.scheme == "sftp" ? 22 : 21) : parsePort(portText);
    if (address.host.empty() || address.port == 0)
        throw curlError(CURLE_URL_MALFORMAT, std::string(text));
    if (slash != std::string_view::npos)
        address.basePath = resolveFolder("", rest.substr(slash + 1));
    return address;
}

}  // namespace varmio
