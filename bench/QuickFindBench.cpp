// Quick find on `huge`: one keystroke (a search over the built index, as the field runs it on
// every change) for short and longer prefixes, a wildcard and an id, and building the index,
// which happens once per database state.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "DemoInstallations.h"
#include "model/World.h"
#include "tools/QuickFind.h"

namespace {

using kw::demo::EDemoScale;

constexpr std::array<std::string_view, 5> kQueries = {"m", "mu", "muller", "*er*", "1000"};

const kw::CWorld& HugeWorld() {
    static const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(EDemoScale::kHuge);
    return *world;
}

void BM_QuickFindKeystroke(benchmark::State& state) {
    const kw::CQuickFindIndex index(HugeWorld(), kw::kDefaultLanguage);
    const std::string_view query = kQueries[static_cast<std::size_t>(state.range(0))];
    std::size_t total = 0;
    for (auto _ : state) {
        total = index.Find(query).total;
    }
    state.SetLabel(std::string(query));
    state.counters["matches"] = static_cast<double>(total);
    state.counters["entries"] = static_cast<double>(index.Size());
}

void BM_QuickFindIndex(benchmark::State& state) {
    const kw::CWorld& world = HugeWorld();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::CQuickFindIndex(world, kw::kDefaultLanguage).Size());
    }
}

}  // namespace

BENCHMARK(BM_QuickFindKeystroke)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickFindIndex)->Unit(benchmark::kMillisecond);
