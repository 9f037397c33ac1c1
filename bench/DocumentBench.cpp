// The edit history: applying, reverting and applying again a single club's values and a whole
// country's copy, and the heap that 100 single-record edits hold.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "DemoInstallations.h"
#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace {

using kw::demo::EDemoScale;

using kw::bench::LargestCountry;

const kw::CClub& FirstClub(const kw::CWorld& world, int country) {
    return *world.Country(country).Clubs().begin()->second;
}

void BM_DocumentClubEdit(benchmark::State& state) {
    kw::CDatabaseDocument document(
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0))));
    const int country = LargestCountry(document.World());
    kw::CClub values = FirstClub(document.World(), country);
    values.SetName(0, "Benchmark");
    for (auto _ : state) {
        document.Do(std::make_unique<kw::CClubValuesEdit>("Verein", values));
        document.Undo();
        document.Redo();
    }
}
BENCHMARK(BM_DocumentClubEdit)
    ->Arg(static_cast<int>(EDemoScale::kFull))
    ->Arg(static_cast<int>(EDemoScale::kHuge))
    ->Unit(benchmark::kMicrosecond);

void BM_DocumentCountrySnapshot(benchmark::State& state) {
    kw::CDatabaseDocument document(
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0))));
    const int country = LargestCountry(document.World());
    for (auto _ : state) {
        document.Perform("Land", kw::SWorldScope::Countries({country}), [&](kw::CWorld& world) {
            return world.Country(country).CreateClub() != nullptr;
        });
        document.Undo();
        document.Redo();
        document.Undo();
    }
    state.counters["clubs"] = document.World().Country(country).ClubCount();
}
BENCHMARK(BM_DocumentCountrySnapshot)
    ->Arg(static_cast<int>(EDemoScale::kFull))
    ->Arg(static_cast<int>(EDemoScale::kHuge))
    ->Unit(benchmark::kMillisecond);

// Heap in use after 100 club edits and 100 person edits, beyond the database itself.
void BM_DocumentHundredEditsMemory(benchmark::State& state) {
    kw::CDatabaseDocument document(
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0))));
    const int country = LargestCountry(document.World());
    const kw::CClub& club = FirstClub(document.World(), country);
    double megabytes = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < 100; ++i) {
            kw::CClub values = club;
            values.SetName(0, std::to_string(i));
            document.Do(std::make_unique<kw::CClubValuesEdit>("Verein", values));
            if (!club.PersonIds().empty()) {
                auto person = document.World().Person(club.PersonIds().front())->Clone();
                person->SetSurname(std::to_string(i));
                document.Do(std::make_unique<kw::CPersonValuesEdit>("Spieler", *person));
            }
        }
        megabytes = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        state.PauseTiming();
        while (document.Undo()) {
        }
        document.WorldReloaded();
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = megabytes;
}
BENCHMARK(BM_DocumentHundredEditsMemory)
    ->Arg(static_cast<int>(EDemoScale::kFull))
    ->Arg(static_cast<int>(EDemoScale::kHuge))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
