// kwtool roundtrip, stats, check and dump: a database loaded into the model and reported on.
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CheckFindings.h"
#include "KwTool.h"
#include "competition/Competition.h"
#include "competition/CompetitionText.h"
#include "competition/CupFormat.h"
#include "exports/WorldDump.h"
#include "model/World.h"
#include "platform/Console.h"
#include "platform/Cp1252.h"
#include "reports/WorldStatistics.h"

namespace kwtool {

namespace {

namespace fs = std::filesystem;

using Json = nlohmann::ordered_json;

std::string CountryName(const kw::CWorld& world, int number) {
    return kw::Cp1252ToUtf8(world.Country(number).Name(kw::kDefaultLanguage));
}

// Country files the load could not read whole; every save keeps them as they were found.
void PrintDamagedCountries(const kw::CWorld& world) {
    for (const int number : world.DamagedCountries()) {
        std::printf("damaged %d %s: Country%d.sav kept as found\n", number,
                    CountryName(world, number).c_str(), number);
    }
}

Json DamagedCountriesJson(const kw::CWorld& world) {
    Json countries = Json::array();
    for (const int number : world.DamagedCountries()) {
        countries.push_back(Json{{"number", number}, {"name", CountryName(world, number)}});
    }
    return countries;
}

// Cup formats whose first round states another round count than they have: the master file
// would carry the wrong number of round records for them.
Json CupFormatWarnings(const kw::CWorld& world, bool json) {
    Json warnings = Json::array();
    for (const kw::SRoundCountMismatch& mismatch : kw::RoundCountMismatches(world.CupFormats())) {
        const std::string name =
            kw::Cp1252ToUtf8(world.CupFormats().Format(mismatch.number)->Name().View());
        if (json) {
            warnings.push_back(Json{{"number", mismatch.number},
                                    {"name", name},
                                    {"statedRounds", mismatch.stated},
                                    {"rounds", mismatch.rounds}});
        } else {
            std::printf("warning: cup format %d %s: first round states %d rounds, it has %d\n",
                        mismatch.number, name.c_str(), mismatch.stated, mismatch.rounds);
        }
    }
    return warnings;
}

// Exits with 1 when damaged country files were copied as found instead of saved from the model.
int RunRoundtrip(const SToolContext& context, const fs::path& source, const fs::path& target) {
    if (!fs::is_directory(source)) {
        return Fail("database folder not found: " + source.string());
    }
    std::error_code error;
    fs::create_directories(target, error);
    if (error) {
        return Fail("cannot create " + target.string() + ": " + error.message());
    }
    kw::CWorld world(context.InstallDirectory());
    kw::CConsoleUserInterface ui;
    kw::CConsoleProgress progress;
    world.InitialiseCountries();
    if (!world.Load(source, progress, ui)) {
        return Fail("loading " + source.string() + " failed");
    }
    world.SetDirectory(target);
    if (!world.Save(progress, ui)) {
        return Fail("saving into " + target.string() + " failed");
    }
    std::printf("%d countries copied from %s to %s\n", world.CountryCount(), source.c_str(),
                target.c_str());
    PrintDamagedCountries(world);
    const std::size_t damaged = world.DamagedCountries().size();
    if (damaged > 0) {
        std::fprintf(stderr, "kwtool: %zu damaged country files copied unchanged, not replaced\n",
                     damaged);
        return 1;
    }
    return 0;
}

// Countries worth a line, in number order: those with clubs or competitions.
std::vector<int> CountriesWithContent(const kw::CWorld& world) {
    std::vector<bool> content(kw::kCountryCount + 1, false);
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Kind() != kw::kRootKind && node->Country() >= 1 &&
            node->Country() <= kw::kCountryCount) {
            content[static_cast<std::size_t>(node->Country())] = true;
        }
    }
    std::vector<int> numbers;
    for (int number = 1; number <= kw::kCountryCount; ++number) {
        if (content[static_cast<std::size_t>(number)] || world.Country(number).ClubCount() > 0) {
            numbers.push_back(number);
        }
    }
    return numbers;
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

int RunStats(const SToolContext& context, const fs::path& source, bool json) {
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    Json countries = Json::array();
    for (const int number : CountriesWithContent(world)) {
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
        const Json output{{"countries", std::move(countries)},
                          {"total", StatisticsJson(total)},
                          {"damagedCountries", DamagedCountriesJson(world)}};
        std::printf("%s\n", output.dump(2).c_str());
    } else {
        PrintStatistics("total", total);
        PrintDamagedCountries(world);
    }
    return 0;
}

int RunCheck(const SToolContext& context, const fs::path& source, bool json) {
    const std::optional<fs::path> installation = context.InstallationFor(source);
    kw::CWorld world(installation.value_or(fs::path{}));
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    Json countries = Json::array();
    for (const int number : CountriesWithContent(world)) {
        const kw::SCountryCheck check = kw::CheckCountry(world.Country(number));
        // Completeness counts the cups, which are checked against the installation's formats.
        const Json complete = installation ? Json(check.complete) : Json(nullptr);
        if (!json) {
            std::printf("%d %s: %s\n", number, CountryName(world, number).c_str(),
                        !installation    ? "not judged"
                        : check.complete ? "complete"
                                         : "incomplete");
        }
        Json competitions = Json::array();
        for (const kw::SCompetitionCheck& competition : check.competitions) {
            if (!installation && kw::CheckNeedsInstallation(*world.Competition(competition.id))) {
                continue;
            }
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
                                 {"complete", complete},
                                 {"competitions", std::move(competitions)}});
    }
    const SToolValidation validation = ValidateForTool(world, installation);
    if (json) {
        Json output{{"countries", std::move(countries)},
                    {"damagedCountries", DamagedCountriesJson(world)},
                    {"cupFormatWarnings", CupFormatWarnings(world, true)},
                    {"skippedChecks", validation.skipped}};
        AddFindingsJson(world, validation.result, output);
        std::printf("%s\n", output.dump(2).c_str());
    } else {
        PrintDamagedCountries(world);
        CupFormatWarnings(world, false);
        PrintSkippedChecks(validation);
        PrintFindings(world, validation.result);
    }
    // A database read only in part cannot be judged: what is missing shows as faults.
    return world.DamagedCountries().empty() ? FindingsExitCode(validation.result) : 2;
}

int RunDump(const SToolContext& context, const fs::path& source, int country) {
    if (country < 0 || country > kw::kCountryCount) {
        return Fail("--country needs a number from 1 to " + std::to_string(kw::kCountryCount));
    }
    kw::CWorld world(context.InstallDirectory());
    if (!LoadDatabase(source, world)) {
        return 2;
    }
    std::fputs(kw::DumpWorldJson(world, country).c_str(), stdout);
    return 0;
}

}  // namespace

void AddDatabaseCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string source;
        std::string target;
        bool json = false;
        int country = 0;
    };
    auto options = std::make_shared<SOptions>();

    CLI::App* roundtrip = app.add_subcommand("roundtrip", "Load a database and save it elsewhere");
    roundtrip->add_option("DBDIR", options->source, "Database folder to read")->required();
    roundtrip->add_option("OUTDIR", options->target, "Folder to write the database into")
        ->required();
    OnParsed(roundtrip, context, [&context, options] {
        return RunRoundtrip(context, options->source, options->target);
    });

    CLI::App* stats = app.add_subcommand("stats", "Print the statistics of the main window");
    stats->add_option("DBDIR", options->source, "Database folder to read")->required();
    stats->add_flag("--json", options->json, "Print JSON");
    OnParsed(stats, context,
             [&context, options] { return RunStats(context, options->source, options->json); });

    CLI::App* check = app.add_subcommand(
        "check",
        "Print completeness, competition checks and the validation report; exits 1 on errors");
    check->add_option("DBDIR", options->source, "Database folder to read")->required();
    check->add_flag("--json", options->json, "Print JSON");
    OnParsed(check, context,
             [&context, options] { return RunCheck(context, options->source, options->json); });

    CLI::App* dump = app.add_subcommand("dump", "Print the whole model as JSON");
    dump->add_option("DBDIR", options->source, "Database folder to read")->required();
    dump->add_flag("--json", options->json, "Print JSON (the only form)");
    dump->add_option("--country", options->country, "Only this country (1 to 206)");
    OnParsed(dump, context,
             [&context, options] { return RunDump(context, options->source, options->country); });
}

}  // namespace kwtool
