#include "user_spool.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "printer/spool.h"

namespace varmio {

namespace {

volatile std::sig_atomic_t cancelled = 0;

[[noreturn]] void fail(const std::string& what, int error = errno) {
    // A full disk or quota is temporary: CUPS keeps the job and tries again.
    const int status = (error == ENOSPC || error == EDQUOT) ? kBackendRetry : kBackendFailed;
    throw SpoolError(what + ": " + std::strerror(error), status);
}

// Only root may own a folder that holds other users' folders, and nobody else may write it.
bool safeParent(const struct stat& st) {
    return S_ISDIR(st.st_mode) && (st.st_uid == 0 || st.st_uid == ::geteuid()) &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

int openBase(const std::string& base) {
    if (::mkdir(base.c_str(), 0755) == 0) {
        if (::chmod(base.c_str(), 0755) != 0) fail("cannot set up " + base);
    } else if (errno != EEXIST) {
        fail("cannot make the spool folder " + base);
    }
    const int fd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) fail("cannot open the spool folder " + base);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !safeParent(st)) {
        ::close(fd);
        throw SpoolError("the spool folder " + base + " may be written by others", kBackendFailed);
    }
    return fd;
}

void becomeUser(const passwd& user) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(user.pw_gid) != 0 || ::setuid(user.pw_uid) != 0 ||
        (user.pw_uid != 0 && ::setuid(0) == 0)) {
        fail("cannot take the ids of " + std::string(user.pw_name));
    }
}

void writeAll(int fd, std::string_view bytes, const char* what) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR && !cancelled) continue;
        if (n <= 0) fail(std::string("cannot write the ") + what);
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void copyInput(int input, int output) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(input, buffer, sizeof buffer);
        if (cancelled) throw SpoolError("cancelled", kBackendOk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("cannot read the job");
        if (n == 0) return;
        writeAll(output, std::string_view(buffer, static_cast<size_t>(n)), "job");
    }
}

void writeFile(int folder, std::string_view name, const auto& fill) {
    const std::string file(name);
    const int fd =
        ::openat(folder, file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) fail("cannot create " + file);
    try {
        fill(fd);
        if (::fsync(fd) != 0) fail("cannot write " + file);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) fail("cannot write " + file);
}

}  // namespace

void requestCancel() {
    cancelled = 1;
}

int openUserSpool(const std::string& base, const passwd& user) {
    const bool root = ::geteuid() == 0;
    if (!root && user.pw_uid != ::geteuid()) {
        throw SpoolError(
            "this backend does not run as root, so it takes only the jobs of its own user",
            kBackendCancel);
    }
    const int baseFd = openBase(base);
    const std::string name = std::to_string(user.pw_uid);
    if (::mkdirat(baseFd, name.c_str(), 0700) != 0 && errno != EEXIST) {
        const int error = errno;
        ::close(baseFd);
        fail("cannot make the user's spool folder", error);
    }
    const int fd = ::openat(baseFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    const int error = errno;
    ::close(baseFd);
    if (fd < 0) fail("cannot open the user's spool folder", error);
    struct stat st {};
    const bool owned = ::fstat(fd, &st) == 0 && (st.st_uid == user.pw_uid || st.st_uid == 0);
    if (!owned || ::fchown(fd, user.pw_uid, user.pw_gid) != 0 || ::fchmod(fd, 0700) != 0) {
        ::close(fd);
        throw SpoolError("the user's spool folder belongs to someone else", kBackendFailed);
    }
    if (root) becomeUser(user);
    return fd;
}

void writeJob(int userFolder, const std::string& name, int input, std::string_view title) {
    const std::string incoming = std::string(spool::kIncomingPrefix) + name;
    if (::mkdirat(userFolder, incoming.c_str(), 0700) != 0) fail("cannot make " + incoming);
    const int job = ::openat(userFolder, incoming.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    try {
        if (job < 0) fail("cannot open " + incoming);
        writeFile(job, spool::kDocumentFile, [&](int fd) { copyInput(input, fd); });
        writeFile(job, spool::kTitleFile, [&](int fd) { writeAll(fd, title, "title"); });
        if (::fsync(job) != 0 ||
            ::renameat(userFolder, incoming.c_str(), userFolder, name.c_str()) != 0) {
            fail("cannot hand the job over");
        }
        ::fsync(userFolder);
        ::close(job);
    } catch (...) {
        if (job >= 0) {
            ::unlinkat(job, std::string(spool::kDocumentFile).c_str(), 0);
            ::unlinkat(job, std::string(spool::kTitleFile).c_str(), 0);
            ::close(job);
        }
        ::unlinkat(userFolder, incoming.c_str(), AT_REMOVEDIR);
        throw;
    }
}

}  // namespace varmio
