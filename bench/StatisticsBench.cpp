// The main window's statistics (every country and the total) over the demo world, beside the
// anchor of walking the same clubs and persons without computing anything.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "DemoInstallations.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "reports/WorldStatistics.h"

namespace {

using kw::demo::EDemoScale;

void BM_WorldStatistics(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    int players = 0;
    for (auto _ : state) {
        for (int number = 1; number <= kw::kCountryCount; ++number) {
            benchmark::DoNotOptimize(kw::CountryStatistics(world->Country(number)));
        }
        players = kw::TotalStatistics(*world).players;
    }
    state.counters["players"] = players;
}

// The anchor: every club of every country and the lookup of each of its persons.
void BM_WorldStatisticsAnchorWalk(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    for (auto _ : state) {
        std::int64_t players = 0;
        for (int number = 1; number <= kw::kCountryCount; ++number) {
            for (const auto& [id, club] : world->Country(number).Clubs()) {
                for (const std::uint32_t personId : club->PersonIds()) {
                    const kw::CPlayer* person = world->Person(personId);
                    players += person != nullptr && person->IsPlayer() ? 1 : 0;
                }
            }
        }
        benchmark::DoNotOptimize(players);
    }
}

constexpr auto kFull = static_cast<std::int64_t>(EDemoScale::kFull);
constexpr auto kHuge = static_cast<std::int64_t>(EDemoScale::kHuge);

BENCHMARK(BM_WorldStatistics)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorldStatisticsAnchorWalk)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace
