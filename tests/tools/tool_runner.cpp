#include "tool_runner.h"

#include <sys/wait.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace varmio {
namespace {

std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

ToolRun runTool(const std::string& tool, const std::vector<std::string>& args,
                const std::filesystem::path& workDir) {
    const auto out = workDir / "tool.out";
    const auto err = workDir / "tool.err";
    std::string command =
        "cd " + shellQuoted(workDir.string()) + " && env -u VARMIO_HIVE " + shellQuoted(tool);
    for (const auto& arg : args)
        command += " " + shellQuoted(arg);
    command += " </dev/null >" + shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
}

}  // namespace varmio
