// kwtool map clubs|players|faces|ps2faces: one mapping run on a database, the database saved
// afterwards as the editor saves it (all files or none).
#include "MappingCommands.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "assets/RakelClubMapping.h"
#include "assets/RakelFaceMapping.h"
#include "assets/RakelPlayerMapping.h"
#include "assets/RakelPs2FaceTable.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Paths.h"
#include "storage/TextTable.h"
#include "tools/RakelMapping.h"
#include "tools/RakelMappingTexts.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

struct SMapOptions {
    std::string kind;
    std::string database;
    std::string source;
    std::string report;
    bool zeroUnmatched = false;
};

// The run's outcome in numbers, one line.
struct SRunSummary {
    kw::SMappingOutcome outcome;
    std::string numbers;
};

// The list the run reads; an unreadable or empty one is refused before the database is loaded.
template <typename List>
bool LoadList(List& list, const fs::path& source, std::string& problem) {
    if (!list.Load(source)) {
        problem = "cannot read " + source.string();
        return false;
    }
    if (!list.IsLoaded()) {
        problem = std::string(kw::kMappingFailed) + ": " + source.string() + " holds no entry";
        return false;
    }
    return true;
}

// The face table of the installation's language folder, as the editor reads it at start-up.
bool LoadFaceTable(const SToolContext& context, kw::CTextTables& tables, std::string& problem) {
    const fs::path databaseDirectory = context.InstallDirectory() / "database";
    tables.LoadTextTables(databaseDirectory, "ger");
    if (!tables.Faces().WasRead()) {
        problem = "faceIDs.txt not found in " + (databaseDirectory / "ger").string();
        return false;
    }
    return true;
}

std::string Counted(const char* what, int success, int failed) {
    return std::string(what) + ": " + std::to_string(success) + " mapped, " +
           std::to_string(failed) + " unmatched";
}

// Runs the mapping of the kind on the document; false with the problem when its list is unusable.
bool Run(const SToolContext& context, const SMapOptions& options, kw::CDatabaseDocument& document,
         SRunSummary& summary, std::string& problem) {
    const kw::SMappingOptions mapping{options.zeroUnmatched, options.report};
    const fs::path source = options.source;
    if (options.kind == "clubs") {
        kw::CRakelClubMapping clubs;
        if (!LoadList(clubs, source, problem)) {
            return false;
        }
        const kw::SClubMappingResult result = kw::MapClubIds(document, clubs, mapping);
        summary = {result, Counted("clubs", result.success, result.failure)};
    } else if (options.kind == "players") {
        kw::CRakelPlayerMapping players;
        if (!LoadList(players, source, problem)) {
            return false;
        }
        const kw::SPlayerMappingResult result = kw::MapPlayerIds(document, players, mapping);
        summary = {result, Counted("players", result.success, result.failed)};
    } else if (options.kind == "faces") {
        kw::CRakelFaceMapping faces;
        kw::CTextTables tables;
        if (!LoadList(faces, source, problem) || !LoadFaceTable(context, tables, problem)) {
            return false;
        }
        const kw::SFaceMappingResult result =
            kw::MapFaceIds(document, tables.Faces(), faces, mapping);
        summary = {result, Counted("faces", result.success, result.failed)};
    } else {
        kw::CRakelPs2FaceTable table;
        if (!LoadList(table, source, problem)) {
            return false;
        }
        const kw::SFaceMappingResult result = kw::MapPs2FaceIds(document, table, mapping);
        summary = {result, Counted("PS2 faces", result.success, result.failed)};
    }
    if (!summary.outcome.mapped) {
        problem = std::string(kw::kMappingFailed);
        return false;
    }
    return true;
}

// 0 when mapped, saved and reported; 1 when the report could not be written (the mapping is
// saved); 2 when nothing could be mapped or saved.
int RunMap(const SToolContext& context, const SMapOptions& options) {
    if (options.report.empty()) {
        return Fail("--report needs a file to write");
    }
    auto world = std::make_unique<kw::CWorld>(context.InstallDirectory());
    if (!LoadDatabase(options.database, *world)) {
        return 2;
    }
    world->SetDirectory(options.database);
    kw::CDatabaseDocument document(std::move(world));
    SRunSummary summary;
    std::string problem;
    if (!Run(context, options, document, summary, problem)) {
        return Fail(problem + "; the database is unchanged");
    }
    if (document.IsModified()) {
        kw::CConsoleProgress progress;
        kw::CConsoleUserInterface ui;
        if (!document.WorldForOperations().Save(progress, ui)) {
            return Fail("saving " + options.database + " failed; its files are as they were");
        }
    }
    std::printf("%s%s\n", summary.numbers.c_str(),
                document.IsModified() ? ", database saved" : ", nothing changed");
    if (!summary.outcome.reportWritten) {
        std::fprintf(stderr, "kwtool: ");
        std::fprintf(stderr, kw::kReportNotWritten, options.report.c_str());
        std::fprintf(stderr, "\n");
        return 1;
    }
    std::printf("report written to %s\n", options.report.c_str());
    return 0;
}

}  // namespace

void AddMappingCommands(CLI::App& app, SToolContext& context) {
    auto options = std::make_shared<SMapOptions>();
    CLI::App* map = app.add_subcommand(
        "map", "Set the other game's club or player identifiers, or the player faces");
    map->add_option("KIND", options->kind, "clubs, players, faces or ps2faces")
        ->required()
        ->check(CLI::IsMember({"clubs", "players", "faces", "ps2faces"}));
    map->add_option("DBDIR", options->database, "Database folder to change")->required();
    map->add_option("--source", options->source, "The other game's list to match against")
        ->required();
    map->add_option("--report", options->report, "Report file to write")->required();
    map->add_flag("--zero-unmatched", options->zeroUnmatched,
                  "Give unmatched clubs, players or faces 0 (else they keep theirs)");
    OnParsed(map, context, [&context, options] { return RunMap(context, *options); });
}

}  // namespace kwtool
