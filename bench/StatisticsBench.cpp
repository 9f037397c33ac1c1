// The main window's statistics (every country and the total) over the demo world, beside the
// anchor of walking the same clubs and persons without computing anything; and the core's part of
// switching country: the club list's rows in league order and the country's statistics.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "DemoInstallations.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "reports/ClubList.h"
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

void BM_CountrySwitch(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    const kw::CCountry& country = world->Country(kw::kDefaultCountry);
    std::size_t rows = 0;
    for (auto _ : state) {
        auto entries = kw::ClubListEntries(country, 0);
        kw::SortClubList(entries, kw::EClubListOrder::kLeague);
        for (const auto& entry : entries) {
            benchmark::DoNotOptimize(kw::ClubListRowText(entry));
        }
        benchmark::DoNotOptimize(kw::CountryStatistics(country));
        rows = entries.size();
    }
    state.counters["clubs"] = static_cast<double>(rows);
}

using kw::bench::kFull;
using kw::bench::kHuge;

BENCHMARK(BM_WorldStatistics)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountrySwitch)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WorldStatisticsAnchorWalk)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace
