#include "editing/PlayerHistoryRules.h"

#include <algorithm>
#include <numeric>

#include "editing/PlayerContractRules.h"
#include "model/Player.h"
#include "platform/StringTable.h"

namespace kw {

std::vector<std::size_t> CareerDisplayOrder(std::span<const SHistoryEntry> career) {
    std::vector<std::size_t> order(career.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [career](std::size_t a, std::size_t b) {
        return career[a].from < career[b].from;
    });
    return order;
}

std::string CareerRowText(const CWorld& world, const SHistoryEntry& entry, int language) {
    return FormatPrintf(
        "%s\t%s\t%s\t%d\t%d\t%s", ShownClubName(world, entry.club, language).c_str(),
        DateListText(entry.from).c_str(), DateListText(entry.until).c_str(),
        static_cast<int>(entry.games), static_cast<int>(entry.goals), entry.flag != 0 ? "x" : " ");
}

void WriteChangedEntryFields(const SHistoryEntry& loaded, const SHistoryEntry& edited,
                             SHistoryEntry& target) {
    const auto take = [](const auto& before, const auto& after, auto& into) {
        if (after != before) {
            into = after;
        }
    };
    take(loaded.kind, edited.kind, target.kind);
    take(loaded.flag, edited.flag, target.flag);
    take(loaded.club, edited.club, target.club);
    take(loaded.from, edited.from, target.from);
    take(loaded.until, edited.until, target.until);
    take(loaded.games, edited.games, target.games);
    take(loaded.goals, edited.goals, target.goals);
}

}  // namespace kw
