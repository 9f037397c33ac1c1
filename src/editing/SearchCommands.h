#pragma once

#include <cstdint>

namespace kw {

class CDatabaseDocument;
class CWorld;

// The commands of the search result list, each one undoable edit of the document. A command that
// cannot apply changes nothing and records nothing. The caller stops a running search before
// any of them (CPlayerSearch::ChangeWorld), since the search reads the world they change.

// The club that holds the person (national teams not counted), 0 for a player without club or a
// person the world does not have.
std::uint32_t HoldingClubId(const CWorld& world, std::uint32_t personId);

// Whether the player can move to `targetClubId`: a club that can receive him (CanReceivePerson)
// other than his own (bit 24 ignored), and a player held by a club or by the players without club.
// The result list offers "Spieler holen" only then.
bool CanMoveSearchedPlayer(const CWorld& world, std::uint32_t personId, std::uint32_t targetClubId);
// "Spieler holen" and "Spieler transferieren": the player leaves his club (or the players without
// club) for `targetClubId`, in the team bit 24 of that id names, with no shirt number and a
// contract until at least 2003. Nothing changes unless CanMoveSearchedPlayer.
bool FetchSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId,
                         std::uint32_t targetClubId);
bool TransferSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId,
                            std::uint32_t targetClubId);
// "Spieler löschen": the player leaves his club or the players without club and the world.
bool DeleteSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId);

}  // namespace kw
