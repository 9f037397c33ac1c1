#include "demo/DemoScripts.h"

#include <array>
#include <string>
#include <string_view>
#include <system_error>

#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "competition/CompetitionText.h"
#include "competition/CupAlloc.h"
#include "competition/ScriptEntry.h"
#include "demo/DemoNations.h"
#include "demo/DemoPlan.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/FixedText.h"
#include "storage/KLFile.h"

namespace kw::demo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOneLeg = "BEG_WITH_1_LEG,BEG_WITH_EXTRA_TIME,BEG_WITH_PENALTY";
constexpr std::string_view kTwoLegs = "BEG_WITH_2_LEG,BEG_WITH_EXTRA_TIME,BEG_WITH_PENALTY";

// The second value of a format's first round is its round count: the master file takes the
// number of round records from there. The other rounds leave it 0.
std::string RoundLine(int teams, int second, std::string_view round, bool twoLegs) {
    return FormatPrintf("{%d,%d,0,0,0,0,%s,%s}", teams, second, std::string(round).c_str(),
                        std::string(twoLegs ? kTwoLegs : kOneLeg).c_str());
}

struct SRound {
    int teams;
    std::string_view name;
    bool twoLegs;
};

struct SFormat {
    std::string_view category;
    std::string_view name;
    std::vector<SRound> rounds;
};

const std::array<SFormat, demoformat::kCount>& Formats() {
    static const std::array<SFormat, demoformat::kCount> formats = {{
        {},
        {"FA",
         "\"ID_FACUP_GERMANY\"",
         {{64, "ROUND_1", false},
          {32, "ROUND_2", false},
          {16, "ROUND_LAST_16", false},
          {8, "ROUND_QUARTERFINAL", false},
          {4, "ROUND_SEMIFINAL", false},
          {2, "ROUND_FINAL", false}}},
        {"FA",
         "\"ID_FACUP_ENGLAND\"",
         {{32, "ROUND_1", false},
          {16, "ROUND_LAST_16", false},
          {8, "ROUND_QUARTERFINAL", false},
          {4, "ROUND_SEMIFINAL", false},
          {2, "ROUND_FINAL", false}}},
        {"FA",
         "Pokal mit Hin- und R\xFC"
         "ckspiel",
         {{16, "ROUND_LAST_16", false},
          {8, "ROUND_QUARTERFINAL", false},
          {4, "ROUND_SEMIFINAL", true},
          {2, "ROUND_FINAL", false}}},
        {"LEAGUE",
         "\"ID_LEAGUECUP_GERMANY\"",
         {{8, "ROUND_QUARTERFINAL", false},
          {4, "ROUND_SEMIFINAL", false},
          {2, "ROUND_FINAL", false}}},
        {"SUPERCUP", "\"ID_SUPERCUP1\"", {{2, "ROUND_FINAL", false}}},
        {"SUPERCUP", "\"ID_SUPERCUP2\"", {{2, "ROUND_FINAL", true}}},
        {"RELEGATION", "Relegation", {{2, "ROUND_FINAL", true}}},
        {"MISC",
         "Meisterrunde",
         {{32, "ROUND_QUALI", true},
          {16, "ROUND_LAST_16", true},
          {8, "ROUND_QUARTERFINAL", true},
          {4, "ROUND_SEMIFINAL", true},
          {2, "ROUND_FINAL", false}}},
        {"MISC",
         "Europapokal",
         {{64, "ROUND_1", true},
          {32, "ROUND_2", true},
          {16, "ROUND_LAST_16", true},
          {8, "ROUND_QUARTERFINAL", true},
          {4, "ROUND_SEMIFINAL", true},
          {2, "ROUND_FINAL", false}}},
        {"MISC",
         "Qualifikation",
         {{32, "ROUND_QUALI", true}, {16, "ROUND_QUALI2", true}, {8, "ROUND_QUALI3", true}}},
        {"MISC",
         "Weltmeisterschaft",
         {{16, "ROUND_LAST_16", false},
          {8, "ROUND_QUARTERFINAL", false},
          {4, "ROUND_SEMIFINAL", false},
          {2, "ROUND_FINAL", false}}},
        {"MISC",
         "Klub-Weltmeisterschaft",
         {{4, "ROUND_SEMIFINAL", false}, {2, "ROUND_FINAL", false}}},
    }};
    return formats;
}

bool WriteFormat(CKLFile& file, int number) {
    const SFormat& format = Formats()[static_cast<std::size_t>(number)];
    const std::string tag = "CUP" + std::to_string(number);
    bool ok = file.BeginSection(tag) && file.WriteText(format.category) &&
              file.WriteText(format.name) && file.WriteNumber(std::int32_t{0}) &&
              file.WriteNumber(static_cast<std::int32_t>(format.rounds.size()));
    const int count = static_cast<int>(format.rounds.size());
    for (const SRound& round : format.rounds) {
        const int second = &round == &format.rounds.front() ? count : 0;
        ok = ok && file.WriteText(RoundLine(round.teams, second, round.name, round.twoLegs));
    }
    // The formats carry no qualification script of their own.
    const CScriptTable none;
    return ok && WriteScriptList(file, none, CDBCompetition::kNoScript) && file.EndSection(tag);
}

// --- international structures

struct SStructureCup {
    std::uint32_t id = 0;
    std::array<std::string_view, kw::kLanguageCount> names;
    int format = 0;
    int firstDay = 0;
    int step = 0;
    std::vector<SScriptEntry> script;
};

int CupDay(const SStructureCup& cup, int matchday) {
    return cup.firstDay + matchday * cup.step;
}

std::string DayList(const SStructureCup& cup) {
    std::string line;
    for (int matchday = 0; matchday < FormatMatchdays(cup.format); ++matchday) {
        if (!line.empty()) {
            line += ',';
        }
        line += std::to_string(CupDay(cup, matchday));
    }
    return line;
}

// The rounds of a cup are nodes of their own, which take the cup's days in the occupancy tables.
std::uint32_t RoundId(const SStructureCup& cup, std::size_t round) {
    return MakeCompetitionId(CompetitionCountry(cup.id), CompetitionType(cup.id),
                             CompetitionIndex(cup.id) * 16 + 1 + static_cast<int>(round));
}

std::vector<std::uint32_t> RoundIds(const SStructureCup& cup) {
    std::vector<std::uint32_t> ids;
    const auto& rounds = Formats()[static_cast<std::size_t>(cup.format)].rounds;
    for (std::size_t round = 0; round < rounds.size(); ++round) {
        ids.push_back(RoundId(cup, round));
    }
    return ids;
}

bool WriteNames(CKLFile& file, const std::array<std::string_view, kw::kLanguageCount>& texts) {
    CLanguageTexts<CDBCompetition::kNameSize> names;
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        names[static_cast<std::size_t>(language)].Set(texts[static_cast<std::size_t>(language)]);
    }
    return file.WriteQuotedList(names[0].CStr(), kw::kLanguageCount, CDBCompetition::kNameSize);
}

// The common tail without level pools or sub-competitions of its own.
bool WriteTail(CKLFile& file, const std::vector<std::uint32_t>& subs,
               const std::vector<SScriptEntry>& script) {
    CScriptTable table;
    const std::int32_t start =
        script.empty() ? CDBCompetition::kNoScript : table.AppendList(script);
    return file.WriteNumber(std::int32_t{3}) && file.WriteNumber(std::int32_t{-1}) &&
           file.WriteText("0") && file.WriteText(FormatCompetitionIdList(subs)) &&
           WriteScriptList(file, table, start);
}

// The layout of the structure files is that of data version 0: a cup has no settings after its
// format, a round gives the days of its first and second leg one after the other.
bool WriteStructureCup(CKLFile& file, const SStructureCup& cup) {
    const std::string days = DayList(cup);
    bool ok = file.WriteText("DB_CUP") && file.WriteText(FormatCompetitionId(cup.id)) &&
              WriteNames(file, cup.names) &&
              file.WriteNumber(static_cast<std::int32_t>(cup.format));
    for (const std::string_view tag : {"MATCHDAYS", "MATCHDAYS2"}) {
        ok = ok && file.BeginSection(tag) && file.WriteText(days) && file.EndSection(tag);
    }
    const auto rounds = Formats()[static_cast<std::size_t>(cup.format)].rounds.size();
    for (std::size_t value = 0; ok && value < rounds * CDBCompetition::kValueCount; ++value) {
        ok = file.WriteNumber(std::int32_t{0});
    }
    return ok && WriteTail(file, RoundIds(cup), cup.script);
}

bool WriteStructureRound(CKLFile& file, const SStructureCup& cup, std::size_t round,
                         int firstMatchday) {
    const SRound& format = Formats()[static_cast<std::size_t>(cup.format)].rounds[round];
    const int first = CupDay(cup, firstMatchday);
    const int second = format.twoLegs ? CupDay(cup, firstMatchday + 1) : 0;
    const std::string mode(format.twoLegs ? "BEG_WITH_2_LEG" : "BEG_WITH_1_LEG");
    bool ok = file.WriteFormatted("; --------------------------------------") &&
              file.WriteText("DB_ROUND") &&
              file.WriteText(FormatCompetitionId(RoundId(cup, round))) &&
              WriteNames(file, cup.names) && file.WriteNumber(std::int32_t{0}) &&
              file.WriteText(format.name) && file.WriteNumber(first) && file.WriteNumber(first) &&
              file.WriteText(mode) && file.WriteNumber(second) && file.WriteNumber(second) &&
              file.WriteNumber(std::int32_t{0}) && file.WriteText("0");
    for (int value = 0; ok && value < CDBCompetition::kValueCount; ++value) {
        ok = file.WriteNumber(std::int32_t{0});
    }
    // Each round leads on to the next, so that the cup's check follows the chain.
    std::vector<std::uint32_t> next;
    if (round + 1 < Formats()[static_cast<std::size_t>(cup.format)].rounds.size()) {
        next.push_back(RoundId(cup, round + 1));
    }
    return ok && WriteTail(file, next, {});
}

bool WriteStructureFile(const fs::path& path, std::string_view prefix,
                        const std::vector<SStructureCup>& cups) {
    std::int32_t nodes = 0;
    for (const SStructureCup& cup : cups) {
        nodes += 1 + static_cast<std::int32_t>(RoundIds(cup).size());
    }
    CKLFile file;
    bool ok = file.OpenForWrite(path) && file.WriteNumber(nodes);
    int section = 0;
    const auto begin = [&](std::string& tag) {
        tag = std::string(prefix) + std::to_string(section++);
        return file.BeginSection(tag);
    };
    for (const SStructureCup& cup : cups) {
        std::string tag;
        ok = ok && begin(tag) && WriteStructureCup(file, cup) && file.EndSection(tag);
        int matchday = 0;
        const auto& rounds = Formats()[static_cast<std::size_t>(cup.format)].rounds;
        for (std::size_t round = 0; ok && round < rounds.size(); ++round) {
            ok = begin(tag) && WriteStructureRound(file, cup, round, matchday) &&
                 file.EndSection(tag);
            matchday += rounds[round].twoLegs ? 2 : 1;
        }
    }
    return file.Close() && ok;
}

std::uint32_t International(int type, int index) {
    return MakeCompetitionId(0, type, index);
}

// Entries that take the best teams of the top leagues of a continent's countries with leagues.
std::vector<SScriptEntry> ContinentEntries(const SDemoPlan& plan, int continent, int from, int to) {
    std::vector<SScriptEntry> entries;
    for (const SCountryPlan& country : plan.countries) {
        if (country.HasLeagues() &&
            Nations()[static_cast<std::size_t>(country.number - 1)].continent == continent) {
            entries.push_back({kGetTabXToY, MakeCompetitionId(country.number, kLeagueType, 0),
                               MakeScriptArguments(0, from, to)});
        }
    }
    return entries;
}

}  // namespace

int FormatMatchdays(int format) {
    int matchdays = 0;
    for (const SRound& round : Formats()[static_cast<std::size_t>(format)].rounds) {
        matchdays += round.twoLegs ? 2 : 1;
    }
    return matchdays;
}

bool WriteCupFormats(const fs::path& installDir) {
    std::error_code error;
    fs::create_directories(installDir / "script", error);
    CKLFile file;
    bool ok = file.OpenForWrite(installDir / kCupAllocFile) &&
              file.WriteNumber(static_cast<std::int32_t>(demoformat::kCount));
    for (int number = 1; ok && number < demoformat::kCount; ++number) {
        ok = WriteFormat(file, number);
    }
    return file.Close() && ok;
}

bool WriteInternationalStructures(const fs::path& installDir, const SDemoPlan& plan) {
    std::error_code error;
    fs::create_directories(installDir / "script", error);
    const fs::path script = installDir / "script";
    constexpr int kEurope = 0;
    constexpr int kSouthAmerica = 1;
    const std::vector<SStructureCup> european = {
        {International(kChampionsLeagueType, 0),
         {"Meisterrunde", "Champions Round", "Tour des champions", "Ronda de campeones",
          "Girone dei campioni"},
         demoformat::kChampions,
         24,
         14,
         ContinentEntries(plan, kEurope, 1, 2)},
        {International(kUefaCupType, 0),
         {"Europapokal", "Continental Cup", "Coupe continentale", "Copa continental",
          "Coppa continentale"},
         demoformat::kContinental,
         25,
         14,
         ContinentEntries(plan, kEurope, 3, 5)},
        {International(kEuroSupercupType, 0),
         {"Kontinental-Supercup", "Continental Super Cup", "Supercoupe continentale",
          "Supercopa continental", "Supercoppa continentale"},
         demoformat::kSupercupOneMatch,
         4,
         1,
         {}},
    };
    const std::vector<SStructureCup> southAmerican = {
        {International(kChampionsLeagueType, 1),
         {"Meisterrunde S\xFC"
          "d",
          "Southern Champions Round", "Tour des champions du Sud", "Ronda de campeones del Sur",
          "Girone dei campioni del Sud"},
         demoformat::kChampions,
         23,
         14,
         ContinentEntries(plan, kSouthAmerica, 1, 3)},
        {International(kWorldClubChampType, 0),
         {"Klub-Weltturnier", "World Club Tournament", "Tournoi mondial des clubs",
          "Torneo mundial de clubes", "Torneo mondiale per club"},
         demoformat::kClubWorld,
         352,
         3,
         {}},
    };
    const std::vector<SStructureCup> qualification = {
        {International(kQualiEcType, 0),
         {"EM-Qualifikation", "Continental qualifying", "Qualification continentale",
          "Clasificaci\xF3n continental", "Qualificazioni continentali"},
         demoformat::kQualification,
         38,
         42,
         {}},
    };
    const std::vector<SStructureCup> worldCup = {
        {International(kQualiWcType, 0),
         {"WM-Qualifikation", "World Cup qualifying", "Qualification Coupe du monde",
          "Clasificaci\xF3n Mundial", "Qualificazioni Mondiali"},
         demoformat::kQualification,
         80,
         42,
         {}},
        {International(kWorldCupType, 0),
         {"Weltmeisterschaft", "World Cup", "Coupe du monde", "Copa Mundial", "Coppa del Mondo"},
         demoformat::kWorldCup,
         330,
         5,
         {}},
    };
    return WriteStructureFile(script / "EuropeanCup.txt", "EURO", european) &&
           WriteStructureFile(script / "SouthAmCup.txt", "SOUTHAM", southAmerican) &&
           WriteStructureFile(script / "QualiEC.txt", "QUALI_EC", qualification) &&
           WriteStructureFile(script / "WC.txt", "WORLD_CUP", worldCup);
}

bool WriteLeagueScripts(const fs::path& installDir, const CWorld& world, const SDemoPlan& plan) {
    bool ok = true;
    for (const SCountryPlan& country : plan.countries) {
        if (country.leagueScript == 0) {
            continue;
        }
        std::vector<std::uint32_t> ids;
        for (const std::uint32_t id : CountryCompetitionIds(world.Registry(), country.number)) {
            const int type = CompetitionType(id);
            if (type == kLeagueType || type == kPoolType) {
                ids.push_back(id);
            }
        }
        CKLFile file;
        ok =
            file.OpenForWrite(installDir / FormatPrintf("script/Lg%d.txt", country.leagueScript)) &&
            WriteCompetitionList(file, world.Registry(), ids, "LG") && file.Close() && ok;
    }
    return ok;
}

}  // namespace kw::demo
