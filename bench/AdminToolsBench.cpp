// The administrator's database-wide bulk commands on the huge demo: a run that changes players in
// many countries (one edit over those countries) with its undo, the staff removal with its undo,
// and a run that finds nothing to change (the scan alone, nothing recorded).
#include <benchmark/benchmark.h>

#include <memory>

#include "DemoInstallations.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "tools/AdminCommandTable.h"

namespace {

using kw::demo::EDemoScale;

std::unique_ptr<kw::CDatabaseDocument> HugeDocument() {
    return std::make_unique<kw::CDatabaseDocument>(kw::bench::LoadDemoWorld(EDemoScale::kHuge));
}

// Runs the command and takes it back again, so every iteration finds the same work.
void RunAndUndo(benchmark::State& state, const char* name) {
    const auto document = HugeDocument();
    const kw::SAdminCommand& command = *kw::FindAdminCommand(name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::RunAdminCommand(command, *document, {}));
        if (!document->Undo()) {
            state.SkipWithError("the command changed nothing");
            break;
        }
    }
}

void BM_AdminTacticalTrainingAndUndo(benchmark::State& state) {
    RunAndUndo(state, "tactical-training");
}
BENCHMARK(BM_AdminTacticalTrainingAndUndo)->Unit(benchmark::kMillisecond);

void BM_AdminRemoveStaffAndUndo(benchmark::State& state) {
    RunAndUndo(state, "remove-staff");
}
BENCHMARK(BM_AdminRemoveStaffAndUndo)->Unit(benchmark::kMillisecond);

void BM_AdminNothingToChange(benchmark::State& state) {
    const auto document = HugeDocument();
    const kw::SAdminCommand& command = *kw::FindAdminCommand("database-yellow-shoes");
    kw::RunAdminCommand(command, *document, {});
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::RunAdminCommand(command, *document, {}));
    }
    if (document->History().Count() != 1) {
        state.SkipWithError("a run without change was recorded");
    }
}
BENCHMARK(BM_AdminNothingToChange)->Unit(benchmark::kMillisecond);

}  // namespace
