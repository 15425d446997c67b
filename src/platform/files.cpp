#include "files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fstream>
#include <iterator>

#include "basic_text.h"
#include "errors.h"

namespace varmio {

void throwFileError(int e, const std::string& path) {
    switch (e) {
        case ENOENT: {
            auto slash = path.find_last_of(kPathSeparator);
            bool folderMissing =
                slash != std::string::npos && slash > 0 && !folderExists(path.substr(0, slash));
            if (folderMissing) throw RuntimeError(errnum::kPathNotFound, "Path not found");
            throw RuntimeError(errnum::kFileNotFound, "File not found");
        }
        case ENOTDIR:
            throw RuntimeError(errnum::kPathNotFound, "Path not found");
        case EACCES:
        case EPERM:
        case EROFS:
            throw RuntimeError(errnum::kPermissionDenied, "Permission denied");
        case EEXIST:
        case ENOTEMPTY:
        case EISDIR:
        case EBUSY:
            throw RuntimeError(errnum::kPathFileAccessError, "Path/File access error");
        case ENOSPC:
            throw RuntimeError(errnum::kDiskFull, "Disk full");
        case ENAMETOOLONG:
        case EINVAL:
            throw RuntimeError(errnum::kBadFileName, "Bad file name");
        default:
            throw RuntimeError(errnum::kPathFileAccessError, "Path/File access error");
    }
}

std::string withFinalSeparator(std::string path) {
    if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
    return path;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    return withFinalSeparator(folder) + name;
}

std::string currentFolder() {
    char buf[4096];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string("/");
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

long long fileLength(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) throwFileError(ENOENT, path);
    if (!S_ISREG(st.st_mode)) throw RuntimeError(errnum::kFileNotFound, "File not found");
    return static_cast<long long>(st.st_size);
}

std::string fileDateTime(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) throwFileError(ENOENT, path);
    std::tm local{};
    ::localtime_r(&st.st_mtime, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with backtracking to the last '*'.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    auto same = [](char a, char b) { return lowerChar(a) == lowerChar(b); };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

namespace {
// An entry of `folder`; the bare name for the current folder ("").
std::string entryPath(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : joinPath(folder, name);
}

template <class Keep>
std::vector<std::string> listEntries(const std::string& folder, Keep keep) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (keep(name, entryPath(folder, name))) names.push_back(name);
    }
    ::closedir(dir);
    // Listings come in name order, as on the file systems the records were designed for.
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lcase(a) < lcase(b); });
    return names;
}
}  // namespace

std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) {
    return listEntries(folder, [&](const std::string& name, const std::string& full) {
        return fileExists(full) && matchesPattern(name, pattern);
    });
}

std::vector<std::string> listFolders(const std::string& folder) {
    return listEntries(
        folder, [](const std::string&, const std::string& full) { return folderExists(full); });
}

void deleteMatching(const std::string& folder, std::string_view pattern) {
    for (const auto& name : listFiles(folder, pattern))
        ::unlink(entryPath(folder, name).c_str());
}

void deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) throwFileError(errno, path);
}

void copyFile(const std::string& from, const std::string& to,
              const std::function<bool(std::uintmax_t copied)>& keepGoing) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throwFileError(errno, from);
    struct stat st {};
    ::fstat(in, &st);
    if (S_ISDIR(st.st_mode)) {
        ::close(in);
        throw RuntimeError(errnum::kPathFileAccessError, "Path/File access error");
    }
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        int e = errno;
        ::close(in);
        throwFileError(e, to);
    }
    char buf[1 << 16];
    std::uintmax_t copied = 0;
    for (;;) {
        ssize_t got = ::read(in, buf, sizeof buf);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(in), ::close(out);
            throwFileError(e, from);
        }
        for (ssize_t done = 0; done < got;) {
            ssize_t put = ::write(out, buf + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR) continue;
                int e = errno;
                ::close(in), ::close(out);
                throwFileError(e, to);
            }
            done += put;
        }
        copied += static_cast<std::uintmax_t>(got);
        if (keepGoing && !keepGoing(copied)) {
            ::close(in), ::close(out);
            ::unlink(to.c_str());
            throw RuntimeError(errnum::kUserInterrupt, "Cancelled");
        }
    }
    ::close(in);
    if (::close(out) != 0) throwFileError(errno, to);
}

void makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0) throwFileError(errno, path);
}

void makeFolders(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string partial = path.substr(0, slash);
        if (!folderExists(partial)) makeFolder(partial);
    }
    if (!folderExists(path)) makeFolder(path);
}

void removeFolder(const std::string& path) {
    if (::rmdir(path.c_str()) != 0) throwFileError(errno, path);
}

std::optional<std::string> readFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> readLines(const std::string& path) {
    const std::optional<std::string> file = readFileText(path);
    if (!file) throwFileError(fileExists(path) ? EACCES : ENOENT, path);
    const std::string& all = *file;
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            if (i + 1 < all.size() && all[i + 1] == '\n') ++i;
        } else {
            current += all[i];
        }
    }
    if (!current.empty()) lines.push_back(std::move(current));
    return lines;
}

LineWriter::LineWriter(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    // A folder cannot be opened for writing: that fails here as EISDIR.
    if (fd_ < 0) throwFileError(errno, path);
}

LineWriter::~LineWriter() {
    try {
        close();
    } catch (...) {
        // A destructor cannot report; callers that care call close() themselves.
    }
}

void LineWriter::line(std::string_view text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= (1 << 16)) flush();
}

void LineWriter::write(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= (1 << 16)) flush();
}

void LineWriter::flush() {
    size_t done = 0;
    while (done < buffer_.size()) {
        ssize_t put = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            buffer_.clear();
            throwFileError(errno, path_);
        }
        done += static_cast<size_t>(put);
    }
    buffer_.clear();
}

void LineWriter::close() {
    if (fd_ < 0) return;
    int fd = fd_;
    try {
        flush();
    } catch (...) {
        fd_ = -1;
        ::close(fd);
        throw;
    }
    fd_ = -1;
    if (::close(fd) != 0) throwFileError(errno, path_);
}

}  // namespace varmio
