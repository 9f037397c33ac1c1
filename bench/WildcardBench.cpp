// The player search's matching over every person of the demo world: the first name, stage name,
// nickname and surname folded with FoldAccents and matched with MatchWildcard, beside the anchor
// of reading the same names.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string_view>

#include "DemoInstallations.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/TextHelpers.h"

namespace {

using kw::demo::EDemoScale;

std::int64_t NameBytes(const kw::CPlayer& person) {
    return static_cast<std::int64_t>(
        person.FirstName().View().size() + person.StageName().View().size() +
        person.Nickname().View().size() + person.Surname().View().size());
}

// The criteria of one search: first name, stage name or nickname, surname.
bool Matches(const kw::CPlayer& person) {
    const auto match = [](std::string_view name, std::string_view pattern) {
        return kw::MatchWildcard(kw::FoldAccents(name), pattern);
    };
    const std::string_view nickname = person.Nickname().View();
    const std::string_view stageName = person.StageName().View();
    const bool stage = (!nickname.empty() && match(nickname, "*a*")) ||
                       (!stageName.empty() && match(stageName, "*a*"));
    return match(person.FirstName().View(), "*e*") && stage &&
           match(person.Surname().View(), "M*r*");
}

void BM_WildcardSearchPersons(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    std::int64_t bytes = 0;
    for (const auto& [id, person] : world->Persons()) {
        bytes += NameBytes(*person);
    }
    std::int64_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& [id, person] : world->Persons()) {
            found += Matches(*person) ? 1 : 0;
        }
    }
    state.counters["persons"] = static_cast<double>(world->Persons().size());
    state.counters["found"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * bytes);
}

// The anchor: every person visited and the length of each of its names read.
void BM_WildcardAnchorReadNames(benchmark::State& state) {
    const std::unique_ptr<kw::CWorld> world =
        kw::bench::LoadDemoWorld(static_cast<EDemoScale>(state.range(0)));
    std::int64_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const auto& [id, person] : world->Persons()) {
            bytes += NameBytes(*person);
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

using kw::bench::kFull;
using kw::bench::kHuge;

BENCHMARK(BM_WildcardSearchPersons)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WildcardAnchorReadNames)->Arg(kFull)->Arg(kHuge)->Unit(benchmark::kMillisecond);

}  // namespace
