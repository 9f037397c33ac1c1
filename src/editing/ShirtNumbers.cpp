#include "editing/ShirtNumbers.h"

#include "editing/SquadRules.h"
#include "model/Player.h"

namespace kw {

SShirtPlacement PlaceShirtNumbers(std::span<const int> numbers) {
    SShirtPlacement placement;
    placement.holder.fill(-1);
    placement.shown.assign(numbers.size(), 0);
    std::vector<int> homeless;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int number = numbers[i];
        if (number >= 1 && number <= kMaxShirtNumber && placement.holder[number] < 0) {
            placement.holder[number] = static_cast<int>(i);
            placement.shown[i] = number;
        } else {
            homeless.push_back(static_cast<int>(i));
        }
    }
    int free = kMaxShirtNumber;
    for (const int player : homeless) {
        while (free >= 1 && placement.holder[free] >= 0) {
            --free;
        }
        if (free < 1) {
            placement.unplaced.push_back(player);
            continue;
        }
        placement.holder[free] = player;
        placement.shown[static_cast<std::size_t>(player)] = free;
    }
    return placement;
}

bool DropOnShirtNumber(std::vector<int>& numbers, std::size_t dragged, int target) {
    if (dragged >= numbers.size() || target < 1 || target > kMaxShirtNumber) {
        return false;
    }
    const SShirtPlacement placement = PlaceShirtNumbers(numbers);
    const int holder = placement.holder[target];
    if (holder == static_cast<int>(dragged)) {
        return false;
    }
    const int shown = placement.shown[dragged];
    const int old = shown != 0 ? shown : numbers[dragged];
    numbers[dragged] = target;
    if (holder >= 0) {
        numbers[static_cast<std::size_t>(holder)] = old;
    }
    return true;
}

std::string ShirtNumberRow(int number, const CPlayer* player) {
    const std::string shown = number > 0 ? std::to_string(number) : std::string();
    if (player == nullptr) {
        return shown + "\t \t ";
    }
    return shown + "\t" + player->ShortName() + "\t" + PositionAbbreviation(player->MainPosition());
}

}  // namespace kw
