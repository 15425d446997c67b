// Copying the files of a delivery into a folder (the folder delivery's copy plan, as the
// window runs it) against `cp -r` on the same files, in turns within one run. Aim: at least
// 0.95x cp's speed for 20 files of 10 MiB and for 200 files of 100 KiB.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>

#include "delivery/folder_copy.h"
#include "platform/files.h"
#include "sample_files.h"

extern char** environ;

namespace varmio {
namespace {

namespace fs = std::filesystem;

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// `count` files of `size` bytes in a private folder, made once per set for the whole run.
struct FileSet {
    fs::path dir;
    fs::path source;
    std::vector<FileRow> rows;

    FileSet(int count, size_t size) {
        std::string pattern = (fs::temp_directory_path() / "varmio-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp " + pattern);
        dir = pattern;
        source = dir / "source";
        rows = bench::writeSampleFiles(source, count, size);
    }
    ~FileSet() {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }
    static FileSet& of(int count, size_t size) {
        static std::map<int, std::unique_ptr<FileSet>> made;
        auto& set = made[count];
        if (!set) set = std::make_unique<FileSet>(count, size);
        return *set;
    }
};

bool runCp(const fs::path& from, const fs::path& to) {
    const std::string a = from.string(), b = to.string();
    char cp[] = "cp", r[] = "-r";
    char* argv[] = {cp, r, const_cast<char*>(a.c_str()), const_cast<char*>(b.c_str()), nullptr};
    pid_t pid = 0;
    if (::posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Starts each copy with nothing of the last one waiting to be written.
void settle(const fs::path& dir) {
    std::error_code ignored;
    fs::remove_all(dir / "wizard", ignored);
    fs::remove_all(dir / "cp", ignored);
    ::sync();
}

void BM_FolderCopy(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    FileSet& set = FileSet::of(count, static_cast<size_t>(state.range(1)));
    const std::vector<FileCopy> plan = folderCopyPlan(set.rows, (set.dir / "wizard").string());
    double wizardMs = 0, cpMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        settle(set.dir);
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        makeFolder((set.dir / "wizard").string());
        runCopyPlan(plan, [](const CopyProgress&) { return true; });
        wizardMs += millisecondsSince(start);

        state.PauseTiming();
        settle(set.dir);
        start = std::chrono::steady_clock::now();
        if (!runCp(set.source, set.dir / "cp")) return state.SkipWithError("cp -r failed");
        cpMs += millisecondsSince(start);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wizard_ms"] = wizardMs / n;
    state.counters["cp_ms"] = cpMs / n;
    state.counters["speed_vs_cp"] = wizardMs > 0 ? cpMs / wizardMs : 0;
}
BENCHMARK(BM_FolderCopy)
    ->Args({20, 10 << 20})
    ->Args({200, 100 << 10})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);

}  // namespace
}  // namespace varmio
