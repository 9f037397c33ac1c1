#include "tools/CsvIdentity.h"

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "tools/CsvCells.h"

namespace kw {

CPersonClubs::CPersonClubs(const CWorld& world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            for (const std::uint32_t id : entry.second->PersonIds()) {
                m_clubs.emplace(id, entry.second.get());
            }
        }
    }
}

const CClub* CPersonClubs::ClubOf(std::uint32_t person) const {
    const auto found = m_clubs.find(person);
    return found == m_clubs.end() ? nullptr : found->second;
}

std::vector<std::string> PersonIdentity(const CPlayer& person, const CClub* club) {
    return {std::to_string(person.Id()),
            std::to_string(club ? club->Country() : 0),
            club ? std::string(club->Name(0)) : std::string(),
            std::string(person.Surname().View()),
            std::string(person.FirstName().View()),
            FormatCsvDate(person.BirthDate())};
}

std::vector<std::string> ClubIdentity(const CClub& club) {
    return {std::to_string(club.Id()), std::to_string(club.Country()), std::string(club.Name(0))};
}

bool IsIdentityText(bool person, int column) {
    return person ? column >= 2 && column <= 4 : column == 2;
}

bool IsIdentityDate(bool person, int column) {
    return person && column == 5;
}

std::vector<std::string> IdentityHeader(bool person, const std::string& idColumn) {
    if (person) {
        return {idColumn, "country", "club", "exportSurname", "exportFirstName", "exportBirthDate"};
    }
    return {idColumn, "country", "exportName"};
}

const CClub* FindCsvClub(const CWorld& world, std::uint32_t id) {
    const int country = ClubCountry(id);
    if (country < 1 || country > kCountryCount || IsNationalTeam(id)) {
        return nullptr;
    }
    const CClub* club = world.Country(country).Club(id);
    return club && club->Id() == id ? club : nullptr;
}

CClub* FindCsvClub(CWorld& world, std::uint32_t id) {
    const CWorld& constWorld = world;
    return const_cast<CClub*>(FindCsvClub(constWorld, id));
}

}  // namespace kw
