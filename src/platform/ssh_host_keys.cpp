#include "ssh_host_keys.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "errors.h"
#include "files.h"

namespace varmio {

namespace {

// Larger than any RSA key of 16384 bits; a server's key beyond it is refused.
constexpr size_t kMaxKeyBlob = 8192;

std::string base64(std::string_view bytes) {
    std::vector<unsigned char> out(4 * ((bytes.size() + 2) / 3) + 1);
    const int length =
        EVP_EncodeBlock(out.data(), reinterpret_cast<const unsigned char*>(bytes.data()),
                        static_cast<int>(bytes.size()));
    return std::string(reinterpret_cast<const char*>(out.data()), static_cast<size_t>(length));
}

// The key type a key blob names in its first field, when it is one this libssh2 checks and the
// one libcurl reported; nullopt for anything else, so that no other bytes of a server's key
// reach a message or a file.
std::optional<std::string> keyType(std::string_view blob, curl_khtype reported) {
    struct Known {
        std::string_view name;
        curl_khtype type;
    };
    static constexpr std::array<Known, 6> kTypes{{{"ssh-rsa", CURLKHTYPE_RSA},
                                                  {"ssh-dss", CURLKHTYPE_DSS},
                                                  {"ecdsa-sha2-nistp256", CURLKHTYPE_ECDSA},
                                                  {"ecdsa-sha2-nistp384", CURLKHTYPE_ECDSA},
                                                  {"ecdsa-sha2-nistp521", CURLKHTYPE_ECDSA},
                                                  {"ssh-ed25519", CURLKHTYPE_ED25519}}};
    if (blob.size() < 4 || blob.size() > kMaxKeyBlob) return std::nullopt;
    size_t length = 0;
    for (int i = 0; i < 4; ++i)
        length = length << 8 | static_cast<unsigned char>(blob[static_cast<size_t>(i)]);
    if (length > blob.size() - 4) return std::nullopt;
    const std::string_view name = blob.substr(4, length);
    for (const Known& known : kTypes)
        if (known.name == name && known.type == reported) return std::string(name);
    return std::nullopt;
}

// A host name as known_hosts may hold it plainly: nothing that would end the field.
bool plainHostName(std::string_view host) {
    if (host.empty()) return false;
    for (char c : host) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '.' && c != '-' && c != '_' && c != ':') return false;
    }
    return true;
}

}  // namespace

std::string userKnownHostsFile(const std::string& home) {
    std::string folder = home;
    if (folder.empty()) {
        passwd entry{};
        passwd* found = nullptr;
        std::array<char, 4096> buffer{};
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
            folder = found->pw_dir;
    }
    return folder + "/.ssh/known_hosts";
}

std::string sshFingerprint(std::string_view keyBlob) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(keyBlob.data(), keyBlob.size(), digest.data(), &length, EVP_sha256(), nullptr) !=
        1)
        throw RuntimeError(errnum::kInvalidProcedureCall, "SHA-256 is not available");
    std::string text = base64({reinterpret_cast<const char*>(digest.data()), length});
    while (!text.empty() && text.back() == '=')
        text.pop_back();
    return "SHA256:" + text;
}

void SshHostKeyCheck::attach(CURL* curl, std::string_view host, int port) {
    // libcurl looks the host up without the brackets of an IPv6 address, as OpenSSH writes it.
    if (host.size() > 1 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    hostEntry_ =
        port == 22 ? std::string(host) : "[" + std::string(host) + "]:" + std::to_string(port);
    curl_easy_setopt(curl, CURLOPT_SSH_KNOWNHOSTS, file_.c_str());
    curl_easy_setopt(curl, CURLOPT_SSH_KEYFUNCTION, check);
    curl_easy_setopt(curl, CURLOPT_SSH_KEYDATA, this);
}

void SshHostKeyCheck::forget() {
    problem_.reset();
    unknownBlob_.clear();
}

int SshHostKeyCheck::check(CURL*, const curl_khkey*, const curl_khkey* found, curl_khmatch match,
                           void* self) {
    if (match == CURLKHMATCH_OK) return CURLKHSTAT_FINE;
    try {
        auto* keys = static_cast<SshHostKeyCheck*>(self);
        // libcurl with libssh2 hands over the server's key as it came: the raw blob.
        if (!found || !found->key || found->len == 0) return CURLKHSTAT_REJECT;
        const std::string_view blob(found->key, found->len);
        const std::optional<std::string> type = keyType(blob, found->keytype);
        if (!type) return CURLKHSTAT_REJECT;
        const bool changed = match == CURLKHMATCH_MISMATCH;
        keys->problem_ =
            HostKeyProblem{changed ? HostKeyProblem::Kind::Changed : HostKeyProblem::Kind::Unknown,
                           keys->hostEntry_, *type, sshFingerprint(blob)};
        if (!changed) keys->unknownBlob_ = blob;
    } catch (...) {
        // refused below, described or not
    }
    return CURLKHSTAT_REJECT;
}

void SshHostKeyCheck::trustUnknownKey() {
    if (!problem_ || problem_->kind != HostKeyProblem::Kind::Unknown || unknownBlob_.empty())
        throw RuntimeError(errnum::kInvalidProcedureCall, "No unknown host key to remember");
    const std::string host =
        hostEntry_.front() == '[' ? hostEntry_.substr(1, hostEntry_.rfind(']') - 1) : hostEntry_;
    if (!plainHostName(host))
        throw RuntimeError(errnum::kBadFileName, "The server name cannot go into " + file_);
    // Every field is ours: the checked host, a type from our list and our own base64.
    std::string line = hostEntry_ + " " + problem_->keyType + " " + base64(unknownBlob_) + "\n";

    const std::filesystem::path path(file_);
    const std::string folder = path.parent_path().string();
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) throwFileError(errno, folder);
    const int fd = ::open(file_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) throwFileError(errno, file_);
    struct stat info {};
    char last = '\n';
    if (::fstat(fd, &info) == 0 && info.st_size > 0 &&
        ::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n')
        line.insert(0, "\n");  // the file's last line had no end
    const bool wrote = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    const int error = wrote ? 0 : (errno ? errno : EIO);
    if (::close(fd) != 0 && wrote) throwFileError(errno, file_);
    if (!wrote) throwFileError(error, file_);
    forget();
}

}  // namespace varmio
