#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Player.h"

namespace kw {

// What the position page of the person editor computes; the page only shows and collects.

// The page edits the six position slots of the record as one list: the main position (slot 0,
// never none) and five further positions (slots 1 to 5), the first two of which the squad lists
// and the game read as second and third main positions.
using PositionSlots = std::array<std::uint8_t, kPositionSlots>;
inline constexpr int kFurtherPositions = kPositionSlots - 1;

// The slots as they are stored: the main position held to 1..17, the others to 0..17 (a code
// beyond 17 is none); a position that repeats an earlier one, the main position included, is
// removed and the following ones move up, empty slots behind.
PositionSlots PositionsToStore(const PositionSlots& chosen);

// The ranges of the page's controls.
inline constexpr int kMaxFoot = 3;
inline constexpr int kMaxNationalExperience = 6;
inline constexpr int kMaxInternationalExperience = 4;
inline constexpr int kMaxTacticalTraining = 8;

// The experience texts: national 0..6 (strings 141 to 147), international 0..4 (136 to 140);
// empty outside.
std::string_view NationalExperienceText(int value);
std::string_view InternationalExperienceText(int value);

// "%s\t%2.1f": a position's abbreviation (strings 148 to 165) and the strength there.
std::string PositionStrengthText(int position, double strength);

}  // namespace kw
