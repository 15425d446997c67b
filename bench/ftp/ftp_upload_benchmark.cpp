// Uploading a delivery to a local FTP server: the FTP channel's whole send plan on the program's
// transfer control against one `curl -T "{a,b,...}"` sending the same files on one connection,
// in turns within one run. Aims: at least 0.9x curl's speed for 20 files of 10 MiB and for 200
// of 100 KiB, and no single file slower than 100 ms (the small set runs 2,000 uploads a side).
// curl's total includes its own one-second stalls (see platform/curl_connections.h): the median
// file times compare the two without them.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "delivery/ftp_plan.h"
#include "delivery/ftp_runner.h"
#include "platform/curl_ftp_client.h"
#include "sample_files.h"
#include "test_servers.h"

extern char** environ;

namespace varmio {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kStallMs = 100;

double millisecondsBetween(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// `count` files of `size` bytes, the folder the server serves and the server, made once per
// set for the whole run.
struct FtpSet {
    TempDir dir;
    fs::path source = dir.path() / "source";
    fs::path served = dir.path() / "served";
    std::vector<FileRow> rows;
    test::ScriptServer server{"ftp_server.py", (fs::create_directories(served), served.string())};

    FtpSet(int count, size_t size) : rows(bench::writeSampleFiles(source, count, size)) {}
    static FtpSet& of(int count, size_t size) {
        static std::map<int, std::unique_ptr<FtpSet>> made;
        auto& set = made[count];
        if (!set) set = std::make_unique<FtpSet>(count, size);
        return *set;
    }
    // An empty remote folder `name`, with nothing of the last upload waiting to be written.
    void settle(const std::string& name) {
        fs::remove_all(served / name);
        fs::create_directory(served / name);
        ::sync();
    }
};

struct Timings {
    double totalMs = 0;
    double slowestMs = 0;
    int stalls = 0;  // files slower than kStallMs
    std::vector<double> files;
    void file(double ms) {
        slowestMs = std::max(slowestMs, ms);
        if (ms > kStallMs) ++stalls;
        files.push_back(ms);
    }
    // The typical file, which the stalls of a few do not move.
    double medianMs() {
        if (files.empty()) return 0;
        std::nth_element(files.begin(), files.begin() + files.size() / 2, files.end());
        return files[files.size() / 2];
    }
};

// The FTP channel's send: the plan as the window runs it, its file times taken from the first
// look at a running upload (or the end of the one before) to its end.
bool runProgram(FtpSet& set, Timings& timings) {
    CurlFtpClient ftp;
    const FtpSendInput input{{"127.0.0.1:" + std::to_string(set.server.port()), "guest", "secret"},
                             "program",
                             set.rows,
                             false,
                             set.dir.path().string(),
                             std::nullopt};
    const FtpPlan plan = ftpSendPlan(input);
    const Clock::time_point start = Clock::now();
    Clock::time_point fileStart = start;
    size_t running = 0;
    try {
        runFtpPlan(ftp, plan,
                   {[] {},
                    {},
                    [&](const FtpProgress&) {
                        const Clock::time_point now = Clock::now();
                        timings.file(millisecondsBetween(fileStart, now));
                        fileStart = now;
                    },
                    [&](const FtpProgress& p) {
                        if (p.file == running) return;
                        running = p.file;
                        fileStart = Clock::now();
                    }});
        waitForFtp(ftp, [] {});
    } catch (const std::exception&) {
        return false;
    }
    timings.totalMs += millisecondsBetween(start, Clock::now());
    return true;
}

// curl uploading every file on one connection, printing each transfer's time.
bool runCurl(FtpSet& set, Timings& timings) {
    std::string files;
    for (const FileRow& row : set.rows)
        files += (files.empty() ? "{" : ",") + row.path();
    files += "}";
    const std::string url = "ftp://127.0.0.1:" + std::to_string(set.server.port()) + "/curl/";
    const std::string times = (set.dir.path() / "curl-times").string();
    std::vector<std::string> args{
        "curl", "-sS", "--user", "guest:secret", "-T", files, "-w", "%{time_total}\n", url};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, times.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const bool spawned = ::posix_spawnp(&pid, "curl", &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (!spawned || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return false;
    timings.totalMs += millisecondsBetween(start, Clock::now());
    std::ifstream in(times);
    for (double seconds = 0; in >> seconds;)
        timings.file(seconds * 1000);
    return true;
}

void BM_FtpUpload(benchmark::State& state) {
    FtpSet& set = FtpSet::of(static_cast<int>(state.range(0)), static_cast<size_t>(state.range(1)));
    Timings program, curl;
    for (auto _ : state) {
        state.PauseTiming();
        set.settle("program");
        state.ResumeTiming();
        if (!runProgram(set, program)) return state.SkipWithError("the program's upload failed");
        state.PauseTiming();
        set.settle("curl");
        if (!runCurl(set, curl)) return state.SkipWithError("curl -T failed");
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["program_ms"] = program.totalMs / n;
    state.counters["curl_ms"] = curl.totalMs / n;
    state.counters["speed_vs_curl"] = program.totalMs > 0 ? curl.totalMs / program.totalMs : 0;
    state.counters["slowest_file_ms"] = program.slowestMs;
    state.counters["curl_slowest_file_ms"] = curl.slowestMs;
    state.counters["median_file_ms"] = program.medianMs();
    state.counters["curl_median_file_ms"] = curl.medianMs();
    state.counters["stalled_files"] = program.stalls;
    state.counters["curl_stalled_files"] = curl.stalls;
}
BENCHMARK(BM_FtpUpload)->Args({20, 10 << 20})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FtpUpload)->Args({200, 100 << 10})->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace varmio
