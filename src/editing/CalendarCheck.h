#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/SeasonCalendar.h"

namespace kw {

class CDBCompetition;
class CWorld;

// A matchday of a top-level league on a national-team day or next to one.
inline constexpr std::uint32_t kFaultInternationalOverlap = 0x100000;

// Whether the merged table holds a national-team day on day - 1, day or day + 1. Days of the
// second year of a calendar (365..734) fold onto the season, as the international files mark
// them; neighbours outside the table are not looked at (a national-team day on the season's
// last day does not reach day 0 of the next).
bool OverlapsInternationalDay(const InternationalDayTable& table, int day);
// Whether any matchday of the competition in the calendar overlaps.
bool OverlapsInternationalDays(const CDBCompetition& competition, int calendar,
                               const InternationalDayTable& table);

// The check of the calendar view: for calendar 0 and then 1 every column's competition is
// checked with the country's league-level limit, a league of level 0 also against the national-
// team days of its continent. Calendar 0 lists every fault, calendar 1 only the wrong matchday
// count and the overlap. A listed competition's name (in `language`) follows the season label (once
// per calendar), its messages follow it. The incomplete fixture list is told but not counted; after
// calendar 0, when it counted messages, an empty line follows.
enum class ECalendarCheck { kAtClose, kOnDemand };
struct SCalendarCheckResult {
    std::vector<std::string> lines;  // Windows-1252
    // Two or more counted messages: the list is headed "Die folgenden Fehler sind aufgetreten!".
    bool headed = false;
    // Something was listed: the message list with "OK" (stay) and "Egal" (pass) is shown. When
    // nothing was listed on demand, `lines` holds only "Keine Fehler gefunden" to confirm it.
    bool faultsListed = false;
    int counted = 0;
};
SCalendarCheckResult CheckCalendars(const CWorld& world, int country, ECalendarCheck occasion,
                                    int language);

}  // namespace kw
