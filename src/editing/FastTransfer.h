#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/SquadChoices.h"

namespace kw {

class CClub;
class CDatabaseDocument;
class CPlayer;
class CWorld;

// "Schnelle Transfers": the lists of the dialog and the transfer itself, one edit of the document.

// Shirt numbers a club's first team can give out.
inline constexpr int kLowestShirtNumber = 1;
inline constexpr int kHighestShirtNumber = 99;

// The position's name in the player list: codes 0 and 1 (and unknown ones) take the first
// position text.
std::string FastTransferPositionName(int code);
// "%s (%s)\t%s": the player's short name, the club's name in `language`, the position name.
std::string FastTransferPlayerLine(const CPlayer& player, const CClub& club, int language);
// The player list of a country: every player (person kind 0) of every club but the national team,
// in club and squad order; each entry's value is the person id.
std::vector<SChoiceEntry> FastTransferPlayers(const CWorld& world, int country, int language);
// The club of `country` (national team excluded) whose squad holds the person, searched in club
// and squad order; null when none does (for instance after the country was changed).
const CClub* FindFastTransferClub(const CWorld& world, int country, std::uint32_t personId);
// "Bisher": the player's first shirt number, nothing when the player is not found in `country`.
std::optional<int> FastTransferCurrentNumber(const CWorld& world, int country,
                                             std::uint32_t personId);
// "Verfügbar": the numbers 1 to 99 that no first-team player of the club wears, ascending.
std::vector<int> FreeShirtNumbers(const CClub& club);

// What the dialog has chosen; 0 means nothing chosen.
struct SFastTransfer {
    int sourceCountry = 0;
    std::uint32_t personId = 0;
    std::uint32_t targetClubId = 0;
    int shirtNumber = 0;
};
// "Transfer durchführen": the player, found among the squads of the source country, leaves his
// club for the target club with the chosen shirt number, his old club as previous club, and "at
// the club since" and "contract until" set to the game's current year. Nothing (false, nothing
// recorded) for an incomplete choice, a target without country number, a player not found, the
// player's own club, a national team or a full target: the target takes the player before the
// old club lets go, so he is never lost.
bool PerformFastTransfer(CDatabaseDocument& document, const SFastTransfer& transfer);

}  // namespace kw
