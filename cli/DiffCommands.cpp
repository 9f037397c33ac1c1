// kwtool diff: what differs between two databases, matched by identity.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "DiffCommands.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Progress.h"
#include "tools/DatabaseDiff.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

constexpr int kIdentical = 0;
constexpr int kDifferent = 1;
constexpr int kUnreadable = 2;

// A database is compared only when it was read whole: a missing folder, an unreadable
// "Without.sav" or a damaged country file would report differences that are not in the files.
bool LoadWhole(const fs::path& source, kw::CWorld& world) {
    if (!fs::is_directory(source)) {
        Fail("database folder not found: " + source.string());
        return false;
    }
    kw::CSilentProgress progress;
    kw::CConsoleUserInterface ui;
    world.InitialiseCountries();
    if (!world.Load(source, progress, ui)) {
        Fail("Without.sav of " + source.string() + " could not be read");
        return false;
    }
    if (!world.DamagedCountries().empty()) {
        Fail("damaged country files in " + source.string() + ": " +
             world.DamagedCountryNames(kw::kDefaultLanguage));
        return false;
    }
    return true;
}

int RunDiff(const SToolContext& context, const fs::path& first, const fs::path& second, bool json) {
    const auto before = std::make_unique<kw::CWorld>(context.InstallDirectory());
    const auto after = std::make_unique<kw::CWorld>(context.InstallDirectory());
    if (!LoadWhole(first, *before) || !LoadWhole(second, *after)) {
        return kUnreadable;
    }
    const kw::SDatabaseDiff diff = kw::DiffWorlds(*before, *after);
    const std::string output = json ? kw::DiffJson(diff) : kw::DiffText(diff);
    std::fputs(output.c_str(), stdout);
    return diff.IsEmpty() ? kIdentical : kDifferent;
}

}  // namespace

void AddDiffCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string first;
        std::string second;
        bool json = false;
    };
    auto options = std::make_shared<SOptions>();
    CLI::App* diff = app.add_subcommand(
        "diff", "Compare two databases; exit 0 identical, 1 different, 2 unreadable");
    diff->add_option("DBDIR1", options->first, "First database folder")->required();
    diff->add_option("DBDIR2", options->second, "Second database folder")->required();
    diff->add_flag("--json", options->json, "Print JSON");
    OnParsed(diff, context, [&context, options] {
        return RunDiff(context, options->first, options->second, options->json);
    });
}

}  // namespace kwtool
