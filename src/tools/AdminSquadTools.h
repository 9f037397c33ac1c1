#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CPlayer;
class CWorld;

// Bulk repairs of the squad members (players and club staff) of the clubs, national teams
// passed over. Each document function is one undoable edit over the countries it changes and
// records nothing when nothing changes; it returns how many persons it changed or removed.

// A change of one squad member: whether it applies, and what it does.
struct SMemberChange {
    std::function<bool(const CPlayer&)> applies;
    std::function<void(CPlayer&)> apply;
};

// Every country 1 to 206.
std::vector<int> AllCountries();

// The countries among `countries` that hold a club (not a national team) with a member the
// change applies to, in the given order.
std::vector<int> CountriesToChange(const CWorld& world, const std::vector<int>& countries,
                                   const SMemberChange& change);
// Applies the change to every member of every club of the countries; returns how many it changed.
int ChangeMembers(CWorld& world, const std::vector<int>& countries, const SMemberChange& change);
// The same for the members of one club (none for a national team or an unknown club).
int ChangeClubMembers(CWorld& world, std::uint32_t clubId, const SMemberChange& change);

// Shoe value 5 and above ("yellow") becomes 2 ("black").
SMemberChange YellowShoesToBlack();
// A player's tactical training 0 becomes 3. Staff are left alone: their record has no such
// value, so a change would be counted but lost with the next save.
SMemberChange TacticalTrainingZeroToThree();
// Born on 1 January 1900 or 1 January 1920, the placeholders of unknown dates: 1 January 1980.
SMemberChange PlaceholderBirthDates();

// As one edit of the document.
int ChangeMembers(CDatabaseDocument& document, std::string description,
                  const std::vector<int>& countries, const SMemberChange& change);
int ChangeClubMembers(CDatabaseDocument& document, std::string description, std::uint32_t clubId,
                      const SMemberChange& change);

// Staff other than trainer, manager and president (kinds above 3), as a squad keeps them.
bool IsRemovableStaff(const CPlayer& person);
// Removes such staff from every club of every country and from the players without club, and
// from the person table, so nothing refers to them any more. Returns how many were removed.
int RemoveStaff(CWorld& world);
int RemoveStaff(CDatabaseDocument& document, std::string description);

}  // namespace kw
