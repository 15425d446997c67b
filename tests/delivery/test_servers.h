#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace varmio::test {

// One of the Python test servers beside this file, run for one test: it listens on a free port
// of 127.0.0.1 and is stopped, and waited for, when the object goes.
class ScriptServer {
  public:
    // Runs tests/delivery/<script> with `folder` (what it serves or where it stores; made when
    // missing) and the script's own `options`.
    ScriptServer(const std::string& script, const std::string& folder,
                 const std::vector<std::string>& options = {});
    ~ScriptServer();
    ScriptServer(const ScriptServer&) = delete;
    ScriptServer& operator=(const ScriptServer&) = delete;

    int port() const { return port_; }
    // A paused server still takes connections but answers nothing until it goes on.
    void pause(bool paused);

  private:
    void stop();

    TempDir state_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// A port of 127.0.0.1 that nothing listens on.
int closedPort();

}  // namespace varmio::test
