#pragma once

#include <curl/curl.h>

#include <optional>
#include <string>
#include <string_view>

#include "ftp_client.h"

// How an SFTP connection trusts its server: by the user's OpenSSH known_hosts file.
namespace varmio {

// The user's known_hosts: `home`/.ssh/known_hosts, or the account's home folder's when `home`
// is "".
std::string userKnownHostsFile(const std::string& home);

// OpenSSH's fingerprint of a key blob: "SHA256:" and the unpadded base64 of its SHA-256.
std::string sshFingerprint(std::string_view keyBlob);

// Checks the host key of each SFTP request against a known_hosts file. A key the file does not
// know, and a key that differs from the one it knows, are refused and described; an unknown key
// is kept, so that the user can be asked and trustUnknownKey() can remember it.
// attach() and the check run on the request's thread, the rest on the window's while no request
// runs.
class SshHostKeyCheck {
  public:
    explicit SshHostKeyCheck(std::string knownHostsFile) : file_(std::move(knownHostsFile)) {}

    // Before each request to sftp://host:port on `curl`.
    void attach(CURL* curl, std::string_view host, int port);
    // Before each operation: nothing refused yet.
    void forget();
    // The key the last request refused, if it refused one.
    const std::optional<HostKeyProblem>& problem() const { return problem_; }
    // Appends the refused unknown key to the file (making ~/.ssh 0700 and the file 0600 when
    // they are new). Throws RuntimeError when there is none or it cannot be written.
    void trustUnknownKey();

  private:
    static int check(CURL*, const curl_khkey* known, const curl_khkey* found, curl_khmatch match,
                     void* self);

    std::string file_;
    std::string hostEntry_;  // "host", or "[host]:port" for a port other than 22
    std::optional<HostKeyProblem> problem_;
    std::string unknownBlob_;  // the refused unknown key, checked: see keyType()
};

}  // namespace varmio
