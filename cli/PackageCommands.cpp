// kwtool apply: every change of a package classified against the database and listed, those that
// apply made as one edit, and the database saved as the editor saves it (all files or none).
#include "PackageCommands.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/FileContents.h"
#include "tools/ChangePackageApply.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

constexpr int kAllApplied = 0;
constexpr int kSomeLeft = 1;

void PrintPlan(const kw::SChangePackage& package, const kw::SPackagePlan& plan) {
    for (std::size_t i = 0; i < package.changes.size(); ++i) {
        const kw::SChangeOutcome& outcome = plan.outcomes[i];
        std::string line = std::string(kw::ChangeClassText(outcome.result)) + ": " +
                           kw::ChangeLine(package.changes[i]);
        if (!outcome.reason.empty()) {
            line += " (" + outcome.reason + ")";
        }
        std::printf("%s\n", line.c_str());
    }
    std::printf("%zu changes: %d apply, %d already applied, %d conflicts, %d unsupported\n",
                package.changes.size(), plan.Count(kw::EChangeClass::kApplies),
                plan.Count(kw::EChangeClass::kAlreadyApplied),
                plan.Count(kw::EChangeClass::kConflict),
                plan.Count(kw::EChangeClass::kUnsupported));
}

// 0 when every change applied or was applied already, 1 when conflicts or unsupported changes
// were left (the others are applied all the same), 2 when the package or the database cannot be
// read or the database cannot be saved.
int RunApply(const SToolContext& context, const fs::path& packageFile, const fs::path& source,
             bool dryRun) {
    const std::optional<std::string> text = kw::ReadFileText(packageFile);
    if (!text) {
        return Fail("cannot read " + packageFile.string());
    }
    const kw::SPackageRead read = kw::ReadChangePackage(*text);
    if (!read.package) {
        return Fail(packageFile.string() + ": " + read.error);
    }
    auto world = std::make_unique<kw::CWorld>(context.InstallDirectory());
    if (!LoadWholeDatabase(source, *world)) {
        return kUnreadable;
    }
    const kw::SPackagePlan plan = kw::PlanChangePackage(*world, *read.package);
    PrintPlan(*read.package, plan);
    const int status =
        plan.Count(kw::EChangeClass::kConflict) + plan.Count(kw::EChangeClass::kUnsupported) == 0
            ? kAllApplied
            : kSomeLeft;
    if (dryRun || !plan.TakesAny()) {
        std::printf("database not changed\n");
        return status;
    }
    kw::CDatabaseDocument document(std::move(world));
    kw::ApplyChangePackage(document, *read.package, plan);
    kw::CConsoleProgress progress;
    kw::CConsoleUserInterface ui;
    if (!document.WorldForOperations().Save(progress, ui)) {
        return Fail("saving " + source.string() +
                    " failed; the database files were left as they were");
    }
    std::printf("database saved\n");
    return status;
}

}  // namespace

void AddPackageCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string package;
        std::string database;
        bool dryRun = false;
    };
    auto options = std::make_shared<SOptions>();
    CLI::App* apply = app.add_subcommand(
        "apply",
        "Apply a change package; exit 0 all applied, 1 conflicts left, 2 unreadable or not saved");
    apply->add_option("PACKAGE", options->package, "Change package to read")->required();
    apply->add_option("DBDIR", options->database, "Database folder to update")->required();
    apply->add_flag("--dry-run", options->dryRun, "Print what each change would do, save nothing");
    OnParsed(apply, context, [&context, options] {
        return RunApply(context, options->package, options->database, options->dryRun);
    });
}

}  // namespace kwtool
