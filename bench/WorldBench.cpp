// Saving and loading a whole world of 206 country files.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "DemoInstallations.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace {

namespace fs = std::filesystem;

using kw::bench::MakeTempFolder;

void BM_WorldSave(benchmark::State& state) {
    const fs::path folder = MakeTempFolder();
    kw::CWorld world(folder);
    world.InitialiseCountries();
    world.SetDirectory(folder);
    kw::CSilentProgress progress;
    kw::CScriptedUserInterface ui;
    for (auto _ : state) {
        benchmark::DoNotOptimize(world.Save(progress, ui));
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_WorldSave)->Unit(benchmark::kMillisecond);

void BM_WorldLoad(benchmark::State& state) {
    const fs::path folder = MakeTempFolder();
    kw::CSilentProgress progress;
    kw::CScriptedUserInterface ui;
    {
        kw::CWorld world(folder);
        world.InitialiseCountries();
        world.SetDirectory(folder);
        world.Save(progress, ui);
    }
    for (auto _ : state) {
        kw::CWorld world(folder);
        world.InitialiseCountries();
        benchmark::DoNotOptimize(world.Load(folder, progress));
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_WorldLoad)->Unit(benchmark::kMillisecond);

}  // namespace
