#include "CsvCommands.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
#include "platform/FileContents.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

std::string Utf8(const std::string& cp1252) {
    return kw::Cp1252ToUtf8(cp1252);
}

int RunExport(const SToolContext& context, const fs::path& source, const fs::path& out,
              const std::string& kindName, int country, std::uint32_t club) {
    const std::optional<kw::ECsvKind> kind = kw::CsvKindFromName(kindName);
    if (!kind) {
        return Fail("--kind must be players, staff or clubs, not \"" + kindName + "\"");
    }
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    const kw::SCsvExport exported = kw::ExportCsv(world, *kind, {country, club});
    if (!exported.error.empty()) {
        return Fail(exported.error);
    }
    if (!kw::WriteFileAtomically(out, exported.text)) {
        return Fail("cannot write " + out.string());
    }
    std::printf("%d %s written to %s\n", exported.records,
                std::string(kw::CsvKindName(*kind)).c_str(), out.c_str());
    return 0;
}

void PrintPlan(const kw::SCsvImportPlan& plan) {
    for (const kw::SCsvRecordChange& change : plan.changes) {
        for (const kw::SCsvFieldChange& field : change.fields) {
            std::printf("change line %d id %u %s: %s %s -> %s\n", change.line, change.id,
                        Utf8(change.label).c_str(), field.field.c_str(),
                        Utf8(field.oldValue).c_str(), Utf8(field.newValue).c_str());
        }
    }
    for (const kw::SCsvRejectedRow& row : plan.rejected) {
        std::printf("rejected line %d id %s: %s (%s)\n", row.line, Utf8(row.id).c_str(),
                    std::string(kw::CsvRejectionText(row.reason)).c_str(),
                    Utf8(row.detail).c_str());
    }
    std::printf("%s: %d rows, %zu records with %d changed fields, %zu rows rejected\n",
                std::string(kw::CsvKindName(plan.kind)).c_str(), plan.rows, plan.changes.size(),
                plan.FieldChangeCount(), plan.rejected.size());
}

// 0 when every row was taken, 1 when rows were rejected (the others are applied all the same),
// 2 when the file or the database cannot be read or the database cannot be saved.
int RunImport(const SToolContext& context, const fs::path& source, const fs::path& in,
              bool dryRun) {
    const std::optional<std::string> text = kw::ReadFileText(in);
    if (!text) {
        return Fail("cannot read " + in.string());
    }
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    const kw::SCsvImportPlan plan = kw::PlanCsvImport(world, *text);
    if (!plan.Ok()) {
        return Fail(in.string() + ": " + plan.error);
    }
    PrintPlan(plan);
    const int status = plan.rejected.empty() ? 0 : 1;
    if (dryRun || plan.changes.empty()) {
        std::printf("database not changed\n");
        return status;
    }
    kw::ApplyCsvImport(world, plan);
    kw::CConsoleProgress progress;
    kw::CConsoleUserInterface ui;
    if (!world.Save(progress, ui)) {
        return Fail("saving " + source.string() +
                    " failed; the database files were left as they were");
    }
    std::printf("database saved\n");
    return status;
}

}  // namespace

void AddCsvCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string source;
        std::string file;
        std::string kind;
        int country = 0;
        std::uint32_t club = 0;
        bool dryRun = false;
    };
    auto options = std::make_shared<SOptions>();

    CLI::App* exportCsv =
        app.add_subcommand("export-csv", "Write players, staff or clubs as a spreadsheet file");
    exportCsv->add_option("DBDIR", options->source, "Database folder to read")->required();
    exportCsv->add_option("OUT", options->file, "CSV file to write")->required();
    exportCsv->add_option("--kind", options->kind, "players, staff or clubs")->required();
    exportCsv->add_option("--country", options->country, "Only this country (1 to 206)");
    exportCsv->add_option("--club", options->club, "Only this club (its id)");
    OnParsed(exportCsv, context, [&context, options] {
        return RunExport(context, options->source, options->file, options->kind, options->country,
                         options->club);
    });

    CLI::App* importCsv = app.add_subcommand(
        "import-csv", "Check a spreadsheet file, print its changes and save them");
    importCsv->add_option("DBDIR", options->source, "Database folder to update")->required();
    importCsv->add_option("IN", options->file, "CSV file to read")->required();
    importCsv->add_flag("--dry-run", options->dryRun, "Print the changes, save nothing");
    OnParsed(importCsv, context, [&context, options] {
        return RunImport(context, options->source, options->file, options->dryRun);
    });
}

}  // namespace kwtool
