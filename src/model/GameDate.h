#pragma once

#include "model/Date.h"

namespace kw {

// The game's own time. The editor works in the season 2006/2007, whatever the computer's clock
// says: calendar 0 is that season, the game's files carry "Im Verein seit" years up to 2006, and
// contracts run from it to 2015. Ages, contract years and the defaults of new persons are
// measured against this date, so a load and save never moves a year because the clock moved.
inline constexpr int kGameYear = 2006;
inline constexpr int kSeasonStartMonth = 7;
inline constexpr int kSeasonStartDay = 1;

// 1 July of kGameYear, the first day of the season.
CDate GameToday();

}  // namespace kw
