#include "curl_ftp_client.h"

#include <curl/curl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

#include "basic_text.h"
#include "curl_connections.h"
#include "curl_support.h"
#include "curl_transfer.h"
#include "files.h"

namespace varmio {

namespace {

constexpr int kStillExecuting = 35764;

RuntimeError curlError(CURLcode code, const std::string& detail = {}) {
    std::string text = curl_easy_strerror(code);
    if (!detail.empty()) text += " (" + detail + ")";
    return RuntimeError(kCurlErrorBase + static_cast<int>(code), text);
}

// ---- libcurl callbacks ----------------------------------------------------------------------

size_t appendText(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// Keeps the last complete reply line of the server ("530 Login incorrect.").
size_t keepReply(char* data, size_t size, size_t count, void* target) {
    std::string_view line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    const bool code = line.size() >= 4 &&
                      line.substr(0, 3).find_first_not_of("0123456789") == std::string_view::npos;
    if (code && line[3] == ' ') *static_cast<std::string*>(target) = line;
    return size * count;
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

// ---- The connection -------------------------------------------------------------------------

struct CurlFtpClient::Session {
    Session(const NetworkOptions& options, CurlInterrupt& interrupt, SshHostKeyCheck& hostKeys)
        : options_(options), interrupt_(interrupt), hostKeys_(hostKeys) {}
    ~Session() { close(); }

    CURL* curl = nullptr;
    Login login;
    FtpServerAddress address;
    std::string folder;  // see resolveFolder

    // Connects afresh when the login fields changed since the last operation.
    void use(const Login& wanted) {
        if (curl && login == wanted) return;
        close();
        address = parseFtpServer(wanted.host);
        curl = curl_easy_init();
        if (!curl) throw curlError(CURLE_FAILED_INIT);
        login = wanted;
    }

    void close() {
        if (curl) curl_easy_cleanup(curl);
        curl = nullptr;
        connections_.closeAll();
        folder.clear();
    }

    bool secureShell() const { return address.scheme == "sftp"; }

    static bool isAbsolute(const std::string& remoteFolder) {
        return !remoteFolder.empty() && remoteFolder.front() == '/';
    }

    // A remote folder as seen from the login folder: a relative one lies below the URL's folder.
    std::string loginPath(const std::string& remoteFolder) const {
        return (isAbsolute(remoteFolder) ? "" : address.basePath) + remoteFolder;
    }

    // The URL of a remote folder ("" or ending with "/"), or of a file in it.
    std::string url(const std::string& remoteFolder, std::string_view name = {}) const {
        std::string url = (secureShell() ? "sftp://" : "ftp://") + address.host + ":" +
                          std::to_string(address.port) + "/";
        if (isAbsolute(remoteFolder))
            url += secureShell() ? "" : "%2F";  // an FTP URL's path is relative to the login
        else if (secureShell())
            url += "~/";  // an SFTP URL's path is absolute
        return url + encodePath(loginPath(remoteFolder)) + encodePath(name);
    }

    // Starts setting up one request on the open connection.
    void begin(const std::string& target) {
        curl_easy_reset(curl);
        reply_.clear();
        errorText_[0] = '\0';
        curl_easy_setopt(curl, CURLOPT_URL, target.c_str());
        curl_easy_setopt(curl, CURLOPT_USERNAME, login.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, login.password.c_str());
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        applyNetworkOptions(curl, options_);
        interrupt_.attach(curl);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText_);
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, keepReply);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply_);
        if (address.scheme == "ftps") curl_easy_setopt(curl, CURLOPT_USE_SSL, CURLUSESSL_ALL);
        if (secureShell()) hostKeys_.attach(curl, address.host, address.port);
    }

    void perform() {
        const CURLcode code = connections_.perform(curl);
        if (code == CURLE_OK) return;
        if (interrupt_.interrupted()) throw RuntimeError(errnum::kUserInterrupt, "Cancelled");
        long response = 0;
        if (!secureShell()) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response);
        if (response >= 400 && startsWith(reply_, std::to_string(response)))
            throw RuntimeError(static_cast<int>(response),
                               std::string(curl_easy_strerror(code)) + " (" + reply_ + ")");
        std::string detail = errorText_;
        throw curlError(code, detail == curl_easy_strerror(code) ? std::string() : detail);
    }

    std::string list(const std::string& remoteFolder, bool namesOnly) {
        std::string output;
        begin(url(remoteFolder));
        curl_easy_setopt(curl, CURLOPT_DIRLISTONLY, namesOnly ? 1L : 0L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendText);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &output);
        perform();
        return output;
    }

    void changeFolder(std::string_view path) {
        std::string wanted = resolveFolder(folder, path);
        if (secureShell()) {
            list(wanted, true);
        } else {
            // Without a body the request only walks into the folder, which fails when it is
            // not there.
            begin(url(wanted));
            curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
            perform();
        }
        folder = std::move(wanted);
    }

    void put(const std::string& local, const std::string& remote) {
        std::unique_ptr<FILE, FileCloser> file(std::fopen(local.c_str(), "rb"));
        if (!file) throwFileError(errno, local);
        struct stat info {};
        if (::fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
            throw RuntimeError(errnum::kFileNotFound, "File not found");
        begin(url(folder, remote));
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READDATA, file.get());
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
        perform();
    }

    void remove(const std::string& remote) {
        std::string command;
        if (secureShell()) {
            std::string quoted;
            for (char c : loginPath(folder) + remote)
                quoted += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
            command = "rm \"" + quoted + "\"";
        } else {
            command = "DELE " + remote;
        }
        CurlList commands(curl_slist_append(nullptr, command.c_str()));
        begin(url(folder));
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
        // FTP runs it after walking into the folder; SFTP has no current folder to walk into.
        curl_easy_setopt(curl, secureShell() ? CURLOPT_QUOTE : CURLOPT_POSTQUOTE, commands.get());
        perform();
    }

  private:
    const NetworkOptions& options_;
    CurlInterrupt& interrupt_;
    SshHostKeyCheck& hostKeys_;
    CurlConnections connections_;  // the control connection, kept from one request to the next
    std::string reply_;
    char errorText_[CURL_ERROR_SIZE] = {};
};

// ---- The control ----------------------------------------------------------------------------

CurlFtpClient::CurlFtpClient(NetworkOptions options, const std::string& knownHostsFile)
    : options_(std::move(options)),
      hostKeys_(knownHostsFile.empty() ? userKnownHostsFile("") : knownHostsFile),
      session_(std::make_unique<Session>(options_, interrupt_, hostKeys_)) {
    initialiseCurl();
}

CurlFtpClient::~CurlFtpClient() {
    interrupt_.interrupt();
    worker_.join();
}

void CurlFtpClient::cancel() {
    if (busy()) interrupt_.interrupt();
}

CurlFtpClient::Request CurlFtpClient::parse(std::string_view operation) {
    const size_t blank = operation.find(' ');
    const std::string verb = ucase(operation.substr(0, blank));
    const std::string argument(blank == std::string_view::npos ? "" : operation.substr(blank + 1));
    if (verb == "CD") return {Request::Verb::ChangeFolder, argument, {}};
    if (verb == "DIR") return {Request::Verb::List, argument, {}};
    if (verb == "DELETE") return {Request::Verb::Delete, argument, {}};
    if (verb == "CLOSE") return {Request::Verb::Close, {}, {}};
    if (verb != "PUT")
        throw RuntimeError(errnum::kInvalidProcedureCall, "Unknown operation: " + verb);

    // Both names may hold blanks. The wizard uploads every file under its own name, so that
    // split wins; otherwise the first split naming an existing local file, else the last blank.
    std::vector<size_t> blanks;
    for (size_t i = argument.find(' '); i != std::string::npos; i = argument.find(' ', i + 1))
        blanks.push_back(i);
    if (blanks.empty())
        throw RuntimeError(errnum::kInvalidProcedureCall, "PUT needs a local file and a name");
    auto split = [&](size_t i) {
        return Request{Request::Verb::Put, argument.substr(0, i), argument.substr(i + 1)};
    };
    for (size_t i : blanks) {
        Request r = split(i);
        if (!r.remoteName.empty() &&
            (r.argument == r.remoteName || endsWith(r.argument, "/" + r.remoteName)))
            return r;
    }
    for (size_t i : blanks)
        if (fileExists(argument.substr(0, i))) return split(i);
    return split(blanks.back());
}

void CurlFtpClient::execute(std::string_view operation) {
    if (busy()) throw RuntimeError(kStillExecuting, "Still executing last request");
    Request request = parse(operation);
    worker_.join();
    {
        std::lock_guard lock(mutex_);
        failure_.reset();
    }
    interrupt_.reset();
    hostKeys_.forget();
    Login login{remoteHost, userName, password};
    // A line break would let the login end a command early and send one of its own.
    if (hasCommandBreak(login.host) || hasCommandBreak(login.user) ||
        hasCommandBreak(login.password))
        throw RuntimeError(errnum::kInvalidProcedureCall,
                           "The server, user name or password holds a line break");
    try {
        worker_.start([this, request = std::move(request), login = std::move(login)] {
            run(request, login);
        });
    } catch (const std::system_error& e) {
        throw RuntimeError(errnum::kInvalidProcedureCall, e.what());
    }
}

void CurlFtpClient::run(const Request& request, const Login& login) {
    std::optional<RuntimeError> failure;
    std::optional<std::string> listing;
    try {
        if (request.verb == Request::Verb::Close) {
            session_->close();
        } else {
            session_->use(login);
            switch (request.verb) {
                case Request::Verb::ChangeFolder:
                    session_->changeFolder(request.argument);
                    break;
                case Request::Verb::Put:
                    session_->put(request.argument, request.remoteName);
                    break;
                case Request::Verb::List:
                    listing = listingText(session_->list(session_->folder, false));
                    break;
                case Request::Verb::Delete:
                    session_->remove(request.argument);
                    break;
                case Request::Verb::Close:
                    break;
            }
        }
    } catch (const RuntimeError& e) {
        failure = e;
    } catch (const std::exception& e) {
        failure = RuntimeError(errnum::kInvalidProcedureCall, e.what());
    }
    if (failure) session_->close();
    {
        std::lock_guard lock(mutex_);
        failure_ = std::move(failure);
        if (listing) listing_ = std::move(*listing);
    }
}

void CurlFtpClient::checkResult() {
    std::optional<RuntimeError> failure;
    {
        std::lock_guard lock(mutex_);
        failure.swap(failure_);
    }
    if (failure) throw *failure;
}

std::optional<HostKeyProblem> CurlFtpClient::hostKeyProblem() const {
    if (busy()) return std::nullopt;
    return hostKeys_.problem();
}

void CurlFtpClient::trustHostKey() {
    if (busy()) throw RuntimeError(kStillExecuting, "Still executing last request");
    hostKeys_.trustUnknownKey();
}

std::string CurlFtpClient::getChunk(size_t maxChars) {
    std::lock_guard lock(mutex_);
    std::string chunk = listing_.substr(0, maxChars);
    listing_.erase(0, chunk.size());
    return chunk;
}

}  // namespace varmio
