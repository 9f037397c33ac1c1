#pragma once

#include <cstdint>
#include <vector>

#include "editing/SeasonCalendar.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// How a click on a competition cell spreads: 0 "Spieltag nur für eine Liga", 1 "Spieltag für
// alle Ligen", 2 "Spieltag für gleiche Ligen" (the leagues of the clicked league's level).
// A column that is not a league is always toggled alone.
enum class ECalendarMode { kOneLeague = 0, kAllLeagues = 1, kSameLevel = 2 };

// The competitions a click on the column of `clicked` toggles, in column order; none when the
// column is not among them.
std::vector<std::uint32_t> ToggledCompetitions(const std::vector<SCalendarColumn>& columns,
                                               std::uint32_t clicked, ECalendarMode mode);

// Toggles the day of each competition on its own: a matchday there is removed; otherwise one is
// added unless a competition of its sub-competition chain plays that day (or the day cannot
// carry one). True when anything changed.
bool ToggleMatchdays(CWorld& world, const std::vector<std::uint32_t>& competitions, int calendar,
                     int day);

// A click on the cell of `clicked` on the day, as one edit of the document over the country;
// nothing is recorded when nothing changed.
bool ToggleCalendarDay(CDatabaseDocument& document, int country, std::uint32_t clicked,
                       ECalendarMode mode, int calendar, int day);

}  // namespace kw
