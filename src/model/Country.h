#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/Club.h"
#include "model/FixedText.h"
#include "model/Stadium.h"

namespace kw {

class CKLFile;
class CWorld;

// One country: names, attribute bytes, its clubs (always with the national team) and the compact
// club numbering used while it is saved.
class CCountry {
public:
    CCountry(CWorld& world, int number);
    ~CCountry();

    int Number() const { return m_number; }
    CWorld& World() const { return m_world; }

    // Per-language names (any length) and three-letter short codes.
    const std::string& Name(int language) const { return m_names[language]; }
    void SetName(int language, std::string name) { m_names[language] = std::move(name); }
    const CLanguageTexts<4>& ShortNames() const { return m_shortNames; }
    CLanguageTexts<4>& ShortNames() { return m_shortNames; }

    // The three numbers of the countries list: the first attribute (kept twice), the second one,
    // and the continent byte (continent in bits 0..2, a second value above).
    std::uint8_t FirstAttribute() const { return m_firstAttribute; }
    std::uint8_t FirstAttributeCopy() const { return m_firstAttributeCopy; }
    std::uint8_t SecondAttribute() const { return m_secondAttribute; }
    std::uint8_t ContinentByte() const { return m_continentByte; }
    int Continent() const { return m_continentByte & 0x07; }
    void SetAttributes(std::uint8_t first, std::uint8_t second, std::uint8_t continentByte);

    std::uint16_t LeagueScript() const { return m_leagueScript; }
    void SetLeagueScript(std::uint16_t script) { m_leagueScript = script; }

    // Clubs by id, ascending; always holds the national team.
    const std::map<std::uint32_t, std::unique_ptr<CClub>>& Clubs() const { return m_clubs; }
    CClub* Club(std::uint32_t id);
    CClub& NationalTeam();
    // Clubs besides the national team.
    int ClubCount() const { return static_cast<int>(m_clubs.size()) - 1; }
    // A new club ("Club <n>") with the next free index below the national team's.
    CClub& CreateClub();
    CClub& AddClub(std::uint16_t index);
    // Deletes the club together with its persons; the national team stays.
    void RemoveClub(std::uint32_t id);
    // The clubs' work counters start at 0 after every load.
    void ClearClubWorkCounters();

    // The country's stadiums; a stadium's number is its position in the list, from 1.
    const std::vector<CStadium>& Stadiums() const { return m_stadiums; }
    std::vector<CStadium>& Stadiums() { return m_stadiums; }

    // Makes the national team's names and short codes the country's.
    void CopyNamesToNationalTeam();

    // Compact club numbering for saving: clubs below the national team are numbered 1, 2, ... in
    // id order. ExportId translates a reference; unknown clubs give 0, national teams pass.
    void RebuildNumbering();
    void ClearNumbering() { m_numbering.clear(); }
    std::uint32_t ExportId(std::uint32_t clubId) const;

    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);

private:
    CWorld& m_world;
    int m_number;
    std::string m_names[kLanguageCount];
    CLanguageTexts<4> m_shortNames;
    std::uint8_t m_firstAttribute = 0;
    std::uint8_t m_firstAttributeCopy = 0;
    std::uint8_t m_secondAttribute = 0;
    std::uint8_t m_continentByte = 0;
    std::uint16_t m_leagueScript = 0;
    std::map<std::uint32_t, std::unique_ptr<CClub>> m_clubs;
    std::vector<CStadium> m_stadiums;
    std::map<std::uint32_t, std::uint16_t> m_numbering;
};

}  // namespace kw
