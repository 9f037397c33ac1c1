// kwtool: the editor's database operations from the command line, for scripts, tests and
// benchmarks.
#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "competition/Competition.h"
#include "competition/CompetitionText.h"
#include "competition/FixtureCreator.h"
#include "model/World.h"
#include "model/WorldDump.h"
#include "model/WorldStatistics.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
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

using Json = nlohmann::ordered_json;

// A database read into a fresh world; false (with the message given) when the folder is missing.
bool LoadDatabase(const fs::path& source, kw::CWorld& world) {
    if (!fs::is_directory(source)) {
        Fail("database folder not found: " + source.string());
        return false;
    }
    kw::CConsoleProgress progress;
    world.InitialiseCountries();
    if (!world.Load(source, progress)) {
        std::fprintf(stderr, "kwtool: Without.sav of %s could not be read\n", source.c_str());
    }
    return true;
}

// Countries worth a line: those with clubs or competitions.
bool HasContent(const kw::CWorld& world, int number) {
    const kw::CCountry& country = world.Country(number);
    if (country.ClubCount() > 0) {
        return true;
    }
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Country() == number && node->Kind() != kw::kRootKind) {
            return true;
        }
    }
    return false;
}

std::string CountryName(const kw::CWorld& world, int number) {
    return kw::Cp1252ToUtf8(world.Country(number).Name(world.CurrentLanguage()));
}

// Two decimals, as the main window shows them.
double Rounded(double value) {
    return std::round(value * 100.0) / 100.0;
}

Json StatisticsJson(const kw::SStatistics& s) {
    return Json{{"leagues", s.leagues},
                {"clubs", s.clubs},
                {"players", s.players},
                {"talents", s.talents},
                {"averageClubStrength", Rounded(s.AverageClubStrength())},
                {"averagePlayerStrength", Rounded(s.AveragePlayerStrength())}};
}

void PrintStatistics(const std::string& label, const kw::SStatistics& s) {
    std::printf(
        "%-28s leagues %d  clubs %d  players %d  talents %d/%d/%d/%d/%d  club %.2f  "
        "player %.2f\n",
        label.c_str(), s.leagues, s.clubs, s.players, s.talents[0], s.talents[1], s.talents[2],
        s.talents[3], s.talents[4], s.AverageClubStrength(), s.AveragePlayerStrength());
}

int RunStats(const GlobalOptions& options, const fs::path& source, bool json) {
    kw::CWorld world(options.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    Json countries = Json::array();
    for (int number = 1; number <= kw::CWorld::kCountryCount; ++number) {
        if (!HasContent(world, number)) {
            continue;
        }
        const kw::SStatistics statistics = kw::CountryStatistics(world.Country(number));
        if (json) {
            Json entry{{"number", number}, {"name", CountryName(world, number)}};
            entry.update(StatisticsJson(statistics));
            countries.push_back(std::move(entry));
        } else {
            PrintStatistics(std::to_string(number) + " " + CountryName(world, number), statistics);
        }
    }
    const kw::SStatistics total = kw::TotalStatistics(world);
    if (json) {
        const Json output{{"countries", std::move(countries)}, {"total", StatisticsJson(total)}};
        std::printf("%s\n", output.dump(2).c_str());
    } else {
        PrintStatistics("total", total);
    }
    return 0;
}

int RunCheck(const GlobalOptions& options, const fs::path& source, bool json) {
    kw::CWorld world(options.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    Json countries = Json::array();
    for (int number = 1; number <= kw::CWorld::kCountryCount; ++number) {
        if (!HasContent(world, number)) {
            continue;
        }
        const kw::SCountryCheck check = kw::CheckCountry(world.Country(number));
        if (!json) {
            std::printf("%d %s: %s\n", number, CountryName(world, number).c_str(),
                        check.complete ? "complete" : "incomplete");
        }
        Json competitions = Json::array();
        for (const kw::SCompetitionCheck& competition : check.competitions) {
            const std::string id = kw::FormatCompetitionId(competition.id);
            if (json) {
                competitions.push_back(
                    Json{{"id", id}, {"faults", {competition.faults[0], competition.faults[1]}}});
            } else {
                std::printf("  %-28s 0x%05x 0x%05x\n", id.c_str(), competition.faults[0],
                            competition.faults[1]);
            }
        }
        countries.push_back(Json{{"number", number},
                                 {"name", CountryName(world, number)},
                                 {"complete", check.complete},
                                 {"competitions", std::move(competitions)}});
    }
    if (json) {
        std::printf("%s\n", Json{{"countries", std::move(countries)}}.dump(2).c_str());
    }
    return 0;
}

int RunDump(const GlobalOptions& options, const fs::path& source, int country) {
    if (country < 0 || country > kw::CWorld::kCountryCount) {
        return Fail("--country needs a number from 1 to " +
                    std::to_string(kw::CWorld::kCountryCount));
    }
    kw::CWorld world(options.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    std::fputs(kw::DumpWorldJson(world, country).c_str(), stdout);
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

    std::string database;
    bool statsJson = false;
    CLI::App* stats = app.add_subcommand("stats", "Print the statistics of the main window");
    stats->add_option("DBDIR", database, "Database folder to read")->required();
    stats->add_flag("--json", statsJson, "Print JSON");

    bool checkJson = false;
    CLI::App* check = app.add_subcommand("check", "Print completeness and competition checks");
    check->add_option("DBDIR", database, "Database folder to read")->required();
    check->add_flag("--json", checkJson, "Print JSON");

    int dumpCountry = 0;
    CLI::App* dump = app.add_subcommand("dump", "Print the whole model as JSON");
    dump->add_option("DBDIR", database, "Database folder to read")->required();
    bool dumpJson = true;
    dump->add_flag("--json", dumpJson, "Print JSON (the only form)");
    dump->add_option("--country", dumpCountry, "Only this country (1 to 206)");

    CLI11_PARSE(app, argc, argv);
    if (roundtrip->parsed()) {
        return RunRoundtrip(options, source, target);
    }
    if (stats->parsed()) {
        return RunStats(options, database, statsJson);
    }
    if (check->parsed()) {
        return RunCheck(options, database, checkJson);
    }
    if (dump->parsed()) {
        return RunDump(options, database, dumpCountry);
    }
    if (fixtures->parsed()) {
        return RunFixtures(teams, meetings);
    }
    return 0;
}
