// An FTP server's LIST output, the folder rows walked from it, and the server field's address.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "delivery/ftp_folders.h"
#include "fuzz_check.h"
#include "platform/basic_text.h"
#include "platform/curl_ftp_client.h"
#include "platform/errors.h"

using varmio::fuzz::check;

namespace {

void checkRows(std::string_view listing) {
    const varmio::FolderRows rows = varmio::folderRows(listing);
    check(rows.complete == (listing.empty() || listing.ends_with("\r\n")),
          "the walk is complete when every line ends in CR LF");
    for (const std::string& folder : rows.folders) {
        check(varmio::contains(folder, "/") && !varmio::contains(folder, "./"),
              "a folder row has a / and no ./");
        check(!varmio::contains(folder, "\r\n"), "a folder row is one line");
        // Going back up always ends, one folder at a time.
        std::string path = folder;
        while (!path.empty()) {
            const std::string parent = varmio::parentPath(path);
            check(parent.size() < path.size() && path.starts_with(parent),
                  "one folder up is a shorter prefix");
            check(parent.empty() || parent.ends_with('/'), "one folder up ends in /");
            path = parent;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkRows(text);

    const std::string listing = varmio::listingText(text);
    check(listing.empty() || listing.ends_with("\r\n"), "every listing line ends in CR LF");
    checkRows(listing);

    try {
        const varmio::FtpServerAddress address = varmio::parseFtpServer(text);
        check(!address.host.empty() && address.port > 0 && address.port <= 65535,
              "an address has a host and a port");
        check(address.basePath.empty() || address.basePath.ends_with('/'),
              "a base folder ends in /");
    } catch (const varmio::RuntimeError&) {
    }
    return 0;
}
