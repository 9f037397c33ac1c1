#include "editing/CalendarCheck.h"

#include <array>

#include "competition/Competition.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/ResourceTable.h"

namespace kw {

namespace {

struct SFaultMessage {
    std::uint32_t fault;
    const char* text;  // UTF-8, German
    bool firstCalendarOnly;
    bool counted;
};
constexpr std::array kFaultMessages = {
    SFaultMessage{kFaultFixtureIncomplete,
                  KW_RESOURCE_TEXT("kw::CalendarCheck", "Spielplan ist nicht vollständig!"), true,
                  false},
    SFaultMessage{kFaultMatchdayCount,
                  KW_RESOURCE_TEXT("kw::CalendarCheck", "Anzahl Spieltage ist nicht korrekt!"),
                  false, true},
    SFaultMessage{kFaultTeamCount,
                  KW_RESOURCE_TEXT("kw::CalendarCheck", "Nicht genügend Vereine in der Liga!"),
                  true, true},
    SFaultMessage{
        kFaultReserveTeams,
        KW_RESOURCE_TEXT("kw::CalendarCheck", "Reserveteams dürfen nicht in der Liga spielen!"),
        true, true},
    SFaultMessage{
        kFaultInternationalOverlap,
        KW_RESOURCE_TEXT("kw::CalendarCheck", "Spieltag überlappt mit internationalem Spieltag."),
        false, true},
};

std::uint32_t ListedFaults(std::uint32_t faults, int calendar) {
    std::uint32_t listed = 0;
    for (const SFaultMessage& message : kFaultMessages) {
        if (calendar == 0 || !message.firstCalendarOnly) {
            listed |= message.fault;
        }
    }
    return faults & listed;
}

int FoldedDay(int day) {
    return day >= SDayOccupancy::kDays ? day - SDayOccupancy::kDays : day;
}

}  // namespace

bool OverlapsInternationalDay(const InternationalDayTable& table, int day) {
    if (day < 0 || day >= CDBCompetition::kCalendarDays) {
        return false;
    }
    const int folded = FoldedDay(day);
    for (int near = folded - 1; near <= folded + 1; ++near) {
        if (near >= 0 && near < static_cast<int>(table.size()) &&
            table[static_cast<std::size_t>(near)] == kNationalTeamDay) {
            return true;
        }
    }
    return false;
}

bool OverlapsInternationalDays(const CDBCompetition& competition, int calendar,
                               const InternationalDayTable& table) {
    for (int day = 0; day < CDBCompetition::kCalendarDays; ++day) {
        if (competition.CalendarValue(calendar, day) != 0 && OverlapsInternationalDay(table, day)) {
            return true;
        }
    }
    return false;
}

SCalendarCheckResult CheckCalendars(const CWorld& world, int country, ECalendarCheck occasion,
                                    int language) {
    SCalendarCheckResult result;
    const CCountry& owner = world.Country(country);
    const int levelLimit = owner.Settings().leagueLevelLimit;
    const std::vector<SCalendarColumn> columns = CalendarColumns(world, country, language);
    for (int calendar = 0; calendar < kCalendarViewCount; ++calendar) {
        const InternationalDayTable international =
            MergedInternationalDays(world.InternationalDays(), owner.Continent(), calendar);
        bool labelled = false;
        for (const SCalendarColumn& column : columns) {
            const CDBCompetition* competition = world.Competition(column.competitionId);
            std::uint32_t faults = competition->Check(world.Registry(), calendar, levelLimit);
            if (column.league && column.level == 0 &&
                OverlapsInternationalDays(*competition, calendar, international)) {
                faults |= kFaultInternationalOverlap;
            }
            faults = ListedFaults(faults, calendar);
            if (faults == 0) {
                continue;
            }
            if (!labelled) {
                result.lines.push_back(SeasonLabel(calendar));
                labelled = true;
            }
            result.lines.push_back(column.name);
            for (const SFaultMessage& message : kFaultMessages) {
                if ((faults & message.fault) != 0) {
                    result.lines.emplace_back(ShownText("kw::CalendarCheck", message.text));
                    result.counted += message.counted ? 1 : 0;
                }
            }
        }
        if (calendar == 0 && result.counted > 0) {
            result.lines.emplace_back();
        }
    }
    result.faultsListed = !result.lines.empty();
    result.headed = result.counted >= 2;
    if (!result.faultsListed && occasion == ECalendarCheck::kOnDemand) {
        result.lines.emplace_back(ShownText("kw::CalendarCheck", "Keine Fehler gefunden"));
    }
    return result;
}

}  // namespace kw
