// The ID mapping runs on the huge demo with its own lists: loading the player list, and each run
// as the undoable edit it is (the world's countries captured, every player looked up, the report
// written), undone outside the measured time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "DemoInstallations.h"
#include "assets/GlobalTools.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "storage/TextTable.h"
#include "tools/RakelMapping.h"

namespace {

using kw::demo::EDemoScale;

std::filesystem::path RakelList(const char* file) {
    return kw::bench::DemoInstallation(EDemoScale::kHuge) / "database" / "rakel" / file;
}

void BM_LoadRakelPlayers(benchmark::State& state) {
    const std::filesystem::path path = RakelList("RakelPlayers.txt");
    for (auto _ : state) {
        kw::CRakelPlayerMapping players;
        benchmark::DoNotOptimize(players.Load(path));
        state.counters["players"] = players.Count();
    }
}
BENCHMARK(BM_LoadRakelPlayers)->Unit(benchmark::kMillisecond);

// `run` maps with the installation's lists; the edit is undone between iterations.
template <typename Run>
void MeasureRun(benchmark::State& state, Run run) {
    kw::CDatabaseDocument document(kw::bench::LoadDemoWorld(EDemoScale::kHuge));
    kw::CGlobalTools tools;
    tools.Init(kw::bench::DemoInstallation(EDemoScale::kHuge));
    kw::CTextTables tables;
    tables.LoadTextTables(kw::bench::DemoInstallation(EDemoScale::kHuge) / "database", "ger");
    const std::filesystem::path folder = kw::bench::MakeTempFolder();
    const kw::SMappingOptions options{true, folder / "report.txt"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(run(document, tools, tables, options).mapped);
        state.PauseTiming();
        document.Undo();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}

void BM_MapClubIds(benchmark::State& state) {
    MeasureRun(state, [](kw::CDatabaseDocument& document, const kw::CGlobalTools& tools,
                         const kw::CTextTables&, const kw::SMappingOptions& options) {
        return kw::MapClubIds(document, tools.ClubMapping(), options);
    });
}
BENCHMARK(BM_MapClubIds)->Unit(benchmark::kMillisecond);

void BM_MapPlayerIds(benchmark::State& state) {
    MeasureRun(state, [](kw::CDatabaseDocument& document, const kw::CGlobalTools& tools,
                         const kw::CTextTables&, const kw::SMappingOptions& options) {
        return kw::MapPlayerIds(document, tools.PlayerMapping(), options);
    });
}
BENCHMARK(BM_MapPlayerIds)->Unit(benchmark::kMillisecond);

void BM_MapFaceIds(benchmark::State& state) {
    MeasureRun(state, [](kw::CDatabaseDocument& document, const kw::CGlobalTools& tools,
                         const kw::CTextTables& tables, const kw::SMappingOptions& options) {
        return kw::MapFaceIds(document, tables.Faces(), tools.FaceMapping(), options);
    });
}
BENCHMARK(BM_MapFaceIds)->Unit(benchmark::kMillisecond);

}  // namespace
