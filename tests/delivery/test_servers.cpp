#include "test_servers.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace varmio::test {

namespace {

// The system's interpreter carries the server packages; the first python3 on PATH may not.
constexpr const char* kPython = "/usr/bin/python3";

}  // namespace

ScriptServer::ScriptServer(const std::string& script, const std::string& folder,
                           const std::vector<std::string>& options) {
    std::filesystem::create_directories(folder);
    const std::string path = std::string(VARMIO_SOURCE_DIR) + "/tests/delivery/" + script;
    const std::string portFile = (state_.path() / "port").string();
    std::vector<std::string> args{kPython, path, folder, portFile};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, kPython, nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + path);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            throw std::runtime_error(script + " ended before it listened");
        }
        std::ifstream in(portFile);
        if (in >> port_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stop();
    throw std::runtime_error(script + " did not start listening");
}

ScriptServer::~ScriptServer() {
    stop();
}

void ScriptServer::pause(bool paused) {
    ::kill(pid_, paused ? SIGSTOP : SIGCONT);
}

void ScriptServer::stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

int closedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

}  // namespace varmio::test
