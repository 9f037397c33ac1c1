#pragma once

#include <cstdint>

namespace kw {

class CDatabaseDocument;

// The manager list's commands on the live club `clubId`, each one `Perform` of the document over
// the countries it touches (inside the dialog's group). A command that cannot apply changes
// nothing and records nothing. Moves check the target's room first, add and only then remove
// (SquadCommands' MovePersonBetweenClubs), so a person never ends in two clubs or in none.

// "Neuer Trainer" ... "Neuer Fanbeauftragter": a person of the kind with the defaults of the
// club's country in the first team, main-position value 1, the first two language slots the
// first and second language of its nationality's country. Returns the new id; 0 when the club
// already has a person of the kind or holds kPersonsForNewStaff persons.
std::uint32_t NewStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, int kind);
// "Person transferieren": the staff person leaves the club for the first team of `targetClubId`.
// Nothing for the person's own club (either team), a national team, a full target or a person
// the club does not hold.
bool TransferStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId,
                         std::uint32_t targetClubId);
// "Person holen": the staff person of another club joins this club (its team flag kept).
// Nothing for a player, a person of this club or of no club, or when this club is full.
bool FetchStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId);
// "Eintrag löschen": the person leaves the club and the world (not for the players without
// club).
bool DeleteStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId);

}  // namespace kw
