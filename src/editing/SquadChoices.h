#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CClub;
class CCountry;
class CWorld;

// One entry of a chooser list: a country number, a club id or a person id, and its text
// (Windows-1252).
struct SChoiceEntry {
    std::uint32_t value = 0;
    std::string text;

    friend bool operator==(const SChoiceEntry&, const SChoiceEntry&) = default;
};

// The countries that have a club besides their national team, by name (CollateText).
std::vector<SChoiceEntry> ChoosableCountries(const CWorld& world, int language);
// The club chooser's clubs of a country, by name (CollateText): each club, and with `secondTeams`
// right after it its second team (the id with bit 24 set, named by the country's second-team
// pattern). National teams are not offered: no player joins one as his club.
std::vector<SChoiceEntry> ChoosableClubs(const CCountry& country, int language, bool secondTeams);
// The player chooser's players of a club, in the club's order: "%s\t%s\t%s\t%2.1f\t%d" with the
// short name, the main position, the nationality, the strength and the talent.
std::vector<SChoiceEntry> ChoosablePlayers(const CClub& club, int language);

// "Vorstand/Trainer": the club's staff (every person who is no player) in the club's order, each
// row the short name, a tab and the role text of its kind (StaffRowText).
std::vector<SChoiceEntry> SquadStaffRows(const CClub& club);
// The staff chooser's persons of a club, in the club's order: "%s\t%s\t%s" with the short
// name, the role and the nationality.
std::vector<SChoiceEntry> ChoosableStaff(const CClub& club, int language);
// The role of a staff kind as the creating commands name it ("Trainer" ... "Fanbeauftragter");
// empty for other kinds.
std::string_view StaffRoleName(int kind);

}  // namespace kw
