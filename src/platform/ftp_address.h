#pragma once

#include <string>
#include <string_view>

// Where the FTP control connects and which remote folders its paths name.
namespace varmio {

// The control's own error numbers: libcurl's failures are numbered from here on.
inline constexpr int kCurlErrorBase = 35750;

// Where a server text points: a bare host, "host:port", or a URL with the scheme ftp://,
// ftps:// (explicit TLS on the control connection) or sftp://.
struct FtpServerAddress {
    std::string scheme;  // "ftp", "ftps" or "sftp"
    std::string host;    // an IPv6 literal keeps its brackets
    int port = 0;
    // A folder named in the URL, below the login folder: "" or ending with "/".
    std::string basePath;
};

// Throws RuntimeError when the text names no host, an unknown scheme or a bad port.
FtpServerAddress parseFtpServer(std::string_view text);

// Where "CD path" leads from `folder`, as a server's CWD would: relative paths go on from the
// current folder, an empty path means the login folder. The result is "" (the login folder),
// "a/b/" below it, or an absolute "/x/".
std::string resolveFolder(const std::string& folder, std::string_view path);

// The path part of a URL for `path` (segments separated by "/"), each segment percent-encoded.
std::string encodePath(std::string_view path);

}  // namespace varmio
