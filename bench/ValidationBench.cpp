// The validation report over the demo world: every check of every country, the missing badges
// and the references, as "Datenbank prüfen" and kwtool check run it.
#include <benchmark/benchmark.h>

#include <memory>

#include "DemoInstallations.h"
#include "assets/GlobalTools.h"
#include "model/World.h"
#include "tools/Validation.h"

namespace {

using kw::demo::EDemoScale;

void BM_ValidationReport(benchmark::State& state) {
    const auto scale = static_cast<EDemoScale>(state.range(0));
    const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(scale);
    kw::CGlobalTools tools;
    tools.Init(kw::bench::DemoInstallation(scale));
    std::size_t findings = 0;
    for (auto _ : state) {
        findings =
            kw::ValidateDatabase(*world, kw::kDefaultLanguage, &tools, nullptr).findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["clubs"] = 0;
    for (int number = 1; number <= kw::kCountryCount; ++number) {
        state.counters["clubs"] += world->Country(number).ClubCount();
    }
}

}  // namespace

BENCHMARK(BM_ValidationReport)
    ->Arg(static_cast<int>(EDemoScale::kSmall))
    ->Arg(static_cast<int>(EDemoScale::kHuge))
    ->Unit(benchmark::kMillisecond);
