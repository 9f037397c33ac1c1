#pragma once

#include <cstdint>
#include <optional>

namespace kw {

class CClub;
class CDatabaseDocument;
class CWorld;

// "Neuer Spieler" is offered while a club holds fewer persons than this.
inline constexpr int kSquadNewPlayerLimit = 70;
// A player who changes club has a contract at least until this year.
inline constexpr std::uint16_t kTransferContractYear = 2003;

// The squad dialog's commands on the live club `clubId`, each one edit of the document (inside
// the dialog's group). A command that cannot apply changes nothing and records nothing. Every
// move checks the target's room before the person is added, adds it and only then takes it out
// of its old list, so a person is never in two clubs or in none, and never destroyed by a club
// that refuses it.

// The live club with that id (bit 24 ignored); null for none or a country out of range.
CClub* FindLiveClub(CWorld& world, std::uint32_t clubId);
const CClub* FindLiveClub(const CWorld& world, std::uint32_t clubId);
// True while the club can take one more person without refusing (and so destroying) it.
bool HasRoomForPerson(const CClub& club);
// True when a person may move into the club: it has room and is no national team (whose squad is
// a mark on the players, not a list). The menus offer the commands that fetch into a club only
// then, since each would otherwise end without a change and without a word.
bool CanReceivePerson(const CClub& club);
// The move under every transfer and fetch, inside an operation of the document: the person leaves
// `from` for `to` (in the team `teamFlag` names when given). Refused, with nothing changed, for a
// person `from` does not hold, the same club (bit 24 ignored) or a target that cannot receive it.
// The target takes the person before the old club lets go.
bool MovePersonBetweenClubs(CWorld& world, std::uint32_t personId, CClub& from, CClub& to,
                            std::optional<std::int8_t> teamFlag);

// "Neuer Spieler": a player with the defaults of the club's country in the first or second team,
// main position after `selectedPersonId`'s (1 without one), national experience from his age,
// look and body drawn from the squad lists' generator. Returns the new person's id, 0 when the
// club holds kSquadNewPlayerLimit persons or more.
std::uint32_t NewSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, bool secondTeam,
                             std::uint32_t selectedPersonId);
// "Spieler transferieren": the player leaves the club for `targetClubId` (bit 24 chooses the
// target's second team). Nothing for the player's own club, a national team, a full target or
// a person the club does not hold.
bool TransferSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId,
                         std::uint32_t targetClubId);
// "Spieler holen": the player of another club joins this club in the team he played for.
// Nothing for a player of this club or of no club, or when this club is full.
bool FetchSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId);
// "In 2. Mannschaft" / "In 1. Mannschaft": the person of the club changes team.
bool SwitchSquadTeam(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId);
// "Eintrag löschen": the person leaves the club for the players without club.
bool ReleaseSquadPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId);

}  // namespace kw
