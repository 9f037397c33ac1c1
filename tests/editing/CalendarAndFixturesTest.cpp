#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/CalendarCheck.h"
#include "editing/CalendarCommands.h"
#include "editing/SeasonCalendar.h"
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
    EXPECT_EQ(first.day, 1);
    EXPECT_EQ(first.month, 7);
    EXPECT_EQ(first.year, 2006);
    EXPECT_EQ(DateOfDay(1, 0).year, 2005);
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
    EXPECT_EQ(MonthName(1), "Januar");
    EXPECT_EQ(MonthName(3), "M\xE4rz");
    EXPECT_EQ(MonthName(12), "Dezember");
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
    const InternationalDayTable europe = MergedInternationalDays(tables, 0, 0);
    EXPECT_EQ(europe[10], kNationalTeamDay);  // the world cup day wins over the cup round
    EXPECT_EQ(europe[20], 0);                 // the South American file is not Europe's
    EXPECT_EQ(europe[30], kNationalTeamDay);
    EXPECT_EQ(europe[40], 0);  // calendar 1 only

    const InternationalDayTable southAmerica = MergedInternationalDays(tables, 1, 0);
    EXPECT_EQ(southAmerica[10], kNationalTeamDay);
    EXPECT_EQ(southAmerica[20], 7);
    EXPECT_EQ(southAmerica[30], 0);

    const InternationalDayTable asia = MergedInternationalDays(tables, 4, 0);
    EXPECT_EQ(asia[10], kNationalTeamDay);
    EXPECT_EQ(asia[20], 0);
    EXPECT_EQ(MergedInternationalDays(tables, 4, 1)[40], kNationalTeamDay);

    // Without a national-team day the first file's value stands.
    InternationalDayTables cups{};
    cups[0].tables[0][50] = 12;
    cups[3].tables[0][50] = 6;
    EXPECT_EQ(MergedInternationalDays(cups, 0, 0)[50], 12);
    EXPECT_EQ(InternationalDayText(kNationalTeamDay), "L\xE4nderspiel");
    EXPECT_EQ(InternationalDayText(15), "Finale");
    EXPECT_EQ(InternationalDayText(0), "");
    // The overlap looks at the neighbours within the table only.
    InternationalDayTable table{};
    table[0] = kNationalTeamDay;
    table[364] = kNationalTeamDay;
    EXPECT_TRUE(OverlapsInternationalDay(table, 0));
    EXPECT_TRUE(OverlapsInternationalDay(table, 1));
    EXPECT_FALSE(OverlapsInternationalDay(table, 2));
    EXPECT_FALSE(OverlapsInternationalDay(table, 362));
    EXPECT_TRUE(OverlapsInternationalDay(table, 363));
    EXPECT_TRUE(OverlapsInternationalDay(table, 364));
    // The second year folds onto the season, as the files mark it; its last days have no slot.
    EXPECT_TRUE(OverlapsInternationalDay(table, 365));
    EXPECT_TRUE(OverlapsInternationalDay(table, 729));
    EXPECT_FALSE(OverlapsInternationalDay(table, 731));
    EXPECT_FALSE(OverlapsInternationalDay(table, 734));
    EXPECT_FALSE(OverlapsInternationalDay(table, -1));
    EXPECT_FALSE(OverlapsInternationalDay(table, 735));

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

}  // namespace
}  // namespace kw
