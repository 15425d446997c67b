// The settings store under the wizard's real load: a relabelling after a language switch, and
// reads at both ends of a large key (equal cost shows that reads are indexed, not scans).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/sqlite_hive.h"
#include "settings/language.h"
#include "settings/registry.h"
#include "settings/settings.h"

namespace varmio {
namespace {

constexpr int kTexts = 200;
constexpr int kConfigValues = 60;
constexpr int kRelabelLookups = 45;
constexpr int kLargeKeyValues = 1000;
constexpr const char* kLargeKey = "SOFTWARE\\VARMIO\\LARGE";

// One hive file for the whole run, filled once, removed at exit.
class BenchHive {
  public:
    BenchHive() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "varmio-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        hive_ = std::make_unique<SqliteHive>(folder_ / "registry.db");
        Settings settings(*hive_);
        hive_->transaction([&] {
            for (int i = 0; i < kConfigValues; ++i) {
                settings.WriteSetting("CONFIG", "setting_" + std::to_string(i), "value|");
                // The language name sits in the middle of CONFIG, as after a real install.
                if (i == kConfigValues / 2) settings.WriteSetting("CONFIG", "Language", "English");
            }
            for (int i = 0; i < kTexts; ++i) {
                settings.WriteSetting("LANGUAGE\\English", "text_key_" + std::to_string(i),
                                      "Caption number " + std::to_string(i));
            }
            for (int i = 0; i < kLargeKeyValues; ++i) {
                RegWriteValue(*hive_, kLargeKey, "value_" + std::to_string(i), "data");
            }
        });
    }
    ~BenchHive() {
        hive_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    SqliteHive& hive() { return *hive_; }

  private:
    std::filesystem::path folder_;
    std::unique_ptr<SqliteHive> hive_;
};

SqliteHive& benchHive() {
    static BenchHive hive;
    return hive.hive();
}

void BM_FullRelabel(benchmark::State& state) {
    Settings settings(benchHive());
    std::vector<std::string> keys;
    for (int i = 0; i < kRelabelLookups; ++i) {
        keys.push_back("TEXT_KEY_" + std::to_string(i * kTexts / kRelabelLookups));
    }
    for (auto _ : state) {
        for (const auto& key : keys)
            benchmark::DoNotOptimize(GetText(settings, key));
    }
    state.counters["lookups"] = kRelabelLookups;
}
BENCHMARK(BM_FullRelabel)->Unit(benchmark::kMicrosecond);

void readLargeKey(benchmark::State& state, int index) {
    SqliteHive& hive = benchHive();
    const std::string name = "VALUE_" + std::to_string(index);
    for (auto _ : state)
        benchmark::DoNotOptimize(RegReadValue(hive, kLargeKey, name));
}

void BM_RegReadValue_FirstOf1000(benchmark::State& state) {
    readLargeKey(state, 0);
}
BENCHMARK(BM_RegReadValue_FirstOf1000)->Unit(benchmark::kMicrosecond);

void BM_RegReadValue_LastOf1000(benchmark::State& state) {
    readLargeKey(state, kLargeKeyValues - 1);
}
BENCHMARK(BM_RegReadValue_LastOf1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varmio
