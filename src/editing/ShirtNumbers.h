#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace kw {

class CPlayer;

// The shirt-number dialog's rules. A player's number is his first shirt number (slot 0).

inline constexpr int kMaxShirtNumber = 99;
// The dialog shows the numbers in three lists: 1-33, 34-66, 67-99.
inline constexpr int kShirtNumbersPerList = 33;
inline constexpr int kShirtNumberLists = 3;
inline constexpr int kShirtNumberSlot = 0;

// Where the players are shown. A player keeps his number when it lies in 1..99 and no player
// before him in the list holds it; the others (0, above 99 or taken) are shown on the highest
// number still free, counting down from 99, in list order. When the numbers run out the rest are
// shown under no number. Only for showing: nothing of this is stored.
struct SShirtPlacement {
    // Index of the player shown on each number 1..99, -1 when it is free; element 0 is unused.
    std::array<int, kMaxShirtNumber + 1> holder{};
    // The number each player is shown on, 0 for the players shown under no number.
    std::vector<int> shown;
    // Those players' indexes, in list order.
    std::vector<int> unplaced;
};
SShirtPlacement PlaceShirtNumbers(std::span<const int> numbers);

// The player `dragged` dropped on number `target` (1..99): he gets that number, and the player
// shown on it gets the number the dragged player was shown on (his stored number when he was
// shown under none). False when nothing changed: a number outside 1..99, a player outside the
// list, or a drop on his own number.
bool DropOnShirtNumber(std::vector<int>& numbers, std::size_t dragged, int target);

// A list line: "%d\t%s\t%s" with the player's short name and position code, or "%d\t \t " for a
// free number. The line of a player shown under no number has no number: "\t%s\t%s".
std::string ShirtNumberRow(int number, const CPlayer* player);

}  // namespace kw
