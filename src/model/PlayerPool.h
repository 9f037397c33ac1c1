#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;
class CWorld;

// One entry of a country's player pool ("Jugendspieler"): a light youth player from which the
// game draws new young players.
class CPoolEntry {
public:
    // "Create A Club Verein": the club that the player of the game creates.
    static constexpr std::uint32_t kCreateAClub = 0xFFFFFFFF;
    static constexpr int kAbilityCount = 16;
    static constexpr int kTeamPartCount = 5;

    // All zero and empty.
    void Reset() { *this = CPoolEntry(); }
    // Lists skip an entry without surname, and the file leaves it out.
    bool IsUsed() const { return !m_surname.Empty(); }
    // "Surname,F." (no blank).
    std::string ShortName() const;

    // PL_POOL section; the preferred club goes through the world's compact club numbering.
    bool Write(CKLFile& file, const CWorld& world) const;
    // False when the section is missing. Missing lines leave zero or empty values; the team part
    // is read only from record major 8196 on.
    bool Read(CKLFile& file);

    const CFixedText<16>& FirstName() const { return m_firstName; }
    void SetFirstName(std::string_view name) { m_firstName.Set(name); }
    const CFixedText<20>& Surname() const { return m_surname; }
    void SetSurname(std::string_view name) { m_surname.Set(name); }
    // Kept for the nickname list of the game's file.
    const CFixedText<20>& ThirdName() const { return m_thirdName; }
    void SetThirdName(std::string_view name) { m_thirdName.Set(name); }
    std::uint8_t Nationality() const { return m_nationality; }
    void SetNationality(std::uint8_t country) { m_nationality = country; }
    // 0 "Passspiel" ... 15 "Abwürfe".
    std::uint8_t SpecialAbility() const { return m_ability; }
    void SetSpecialAbility(std::uint8_t ability) { m_ability = ability; }
    // 0 "-", 1 "Torwart", 2 "Verteidiger", 3 "Mittelfeldspieler", 4 "Stürmer".
    std::uint8_t TeamPart() const { return m_teamPart; }
    void SetTeamPart(std::uint8_t part) { m_teamPart = part; }
    std::uint32_t PreferredClub() const { return m_preferredClub; }
    void SetPreferredClub(std::uint32_t club) { m_preferredClub = club; }

    friend bool operator==(const CPoolEntry&, const CPoolEntry&) = default;

private:
    CFixedText<16> m_firstName;
    CFixedText<20> m_surname;
    CFixedText<20> m_thirdName;
    std::uint8_t m_nationality = 0;
    std::uint8_t m_ability = 0;
    std::uint8_t m_teamPart = 0;
    std::uint32_t m_preferredClub = 0;
};

// The labels of the pool dialog (Windows-1252); empty outside their ranges.
std::string_view PoolAbilityName(int ability);
std::string_view PoolTeamPartName(int part);
// The preferred club as the pool list shows it: "Create A Club Verein" for kCreateAClub, the
// club's name in `language`, or empty for an unknown club.
std::string PreferredClubName(const CWorld& world, std::uint32_t club, int language);

}  // namespace kw
