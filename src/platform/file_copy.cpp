// copyFile (declared in files.h): the kernel copies between the two files itself where it can,
// as cp does; read and write carry the rest. Both go in pieces, so that progress is heard and a
// cancel takes effect within a piece.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <utility>

#include "errors.h"
#include "files.h"

namespace varmio {

namespace {

// An open file that closes itself on the way out of a failure.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

using KeepGoing = std::function<bool(std::uintmax_t copied)>;

// Pieces of the in-kernel copy: large enough to cost nothing, small enough to answer a cancel at
// once even on a slow disk.
constexpr std::size_t kKernelPiece = std::size_t{8} << 20;

// Tells `keepGoing` what was copied; throws errnum::kUserInterrupt once it says stop.
void report(const KeepGoing& keepGoing, std::uintmax_t copied) {
    if (keepGoing && !keepGoing(copied)) throw RuntimeError(errnum::kUserInterrupt, "Cancelled");
}

// A failure of the target's disk rather than a refusal of the in-kernel copy.
bool isDiskFailure(int e) {
    return e == ENOSPC || e == EDQUOT || e == EFBIG || e == EIO;
}

// Copies up to `size` bytes in the kernel, advancing both files' offsets. Stops early, leaving
// the rest to read and write, when the file systems do not allow it (across file systems on
// older kernels, special files) or the source turns out shorter.
void copyInKernel(int in, int out, off_t size, const std::string& to, std::uintmax_t& copied,
                  const KeepGoing& keepGoing) {
    while (size > 0) {
        const ssize_t done = ::copy_file_range(
            in, nullptr, out, nullptr, std::min(static_cast<std::size_t>(size), kKernelPiece), 0);
        if (done > 0) {
            size -= done;
            copied += static_cast<std::uintmax_t>(done);
            report(keepGoing, copied);
        } else if (done < 0 && errno == EINTR) {
            continue;
        } else {
            if (done < 0 && isDiskFailure(errno)) throwFileError(errno, to);
            return;
        }
    }
}

void copyByReading(int in, int out, const std::string& from, const std::string& to,
                   std::uintmax_t& copied, const KeepGoing& keepGoing) {
    char buf[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buf, sizeof buf);
        if (got == 0) return;
        if (got < 0) {
            if (errno == EINTR) continue;
            throwFileError(errno, from);
        }
        for (ssize_t put = 0; put < got;) {
            const ssize_t wrote = ::write(out, buf + put, static_cast<size_t>(got - put));
            if (wrote < 0) {
                if (errno == EINTR) continue;
                throwFileError(errno, to);
            }
            put += wrote;
        }
        copied += static_cast<std::uintmax_t>(got);
        report(keepGoing, copied);
    }
}

}  // namespace

void copyFile(const std::string& from, const std::string& to, const KeepGoing& keepGoing) {
    Fd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) throwFileError(errno, from);
    struct stat st {};
    ::fstat(in.get(), &st);
    if (S_ISDIR(st.st_mode))
        throw RuntimeError(errnum::kPathFileAccessError, "Path/File access error");
    Fd out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0) throwFileError(errno, to);
    std::uintmax_t copied = 0;
    try {
        // A size of 0 may just be unknown (files of /proc): reading finds the end for sure.
        if (S_ISREG(st.st_mode))
            copyInKernel(in.get(), out.get(), st.st_size, to, copied, keepGoing);
        copyByReading(in.get(), out.get(), from, to, copied, keepGoing);
    } catch (const RuntimeError& e) {
        // A cancelled copy leaves no half file behind.
        if (e.number() == errnum::kUserInterrupt) ::unlink(to.c_str());
        throw;
    }
    if (::close(out.release()) != 0) throwFileError(errno, to);
}

}  // namespace varmio
