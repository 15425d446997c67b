#pragma once

#include <optional>
#include <string>
#include <vector>

#include "page/file_row.h"

namespace varmio {

struct FtpLogin {
    std::string host;
    std::string user;
    std::string password;
    bool complete() const { return !host.empty() && !user.empty() && !password.empty(); }
    // CR, LF or NUL would end a command line to the server early and start one of the typist's
    // own ("secret\r\nDELE keep.txt"): such a login must never reach the transfer control.
    bool safe() const;
    bool operator==(const FtpLogin&) const = default;
};

// One step of an FTP plan, in the order the transfer control and the file list file see them.
struct FtpStep {
    enum class Kind {
        Transfer,     // the operation `text`, run to its end
        Close,        // "CLOSE": started, not waited for
        ReadFolders,  // the sub-folders of the last "DIR *" go to the caller
        OpenList,     // the file list file `text` is started, replacing one there
        ListLine,     // `text` is written as a line of the file list file
        CloseList,    // the file list file is complete
    };
    Kind kind;
    std::string text;
    std::string upload;  // a "PUT"'s local file, for progress reports
    bool operator==(const FtpStep&) const = default;
};

struct FtpPlan {
    FtpLogin login;  // set on the control before the first step
    std::vector<FtpStep> steps;
};

// Listing `path` (below the login folder; "" is the login folder itself): "CD" into it unless
// it is empty, the probe file qdrn.sec from `programFolder` up and deleted again (proving we may
// write there before files are sent), "DIR *" read in between, then "CLOSE".
FtpPlan ftpListingPlan(FtpLogin login, const std::string& path, const std::string& programFolder);

struct FtpSendInput {
    FtpLogin login;
    std::string path;                     // "CD" goes there even when it is empty
    std::vector<FileRow> rows;            // every row not marked "X" goes up under its own name
    bool withFileList = false;            // the user name + ".lst", naming the uploaded files
    std::string tmpFolder;                // where the file list and the page are written
    std::optional<std::string> pageFile;  // the page's name in tmpFolder, when the run has one
};

// Sending: "CD", a "PUT" per travelling row, the file list file, the page, "CLOSE".
FtpPlan ftpSendPlan(const FtpSendInput& input);

}  // namespace varmio
