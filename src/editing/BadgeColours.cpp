#include "editing/BadgeColours.h"

#include <limits>

#include "model/Club.h"

namespace kw {

std::uint8_t BadgeColourNumber(const CClub& club, EBadgeColour which) {
    return which == EBadgeColour::kClub ? club.Colour(0) : club.ColourStyle();
}

void SetBadgeColourNumber(CClub& club, EBadgeColour which, std::uint8_t number) {
    if (which == EBadgeColour::kClub) {
        club.SetColour(0, number);
    } else {
        club.SetColourStyle(number);
    }
}

int BadgeColourEntry(const TextTableEntries& entries, std::uint8_t number) {
    return SelectedEntryIndex(entries, number);
}

std::optional<std::uint8_t> BadgeColourToStore(const TextTableEntries& entries, int loadedEntry,
                                               int chosenEntry) {
    if (chosenEntry == loadedEntry || chosenEntry < 0 ||
        static_cast<std::size_t>(chosenEntry) >= entries.size()) {
        return std::nullopt;
    }
    const std::int32_t number = entries[static_cast<std::size_t>(chosenEntry)].first;
    if (number < 0 || number > std::numeric_limits<std::uint8_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(number);
}

}  // namespace kw
