// kwtool: the editor's database operations from the command line, for scripts, tests and
// benchmarks.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

#include "competition/FixtureCreator.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Environment.h"

namespace {

namespace fs = std::filesystem;

struct GlobalOptions {
    std::string install;

    // The installation folder: --install, else the configured one, else the working folder.
    fs::path InstallDirectory() const {
        if (!install.empty()) {
            return install;
        }
        return kw::ConfiguredInstallDirectory().value_or(fs::current_path());
    }
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "kwtool: %s\n", message.c_str());
    return 2;
}

int RunRoundtrip(const GlobalOptions& options, const fs::path& source, const fs::path& target) {
    if (!fs::is_directory(source)) {
        return Fail("database folder not found: " + source.string());
    }
    std::error_code error;
    fs::create_directories(target, error);
    if (error) {
        return Fail("cannot create " + target.string() + ": " + error.message());
    }
    kw::CWorld world(options.InstallDirectory());
    kw::CConsoleUserInterface ui;
    kw::CConsoleProgress progress;
    world.InitialiseCountries();
    if (!world.Load(source, progress)) {
        return Fail("loading " + source.string() + " failed");
    }
    world.SetDirectory(target);
    if (!world.Save(progress, ui)) {
        return Fail("saving into " + target.string() + " failed");
    }
    std::printf("%d countries copied from %s to %s\n", world.CountryCount(), source.c_str(),
                target.c_str());
    return 0;
}

int RunFixtures(int teams, int meetings) {
    kw::CFixtureCreator creator;
    if (!creator.Generate(teams, meetings)) {
        switch (creator.Failure()) {
            case kw::CFixtureCreator::EFailure::kRuns:
                return Fail("no schedule for " + std::to_string(teams) +
                            " teams: a team would play more than three home or away matches in "
                            "a row");
            case kw::CFixtureCreator::EFailure::kPairs:
                return Fail("no schedule for " + std::to_string(teams) +
                            " teams: not every pair would meet once");
            default:
                return Fail("a schedule needs 3 to " +
                            std::to_string(kw::CFixtureCreator::kMaxTeams) + " teams and 1 to " +
                            std::to_string(kw::CFixtureCreator::kMaxMeetings) + " meetings");
        }
    }
    std::fputs(kw::FormatSchedule(creator).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Kickwerk 06 database tool"};
    app.require_subcommand(1);
    GlobalOptions options;
    app.add_option("--install", options.install, "Game installation folder");

    std::string source;
    std::string target;
    CLI::App* roundtrip = app.add_subcommand("roundtrip", "Load a database and save it elsewhere");
    roundtrip->add_option("DBDIR", source, "Database folder to read")->required();
    roundtrip->add_option("OUTDIR", target, "Folder to write the database into")->required();

    int teams = 0;
    int meetings = 0;
    CLI::App* fixtures = app.add_subcommand("fixtures", "Print the generated schedule");
    fixtures->add_option("N", teams, "Number of teams")->required();
    fixtures->add_option("M", meetings, "How often each pair meets")->required();

    CLI11_PARSE(app, argc, argv);
    if (roundtrip->parsed()) {
        return RunRoundtrip(options, source, target);
    }
    if (fixtures->parsed()) {
        return RunFixtures(teams, meetings);
    }
    return 0;
}
