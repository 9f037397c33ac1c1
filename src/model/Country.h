#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/Club.h"
#include "model/Date.h"
#include "model/Manager.h"
#include "model/PlayerPool.h"
#include "model/Referee.h"
#include "model/Sponsor.h"
#include "model/Stadium.h"
#include "model/StaffEntry.h"
#include "storage/FixedText.h"

namespace kw {

class CKLFile;
class CWorld;

// Groups of CCountry::CopyFrom, as the country-copy dialog offers them.
namespace countrycopy {
// The settings of the general page: association, president, reporters, languages, climate, card
// rules, titles, notes, youth-player look, national coach and the further values.
inline constexpr std::uint32_t kGeneral = 0x2;
inline constexpr std::uint32_t kYouth = 0x4;      // the player pool
inline constexpr std::uint32_t kReferees = 0x8;   // the referees
inline constexpr std::uint32_t kStadiums = 0x10;  // the stadium list
inline constexpr std::uint32_t kManagers = 0x20;  // the further managers
// The clubs with their persons, the competitions with their schedules, and what belongs to the
// competitions: league-system data per level, level names, league script, cup settings and the
// cup-final stadium.
inline constexpr std::uint32_t kClubs = 0x40;
inline constexpr std::uint32_t kAll =
    kGeneral | kYouth | kReferees | kStadiums | kManagers | kClubs;
}  // namespace countrycopy

inline constexpr int kLevelCount = 5;

// The fields of a country that are plain values: association, languages, level data, card
// rules, cup settings, youth-player look and the rest of the COUNTRY_MIST block. Editors change
// them through Settings(); the file gives each its line.
struct SCountrySettings {
    struct SPersonName {
        CFixedText<16> firstName;
        CFixedText<20> surname;
        friend bool operator==(const SPersonName&, const SPersonName&) = default;
    };
    // Reporters: newspaper, in the stadium, in the studio.
    static constexpr int kReporterCount = 3;
    // Title counts in memory order.
    enum Title { kContinentalTitles, kContinentalFinals, kWorldChampionships, kWorldCupFinals };

    std::array<std::uint8_t, 4> languages{};
    std::array<std::uint8_t, 4> languageShares{};
    // First level on which reserve teams may play; level L allows them when limit <= L.
    std::uint8_t leagueLevelLimit = 0;
    std::uint8_t levelLimitByte = 0;
    // Stored since version (8197,2): the u8 setting, the 2 x u8 and the 4 x u8 settings.
    std::uint8_t setting8 = 0;
    std::array<std::uint8_t, 2> settings2{};
    std::array<std::uint8_t, 4> settings4{};
    CFixedText<10> associationName;
    SPersonName president;
    CDate presidentBirthDate;
    std::array<SPersonName, kReporterCount> reporters{};
    std::uint8_t climate = 0;
    std::array<std::uint8_t, kLevelCount> tieBreak{};
    std::array<std::uint8_t, kLevelCount> nonEuropeanLimit{};
    std::array<std::uint8_t, kLevelCount> relegated{};
    // Bits 0..6 the rule, bit 7 "nach einer gelb-roten Karte zählt auch die gelbe Karte".
    std::uint8_t leagueYellowRule = 0;
    std::uint8_t cupYellowRule = 0;
    std::uint8_t redCardSettings = 0;
    std::uint8_t redCardStart = 0;
    std::uint8_t suspensionScope = 0;
    std::uint8_t yellowRedLevels = 0;
    // Bit 0 "Hallenrunde", bit 1 "Namen generieren", bit 2 "Keine Stehplätze erlaubt".
    std::uint8_t optionFlags = 0;
    std::uint8_t optionValue = 0;
    // Bit 0 home advantage from the 3rd league, bit 1 one team per player and year.
    std::uint8_t cupOptions = 0;
    std::uint8_t abroadProbability = 0;
    // "Endspielstadion": number of one of the country's stadiums (from 1; 0 none).
    std::int32_t cupFinalStadium = 0;
    std::array<std::uint16_t, 6> slotValues{};
    std::int32_t nationalCupSetting = 0;
    // One byte per league cup 0..3, league cup 0 in the lowest byte.
    std::uint32_t leagueCupSettings = 0;
    std::int32_t superCupSetting = 0;
    // "Wechsel 1./2. Mannschaft"; bit L also lets level pool L take reserve teams when old files
    // are converted.
    std::uint8_t reserveSwitch = 0;
    std::array<std::int32_t, 2> transferPhases{};
    // "Durchschn. Stärke", 0..100.
    std::uint8_t averageStrength = 0;
    std::string newspaper;
    // Several lines, "\r\n" between them.
    std::string notes;
    std::array<std::uint16_t, 4> titles{};
    // The youth-player look: a 32-bit value, then bit sets of the choices a generated youth
    // player may get.
    std::int32_t lookValue = 0;
    std::uint32_t hairColours = 0;
    std::uint32_t haircuts = 0;
    std::uint32_t beards = 0;
    std::uint32_t faces = 0;
    std::uint8_t averageHeight = 0;
    std::uint8_t averageWeight = 0;
    CManager nationalCoach;

    friend bool operator==(const SCountrySettings&, const SCountrySettings&) = default;
};

// Leagues per level, as the leagues list them (index 0 upward to the first missing one).
struct SLevelTable {
    std::array<int, kLevelCount> firstLeague{-1, -1, -1, -1, -1};
    std::array<int, kLevelCount> leagues{};
    // Levels from 0 up to the first one without leagues.
    int UsedLevels() const;
};

// One country: names, association and league data, its clubs (always with the national team),
// referees, sponsors, staff pool, stadiums, managers, player pool, and the compact club numbering
// used while it is saved. The country's competitions live in the world's registry under its root.
class CCountry {
public:
    static constexpr int kMaxClubs = 511;
    static constexpr int kPoolSlotsPerClub = 22;
    static constexpr std::size_t kLevelNameSize = 29;

    CCountry(CWorld& world, int number);
    ~CCountry();
    CCountry(const CCountry&) = delete;
    CCountry& operator=(const CCountry&) = delete;

    // Every value of the country and a copy of each club; the persons, competitions and
    // managers live in the world's registries and are not copied.
    std::unique_ptr<CCountry> Clone() const;

    int Number() const { return m_number; }
    // A record held const reads its world; only a changeable one reaches a changeable world.
    const CWorld& World() const { return m_world; }
    CWorld& World() { return m_world; }

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

    // 0 when the competitions come from the league system, else the league script's number.
    std::uint16_t LeagueScript() const { return m_leagueScript; }
    void SetLeagueScript(std::uint16_t script) { m_leagueScript = script; }

    const SCountrySettings& Settings() const { return m_settings; }
    SCountrySettings& Settings() { return m_settings; }
    // The name of league level 0..4 in a language 0..4.
    const CLanguageTexts<kLevelNameSize>& LevelNames(int level) const;
    void SetLevelName(int level, int language, std::string_view name);

    // --- clubs by id, ascending; always holds the national team.
    const std::map<std::uint32_t, std::unique_ptr<CClub>>& Clubs() const { return m_clubs; }
    CClub* Club(std::uint32_t id);
    const CClub* Club(std::uint32_t id) const;
    CClub& NationalTeam();
    const CClub& NationalTeam() const;
    // Clubs besides the national team.
    int ClubCount() const { return static_cast<int>(m_clubs.size()) - 1; }
    // A new club ("Club <n>") with the smallest unused index from 1 (below the national team's).
    // Refused (nothing) once the country has kMaxClubs clubs.
    CClub* CreateClub();
    // The club of that index, made with its defaults when missing (files and tests).
    CClub& AddClub(std::uint16_t index);
    // Deletes the club: its persons leave the world, and the friendship and rivals of the
    // country's other clubs and the team lists of the country's competitions forget it (and its
    // second team). The national team stays.
    void RemoveClub(std::uint32_t id);
    // The clubs' work counters start at 0 after every load.
    void ClearClubWorkCounters();
    // Makes the national team's names and short codes the country's.
    void CopyNamesToNationalTeam();

    // --- the country's collections.
    const std::vector<CStadium>& Stadiums() const { return m_stadiums; }
    std::vector<CStadium>& Stadiums() { return m_stadiums; }
    const std::vector<CReferee>& Referees() const { return m_referees; }
    std::vector<CReferee>& Referees() { return m_referees; }
    const std::vector<CSponsor>& Sponsors() const { return m_sponsors; }
    std::vector<CSponsor>& Sponsors() { return m_sponsors; }
    // The staff pool (STAFFS).
    const std::vector<CStaffEntry>& Staff() const { return m_staff; }
    std::vector<CStaffEntry>& Staff() { return m_staff; }
    // The player pool: all slots, used or not (CPoolEntry::IsUsed).
    const std::vector<CPoolEntry>& PlayerPool() const { return m_pool; }
    std::vector<CPoolEntry>& PlayerPool() { return m_pool; }
    // Resizes the pool; new slots are empty and carry the country as nationality.
    void ResizePlayerPool(std::size_t slots);
    int UsedPoolEntries() const;

    // The further managers: ids into the world's manager registry, ascending.
    const std::vector<std::uint32_t>& ManagerIds() const { return m_managerIds; }
    // A new empty manager in the world's registry, entered here; returns its id.
    std::uint32_t AddManager();
    // Takes the manager out of the country and out of the registry.
    void RemoveManager(std::uint32_t id);

    // --- competitions.
    // Leagues per level from the league list.
    SLevelTable LevelTable() const;
    // The country's completeness as the game sees it: at least 10 entries in the club map, a
    // top league of size 8 or more, and every competition of types 1 to 23 with index 0 to 5
    // passing its check for both calendars with the league-level limit.
    bool IsComplete() const;
    static constexpr int kCompleteClubEntries = 10;  // the national team counts
    static constexpr int kCompleteTopLeagueSize = 8;
    // One level pool (type 24, index = level) per league level with leagues, replacing any
    // there: it collects the teams of that level's leagues in league order and team order,
    // reserve teams only when the level's bit of "Wechsel 1./2. Mannschaft" lets it take them,
    // and its size is the number of teams collected. Files older than major 8198 are converted
    // with it after reading.
    void RebuildLevelPools();
    // After a league script was chosen: the cup settings follow the competitions the country now
    // has (0 for each that is absent).
    void RefreshDerivedData();

    // Removes the competitions (root subtree, national cup, league cups, super cup, root),
    // zeroes the league-script number, the cup settings and the level names, and registers a
    // fresh root. A brand-new country also gets its national cup, with setting 1.
    void ResetCompetitions(bool brandNew);

    // The groups of the other country (also of another database) that the flags select
    // (countrycopy::...) in place of this country's; its number, names, list attributes, national
    // team, sponsors and staff pool stay. Copied clubs take this country's number; their persons
    // are new persons of this database (under their ids where free, else under the next free
    // one), copied managers get new ids. Afterwards every reference to a club or a stadium names
    // one this database has: references to clubs that the copy removes become 0 wherever they
    // are (CountryCopyScope names the parts of the database that may change). Copying a country
    // onto itself changes nothing.
    void CopyFrom(const CCountry& other, std::uint32_t flags);

    // --- compact club numbering for saving: clubs below the national team are numbered 1, 2,
    // ... in id order. ExportId translates a reference; unknown clubs give 0, national teams
    // pass, the second-team flag is kept.
    void RebuildNumbering();
    void ClearNumbering() { m_numbering.clear(); }
    std::uint32_t ExportId(std::uint32_t clubId) const;

    // The COUNTRY section with every part in its fixed order.
    bool Write(CKLFile& file) const;
    // Replaces the whole country by the COUNTRY section; false when there is none (the country
    // is then unchanged) or when the file ends before the section does (the country then holds
    // what was read). Files older than major 8198 are converted on the way.
    bool Read(CKLFile& file);
    // The country's part of a load after every country was read: every club is normalised.
    void AfterLoad();

    // League indexes looked at: 0 up to the first missing one, at most this many.
    static constexpr int kMaxListedLeagues = 20;

private:
    void ClearContent();
    void RemoveClubReferences(std::uint32_t id);
    bool WriteCompetitionPart(CKLFile& file) const;
    bool WriteCompetitionSection(CKLFile& file) const;
    bool WriteClubs(CKLFile& file) const;
    bool WriteCollections(CKLFile& file) const;
    bool WriteMist(CKLFile& file) const;
    void ReadCompetitionSection(CKLFile& file);
    void ReadClubs(CKLFile& file);
    void ReadCollections(CKLFile& file);
    void ReadPlayerPool(CKLFile& file);
    void ReadMist(CKLFile& file, std::uint32_t version);
    std::int32_t CupFinalStadiumOrdinal() const;

    CWorld& m_world;
    int m_number;
    std::string m_names[kLanguageCount];
    CLanguageTexts<4> m_shortNames;
    std::uint8_t m_firstAttribute = 0;
    std::uint8_t m_firstAttributeCopy = 0;
    std::uint8_t m_secondAttribute = 0;
    std::uint8_t m_continentByte = 0;
    std::uint16_t m_leagueScript = 0;
    SCountrySettings m_settings;
    std::array<CLanguageTexts<kLevelNameSize>, kLevelCount> m_levelNames{};
    std::map<std::uint32_t, std::unique_ptr<CClub>> m_clubs;
    std::vector<CStadium> m_stadiums;
    std::vector<CReferee> m_referees;
    std::vector<CSponsor> m_sponsors;
    std::vector<CStaffEntry> m_staff;
    std::vector<CPoolEntry> m_pool;
    std::vector<std::uint32_t> m_managerIds;
    std::map<std::uint32_t, std::uint16_t> m_numbering;
};

}  // namespace kw
