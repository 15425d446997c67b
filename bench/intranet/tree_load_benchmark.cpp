// Loading the intranet tree headless (the refresh button of the intranet manager, through the
// window model on a host without a display) against a plain program that reads the same
// records into a vector with a hash index. Aims: under 0.25 s for 1,000 projects and 1.5 s for
// 5,000, and the time per node growing no more than 1.3x from the small to the large intranet.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "intranet_maker.h"
#include "support/wizard/harness.h"
#include "timing.h"

namespace varmio::bench {
namespace {

constexpr int kSmall = 1000;
constexpr int kLarge = 5000;

// Processor milliseconds per node at the smallest size, for the growth between sizes.
double& perNodeAtFirstSize() {
    static double first = 0;
    return first;
}

// The wizard in intranet-manager mode on an intranet of `projects` projects, made once per size
// for the whole run (the benchmark library calls a benchmark more than once).
struct IntranetManager {
    test::WizardHarness harness;
    std::string root = harness.work() + "/intra";
    bool started = false;
    explicit IntranetManager(int projects) {
        makeIntranet(root, {projects, 10});
        harness.setConfig("MYINTRA", "Company\xFE" + root + "\xFE\xFF");
        started = harness.start("/intraman");
    }
    static IntranetManager& of(int projects) {
        static std::map<int, std::unique_ptr<IntranetManager>> made;
        auto& manager = made[projects];
        if (!manager) manager = std::make_unique<IntranetManager>(projects);
        return *manager;
    }
};

void BM_IntranetTreeLoad(benchmark::State& state) {
    const int projects = static_cast<int>(state.range(0));
    IntranetManager& manager = IntranetManager::of(projects);
    if (!manager.started) return state.SkipWithError("start-up ended the program");
    const std::string& root = manager.root;
    WizardWindow& w = manager.harness.window();
    const size_t plainCount = readIntranetPlainly(root).size();
    if (static_cast<size_t>(w.tvwIntra.count()) != plainCount + 1)
        return state.SkipWithError("the wizard and the plain reader see different trees");

    Stopwatch wizard, plain;
    for (auto _ : state) {
        wizard.start();
        w.cmd_intra_refresh.userClick();
        wizard.stop();

        state.PauseTiming();
        plain.start();
        benchmark::DoNotOptimize(readIntranetPlainly(root));
        plain.stop();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    const double perNode = wizard.cpuMs / n / w.tvwIntra.count();
    state.counters["wizard_ms"] = wizard.wallMs / n;
    state.counters["plain_ms"] = plain.wallMs / n;
    state.counters["wizard_cpu_ms"] = wizard.cpuMs / n;
    state.counters["plain_cpu_ms"] = plain.cpuMs / n;
    state.counters["ratio"] = plain.wallMs > 0 ? wizard.wallMs / plain.wallMs : 0;
    state.counters["nodes"] = w.tvwIntra.count();
    if (projects == kSmall)
        perNodeAtFirstSize() = perNode;
    else if (perNodeAtFirstSize() > 0)
        state.counters["growth_per_node"] = perNode / perNodeAtFirstSize();
}
BENCHMARK(BM_IntranetTreeLoad)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varmio::bench
