// Generating, loading and saving the demo installation at the editor's size (full) and at four
// times that (huge).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "DemoInstallations.h"
#include "demo/DemoGenerator.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace {

namespace fs = std::filesystem;
using kw::bench::DemoInstallation;
using kw::bench::MakeTempFolder;
using kw::demo::EDemoScale;

EDemoScale ScaleOf(const benchmark::State& state) {
    return static_cast<EDemoScale>(state.range(0));
}

void BM_DemoGenerate(benchmark::State& state) {
    kw::CSilentProgress progress;
    kw::demo::SDemoResult result;
    for (auto _ : state) {
        const fs::path folder = MakeTempFolder();
        result = kw::demo::GenerateDemoInstallation(folder, ScaleOf(state), 1, progress);
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
    state.counters["clubs"] = result.clubs;
    state.counters["persons"] = result.persons;
}

void BM_DemoLoad(benchmark::State& state) {
    const fs::path& installation = DemoInstallation(ScaleOf(state));
    kw::CSilentProgress progress;
    for (auto _ : state) {
        kw::CWorld world(installation);
        world.InitialiseCountries();
        benchmark::DoNotOptimize(world.Load(installation / "database", progress));
        state.counters["persons"] = static_cast<double>(world.Persons().size());
    }
}

void BM_DemoSave(benchmark::State& state) {
    const fs::path& installation = DemoInstallation(ScaleOf(state));
    kw::CSilentProgress progress;
    kw::CScriptedUserInterface ui;
    kw::CWorld world(installation);
    world.InitialiseCountries();
    world.Load(installation / "database", progress);
    const fs::path target = MakeTempFolder();
    world.SetDirectory(target);
    for (auto _ : state) {
        benchmark::DoNotOptimize(world.Save(progress, ui));
    }
    fs::remove_all(target);
}

using kw::bench::kFull;
using kw::bench::kHuge;

// Each run takes seconds: a few iterations are enough.
BENCHMARK(BM_DemoGenerate)->Arg(kFull)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoGenerate)->Arg(kHuge)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoLoad)->Arg(kFull)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoLoad)->Arg(kHuge)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoSave)->Arg(kFull)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DemoSave)->Arg(kHuge)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace
