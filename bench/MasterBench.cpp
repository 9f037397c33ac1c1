// The master build of a whole database: both passes, the name tables and the file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "DemoInstallations.h"
#include "exports/master/MasterExport.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"

namespace {

namespace fs = std::filesystem;

using kw::bench::DemoInstallation;
using kw::bench::MakeTempFolder;

void RunMasterBuild(benchmark::State& state, const fs::path& install, const fs::path& database) {
    kw::CWorld world(install);
    world.InitialiseCountries();
    kw::CSilentProgress progress;
    world.Load(database, progress);
    const fs::path out = MakeTempFolder();
    kw::SMasterRequest request;
    request.batch = true;
    request.output = out / "Master.dat";
    request.sideFolder = out;
    kw::CScriptedUserInterface ui;
    for (auto _ : state) {
        if (kw::BuildMasterFile(world, request, progress, ui) != kw::EMasterResult::kWritten) {
            state.SkipWithError("no master file written");
            break;
        }
    }
    if (fs::exists(request.output)) {
        state.counters["bytes"] = static_cast<double>(fs::file_size(request.output));
    }
    fs::remove_all(out);
}

// KW_BENCH_DATABASE names a database folder; its parent is taken as the installation.
void BM_MasterBuildDatabase(benchmark::State& state) {
    const char* database = std::getenv("KW_BENCH_DATABASE");
    if (database == nullptr || *database == '\0') {
        state.SkipWithError("KW_BENCH_DATABASE is not set");
        return;
    }
    const fs::path folder = fs::absolute(database);
    RunMasterBuild(state, folder.parent_path(), folder);
}
BENCHMARK(BM_MasterBuildDatabase)->Unit(benchmark::kMillisecond);

void BM_MasterBuildDemo(benchmark::State& state) {
    const auto scale = static_cast<kw::demo::EDemoScale>(state.range(0));
    const fs::path install = DemoInstallation(scale);
    RunMasterBuild(state, install, install / "database");
}
BENCHMARK(BM_MasterBuildDemo)
    ->Arg(static_cast<int>(kw::demo::EDemoScale::kFull))
    ->Arg(static_cast<int>(kw::demo::EDemoScale::kHuge))
    ->ArgNames({"scale"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
