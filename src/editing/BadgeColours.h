// The badge page's two colour choices: which stored number each edits, which table entry shows
// it, and what a changed choice stores.
#pragma once

#include <cstdint>
#include <optional>

#include "storage/TextTable.h"

namespace kw {

class CClub;

enum class EBadgeColour {
    kClub,         // "Vereinsfarbe": the first club colour, a number of the team colour table
    kMerchandise,  // "Fanartikelfarbe": the colour style, a number of the merchandise table
};

std::uint8_t BadgeColourNumber(const CClub& club, EBadgeColour which);
void SetBadgeColourNumber(CClub& club, EBadgeColour which, std::uint8_t number);

// The entry shown for the club's number: the last one with that table number, -1 for none.
int BadgeColourEntry(const TextTableEntries& entries, std::uint8_t number);

// What storing writes: the table number of the chosen entry, only when the choice moved away from
// the entry shown on loading. The number goes by the entry, never by its colour, since a colour
// may stand in the table more than once. Nothing for no choice or a number the club cannot hold.
std::optional<std::uint8_t> BadgeColourToStore(const TextTableEntries& entries, int loadedEntry,
                                               int chosenEntry);

}  // namespace kw
