#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varmio {

// An SFTP server's host key that the user's known_hosts does not vouch for.
struct HostKeyProblem {
    enum class Kind { Unknown, Changed } kind;  // Changed: known_hosts holds another key
    std::string host;                           // as known_hosts names it: "host", or "[host]:port"
    std::string keyType;                        // "ssh-ed25519"
    std::string fingerprint;  // "SHA256:" and the unpadded base64 of the key's SHA-256
};

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
    // Waits until no operation runs (true) or `limit` has passed with one still running; returns
    // as soon as the operation ends.
    virtual bool waitForEnd(std::chrono::milliseconds limit) = 0;
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

    // After an operation failed: the SFTP server's host key it refused, if that is why.
    virtual std::optional<HostKeyProblem> hostKeyProblem() const { return std::nullopt; }
    // Remembers the unknown key of hostKeyProblem() in known_hosts, so that the next operation
    // takes it. Throws RuntimeError when there is none or it cannot be written.
    virtual void trustHostKey() {}
};

}  // namespace varmio
