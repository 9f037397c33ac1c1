// kwtool: the editor's database operations from the command line, for scripts, tests and
// benchmarks.
#include "KwTool.h"
#include "AdminCommands.h"
#include "BuildVersion.h"
#include "CsvCommands.h"
#include "DiffCommands.h"
#include "MappingCommands.h"
#include "PackageCommands.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "demo/DemoLocation.h"
#include "document/ScopeCheck.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "platform/AtomicFile.h"
#include "platform/Console.h"
#include "platform/Environment.h"
#include "platform/Progress.h"

namespace kwtool {

namespace fs = std::filesystem;

fs::path SToolContext::InstallDirectory() const {
    if (!install.empty()) {
        return install;
    }
    return kw::ConfiguredInstallDirectory().value_or(fs::current_path());
}

std::optional<fs::path> SToolContext::InstallationFor(const fs::path& database) const {
    if (!install.empty()) {
        return fs::path(install);
    }
    fs::path folder = fs::absolute(database).lexically_normal();
    if (!folder.has_filename()) {
        folder = folder.parent_path();
    }
    std::vector<fs::path> candidates{folder.parent_path()};
    if (const auto configured = kw::ConfiguredInstallDirectory()) {
        candidates.push_back(*configured);
    }
    candidates.push_back(fs::current_path());
    for (const fs::path& candidate : candidates) {
        if (kw::demo::HoldsInstallation(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

void OnParsed(CLI::App* command, SToolContext& context, std::function<int()> action) {
    command->callback([&context, action = std::move(action)] { context.action = action; });
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "kwtool: %s\n", message.c_str());
    return kUnreadable;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteFileBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    return kw::WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool LoadDatabase(const fs::path& source, kw::CWorld& world) {
    if (!fs::is_directory(source)) {
        Fail("database folder not found: " + source.string());
        return false;
    }
    kw::CConsoleProgress progress;
    kw::CConsoleUserInterface ui;
    world.InitialiseCountries();
    if (!world.Load(source, progress, ui)) {
        std::fprintf(stderr, "kwtool: Without.sav of %s could not be read\n", source.c_str());
    }
    return true;
}

bool LoadWholeDatabase(const fs::path& source, kw::CWorld& world) {
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

}  // namespace kwtool

int main(int argc, char** argv) {
#ifndef NDEBUG
    // A debug build stops at the first operation that changes more than it declared.
    kw::InstallScopeCheck(&kw::DumpOutsideScopeJson);
#endif
    CLI::App app{"Kickwerk 06 database tool"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "kwtool " + std::string(kw::build::kVersionText),
                         "Print the version and exit");
    kwtool::SToolContext context;
    app.add_option("--install", context.install, "Game installation folder");

    kwtool::AddDatabaseCommands(app, context);
    kwtool::AddFixtureCommands(app, context);
    kwtool::AddMasterCommands(app, context);
    kwtool::AddAssetCommands(app, context);
    kwtool::AddDemoCommands(app, context);
    kwtool::AddArchiveCommands(app, context);
    kwtool::AddCsvCommands(app, context);
    kwtool::AddAdminCommands(app, context);
    kwtool::AddMappingCommands(app, context);
    kwtool::AddDiffCommands(app, context);
    kwtool::AddPackageCommands(app, context);

    CLI11_PARSE(app, argc, argv);
    return context.action ? context.action() : 0;
}
