#include "editing/CalendarCommands.h"

#include <algorithm>

#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

std::vector<std::uint32_t> ToggledCompetitions(const std::vector<SCalendarColumn>& columns,
                                               std::uint32_t clicked, ECalendarMode mode) {
    const auto found =
        std::find_if(columns.begin(), columns.end(),
                     [clicked](const SCalendarColumn& c) { return c.competitionId == clicked; });
    if (found == columns.end()) {
        return {};
    }
    if (!found->league || mode == ECalendarMode::kOneLeague) {
        return {clicked};
    }
    std::vector<std::uint32_t> toggled;
    for (const SCalendarColumn& column : columns) {
        if (column.league && (mode == ECalendarMode::kAllLeagues || column.level == found->level)) {
            toggled.push_back(column.competitionId);
        }
    }
    return toggled;
}

bool ToggleMatchdays(CWorld& world, const std::vector<std::uint32_t>& competitions, int calendar,
                     int day) {
    bool changed = false;
    for (const std::uint32_t id : competitions) {
        CDBCompetition* competition = world.Competition(id);
        if (competition == nullptr) {
            continue;
        }
        if (competition->CalendarValue(calendar, day) != 0) {
            changed |= competition->RemoveMatchday(calendar, day);
        } else if (!competition->PlaysOnDay(world.Registry(), calendar, day)) {
            changed |= competition->AddMatchday(calendar, day);
        }
    }
    return changed;
}

bool ToggleCalendarDay(CDatabaseDocument& document, int country, std::uint32_t clicked,
                       ECalendarMode mode, int calendar, int day) {
    // Only the columns' competitions count here, not their names' language.
    const std::vector<std::uint32_t> competitions = ToggledCompetitions(
        CalendarColumns(document.World(), country, kDefaultLanguage), clicked, mode);
    if (competitions.empty()) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Rahmenterminkalender")),
                            SWorldScope::Countries({country}),
                            [&competitions, calendar, day](CWorld& world) {
                                return ToggleMatchdays(world, competitions, calendar, day);
                            });
}

}  // namespace kw
