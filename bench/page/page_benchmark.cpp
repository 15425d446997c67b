// Writing the page for a large print job: 10,000 file rows (aim: well under 50 ms), and how that
// compares with writing the very same bytes in a plain loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

#include "platform/files.h"
#include "support/wizard/harness.h"
#include "wizard/page/file_list.h"
#include "wizard/page/generate_html.h"

namespace varmio::test {
namespace {

constexpr int kRows = 10000;

struct PageJob {
    WizardHarness harness;
    PageJob() {
        harness.start();
        WizardWindow& w = harness.window();
        w.chk_cmpHTML.setValue(1);
        w.cmb_htmlfile.text = "big.htm";
        w.opt_index[0].setValue(1);
        for (int i = 1; i <= kRows; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "%05d.%s", i, i % 2 ? "gif" : "pdf");
            addFileRow(w, "/var/spool/varmio/job/", name);
        }
    }
};

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_PageFor10000Rows(benchmark::State& state) {
    PageJob job;
    WizardWindow& w = job.harness.window();
    GenerateHTML(w, false);
    const std::vector<std::string> lines = readLines(w.pageFilePath());
    const std::string plainFile = job.harness.work() + "/plain.htm";

    double generatorMs = 0, plainMs = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        GenerateHTML(w, false);
        generatorMs += millisecondsSince(start);

        state.PauseTiming();
        start = std::chrono::steady_clock::now();
        if (std::FILE* out = std::fopen(plainFile.c_str(), "wb")) {
            for (const std::string& line : lines) {
                std::fwrite(line.data(), 1, line.size(), out);
                std::fwrite("\r\n", 1, 2, out);
            }
            std::fclose(out);
        }
        plainMs += millisecondsSince(start);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["generator_ms"] = generatorMs / n;
    state.counters["plain_loop_ms"] = plainMs / n;
    state.counters["ratio"] = plainMs > 0 ? generatorMs / plainMs : 0;
}
BENCHMARK(BM_PageFor10000Rows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varmio::test
