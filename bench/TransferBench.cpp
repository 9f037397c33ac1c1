// The fast transfer dialog's lists and one transfer with its undo, and the rows of the players
// without club, on the huge demo.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "DemoInstallations.h"
#include "document/DatabaseDocument.h"
#include "editing/FastTransfer.h"
#include "editing/WithoutClubCommands.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace {

using kw::demo::EDemoScale;

using kw::bench::LargestCountry;

void BM_FastTransferPlayerList(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(EDemoScale::kHuge);
    const int country = LargestCountry(*world);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::FastTransferPlayers(*world, country, 0));
    }
}
BENCHMARK(BM_FastTransferPlayerList)->Unit(benchmark::kMillisecond);

void BM_WithoutClubRows(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(EDemoScale::kHuge);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::WithoutClubRows(*world, 0));
    }
}
BENCHMARK(BM_WithoutClubRows)->Unit(benchmark::kMillisecond);

// "Transfer durchführen" between the two first clubs of the largest country, then undone.
void BM_FastTransferAndUndo(benchmark::State& state) {
    kw::CDatabaseDocument document(kw::bench::LoadDemoWorld(EDemoScale::kHuge));
    const int country = LargestCountry(document.World());
    auto clubs = document.World().Country(country).Clubs().begin();
    const kw::CClub& from = *clubs->second;
    const std::uint32_t toId = (++clubs)->first;
    const std::uint32_t personId = from.PersonIds().front();
    for (auto _ : state) {
        const bool moved = kw::PerformFastTransfer(document, {country, personId, toId, 99});
        document.Undo();
        benchmark::DoNotOptimize(moved);
    }
}
BENCHMARK(BM_FastTransferAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
