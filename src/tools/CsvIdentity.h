#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// The persons' clubs, found once for a whole file instead of per row.
class CPersonClubs {
public:
    explicit CPersonClubs(const CWorld& world);
    // Nothing for a person without club.
    const CClub* ClubOf(std::uint32_t person) const;

private:
    std::unordered_map<std::uint32_t, const CClub*> m_clubs;
};

inline constexpr int kPersonIdentityColumns = 6;
inline constexpr int kClubIdentityColumns = 3;

// The identity cells as the model holds them (Windows-1252; numbers and dates as written):
// id, country, club name, surname, first name, birth date; for clubs id, country, name.
std::vector<std::string> PersonIdentity(const CPlayer& person, const CClub* club);
std::vector<std::string> ClubIdentity(const CClub& club);
// Which identity columns hold texts (formula-escaped in the file) and which a date.
bool IsIdentityText(bool person, int column);
bool IsIdentityDate(bool person, int column);
std::vector<std::string> IdentityHeader(bool person, const std::string& idColumn);

// A club of the world by id; nothing for an unknown id or a national team.
const CClub* FindCsvClub(const CWorld& world, std::uint32_t id);
CClub* FindCsvClub(CWorld& world, std::uint32_t id);

}  // namespace kw
