#pragma once

#include <cstdint>
#include <string_view>

namespace kw {

class CPlayer;

// The board stability of a club's president ("Stabilität des Präsidiums"): the low three bits of
// his contract byte 2, 0 "Wahnsinnig" to 4 "Treu und visionär". The byte's other bits are kept.
inline constexpr int kMaxBoardStability = 4;
inline constexpr int kBoardStabilityByte = 1;  // contract byte 2

// The stored value as the panel shows it: a value above 4 as 4.
int BoardStability(const CPlayer& president);
// Stores 0..4 (a value outside is held to that range) and keeps the byte's upper bits.
void SetBoardStability(CPlayer& president, int value);
// The value's text (strings 329 to 333); empty outside 0..4.
std::string_view BoardStabilityText(int value);

}  // namespace kw
