#include "editing/SeasonCalendar.h"

#include <algorithm>

#include "competition/Competition.h"
#include "competition/CupFormat.h"
#include "editing/LeagueComposition.h"
#include "model/Country.h"
#include "model/Date.h"
#include "model/GameDate.h"
#include "model/World.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr int kFirstSeasonYear = kGameYear;

constexpr std::array<const char*, 12> kMonthNames = {
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Januar"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Februar"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "März"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "April"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Mai"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Juni"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Juli"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "August"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "September"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Oktober"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "November"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Dezember"),
};
// The weekdays' abbreviations, Monday first.
constexpr std::array<const char*, 7> kWeekdays = {
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Mo"), KW_RESOURCE_TEXT("kw::SeasonCalendar", "Di"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Mi"), KW_RESOURCE_TEXT("kw::SeasonCalendar", "Do"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "Fr"), KW_RESOURCE_TEXT("kw::SeasonCalendar", "Sa"),
    KW_RESOURCE_TEXT("kw::SeasonCalendar", "So"),
};

// The files in the order of kInternationalFiles.
enum EInternationalFile : std::size_t { kEuropeanFile, kSouthAmericanFile, kQualiEcFile, kWcFile };
constexpr int kEurope = 0;
constexpr int kSouthAmerica = 1;

CDate SeasonStart(int calendar) {
    return CDate::FromYmd(SeasonFirstYear(calendar), kSeasonStartMonth, 1);
}

}  // namespace

int SeasonFirstYear(int calendar) {
    return kFirstSeasonYear - calendar;
}

std::string SeasonLabel(int calendar) {
    return FormatPrintf("%04d/%04d", SeasonFirstYear(calendar), SeasonFirstYear(calendar) + 1);
}

SCalendarDate DateOfDay(int calendar, int day) {
    const CDate::Ymd date = CDate(SeasonStart(calendar).Value() + day).Split();
    return {date.day, date.month, date.year};
}

std::string DayText(int calendar, int day) {
    const CDate date(SeasonStart(calendar).Value() + day);
    const CDate::Ymd ymd = date.Split();
    const std::string_view weekday =
        ShownText("kw::SeasonCalendar", kWeekdays[static_cast<std::size_t>(date.Weekday())]);
    return FormatPrintf("%s %02d.%02d.%04d", weekday.data(), ymd.day, ymd.month, ymd.year);
}

std::vector<int> MonthDays(int calendar, int month) {
    std::vector<int> days;
    if (month < 1 || month > 12) {
        return days;
    }
    const int year = SeasonFirstYear(calendar) + (month < kSeasonStartMonth ? 1 : 0);
    const int first = CDate::FromYmd(year, month, 1).Value() - SeasonStart(calendar).Value();
    for (int day = first; day < kShownSeasonDays && DateOfDay(calendar, day).month == month;
         ++day) {
        days.push_back(day);
    }
    return days;
}

std::string MonthName(int month) {
    return month >= 1 && month <= 12
               ? std::string(ShownText("kw::SeasonCalendar",
                                       kMonthNames[static_cast<std::size_t>(month - 1)]))
               : std::string();
}

bool InternationalFileApplies(int continent, std::size_t file) {
    switch (file) {
        case kEuropeanFile:
        case kQualiEcFile:
            return continent == kEurope;
        case kSouthAmericanFile:
            return continent == kSouthAmerica;
        case kWcFile:
            return true;
        default:
            return false;
    }
}

InternationalDayTable MergedInternationalDays(const InternationalDayTables& tables, int continent,
                                              int calendar) {
    InternationalDayTable merged{};
    if (calendar < 0 || calendar >= kCalendarViewCount) {
        return merged;
    }
    for (std::size_t file = 0; file < tables.size(); ++file) {
        if (!InternationalFileApplies(continent, file)) {
            continue;
        }
        const auto& table = tables[file].tables[static_cast<std::size_t>(calendar)];
        for (std::size_t day = 0; day < merged.size(); ++day) {
            if (merged[day] == 0 || table[day] == kNationalTeamDay) {
                merged[day] = table[day] != 0 ? table[day] : merged[day];
            }
        }
    }
    return merged;
}

std::string InternationalDayText(std::uint8_t code) {
    switch (code) {
        case 0:
            return "";
        case kNationalTeamDay:
            return std::string(ShownText("kw::SeasonCalendar", "Länderspiel"));
        case 30:
            return std::string(ShownText("kw::SeasonCalendar", "Int. Supercup"));
        case 31:
            return std::string(ShownText("kw::SeasonCalendar", "Finale Meistercup"));
        case 32:
            return std::string(ShownText("kw::SeasonCalendar", "Finale Int. Pokal"));
        case 33:
            return std::string(ShownText("kw::SeasonCalendar", "Klub-WM"));
        case 34:
            return std::string(ShownText("kw::SeasonCalendar", "Sommerpokal"));
        default:
            return std::string(RoundLabel(code));
    }
}

std::vector<SCalendarColumn> CalendarColumns(const CWorld& world, int country, int language) {
    std::vector<SCalendarColumn> columns;
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        columns.push_back({league->Id(), true, league->Level(), LeagueName(*league, language)});
    }
    const auto addIfPresent = [&world, &columns, country, language](int type, int index) {
        if (const CDBCompetition* cup =
                world.Competition(MakeCompetitionId(country, type, index))) {
            columns.push_back({cup->Id(), false, cup->Level(), LeagueName(*cup, language)});
        }
    };
    addIfPresent(kFaCupType, 0);
    for (int index = 0; index < 4; ++index) {
        addIfPresent(kLeagueCupType, index);
    }
    addIfPresent(kConferenceCupType, 0);
    addIfPresent(kChallengeShieldType, 0);
    addIfPresent(kSupercupType, 0);
    return columns;
}

std::string CompetitionCellText(const CWorld& world, std::uint32_t competitionId, int calendar,
                                int day) {
    const CDBCompetition* node = world.Competition(competitionId);
    if (node == nullptr) {
        return "";
    }
    if (const std::int32_t matchday = node->CalendarValue(calendar, day); matchday != 0) {
        return std::to_string(matchday);
    }
    return node->PlaysOnDay(world.Registry(), calendar, day) ? "*" : "";
}

std::vector<SComparisonCountry> ComparisonCountries(const CWorld& world, int country,
                                                    int language) {
    std::vector<SComparisonCountry> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (number == country) {
            continue;
        }
        const auto& clubs = world.Country(number).Clubs();
        const auto proper = std::count_if(clubs.begin(), clubs.end(), [](const auto& entry) {
            return !IsNationalTeam(entry.first);
        });
        if (proper >= kComparisonMinimumClubs) {
            countries.push_back({number, world.Country(number).Name(language)});
        }
    }
    std::stable_sort(countries.begin(), countries.end(),
                     [](const SComparisonCountry& a, const SComparisonCountry& b) {
                         return CollateText(a.name, b.name) < 0;
                     });
    return countries;
}

}  // namespace kw
