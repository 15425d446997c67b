#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varmio {

// The transfer control the FTP delivery drives: login properties, operations started by
// execute() that run in the background while busy() is true, and the last listing's text.
// Operations: "CD path", "PUT localPath remoteName", "DIR *", "DELETE remoteName", "CLOSE".
class FtpClient {
  public:
    virtual ~FtpClient() = default;

    std::string remoteHost;
    std::string userName;
    std::string password;

    // Starts an operation and returns at once. Throws RuntimeError when it cannot be started.
    virtual void execute(std::string_view operation) = 0;
    virtual bool busy() const = 0;
    // Stops the running operation within a second, from any thread: it then fails with
    // errnum::kUserInterrupt. Does nothing when none runs.
    virtual void cancel() = 0;
    // Bytes the running (or last) "PUT" has sent so far.
    virtual std::uint64_t bytesSent() const = 0;
    // After an operation finished: throws the RuntimeError it failed with, if any (once).
    virtual void checkResult() = 0;
    // Up to `maxChars` characters of the last "DIR *" output: one entry per line ended by
    // CR LF, folders written with a final "/".
    virtual std::string getChunk(size_t maxChars) = 0;
};

}  // namespace varmio
