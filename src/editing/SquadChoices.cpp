#include "editing/SquadChoices.h"

#include <algorithm>

#include "editing/SquadRules.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr int kTalentMask = 0x07;

void SortByText(std::vector<SChoiceEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SChoiceEntry& a, const SChoiceEntry& b) {
                         return CollateText(a.text, b.text) < 0;
                     });
}

}  // namespace

std::vector<SChoiceEntry> ChoosableCountries(const CWorld& world, int language) {
    std::vector<SChoiceEntry> entries;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        if (country.ClubCount() > 0) {
            entries.push_back({static_cast<std::uint32_t>(number), country.Name(language)});
        }
    }
    SortByText(entries);
    return entries;
}

std::vector<SChoiceEntry> ChoosableClubs(const CCountry& country, int language, bool secondTeams) {
    std::vector<SChoiceEntry> clubs;
    for (const auto& entry : country.Clubs()) {
        if (!entry.second->IsNationalTeam()) {
            clubs.push_back({entry.first, std::string(entry.second->Name(language))});
        }
    }
    SortByText(clubs);
    if (!secondTeams) {
        return clubs;
    }
    std::vector<SChoiceEntry> entries;
    for (SChoiceEntry& club : clubs) {
        const std::uint32_t id = club.value;
        entries.push_back(std::move(club));
        entries.push_back({id | kSecondTeamFlag, country.Club(id)->SecondTeamName(language)});
    }
    return entries;
}

std::vector<SChoiceEntry> ChoosablePlayers(const CClub& club, int language) {
    const CWorld& world = club.World();
    std::vector<SChoiceEntry> entries;
    for (const std::uint32_t id : club.PersonIds()) {
        const CPlayer* player = world.Person(id);
        if (player == nullptr || !player->IsPlayer()) {
            continue;
        }
        entries.push_back(
            {id, FormatPrintf("%s\t%s\t%s\t%2.1f\t%d", player->ShortName().c_str(),
                              PositionAbbreviation(player->MainPosition()).c_str(),
                              world.CountryName(player->Nationality(), language).c_str(),
                              PlayerStrength(*player), player->FootAndForm() & kTalentMask)});
    }
    return entries;
}

std::vector<SChoiceEntry> ChoosableStaff(const CClub& club, int language) {
    const CWorld& world = club.World();
    std::vector<SChoiceEntry> entries;
    for (const CPlayer* person : club.Staff()) {
        entries.push_back({person->Id(), person->ShortName() + '\t' +
                                             std::string(StaffRoleName(person->Kind())) + '\t' +
                                             world.CountryName(person->Nationality(), language)});
    }
    return entries;
}

std::vector<SChoiceEntry> SquadStaffRows(const CClub& club) {
    std::vector<SChoiceEntry> rows;
    for (const CPlayer* person : club.Staff()) {
        rows.push_back({person->Id(), StaffRowText(*person)});
    }
    return rows;
}

std::string_view StaffRoleName(int kind) {
    if (kind < kFirstStaffKind || kind > kLastStaffKind) {
        return {};
    }
    return ResourceString(ids::kStaffRoleNames + kind);
}

}  // namespace kw
