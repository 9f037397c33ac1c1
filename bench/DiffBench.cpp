// The database diff of two `huge` databases (the second with one player changed), beside the
// anchor of dumping both country by country as the diff does, one after the other.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "DemoInstallations.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "tools/DatabaseDiff.h"

namespace {

using kw::demo::EDemoScale;

void BM_DatabaseDiff(benchmark::State& state) {
    const auto scale = static_cast<EDemoScale>(state.range(0));
    const std::unique_ptr<kw::CWorld> before = kw::bench::LoadDemoWorld(scale);
    const std::unique_ptr<kw::CWorld> after = kw::bench::LoadDemoWorld(scale);
    const kw::CClub& club = *std::next(after->Country(kw::kDefaultCountry).Clubs().begin())->second;
    kw::CPlayer& player = *after->Person(club.PersonIds().front());
    player.SetAbility(0, static_cast<std::uint8_t>(player.Abilities()[0] == 1 ? 2 : 1));
    std::size_t records = 0;
    for (auto _ : state) {
        records = kw::DiffWorlds(*before, *after).RecordCount();
    }
    state.counters["records"] = static_cast<double>(records);
    state.counters["persons"] = static_cast<double>(after->Persons().size());
}

void BM_DatabaseDiffAnchorDumps(benchmark::State& state) {
    const auto scale = static_cast<EDemoScale>(state.range(0));
    const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(scale);
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            const kw::CRecordDump parts(*world);
            for (int number = 1; number <= kw::kCountryCount; ++number) {
                benchmark::DoNotOptimize(parts.CountryPart(number, kw::EDumpLayout::Compact));
            }
            benchmark::DoNotOptimize(
                kw::DumpWithoutClubAndRulesJson(*world, kw::EDumpLayout::Compact));
        }
    }
}

using kw::bench::kHuge;

}  // namespace

BENCHMARK(BM_DatabaseDiff)->Arg(kHuge)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DatabaseDiffAnchorDumps)->Arg(kHuge)->Unit(benchmark::kMillisecond)->Iterations(2);
