// CSV export and import of the whole huge demo database.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "DemoInstallations.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"
#include "tools/CsvTable.h"

namespace kw {
namespace {

CDatabaseDocument& HugeDocument() {
    static CDatabaseDocument document(bench::LoadDemoWorld(demo::EDemoScale::kHuge));
    return document;
}

void ExportWhole(benchmark::State& state, ECsvKind kind) {
    const CWorld& world = HugeDocument().World();
    int records = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const SCsvExport exported = ExportCsv(world, kind, {});
        records = exported.records;
        bytes = exported.text.size();
        benchmark::DoNotOptimize(exported.text.data());
    }
    state.counters["records"] = records;
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_CsvExportPlayers(benchmark::State& state) {
    ExportWhole(state, ECsvKind::kPlayers);
}
void BM_CsvExportStaff(benchmark::State& state) {
    ExportWhole(state, ECsvKind::kStaff);
}
void BM_CsvExportClubs(benchmark::State& state) {
    ExportWhole(state, ECsvKind::kClubs);
}
BENCHMARK(BM_CsvExportPlayers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExportStaff)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvExportClubs)->Unit(benchmark::kMillisecond);

// Reading an unchanged file of every player: the check of each row, no change.
void BM_CsvImportPlanUnchangedPlayers(benchmark::State& state) {
    const CWorld& world = HugeDocument().World();
    const std::string text = ExportCsv(world, ECsvKind::kPlayers, {}).text;
    for (auto _ : state) {
        const SCsvImportPlan plan = PlanCsvImport(world, text);
        benchmark::DoNotOptimize(plan.rows);
    }
}
BENCHMARK(BM_CsvImportPlanUnchangedPlayers)->Unit(benchmark::kMillisecond);

// The whole import of a file in which every player's morale changed: plan, then one undoable
// edit over every country. The undo between rounds is not measured.
void BM_CsvImportEveryPlayerChanged(benchmark::State& state) {
    CDatabaseDocument& document = HugeDocument();
    SCsvParseResult parsed = ParseCsv(ExportCsv(document.World(), ECsvKind::kPlayers, {}).text);
    std::vector<std::vector<std::string>> rows;
    for (SCsvRow& row : parsed.rows) {
        rows.push_back(std::move(row.cells));
    }
    std::size_t column = 0;
    while (rows[0][column] != "morale") {
        ++column;
    }
    for (std::size_t row = 1; row < rows.size(); ++row) {
        std::string& morale = rows[row][column];
        morale.assign(1, morale == "7" ? '8' : '7');
    }
    const std::string text = WriteCsv(rows);
    int changes = 0;
    for (auto _ : state) {
        const SCsvImportPlan plan = PlanCsvImport(document.World(), text);
        changes = plan.FieldChangeCount();
        ApplyCsvImport(document, plan);
        state.PauseTiming();
        document.Undo();
        state.ResumeTiming();
    }
    state.counters["changes"] = changes;
}
BENCHMARK(BM_CsvImportEveryPlayerChanged)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kw
