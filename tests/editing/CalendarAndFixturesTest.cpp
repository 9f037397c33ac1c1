#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "competition/Competition.h"
#include "competition/Fixturelist.h"
#include "competition/League.h"
#include "editing/CalendarCheck.h"
#include "editing/CalendarCommands.h"
#include "editing/FixtureListEditing.h"
#include "editing/FixtureListSession.h"
#include "editing/SeasonCalendar.h"
#include "editing/StadiumPick.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;
constexpr const char* kOverlap =
    "Spieltag \xFC"
    "berlappt mit internationalem Spieltag.";
constexpr const char* kMatchdayCount = "Anzahl Spieltage ist nicht korrekt!";

// --- days, dates and months

TEST(SeasonCalendarDates, DayZeroIsTheFirstOfJulyAndTheTwelveMonthsCoverTheSeasonInOrder) {
    EXPECT_EQ(SeasonLabel(0), "2006/2007");
    EXPECT_EQ(SeasonLabel(1), "2005/2006");
    const SCalendarDate first = DateOfDay(0, 0);
    EXPECT_EQ(std::tuple(first.day, first.month, first.year, DateOfDay(1, 0).year),
              std::tuple(1, 7, 2006, 2005));
    // 1 July 2006 was a Saturday, 30 June 2007 a Saturday too.
    EXPECT_EQ(DayText(0, 0), "Sa 01.07.2006");
    EXPECT_EQ(DayText(0, 364), "Sa 30.06.2007");
    EXPECT_EQ(DayText(1, 0), "Fr 01.07.2005");
    // The last slot: one ordinary year and the leap year 2008 later, plus three days.
    EXPECT_EQ(DayText(0, 734), "Fr 04.07.2008");
    // The twelve months cover the season once, in order.
    for (int calendar = 0; calendar < kCalendarViewCount; ++calendar) {
        std::vector<int> all;
        for (const int month : {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}) {
            const std::vector<int> days = MonthDays(calendar, month);
            ASSERT_FALSE(days.empty());
            for (const int day : days) {
                EXPECT_EQ(DateOfDay(calendar, day).month, month);
            }
            all.insert(all.end(), days.begin(), days.end());
        }
        ASSERT_EQ(all.size(), static_cast<std::size_t>(kShownSeasonDays));
        for (std::size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(all[i], static_cast<int>(i));
        }
    }
    EXPECT_EQ(MonthDays(0, 1).front(), 184);  // July..December hold 184 days
    EXPECT_EQ(MonthDays(0, 2).size(), 28u);
    EXPECT_EQ(MonthDays(0, 6).back(), 364);
    EXPECT_TRUE(MonthDays(0, 0).empty());
    EXPECT_TRUE(MonthDays(0, 13).empty());
}

// --- the international days

// Files in their order: continental club cups, South American club cups, continental
// championship qualifiers, world cup.
InternationalDayTables Tables() {
    InternationalDayTables tables{};
    tables[0].tables[0][10] = 12;  // a last-16 day of the continental cups
    tables[1].tables[0][10] = 5;
    tables[1].tables[0][20] = 7;
    tables[2].tables[0][30] = kNationalTeamDay;
    tables[3].tables[0][10] = kNationalTeamDay;
    tables[3].tables[1][40] = kNationalTeamDay;
    return tables;
}

TEST(SeasonCalendarInternational, EachContinentMergesItsFilesAndTheOverlapLooksAtTheNeighbours) {
    const InternationalDayTables tables = Tables();
    // Days 10, 20, 30, 40: the world cup day wins over the cup round; the South American file
    // is not Europe's; day 40 is marked in calendar 1 only.
    const auto days = [&tables](int continent, int calendar) {
        const InternationalDayTable merged = MergedInternationalDays(tables, continent, calendar);
        return std::vector<int>{merged[10], merged[20], merged[30], merged[40]};
    };
    constexpr int N = kNationalTeamDay;
    EXPECT_EQ(days(0, 0), (std::vector<int>{N, 0, N, 0}));
    EXPECT_EQ(days(1, 0), (std::vector<int>{N, 7, 0, 0}));
    EXPECT_EQ(days(4, 0), (std::vector<int>{N, 0, 0, 0}));
    EXPECT_EQ(days(4, 1)[3], N);

    // Without a national-team day the first file's value stands.
    InternationalDayTables cups{};
    cups[0].tables[0][50] = 12;
    cups[3].tables[0][50] = 6;
    EXPECT_EQ(MergedInternationalDays(cups, 0, 0)[50], 12);
    EXPECT_EQ(InternationalDayText(0), "");
    // The overlap looks at the neighbours within the table only.
    InternationalDayTable table{};
    table[0] = kNationalTeamDay;
    table[364] = kNationalTeamDay;
    // The second year folds onto the season, as the files mark it; its last days have no slot.
    for (const auto& [day, overlaps] : std::vector<std::pair<int, bool>>{{0, true},
                                                                         {1, true},
                                                                         {2, false},
                                                                         {362, false},
                                                                         {363, true},
                                                                         {364, true},
                                                                         {365, true},
                                                                         {729, true},
                                                                         {731, false},
                                                                         {734, false},
                                                                         {-1, false},
                                                                         {735, false}}) {
        EXPECT_EQ(OverlapsInternationalDay(table, day), overlaps) << day;
    }

    InternationalDayTable last{};
    last[364] = kNationalTeamDay;
    EXPECT_FALSE(OverlapsInternationalDay(last, 0));
    EXPECT_FALSE(OverlapsInternationalDay(last, 734));
}

// --- columns and toggling

TEST(SeasonCalendarColumns, LeaguesComeFirstThenTheCupsThatExist) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const std::vector<SCalendarColumn> columns =
        CalendarColumns(*world, kDemoCountry, kDefaultLanguage);
    ASSERT_GE(columns.size(), 3u);
    std::size_t leagues = 0;
    while (leagues < columns.size() && columns[leagues].league) {
        EXPECT_EQ(columns[leagues].competitionId,
                  MakeCompetitionId(kDemoCountry, kLeagueType, static_cast<int>(leagues)));
        ++leagues;
    }
    ASSERT_GE(leagues, 2u);
    EXPECT_EQ(columns[0].level, 0);
    EXPECT_EQ(columns[leagues].competitionId, MakeCompetitionId(kDemoCountry, kFaCupType, 0));
    for (std::size_t i = leagues; i < columns.size(); ++i) {
        EXPECT_FALSE(columns[i].league);
        EXPECT_NE(CompetitionType(columns[i].competitionId), kLeagueType);
        EXPECT_NE(world->Competition(columns[i].competitionId), nullptr);
    }
    EXPECT_EQ(CompetitionType(columns.back().competitionId), kSupercupType);
}

TEST(SeasonCalendarColumns, TheModeDecidesWhichColumnsAClickToggles) {
    const auto league = [](int index, int level) {
        return SCalendarColumn{MakeCompetitionId(1, kLeagueType, index), true, level, ""};
    };
    const std::uint32_t cup = MakeCompetitionId(1, kFaCupType, 0);
    const std::vector<SCalendarColumn> columns = {
        league(0, 0), league(1, 1), league(2, 1), league(3, 2), {cup, false, -1, ""}};
    const std::uint32_t second = columns[1].competitionId;
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kOneLeague),
              std::vector<std::uint32_t>{second});
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kSameLevel),
              (std::vector<std::uint32_t>{second, columns[2].competitionId}));
    EXPECT_EQ(ToggledCompetitions(columns, second, ECalendarMode::kAllLeagues),
              (std::vector<std::uint32_t>{columns[0].competitionId, second,
                                          columns[2].competitionId, columns[3].competitionId}));
    EXPECT_EQ(ToggledCompetitions(columns, cup, ECalendarMode::kAllLeagues),
              std::vector<std::uint32_t>{cup});
    EXPECT_TRUE(ToggledCompetitions(columns, MakeCompetitionId(2, kLeagueType, 0),
                                    ECalendarMode::kAllLeagues)
                    .empty());
}

// The calendar commands and the check on the small demo, through a document.
class SeasonCalendarDemoTest : public test::DemoDocumentTest {
protected:
    std::vector<SCalendarColumn> Columns() const {
        return CalendarColumns(World(), kDemoCountry, kDefaultLanguage);
    }
    const CDBCompetition& Node(std::uint32_t id) const { return *World().Competition(id); }
    // A day of calendar 0 on which no column has a matchday.
    int FreeDay() const {
        for (int day = 1; day < kShownSeasonDays; ++day) {
            bool free = true;
            for (const SCalendarColumn& column : Columns()) {
                free = free && !Node(column.competitionId).PlaysOnDay(World().Registry(), 0, day);
            }
            if (free) {
                return day;
            }
        }
        return -1;
    }
    std::vector<std::string> Lines(ECalendarCheck occasion = ECalendarCheck::kAtClose) const {
        return CheckCalendars(World(), kDemoCountry, occasion, kDefaultLanguage).lines;
    }
    static std::uint32_t LeagueId(int index) {
        return MakeCompetitionId(kDemoCountry, kLeagueType, index);
    }
    const CDBLeague& League(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    std::string CountryDump() const { return DumpWorldJson(World(), kDemoCountry); }
};

TEST_F(SeasonCalendarDemoTest, SameLevelTogglesOnlyTheLeaguesOfTheClickedLevel) {
    const std::vector<SCalendarColumn> columns = Columns();
    const SCalendarColumn* levelOne = nullptr;
    for (const SCalendarColumn& column : columns) {
        if (column.league && column.level == 1 && levelOne == nullptr) {
            levelOne = &column;
        }
    }
    ASSERT_NE(levelOne, nullptr);
    const int day = FreeDay();
    ASSERT_GT(day, 0);
    const std::string before = DumpWorldJson(World(), kDemoCountry);

    ASSERT_TRUE(ToggleCalendarDay(document, kDemoCountry, levelOne->competitionId,
                                  ECalendarMode::kSameLevel, 0, day));
    EXPECT_EQ(document.History().Count(), 1u);
    for (const SCalendarColumn& column : columns) {
        const bool toggled = column.league && column.level == 1;
        EXPECT_EQ(Node(column.competitionId).CalendarValue(0, day) != 0, toggled) << column.name;
        EXPECT_EQ(Node(column.competitionId).CalendarValue(1, day), 0) << column.name;
    }
    // The second click takes them away again: the matchdays of the day before renumbered back.
    ASSERT_TRUE(ToggleCalendarDay(document, kDemoCountry, levelOne->competitionId,
                                  ECalendarMode::kSameLevel, 0, day));
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST_F(SeasonCalendarDemoTest, ADayTakenByTheSubCompetitionChainIsNotAddedAndNothingIsRecorded) {
    const std::uint32_t top = MakeCompetitionId(kDemoCountry, kLeagueType, 0);
    const std::uint32_t second = MakeCompetitionId(kDemoCountry, kLeagueType, 1);
    const int day = FreeDay();
    ASSERT_GT(day, 0);
    ASSERT_TRUE(Live().Competition(second)->AddMatchday(0, day));
    ASSERT_TRUE(Live().Competition(top)->AddSubCompetition(second));
    EXPECT_EQ(CompetitionCellText(World(), top, 0, day), "*");

    EXPECT_FALSE(ToggleCalendarDay(document, kDemoCountry, top, ECalendarMode::kOneLeague, 0, day));
    EXPECT_EQ(Node(top).CalendarValue(0, day), 0);
    EXPECT_EQ(document.History().Count(), 0u);
    // Day 0 never carries a matchday.
    EXPECT_FALSE(ToggleCalendarDay(document, kDemoCountry, top, ECalendarMode::kOneLeague, 0, 0));
    EXPECT_EQ(document.History().Count(), 0u);
}

TEST_F(SeasonCalendarDemoTest, ATopMatchdayTheDayBeforeANationalTeamDayOverlaps) {
    // The demo is sound, and on demand the check says so.
    EXPECT_TRUE(Lines().empty());
    const SCalendarCheckResult onDemand =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kOnDemand, kDefaultLanguage);
    EXPECT_FALSE(onDemand.faultsListed);
    EXPECT_EQ(onDemand.lines, std::vector<std::string>{"Keine Fehler gefunden"});
    const InternationalDayTable international = MergedInternationalDays(
        World().InternationalDays(), World().Country(kDemoCountry).Continent(), 0);
    const std::uint32_t top = MakeCompetitionId(kDemoCountry, kLeagueType, 0);
    // A national-team day whose day before and day before that are free of any top matchday,
    // and not next to another national-team day.
    int qualifier = -1;
    for (int day = 3; day + 1 < kShownSeasonDays && qualifier < 0; ++day) {
        if (international[static_cast<std::size_t>(day)] == kNationalTeamDay &&
            international[static_cast<std::size_t>(day - 2)] != kNationalTeamDay &&
            international[static_cast<std::size_t>(day - 3)] != kNationalTeamDay &&
            Node(top).CalendarValue(0, day - 1) == 0) {
            qualifier = day;
        }
    }
    ASSERT_GT(qualifier, 0) << "the demo has national-team days in the season";
    EXPECT_FALSE(OverlapsInternationalDays(Node(top), 0, international));

    // One matchday moved there: the count stays right, only the overlap is told.
    CDBCompetition& league = *Live().Competition(top);
    ASSERT_TRUE(league.RemoveMatchday(0, league.DayOfMatchday(0, 0)));
    ASSERT_TRUE(league.AddMatchday(0, qualifier - 1));
    const SCalendarCheckResult result =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kAtClose, kDefaultLanguage);
    const std::string name = Columns().front().name;
    EXPECT_EQ(result.lines, (std::vector<std::string>{"2006/2007", name, kOverlap, ""}));
    EXPECT_TRUE(result.faultsListed);
    EXPECT_FALSE(result.headed);

    // Two days before is clear of it.
    ASSERT_TRUE(league.RemoveMatchday(0, qualifier - 1));
    ASSERT_TRUE(league.AddMatchday(0, qualifier - 2));
    EXPECT_TRUE(Lines().empty());
}

TEST_F(SeasonCalendarDemoTest, TwoFailingLeaguesAreListedUnderTheirSeasonsWithTheHeading) {
    const std::vector<SCalendarColumn> columns = Columns();
    CDBCompetition& first = *Live().Competition(columns[0].competitionId);
    CDBCompetition& second = *Live().Competition(columns[1].competitionId);
    ASSERT_TRUE(first.RemoveMatchday(0, first.DayOfMatchday(0, 3)));
    ASSERT_TRUE(second.RemoveMatchday(0, second.DayOfMatchday(0, 3)));
    ASSERT_TRUE(second.RemoveMatchday(1, second.DayOfMatchday(1, 0)));

    const SCalendarCheckResult result =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kOnDemand, kDefaultLanguage);
    EXPECT_EQ(result.lines, (std::vector<std::string>{
                                "2006/2007", columns[0].name, kMatchdayCount, columns[1].name,
                                kMatchdayCount, "", "2005/2006", columns[1].name, kMatchdayCount}));
    EXPECT_EQ(result.counted, 3);
    EXPECT_TRUE(result.headed);
    EXPECT_TRUE(result.faultsListed);
}

TEST_F(SeasonCalendarDemoTest, AnIncompleteFixtureListIsToldInTheFirstSeasonOnlyAndNotCounted) {
    auto& league = dynamic_cast<CDBLeague&>(*Live().Competition(Columns()[0].competitionId));
    league.Fixtures().ClearRow(0);
    const SCalendarCheckResult result =
        CheckCalendars(World(), kDemoCountry, ECalendarCheck::kAtClose, kDefaultLanguage);
    EXPECT_EQ(result.lines, (std::vector<std::string>{"2006/2007", Columns()[0].name,
                                                      "Spielplan ist nicht vollst\xE4ndig!"}));
    EXPECT_EQ(result.counted, 0);
    EXPECT_FALSE(result.headed);
    EXPECT_TRUE(result.faultsListed);
}

TEST_F(SeasonCalendarDemoTest, ComparisonCountriesAreTheOthersWithTenClubsByName) {
    const std::vector<SComparisonCountry> countries = ComparisonCountries(World(), kDemoCountry, 0);
    ASSERT_FALSE(countries.empty());
    std::set<int> listed;
    for (std::size_t i = 0; i < countries.size(); ++i) {
        EXPECT_NE(countries[i].number, kDemoCountry);
        EXPECT_EQ(countries[i].name, World().Country(countries[i].number).Name(0));
        EXPECT_GE(World().Country(countries[i].number).Clubs().size(), 11u);
        if (i > 0) {
            EXPECT_LE(CollateText(countries[i - 1].name, countries[i].name), 0);
        }
        listed.insert(countries[i].number);
    }
    for (int number = 1; number <= 206; ++number) {
        if (number != kDemoCountry && listed.count(number) == 0) {
            EXPECT_LT(World().Country(number).Clubs().size(), 11u) << number;
        }
    }
}

// Every team of the matchday's pairings, free places left out.
std::vector<int> TeamsOn(const CDBFixturelist& list, int matchday) {
    std::vector<int> teams;
    for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
        for (const int team : {row.home, row.away}) {
            if (team != 0) {
                teams.push_back(team);
            }
        }
    }
    std::sort(teams.begin(), teams.end());
    return teams;
}

TEST(FixtureListEditingTest, AListWithoutMatchdaysShowsNoneAndEveryCommandLeavesIt) {
    CDBFixturelist list(0, 9);
    EXPECT_EQ(MatchdayCount(list), 0);
    EXPECT_FALSE(HasMatchday(list, 0));
    EXPECT_TRUE(MatchdayPairings(list, 0).empty());
    EXPECT_TRUE(TeamsWithoutPairing(list, 0, 18).empty());
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 1));
    EXPECT_FALSE(FreePairing(list, 0, 0));
    EXPECT_FALSE(CanMirrorFirstHalf(list));
    EXPECT_FALSE(MirrorFirstHalf(list));
    EXPECT_EQ(list, CDBFixturelist(0, 9));
}

TEST(FixtureListEditingTest, AMatchdayListsItsPairingsAndTheTeamsWithoutOne) {
    CDBFixturelist list(3, 3);
    list.SetPairing(1, 0, 4, 2);
    list.SetPairing(1, 2, 0, 6);
    const std::vector<SPairingRow> expected = {{0, 4, 2}, {1, 0, 0}, {2, 0, 6}};
    EXPECT_EQ(MatchdayPairings(list, 1), expected);
    EXPECT_EQ(TeamsWithoutPairing(list, 1, 6), (std::vector<int>{1, 3, 5}));
    // Every team of the league is free on an empty matchday; none outside the list.
    EXPECT_EQ(TeamsWithoutPairing(list, 0, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(TeamsWithoutPairing(list, 3, 6).empty());
    EXPECT_TRUE(TeamsWithoutPairing(list, -1, 6).empty());
    EXPECT_TRUE(MatchdayPairings(list, 3).empty());
}

TEST(FixtureListEditingTest, PlacingFillsFreeHomePlacesFirstThenAwayPlacesUntilFull) {
    CDBFixturelist list(2, 3);
    list.SetPairing(0, 0, 5, 0);
    // Home places of columns 1 and 2 are free: they come first, in column order.
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 2));
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 3));
    ASSERT_TRUE(PlaceTeamOnMatchday(list, 0, 1));
    EXPECT_EQ(MatchdayPairings(list, 0),
              (std::vector<SPairingRow>{{0, 5, 1}, {1, 2, 0}, {2, 3, 0}}));
    // A team on the matchday already, no position and a position beyond a cell are refused.
    const CDBFixturelist before = list;
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 2));
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 0));
    EXPECT_FALSE(PlaceTeamOnMatchday(list, 0, 256));
    EXPECT_EQ(list, before);
    // The other matchday is untouched by all of it.
    EXPECT_EQ(TeamsOn(list, 1), std::vector<int>());
    // A full matchday takes no further team.
    CDBFixturelist small(1, 2);
    for (const int team : {1, 2, 3, 4}) {
        ASSERT_TRUE(PlaceTeamOnMatchday(small, 0, team));
    }
    const CDBFixturelist full = small;
    EXPECT_TRUE(full.IsComplete());
    EXPECT_FALSE(PlaceTeamOnMatchday(small, 0, 5));
    EXPECT_EQ(small, full);
    EXPECT_TRUE(TeamsWithoutPairing(small, 0, 4).empty());
    EXPECT_EQ(TeamsWithoutPairing(small, 0, 5), std::vector<int>{5});
}

TEST(FixtureListEditingTest, FreeingAPairingEmptiesBothPlacesOnly) {
    CDBFixturelist list(2, 2);
    list.SetPairing(0, 0, 1, 2);
    list.SetPairing(0, 1, 3, 4);
    list.SetPairing(1, 1, 2, 1);
    ASSERT_TRUE(FreePairing(list, 0, 1));
    EXPECT_EQ(MatchdayPairings(list, 0), (std::vector<SPairingRow>{{0, 1, 2}, {1, 0, 0}}));
    EXPECT_EQ(TeamsOn(list, 1), (std::vector<int>{1, 2}));
    // Freed already, or not in the list.
    EXPECT_FALSE(FreePairing(list, 0, 1));
    EXPECT_FALSE(FreePairing(list, 0, 2));
    EXPECT_FALSE(FreePairing(list, 2, 0));
}

TEST(FixtureListEditingTest, TheSecondHalfOfThirtyFourMatchdaysMirrorsTheFirst) {
    constexpr int kRows = 34;
    constexpr int kColumns = 9;
    CDBFixturelist list(kRows, kColumns);
    // A first half of distinct pairings, a second half of leftovers that must be overwritten.
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int home = (row + 2 * column) % 18 + 1;
            const int away = (row + 2 * column + 1) % 18 + 1;
            list.SetPairing(row, column, static_cast<std::uint8_t>(row < 17 ? home : 7),
                            static_cast<std::uint8_t>(row < 17 ? away : 0));
        }
    }
    const CDBFixturelist before = list;
    ASSERT_TRUE(CanMirrorFirstHalf(list));
    ASSERT_TRUE(MirrorFirstHalf(list));
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            std::uint8_t mirroredHome = 0;
            std::uint8_t mirroredAway = 0;
            before.GetPairing(row, column, home, away);
            list.GetPairing(row + 17, column, mirroredHome, mirroredAway);
            EXPECT_EQ(std::make_pair(mirroredHome, mirroredAway), std::make_pair(away, home))
                << "matchday " << row + 18 << " pairing " << column;
        }
        EXPECT_EQ(MatchdayPairings(list, row), MatchdayPairings(before, row));
    }
    EXPECT_TRUE(list.IsComplete());
}

TEST(FixtureListEditingTest, AnOddNumberOfMatchdaysIsNotMirrored) {
    // One meeting of 18 teams: the whole list is a single round.
    CDBFixturelist list;
    ASSERT_TRUE(GenerateFixtures(list, 18, 1));
    ASSERT_EQ(list.Rows(), 17);
    const CDBFixturelist before = list;
    EXPECT_FALSE(CanMirrorFirstHalf(list));
    EXPECT_FALSE(MirrorFirstHalf(list));
    EXPECT_EQ(list, before);
}

TEST(FixtureListEditingTest, GeneratingGivesACompleteListInWhichEveryPairMeetsAtHomeOnce) {
    for (const int teams : {8, 9, 10, 18, 24}) {
        SCOPED_TRACE(teams);
        CDBFixturelist list(3, 2);
        list.SetPairing(0, 0, 1, 2);
        ASSERT_TRUE(GenerateFixtures(list, teams, 2));
        const int even = (teams + 1) / 2 * 2;
        EXPECT_EQ(MatchdayCount(list), 2 * (even - 1));
        EXPECT_EQ(list.Columns(), teams / 2);
        EXPECT_TRUE(list.IsComplete());
        std::set<std::pair<int, int>> meetings;
        for (int matchday = 0; matchday < list.Rows(); ++matchday) {
            const std::vector<int> on = TeamsOn(list, matchday);
            // Nobody twice on a matchday; an odd field leaves exactly one team out.
            EXPECT_EQ(std::adjacent_find(on.begin(), on.end()), on.end());
            EXPECT_EQ(static_cast<int>(on.size()), teams / 2 * 2);
            EXPECT_EQ(TeamsWithoutPairing(list, matchday, teams).size(),
                      static_cast<std::size_t>(teams % 2));
            for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
                EXPECT_TRUE(meetings.emplace(row.home, row.away).second);
            }
        }
        EXPECT_EQ(meetings.size(), static_cast<std::size_t>(teams * (teams - 1)));
    }
}

TEST(FixtureListEditingTest, ALeagueSizeWithoutTemplateLeavesTheListAsItWas) {
    CDBFixturelist list(10, 3);
    list.SetPairing(4, 1, 6, 5);
    const CDBFixturelist before = list;
    EXPECT_FALSE(CanGenerateFixtures(7));
    EXPECT_FALSE(CanGenerateFixtures(25));
    EXPECT_TRUE(CanGenerateFixtures(8));
    EXPECT_TRUE(CanGenerateFixtures(24));
    EXPECT_FALSE(GenerateFixtures(list, 7, 2));
    EXPECT_FALSE(GenerateFixtures(list, 25, 2));
    EXPECT_EQ(list, before);
}

TEST(FixtureListEditingTest, ClearingOneMatchdayOrAllFreesEveryPlace) {
    CDBFixturelist list;
    ASSERT_TRUE(GenerateFixtures(list, 10, 2));
    list.ClearRow(3);
    EXPECT_TRUE(TeamsOn(list, 3).empty());
    EXPECT_EQ(TeamsWithoutPairing(list, 3, 10).size(), 10u);
    EXPECT_EQ(TeamsOn(list, 4).size(), 10u);
    list.ClearAll();
    for (int matchday = 0; matchday < list.Rows(); ++matchday) {
        EXPECT_TRUE(TeamsOn(list, matchday).empty());
    }
    EXPECT_EQ(list.Rows(), 18);
}

TEST_F(SeasonCalendarDemoTest, CopiesAreMadeOnceAndLeaveTheWorldAlone) {
    CFixtureListSession session(kDemoCountry);
    CDBFixturelist* first = session.List(World(), LeagueId(0));
    ASSERT_NE(first, nullptr);
    ASSERT_GT(first->Rows(), 0);
    EXPECT_EQ(*first, League(0).Fixtures());
    const std::string before = CountryDump();
    first->ClearAll();
    EXPECT_EQ(CountryDump(), before);
    // Chosen again after another league: the same edited copy.
    ASSERT_NE(session.List(World(), LeagueId(1)), nullptr);
    EXPECT_EQ(session.List(World(), LeagueId(0)), first);
    EXPECT_EQ(session.ChangedLeagues(World()), std::vector<std::uint32_t>{LeagueId(0)});
    // Another country's league and a cup are no leagues of this session.
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry + 1, kLeagueType, 0)), nullptr);
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry, kFaCupType, 0)), nullptr);
}

TEST_F(SeasonCalendarDemoTest, UnchangedCopiesRecordNothingAndChangesOfTwoLeaguesOneUndoStep) {
    const std::string before = CountryDump();
    CFixtureListSession session(kDemoCountry);
    CDBFixturelist* first = session.List(World(), LeagueId(0));
    CDBFixturelist* second = session.List(World(), LeagueId(1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // Changed and changed back: equal to the world again.
    const CDBFixturelist original = *first;
    first->ClearRow(0);
    *first = original;
    EXPECT_FALSE(session.Store(document));
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());

    first->ClearAll();
    ASSERT_TRUE(FreePairing(*second, 0, 0));
    const CDBFixturelist firstCopy = *first;
    const CDBFixturelist secondCopy = *second;

    ASSERT_TRUE(session.Store(document));
    EXPECT_EQ(League(0).Fixtures(), firstCopy);
    EXPECT_EQ(League(1).Fixtures(), secondCopy);
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Spielplan"));
    EXPECT_TRUE(session.ChangedLeagues(World()).empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(CountryDump(), before);
}

TEST_F(SeasonCalendarDemoTest, PairingsShowTheNamesOfTheLeaguesTeamsAndReserveTeams) {
    const CDBLeague& league = League(0);
    ASSERT_GE(league.TeamCount(), 2);
    const CClub* home = World().Country(kDemoCountry).Club(league.Team(0));
    const CClub* away = World().Country(kDemoCountry).Club(league.Team(1));
    ASSERT_NE(home, nullptr);
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(PairingText(World(), league, 1, 2, kDefaultLanguage),
              std::string(home->Name(kDefaultLanguage)) + "\t-\t" +
                  std::string(away->Name(kDefaultLanguage)));
    // Free places and positions beyond the team list show no name.
    EXPECT_EQ(PairingText(World(), league, 0, 2, kDefaultLanguage),
              "\t-\t" + std::string(away->Name(kDefaultLanguage)));
    EXPECT_EQ(FixtureTeamName(World(), league, league.TeamCount() + 1, kDefaultLanguage), "");
    EXPECT_EQ(FixtureTeamName(World(), league, -3, kDefaultLanguage), "");
    // A reserve team shows its second-team name.
    CDBLeague reserves(LeagueId(7), 0);
    ASSERT_TRUE(reserves.AddTeam(league.Team(0) | kSecondTeamFlag));
    EXPECT_EQ(FixtureTeamName(World(), reserves, 1, kDefaultLanguage),
              home->SecondTeamName(kDefaultLanguage));
}

// The stadium picker's lists, starting choice and result on the small demo.
class StadiumPickTest : public ::testing::Test {
protected:
    int Stadiums(int country) const {
        return static_cast<int>(world.Country(country).Stadiums().size());
    }

    std::unique_ptr<CWorld> owned = test::LoadSmallDemo();
    CWorld& world = *owned;
};

TEST_F(StadiumPickTest, CountriesAreEveryRealCountryInNameOrder) {
    const std::vector<SEditChoice> countries = PickCountries(world, 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    std::set<int> numbers;
    for (std::size_t index = 0; index < countries.size(); ++index) {
        numbers.insert(countries[index].value);
        EXPECT_EQ(countries[index].text, world.Country(countries[index].value).Name(0));
        if (index > 0) {
            EXPECT_LT(CollateText(countries[index - 1].text, countries[index].text), 0);
        }
    }
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), kCountryCount);
    EXPECT_EQ(numbers.size(), countries.size());
}

TEST_F(StadiumPickTest, StadiumsAreNumberedFromOneAndTheStartingChoiceIsHeldToThem) {
    const CCountry& country = world.Country(kDemoCountry);
    const std::vector<SEditChoice> stadiums = PickStadiums(country);
    ASSERT_EQ(static_cast<int>(stadiums.size()), Stadiums(kDemoCountry));
    ASSERT_GE(stadiums.size(), 2u);
    for (std::size_t index = 0; index < stadiums.size(); ++index) {
        EXPECT_EQ(stadiums[index].value, static_cast<int>(index) + 1);
        EXPECT_EQ(stadiums[index].text, std::string(country.Stadiums()[index].Name().View()));
    }
    // The starting choice is held to what exists.
    const int last = Stadiums(kDemoCountry);
    EXPECT_EQ(StartingPick(world, kDemoCountry, last), (SStadiumPick{kDemoCountry, last}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, last + 1), (SStadiumPick{kDemoCountry, 1}));
    EXPECT_EQ(StartingPick(world, kDemoCountry, 0), (SStadiumPick{kDemoCountry, 1}));
    // No venue yet: neither country nor stadium.
    EXPECT_EQ(StartingPick(world, 0, 0), (SStadiumPick{kDefaultCountry, 1}));
    EXPECT_EQ(StartingPick(world, kCountryCount + 1, 2), (SStadiumPick{kDefaultCountry, 2}));
    world.Country(3).Stadiums().clear();
    EXPECT_EQ(StartingPick(world, 3, 1), (SStadiumPick{3, 0}));
}

TEST_F(StadiumPickTest, TheChosenStadiumIsAVenueTheRulesKeep) {
    const int last = Stadiums(kDemoCountry);
    const std::optional<std::uint32_t> venue = PickedVenue(world, {kDemoCountry, last});
    ASSERT_TRUE(venue.has_value());
    EXPECT_EQ(StadiumRefCountry(*venue), kDemoCountry);
    EXPECT_EQ(StadiumRefNumber(*venue), last);
    // The rules record keeps it through the check after loading.
    CRules rules;
    rules.SetVenue(0, 0, *venue);
    rules.Complete(world);
    EXPECT_EQ(rules.Venue(0, 0), *venue);

    EXPECT_FALSE(PickedVenue(world, {kDemoCountry, last + 1}).has_value());
    EXPECT_FALSE(PickedVenue(world, {kDemoCountry, 0}).has_value());
    EXPECT_FALSE(PickedVenue(world, {0, 1}).has_value());
    EXPECT_FALSE(PickedVenue(world, {kCountryCount + 1, 1}).has_value());
}

}  // namespace
}  // namespace kw
