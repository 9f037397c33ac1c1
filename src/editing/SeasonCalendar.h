#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "competition/DayOccupancy.h"
#include "competition/InternationalStructures.h"
#include "editing/SquadChoices.h"

namespace kw {

class CWorld;

// "Rahmenterminkalender": the days of a season on which a country's competitions play.
//
// Days and dates. A competition has two calendars of 735 day slots. Calendar c is the season
// "%04d/%04d" of 2006 - c and 2007 - c (calendar 0 the season 2006/2007, calendar 1 2005/2006).
// Day 0 of calendar c is 1 July of the season's first year, 2006 - c, and day d the d-th day
// after it; so days 0..364 are the season itself, July to June (neither season holds a
// 29 February), and days 365..734 the year after it, into early July two years on. Leagues keep
// only days 0..364 in their files and the international tables are one season long, so the
// view's months are those of the season: July to December of the first year, January to June of
// the second.
inline constexpr int kCalendarViewCount = CDBCompetition::kCalendarCount;
inline constexpr int kShownSeasonDays = CDBCompetition::kSeasonDays;

struct SCalendarDate {
    int day = 0;
    int month = 0;
    int year = 0;
};

int SeasonFirstYear(int calendar);
// "2006/2007" for calendar 0.
std::string SeasonLabel(int calendar);
SCalendarDate DateOfDay(int calendar, int day);
// "Sa 01.07.2006": the weekday (abbreviated in the interface language) and the date of a day.
std::string DayText(int calendar, int day);
// The days of month 1..12 within the season, in order (July..December of the first year,
// January..June of the second); empty for any other month.
std::vector<int> MonthDays(int calendar, int month);
// "Januar" .. "Dezember".
std::string MonthName(int month);

// The international days. Each of the four structure files marks its matchdays in a table of its
// own (see InternationalStructures.h). A country looks at the files of its continent: Europe
// (continent 0) at the continental club cups, the continental championship's qualifiers and the
// world cup; South America (1) at its continental club cups and the world cup; every other
// continent at the world cup alone. Per day the tables are merged into one value: 29 (a
// national-team day) when any applying table holds it, as that is the value the leagues must
// keep clear of, else the first non-zero value in file order.
using InternationalDayTable = std::array<std::uint8_t, SDayOccupancy::kDays>;
inline constexpr std::uint8_t kNationalTeamDay = 29;

bool InternationalFileApplies(int continent, std::size_t file);
InternationalDayTable MergedInternationalDays(const InternationalDayTables& tables, int continent,
                                              int calendar);
// The meaning of a merged value for the "Int. Wettb." column: the round names 1..15 by their
// labels, the national-team day, the finals and single events by name; empty for 0.
std::string InternationalDayText(std::uint8_t code);

// The columns of a country's calendar after "Datum" and "Int. Wettb.": the leagues 0..19 that
// exist, then, when they exist, the national cup, the league cups 0..3, the conference cup, the
// challenge shield and the super cup.
struct SCalendarColumn {
    std::uint32_t competitionId = 0;
    bool league = false;
    int level = -1;
    std::string name;  // Windows-1252, in the language asked for
};
std::vector<SCalendarColumn> CalendarColumns(const CWorld& world, int country, int language);

// A competition cell: the matchday number on that day; "*" when the competition itself has none
// but a competition of its sub-competition chain plays then (the day cannot be added); else
// empty.
std::string CompetitionCellText(const CWorld& world, std::uint32_t competitionId, int calendar,
                                int day);

// "Vergleich mit Liga": every other country (1..206) with at least 10 clubs (the national team
// not counted), by name in the language (CollateText). The view shows the calendar of the chosen
// country's first league beside its own columns, read-only.
inline constexpr int kComparisonMinimumClubs = 10;
struct SComparisonCountry {
    int number = 0;
    std::string name;  // Windows-1252
};
std::vector<SComparisonCountry> ComparisonCountries(const CWorld& world, int country, int language);

}  // namespace kw
