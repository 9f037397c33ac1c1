#include "demo/DemoCompetitions.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "competition/Competition.h"
#include "competition/Cup.h"
#include "competition/FixtureTemplates.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "demo/DemoNations.h"
#include "demo/DemoPlan.h"
#include "demo/DemoRandom.h"
#include "demo/DemoScripts.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw::demo {

namespace {

// Day 0 opens the season; league matchdays fall on the weekend, cups in midweek.
constexpr int kFirstWeekend = 6;
constexpr int kWeek = 7;
constexpr int kWinterBreakWeek = 17;
constexpr int kWinterBreakWeeks = 6;
constexpr int kSeasonWeeks = 46;
constexpr int kPoolSortNorthSouth = 3;

constexpr std::array<const char*, kw::kLanguageCount> kLevelPatterns = {
    "%d. Liga", "Division %d", "Division %d", "Divisi\xF3n %d", "Divisione %d"};
constexpr std::array<std::array<const char*, kw::kLanguageCount>, 6> kRegions = {{
    {"Nord", "North", "Nord", "Norte", "Nord"},
    {"S\xFC"
     "d",
     "South", "Sud", "Sur", "Sud"},
    {"West", "West", "Ouest", "Oeste", "Ovest"},
    {"Ost", "East", "Est", "Este", "Est"},
    {"Mitte", "Central", "Centre", "Centro", "Centro"},
    {"K\xFCste", "Coast", "C\xF4te", "Costa", "Costa"},
}};

std::vector<int> WeekendDays(int matchdays) {
    const bool winterBreak = matchdays + kWinterBreakWeeks <= kSeasonWeeks;
    std::vector<int> days;
    for (int week = 0; static_cast<int>(days.size()) < matchdays; ++week) {
        if (winterBreak && week >= kWinterBreakWeek &&
            week < kWinterBreakWeek + kWinterBreakWeeks) {
            continue;
        }
        days.push_back(kFirstWeekend + week * kWeek);
    }
    return days;
}

// Midweek days spread over the season, starting in week `firstWeek`.
std::vector<int> MidweekDays(int matchdays, int firstWeek, int weekday) {
    std::vector<int> days;
    const int step = std::max(1, (40 - firstWeek) / std::max(1, matchdays));
    for (int i = 0; i < matchdays; ++i) {
        days.push_back(kFirstWeekend + (firstWeek + i * step) * kWeek + weekday);
    }
    return days;
}

void EnterDays(CDBCompetition& node, const std::vector<int>& days) {
    for (int calendar = 0; calendar < CDBCompetition::kCalendarCount; ++calendar) {
        for (const int day : days) {
            node.AddMatchday(calendar, day);
        }
    }
}

void SetNames(CDBCompetition& node, const std::array<std::string, kw::kLanguageCount>& names) {
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        node.Names()[static_cast<std::size_t>(language)].Set(
            names[static_cast<std::size_t>(language)]);
    }
}

std::array<std::string, kw::kLanguageCount> LevelNames(int level) {
    std::array<std::string, kw::kLanguageCount> names;
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        names[static_cast<std::size_t>(language)] =
            FormatPrintf(kLevelPatterns[static_cast<std::size_t>(language)], level + 1);
    }
    return names;
}

CDBLeague& AddLeague(CWorld& world, int country, int index, int level, int region, bool regional,
                     const std::vector<std::uint32_t>& teams, CDemoRandom& random) {
    const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
    auto& league = static_cast<CDBLeague&>(world.RegisterCompetition(
        std::make_unique<CDBLeague>(MakeCompetitionId(country, kLeagueType, index), root)));
    std::array<std::string, kw::kLanguageCount> names = LevelNames(level);
    if (regional) {
        for (int language = 0; language < kw::kLanguageCount; ++language) {
            names[static_cast<std::size_t>(language)] +=
                std::string(" ") +
                kRegions[static_cast<std::size_t>(region % 6)][static_cast<std::size_t>(language)];
        }
    }
    SetNames(league, names);
    league.SetLevel(static_cast<std::int8_t>(level));
    league.SetLeagueSize(static_cast<std::int32_t>(teams.size()));
    league.SetMeetings(2);
    league.SetRelegationRule(static_cast<std::uint8_t>(random.Between(0, 2)));
    league.SetSpectatorMultiplier(static_cast<std::uint8_t>(std::max(2, 12 - level * 2)));
    league.SetTransferMultiplier(static_cast<std::uint8_t>(std::max(20, 100 - level * 20)));
    for (const std::uint32_t team : teams) {
        league.AddTeam(team);
    }
    FillFromTemplate(league);
    EnterDays(league, WeekendDays(league.LeagueMatchdays()));
    return league;
}

CDBCup& AddCup(CWorld& world, int country, int type, int format, std::uint32_t source,
               const std::array<std::string, kw::kLanguageCount>& names,
               const std::vector<int>& days) {
    const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
    auto& cup = static_cast<CDBCup&>(world.RegisterCompetition(
        std::make_unique<CDBCup>(MakeCompetitionId(country, type, 0), root)));
    SetNames(cup, names);
    cup.SetFormatNumber(static_cast<std::uint8_t>(format));
    cup.AddSource(source);
    EnterDays(cup, days);
    return cup;
}

std::array<std::string, kw::kLanguageCount> CupNames(
    int country, const std::array<const char*, kw::kLanguageCount>& words) {
    const SNation& nation = Nations()[static_cast<std::size_t>(country - 1)];
    std::array<std::string, kw::kLanguageCount> names;
    for (std::size_t language = 0; language < names.size(); ++language) {
        names[language] = std::string(words[language]) + " " + nation.names[language];
    }
    return names;
}

}  // namespace

void BuildCompetitions(CWorld& world, const SCountryPlan& plan,
                       const std::vector<std::vector<std::uint32_t>>& leagueTeams,
                       CDemoRandom& random) {
    const int country = plan.number;
    CCountry& target = world.Country(country);
    SCountrySettings& settings = target.Settings();
    std::size_t next = 0;
    for (std::size_t level = 0; level < plan.levels.size(); ++level) {
        const auto& sizes = plan.levels[level];
        const bool regional = sizes.size() > 1;
        const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
        std::unique_ptr<CDBPool> pool;
        if (regional) {
            pool = std::make_unique<CDBPool>(
                MakeCompetitionId(country, kPoolType, static_cast<int>(level)), root);
            pool->SetLevel(static_cast<std::int8_t>(level));
            pool->SetSortMode(kPoolSortNorthSouth);
        }
        for (std::size_t i = 0; i < sizes.size(); ++i, ++next) {
            const CDBLeague& league =
                AddLeague(world, country, static_cast<int>(next), static_cast<int>(level),
                          static_cast<int>(i), regional, leagueTeams[next], random);
            if (pool) {
                pool->AddChecked(league.Id());
                pool->Teams().insert(pool->Teams().end(), league.Teams().begin(),
                                     league.Teams().end());
            }
        }
        if (pool) {
            pool->SetPoolSize(static_cast<std::uint16_t>(pool->Teams().size()));
            world.RegisterCompetition(std::move(pool));
        }
        const std::array<std::string, kw::kLanguageCount> names =
            LevelNames(static_cast<int>(level));
        for (int language = 0; language < kw::kLanguageCount; ++language) {
            target.SetLevelName(static_cast<int>(level), language,
                                names[static_cast<std::size_t>(language)]);
        }
        const bool lowest = level + 1 == plan.levels.size();
        settings.relegated[level] = static_cast<std::uint8_t>(lowest ? 0 : random.Between(2, 4));
        settings.tieBreak[level] = static_cast<std::uint8_t>(random.Between(0, 2));
        settings.nonEuropeanLimit[level] = static_cast<std::uint8_t>(random.Between(3, 6));
    }

    const std::uint32_t top = MakeCompetitionId(country, kLeagueType, 0);
    const int cupFormat = plan.ClubCount() >= 48   ? demoformat::kCupSixRounds
                          : plan.ClubCount() >= 24 ? demoformat::kCupFiveRounds
                                                   : demoformat::kCupFourRounds;
    AddCup(world, country, kFaCupType, cupFormat, top,
           CupNames(country, {"Pokal", "Cup", "Coupe", "Copa", "Coppa"}),
           MidweekDays(FormatMatchdays(cupFormat), 3, 4));
    settings.nationalCupSetting = cupFormat;
    if (plan.leagueCup) {
        AddCup(world, country, kLeagueCupType, demoformat::kLeagueCup, top,
               CupNames(country, {"Ligapokal", "League Cup", "Coupe de la Ligue", "Copa de la Liga",
                                  "Coppa di Lega"}),
               MidweekDays(FormatMatchdays(demoformat::kLeagueCup), 5, 3));
        settings.leagueCupSettings = demoformat::kLeagueCup;
    }
    if (plan.superCup) {
        const bool twoMatches = random.Chance(30);
        const int format =
            twoMatches ? demoformat::kSupercupTwoMatches : demoformat::kSupercupOneMatch;
        AddCup(world, country, kSupercupType, format, top,
               CupNames(country, {"Supercup", "Super Cup",
                                  "Troph\xE9"
                                  "e des champions",
                                  "Supercopa", "Supercoppa"}),
               twoMatches ? std::vector<int>{1, 3} : std::vector<int>{2});
        settings.superCupSetting = format;
    }
    if (plan.relegation) {
        AddCup(world, country, kRelegationType, demoformat::kRelegation,
               MakeCompetitionId(country, kLeagueType, 1),
               {"Relegation", "Play-off", "Barrages", "Promoci\xF3n", "Spareggio"},
               std::vector<int>{340, 344});
    }
}

}  // namespace kw::demo
