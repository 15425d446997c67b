#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// File operations as the window code uses them. Failures throw RuntimeError with the run time's
// error numbers (53 file not found, 76 path not found, 70 permission denied, ...).
namespace varmio {

// The folder separator that stands wherever the window code writes a path separator.
inline constexpr char kPathSeparator = '/';

// The path with a final separator.
std::string withFinalSeparator(std::string path);
// `folder` + "/" + `name`, without doubling a separator `folder` already ends with.
std::string joinPath(const std::string& folder, const std::string& name);

// The process's current folder.
std::string currentFolder();

bool fileExists(const std::string& path);  // a regular file
bool folderExists(const std::string& path);
// Length in bytes; throws 53 when the file does not exist.
long long fileLength(const std::string& path);
// Last-modified date and time in general date form ("2026-12-05 14:21:42").
std::string fileDateTime(const std::string& path);

// Deletes the files of `folder` whose names match `pattern` ("*.tmp"); matching ignores case,
// as it does on the platform the records were designed for. Missing files are no error.
void deleteMatching(const std::string& folder, std::string_view pattern);
// Deletes one file; throws when it does not exist or cannot be deleted.
void deleteFile(const std::string& path);
// Copies, replacing an existing target. `keepGoing`, when given, hears the bytes copied so far
// after each piece; once it answers false the copy stops, the unfinished target is deleted and
// RuntimeError errnum::kUserInterrupt is thrown.
void copyFile(const std::string& from, const std::string& to,
              const std::function<bool(std::uintmax_t copied)>& keepGoing = {});
void makeFolder(const std::string& path);    // throws 75 when it exists
void makeFolders(const std::string& path);   // with every missing folder on the way
void removeFolder(const std::string& path);  // throws 75 when not empty
// Names (not paths) of the files in `folder` matching `pattern`, ignoring case, in name order.
std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern);
// The files of `folder` called `name` in any case; "*" and "?" in it are plain characters.
std::vector<std::string> filesNamed(const std::string& folder, std::string_view name);
std::vector<std::string> listFolders(const std::string& folder);
bool matchesPattern(std::string_view name, std::string_view pattern);

// One reading of a folder for callers that pick several kinds of names from it, each as
// listFiles would give them.
class FolderListing {
  public:
    explicit FolderListing(const std::string& folder);  // empty when it cannot be read
    std::vector<std::string> files(std::string_view pattern) const;
    bool opened() const { return opened_; }
    // The folder itself (device, inode), whatever path named it; valid when opened.
    std::pair<std::uint64_t, std::uint64_t> identity() const { return identity_; }

  private:
    struct Entry {
        std::string lowered;
        std::string name;
        unsigned char type;
    };
    std::string folder_;
    std::vector<Entry> entries_;  // name order
    bool opened_ = false;
    std::pair<std::uint64_t, std::uint64_t> identity_{};
};

// The whole file, byte for byte; nullopt when it cannot be opened.
std::optional<std::string> readFileText(const std::string& path);
// The file's first bytes up to its `lines`-th CR (the whole file when it has fewer), for
// callers that need only its first lines; nullopt when it cannot be opened.
std::optional<std::string> readFileStart(const std::string& path, size_t lines);

// Writes `bytes` to a new file in the same folder and renames it over `path`, so that readers
// see the old file or the new one, never a part of either. A symbolic link at `path` is
// replaced, not followed; an existing file keeps its permissions.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Reads a text file line by line: a line ends at CR or at CR LF; a lone LF stays inside the line.
std::vector<std::string> readLines(const std::string& path);
// The lines of a text read whole, as readLines splits them.
std::vector<std::string> textLines(std::string_view text);

// Writes a text file line by line, each line ended by CR LF. Opening replaces the file.
class LineWriter {
  public:
    explicit LineWriter(const std::string& path);  // throws when the file cannot be created
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void line(std::string_view text);
    // Adds raw bytes; used where a line is built from several writes.
    void write(std::string_view text);
    void close();

  private:
    void flush();

    std::string path_;
    std::string buffer_;
    int fd_ = -1;
};

// A RuntimeError for a failed system call on `path`, from errno.
[[noreturn]] void throwFileError(int errnoValue, const std::string& path);

}  // namespace varmio
