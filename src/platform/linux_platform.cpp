#include "linux_platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "files.h"
#include "xdg_folders.h"

namespace varmio {

namespace {

bool isExecutable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

bool sameContent(const std::string& a, const std::string& b) {
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

std::vector<std::string> splitBlanks(std::string_view text) {
    std::vector<std::string> words;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        words.emplace_back(text.substr(start, end - start));
        pos = end;
    }
    return words;
}

// Starts argv[0] with its arguments and does not wait: the child forks the program and exits,
// so nothing is left to reap.
void spawnDetached(const std::vector<std::string>& argv, const std::string& workingFolder,
                   bool quiet) {
    if (argv.empty()) return;
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        ::setsid();
        if (::fork() != 0) ::_exit(0);
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) {
            // Stay where we are; the working folder is a convenience only.
        }
        if (quiet) {
            int devnull = ::open("/dev/null", O_RDWR);
            if (devnull >= 0) {
                ::dup2(devnull, 1);
                ::dup2(devnull, 2);
            }
        }
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
}

}  // namespace

std::string executableFolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

// Relative to the program, never a path of the build machine: a build folder is laid out like
// an installation (bin/ beside share/varmio/).
std::string installedDataFolder() {
    return executableFolder() + "/../share/varmio";
}

std::string resolveProgram(const std::string& path) {
    if (isExecutable(path)) return path;
    std::string name = path.substr(path.find_last_of('/') + 1);
    std::string beside = executableFolder() + "/" + name;
    return isExecutable(beside) ? beside : std::string();
}

void LinuxShell::open(std::string_view file, std::string_view parameters,
                      std::string_view workingFolder, int) {
    std::vector<std::string> words = splitBlanks(file);
    if (words.empty()) return;
    std::string program = resolveProgram(words[0]);
    if (!program.empty() && words[0].find("://") == std::string::npos) {
        words[0] = program;
        for (auto& p : splitBlanks(parameters))
            words.push_back(p);
        spawnDetached(words, std::string(workingFolder), false);
        return;
    }
    spawnDetached({"xdg-open", std::string(file)}, std::string(workingFolder), true);
}

void LinuxShell::startHidden(std::string_view program) {
    std::string resolved = resolveProgram(std::string(program));
    if (!resolved.empty()) spawnDetached({resolved}, "", true);
}

std::string LinuxSystemInfo::environment(std::string_view name) const {
    return processEnvironment(name);
}

void prepareProgramFolder(const std::string& folder) {
    try {
        makeFolders(folder + "/tmp");
    } catch (...) {
        return;  // a folder we cannot make: the wizard runs without its files
    }
    const std::string data = installedDataFolder();
    for (const char* name : {"install.reg", "help.htm", "qdrn.sec"}) {
        const std::string source = data + "/" + name;
        const std::string target = folder + "/" + name;
        // An upgrade brings new texts: the installer must import the installed version.
        if (fileExists(source) && (!fileExists(target) || !sameContent(source, target))) {
            try {
                copyFile(source, target);
            } catch (...) {
                // A read-only or full disk: the wizard still runs without the file.
            }
        }
    }
    std::string installer = executableFolder() + "/reginst";
    std::string link = folder + "/reginst";
    struct stat st {};
    if (isExecutable(installer) && ::lstat(link.c_str(), &st) != 0)
        if (::symlink(installer.c_str(), link.c_str()) != 0) {
            // Not fatal: the shell finds the installer beside our executable anyway.
        }
}

}  // namespace varmio
