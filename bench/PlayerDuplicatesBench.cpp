// The duplicate finder over a whole database: the candidates gathered and sorted by name, the
// neighbour pairs of the whole database, and the rows the dialog shows for them in name order,
// as opening "Spieler doppelt" with "Alle" does.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "DemoInstallations.h"
#include "editing/PlayerDuplicates.h"
#include "model/World.h"

namespace {

using kw::demo::EDemoScale;

void BM_DuplicateScan(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    std::size_t candidates = 0;
    std::size_t pairs = 0;
    for (auto _ : state) {
        const std::vector<kw::SDuplicateCandidate> sorted = kw::DuplicateCandidates(*world);
        const std::vector<kw::SDuplicatePair> found =
            kw::FindDuplicatePairs(sorted, kw::SDuplicateFilter{});
        candidates = sorted.size();
        pairs = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["candidates"] = static_cast<double>(candidates);
    state.counters["pairs"] = static_cast<double>(pairs);
}

void BM_DuplicateScanWithRows(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    for (auto _ : state) {
        std::vector<kw::SDuplicatePair> pairs =
            kw::FindDuplicatePairs(kw::DuplicateCandidates(*world), kw::SDuplicateFilter{});
        kw::CDuplicateOrder().Sort(pairs, *world, kw::kDefaultLanguage);
        std::vector<kw::DuplicateRowTexts> rows;
        rows.reserve(pairs.size());
        for (const kw::SDuplicatePair& pair : pairs) {
            rows.push_back(kw::DuplicateRowCells(pair, *world, kw::kDefaultLanguage));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}

using kw::bench::kFull;
using kw::bench::kHuge;

BENCHMARK(BM_DuplicateScan)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateScanWithRows)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace
