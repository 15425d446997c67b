#include "files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <tuple>

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
    // As a general date: a time of midnight is left out.
    const bool midnight = local.tm_hour == 0 && local.tm_min == 0 && local.tm_sec == 0;
    std::strftime(buf, sizeof buf, midnight ? "%Y-%m-%d" : "%Y-%m-%d %H:%M:%S", &local);
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

// What an entry is, from the folder listing when the file system says (most do), else from a
// stat that follows a symbolic link as the listing's callers expect.
bool entryIs(const std::string& folder, std::string_view name, unsigned char type,
             unsigned char wanted) {
    if (type != DT_UNKNOWN && type != DT_LNK) return type == wanted;
    struct stat st {};
    if (::stat(entryPath(folder, std::string(name)).c_str(), &st) != 0) return false;
    return wanted == DT_REG ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
}

template <class Keep>
std::vector<std::string> listEntries(const std::string& folder, Keep keep) {
    std::vector<std::pair<std::string, std::string>> found;  // lowered name, name
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (keep(*entry)) found.emplace_back(lcase(name), name);
    }
    ::closedir(dir);
    // Listings come in name order, as on the file systems the records were designed for.
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (auto& [lowered, name] : found)
        names.push_back(std::move(name));
    return names;
}
}  // namespace

std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) {
    return listEntries(folder, [&](const dirent& entry) {
        return matchesPattern(entry.d_name, pattern) &&
               entryIs(folder, entry.d_name, entry.d_type, DT_REG);
    });
}

std::vector<std::string> filesNamed(const std::string& folder, std::string_view name) {
    return listEntries(folder, [&](const dirent& entry) {
        return equalsNoCase(entry.d_name, name) &&
               entryIs(folder, entry.d_name, entry.d_type, DT_REG);
    });
}

FolderListing::FolderListing(const std::string& folder) : folder_(folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    opened_ = true;
    struct stat st {};
    if (::fstat(::dirfd(dir), &st) == 0) identity_ = {st.st_dev, st.st_ino};
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        entries_.push_back({lcase(name), std::string(name), entry->d_type});
    }
    ::closedir(dir);
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.lowered, a.name) < std::tie(b.lowered, b.name);
    });
}

std::vector<std::string> FolderListing::files(std::string_view pattern) const {
    std::vector<std::string> names;
    for (const Entry& entry : entries_) {
        if (matchesPattern(entry.name, pattern) && entryIs(folder_, entry.name, entry.type, DT_REG))
            names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> listFolders(const std::string& folder) {
    return listEntries(folder, [&](const dirent& entry) {
        return entryIs(folder, entry.d_name, entry.d_type, DT_DIR);
    });
}

void deleteMatching(const std::string& folder, std::string_view pattern) {
    for (const auto& name : listFiles(folder, pattern))
        ::unlink(entryPath(folder, name).c_str());
}

void deleteFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0) throwFileError(errno, path);
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
    return readFileStart(path, std::string::npos);
}

std::optional<std::string> readFileStart(const std::string& path, size_t lines) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text;
    char buf[1 << 16];
    size_t ends = 0;
    while (ends < lines) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // a folder, say, opens but reads as nothing
        const std::string_view piece(buf, static_cast<size_t>(got));
        size_t used = piece.size();
        if (lines != std::string::npos) {
            for (size_t cr = piece.find('\r'); cr != std::string_view::npos;
                 cr = piece.find('\r', cr + 1)) {
                if (++ends == lines) {
                    used = cr + 1;
                    break;
                }
            }
        }
        text.append(piece.substr(0, used));
    }
    ::close(fd);
    return text;
}

std::vector<std::string> readLines(const std::string& path) {
    const std::optional<std::string> file = readFileText(path);
    if (!file) throwFileError(fileExists(path) ? EACCES : ENOENT, path);
    return textLines(*file);
}

std::vector<std::string> textLines(std::string_view all) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr = all.find('\r'); cr != std::string::npos; cr = all.find('\r', start)) {
        lines.emplace_back(all.substr(start, cr - start));
        start = cr + 1;
        if (start < all.size() && all[start] == '\n') ++start;
    }
    if (start < all.size()) lines.emplace_back(all.substr(start));
    return lines;
}

namespace {
// Writes everything, retrying short writes; false with errno set on failure.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return false;
        bytes.remove_prefix(static_cast<size_t>(put));
    }
    return true;
}
}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    const size_t slash = path.rfind(kPathSeparator);
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (name.empty() || (exists && S_ISDIR(old.st_mode))) throwFileError(EISDIR, path);

    static unsigned counter = 0;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        // Hidden and without the record extensions at its end, so no listing takes it for one.
        temp = folder + "." + name.substr(0, 64) + "." + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && (errno != EEXIST || attempt == 100)) throwFileError(errno, path);
    }
    int error = writeAll(fd, bytes) ? 0 : errno;
    if (!error && exists && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temp.c_str());
        throwFileError(error, path);
    }
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
