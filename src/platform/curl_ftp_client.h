#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "background_task.h"
#include "curl_transfer.h"
#include "errors.h"
#include "ftp_address.h"
#include "ftp_client.h"
#include "ftp_listing.h"
#include "network_options.h"
#include "ssh_host_keys.h"

namespace varmio {

// The transfer control on libcurl. Each operation runs on a worker thread; the connection stays
// open between operations until "CLOSE" or a failure, so the remote folder chosen by "CD" holds
// for the operations that follow. A failed (or cancelled) operation drops the connection, and
// with it the remote folder, so that a retry starts again from the login folder.
class CurlFtpClient : public FtpClient {
  public:
    // SFTP servers' host keys are checked against `knownHostsFile` (OpenSSH's format); "" for
    // the one in the account's home folder.
    explicit CurlFtpClient(NetworkOptions options = {}, const std::string& knownHostsFile = {});
    ~CurlFtpClient() override;
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

    void execute(std::string_view operation) override;
    bool busy() const override { return worker_.busy(); }
    bool waitForEnd(std::chrono::milliseconds limit) override { return worker_.waitForEnd(limit); }
    void cancel() override;
    std::uint64_t bytesSent() const override { return interrupt_.sent(); }
    void checkResult() override;
    std::string getChunk(size_t maxChars) override;
    std::optional<HostKeyProblem> hostKeyProblem() const override;
    void trustHostKey() override;

  private:
    struct Login {
        std::string host;
        std::string user;
        std::string password;
        bool operator==(const Login&) const = default;
    };
    struct Request {
        enum class Verb { ChangeFolder, Put, List, Delete, Close } verb;
        std::string argument;  // the folder, the local file or the remote name
        std::string remoteName;
    };
    struct Session;

    static Request parse(std::string_view operation);
    void run(const Request& request, const Login& login);

    NetworkOptions options_;
    CurlInterrupt interrupt_;
    SshHostKeyCheck hostKeys_;
    std::unique_ptr<Session> session_;  // used by the worker only
    BackgroundTask worker_;
    std::mutex mutex_;  // guards the two results below
    std::optional<RuntimeError> failure_;
    std::string listing_;
};

}  // namespace varmio
