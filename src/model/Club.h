#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ClubKit.h"
#include "model/RecordResult.h"
#include "storage/FixedText.h"
#include "storage/Identifiers.h"

namespace kw {

class CKLFile;
class CPlayer;
class CWorld;

// Groups of CClub::CopyFrom, as the club-copy dialog offers them.
namespace clubcopy {
inline constexpr std::uint32_t kGeneral = 0x2;      // names, choices, city, fans, rivals, ...
inline constexpr std::uint32_t kFinances = 0x4;     // initial assets, credit line, company
inline constexpr std::uint32_t kAddress = 0x8;      // address, telephone, web, fan sites, paper
inline constexpr std::uint32_t kAttendance = 0x10;  // the three spectator figures
inline constexpr std::uint32_t kBadge = 0x20;       // badge path, colours, colour style
inline constexpr std::uint32_t kKit = 0x40;         // both kits
inline constexpr std::uint32_t kStadium = 0x80;     // number, capacity, names, type, flags
inline constexpr std::uint32_t kLocation = 0x100;   // youth country, latitude, longitude
inline constexpr std::uint32_t kSurroundings = 0x200;
inline constexpr std::uint32_t kTransfers = 0x400;    // preferred transfer countries
inline constexpr std::uint32_t kHistory = 0x800;      // statistics, successes, record results
inline constexpr std::uint32_t kFirstTeam = 0x1000;   // players with team flag 0
inline constexpr std::uint32_t kSecondTeam = 0x2000;  // players with another team flag
inline constexpr std::uint32_t kStaff = 0x4000;       // persons of a kind other than 0
}  // namespace clubcopy

// Read modes of CClub::Read.
namespace clubread {
inline constexpr int kKeepStadium = 0x1;
inline constexpr int kKeepBadge = 0x2;
}  // namespace clubread

// A position on the globe as the club stores it: degrees * 65536 + minutes, negative for the
// southern or western half.
struct SCoordinate {
    bool negative = false;
    int degrees = 0;
    int minutes = 0;
};
std::int32_t MakeCoordinate(bool negative, int degrees, int minutes);
SCoordinate SplitCoordinate(std::int32_t value);

// One club of a country; a country's national team is a club too (index kNationalTeamIndex).
// The club holds the ids of its persons; the world's person table owns them. Every field has a
// plain getter and setter so that other writers (the game's binary file, the archive) can be
// added beside the CLUB record. Copies are independent values that share the world.
class CClub {
public:
    static constexpr int kMaxPersons = 256;
    static constexpr int kSuccessCount = 8;
    static constexpr int kRecordCount = 5;
    static constexpr int kRivalCount = 4;
    static constexpr int kStatisticCount = 5;
    static constexpr int kSurroundingCount = 7;
    static constexpr std::uint8_t kMaxColour = 23;
    static constexpr std::uint8_t kMaxColourStyle = 4;
    static constexpr std::int32_t kMaxStadiumNumber = 999;
    static constexpr std::int32_t kMaxStadiumCapacity = 150000;
    // Status bit 8: the club does not play in the IT Cup.
    static constexpr std::uint16_t kNoItCupFlag = 0x100;
    // Stadium flag bit 7: the club was made in the club editor.
    static constexpr std::uint8_t kEditorCreatedFlag = 0x80;

    // Memory order of the successes (the file stores the two European ones swapped).
    enum Success {
        kChampionships,
        kCupWins,
        kSuperCupWins,
        kLeagueCupWins,
        kChampionsCupWins,
        kEuropeanCupWins,
        kClubWorldChampionships,
        kWorldCupWins,
    };
    // Record results: home win, home defeat, away win, away defeat, attendance.
    enum Record { kHomeWin, kHomeDefeat, kAwayWin, kAwayDefeat, kRecordAttendance };
    // The three article choices: with the club name, the fans' name, the second fans' name.
    enum Article { kClubArticle, kFansArticle, kSecondFansArticle };

    // Every field at its default; the youth country is the id's country.
    CClub(CWorld& world, std::uint32_t id);

    // The names of a new club: "Club <n>" in every language and both forms, where n counts the
    // clubs made so far in this program (from 1); the youth country becomes the club's country.
    void MakeNew();

    std::uint32_t Id() const { return m_id; }
    void SetId(std::uint32_t id) { m_id = id; }
    int Country() const { return ClubCountry(m_id); }
    bool IsNationalTeam() const { return kw::IsNationalTeam(m_id); }
    // A record held const reads its world; only a changeable one reaches a changeable world.
    const CWorld& World() const { return *m_world; }
    CWorld& World() { return *m_world; }

    // --- names. Setting a name or an abbreviation sets its alternative form too.
    const CLanguageTexts<30>& Names() const { return m_data.names; }
    const CLanguageTexts<30>& AlternativeNames() const { return m_data.alternativeNames; }
    const CLanguageTexts<12>& Abbreviations() const { return m_data.abbreviations; }
    const CLanguageTexts<12>& AlternativeAbbreviations() const {
        return m_data.alternativeAbbreviations;
    }
    std::string_view Name(int language) const;
    void SetName(int language, std::string_view name);
    void SetAbbreviation(int language, std::string_view abbreviation);
    // Only the alternative form, as the records hold it apart.
    void SetAlternativeName(int language, std::string_view name);
    void SetAlternativeAbbreviation(int language, std::string_view abbreviation);
    // The name put into the second-team pattern of the club's country.
    std::string SecondTeamName(int language) const;

    std::uint8_t ArticleChoice(int which, int language) const;
    void SetArticleChoice(int which, int language, std::uint8_t choice);
    // Moves the choice on through the language's article list, after the last back to 0.
    void NextArticle(int which, int language);
    const CLanguageTexts<5>& NameCodes() const { return m_data.nameCodes; }
    void SetNameCode(int language, std::string_view code);
    // Sentence choice D (first list) and E (second list).
    std::uint8_t SentenceChoice(int list, int language) const;
    void SetSentenceChoice(int list, int language, std::uint8_t choice);
    // D and E of the language together to the next form, after the last back to 0.
    void NextSentence(int language);

    const CLanguageTexts<30>& Cities() const { return m_data.cities; }
    void SetCity(int language, std::string_view city);
    const CFixedText<20>& FansName() const { return m_data.fansName; }
    void SetFansName(std::string_view name) { m_data.fansName.Set(name); }
    const CFixedText<20>& SecondFansName() const { return m_data.secondFansName; }
    void SetSecondFansName(std::string_view name) { m_data.secondFansName.Set(name); }
    const CFixedText<20>& Mascot() const { return m_data.mascot; }
    void SetMascot(std::string_view mascot) { m_data.mascot.Set(mascot); }

    std::uint32_t FanFriendship() const { return m_data.fanFriendship; }
    void SetFanFriendship(std::uint32_t club) { m_data.fanFriendship = club; }
    const std::array<std::uint32_t, kRivalCount>& Rivals() const { return m_data.rivals; }
    void SetRival(int slot, std::uint32_t club);
    // The fan friendship and the rivals passed through `map`; after a change the rivals left are
    // packed at the front, as a load leaves them.
    void MapClubReferences(const std::function<std::uint32_t(std::uint32_t)>& map);

    std::int16_t FoundingYear() const { return m_data.foundingYear; }
    void SetFoundingYear(std::int16_t year) { m_data.foundingYear = year; }
    std::uint16_t StatusFlags() const { return m_data.status; }
    void SetStatusFlags(std::uint16_t flags) { m_data.status = flags; }
    // Bits 0/2, 1/3, 4/5 and 6/7 are pairs that exclude each other: setting one clears its
    // partner. Other bits are set or cleared alone.
    void SetStatusChoice(int bit, bool set);

    // Setting the initial assets also sets the credit line to half of them (0 when negative).
    std::int32_t InitialAssets() const { return m_data.initialAssets; }
    void SetInitialAssets(std::int32_t assets);
    std::int32_t CreditLine() const { return m_data.creditLine; }
    void SetCreditLine(std::int32_t credit) { m_data.creditLine = credit; }
    std::uint8_t PublicCompany() const { return m_data.publicCompany; }
    void SetPublicCompany(std::uint8_t value) { m_data.publicCompany = value; }
    std::uint8_t ByteFlag() const { return m_data.byteFlag; }
    void SetByteFlag(std::uint8_t value) { m_data.byteFlag = value; }
    std::uint8_t PointsDeduction() const { return m_data.pointsDeduction; }
    void SetPointsDeduction(std::uint8_t points) { m_data.pointsDeduction = points; }

    const CFixedText<120>& Address() const { return m_data.address; }
    void SetAddress(std::string_view text) { m_data.address.Set(text); }
    const CFixedText<20>& Telephone() const { return m_data.telephone; }
    void SetTelephone(std::string_view text) { m_data.telephone.Set(text); }
    const CFixedText<128>& Website() const { return m_data.website; }
    void SetWebsite(std::string_view text) { m_data.website.Set(text); }
    const CFixedText<256>& FanSites() const { return m_data.fanSites; }
    void SetFanSites(std::string_view text) { m_data.fanSites.Set(text); }
    const CFixedText<30>& Newspaper() const { return m_data.newspaper; }
    void SetNewspaper(std::string_view text) { m_data.newspaper.Set(text); }

    std::int32_t BiggestMatchAttendance() const { return m_data.biggestMatch; }
    void SetBiggestMatchAttendance(std::int32_t value) { m_data.biggestMatch = value; }
    std::int32_t AverageAttendance() const { return m_data.averageAttendance; }
    void SetAverageAttendance(std::int32_t value) { m_data.averageAttendance = value; }
    std::int32_t SeasonTickets() const { return m_data.seasonTickets; }
    void SetSeasonTickets(std::int32_t value) { m_data.seasonTickets = value; }
    // Points, games, goals, goals against, rounds as leader in the top division.
    const std::array<std::int32_t, kStatisticCount>& Statistics() const {
        return m_data.statistics;
    }
    void SetStatistic(int index, std::int32_t value);

    // Years in the form "1950,1951", by Success.
    const std::string& Successes(int which) const;
    void SetSuccesses(int which, std::string years);
    const CRecordResult& RecordResult(int which) const;
    CRecordResult& RecordResult(int which);

    const CFixedText<40>& BadgePath() const { return m_data.badgePath; }
    void SetBadgePath(std::string_view path) { m_data.badgePath.Set(path); }
    std::uint8_t Colour(int which) const;
    void SetColour(int which, std::uint8_t colour);
    std::uint8_t ColourStyle() const { return m_data.colourStyle; }
    void SetColourStyle(std::uint8_t style) { m_data.colourStyle = style; }
    const CClubKit& Kit() const { return m_data.kit; }
    CClubKit& Kit() { return m_data.kit; }

    // Number of the stadium in the country's stadium list (from 1; 0 none).
    std::int32_t StadiumNumber() const { return m_data.stadiumNumber; }
    void SetStadiumNumber(std::int32_t number) { m_data.stadiumNumber = number; }
    std::int32_t StadiumCapacity() const { return m_data.stadiumCapacity; }
    void SetStadiumCapacity(std::int32_t capacity) { m_data.stadiumCapacity = capacity; }
    const CLanguageTexts<30>& StadiumNames() const { return m_data.stadiumNames; }
    void SetStadiumName(int language, std::string_view name);
    // 0 "Oval", 1 "Runde Ecken", 2 "Fußballstadion".
    std::uint8_t StadiumType() const { return m_data.stadiumType; }
    void SetStadiumType(std::uint8_t type) { m_data.stadiumType = type; }
    std::uint8_t StadiumFlags() const { return m_data.stadiumFlags; }
    void SetStadiumFlags(std::uint8_t flags) { m_data.stadiumFlags = flags; }
    // Levels 0..5 of the areas in stored order (see SurroundingName).
    const std::array<std::uint8_t, kSurroundingCount>& Surroundings() const {
        return m_data.surroundings;
    }
    void SetSurrounding(int area, std::uint8_t level);

    std::int32_t Latitude() const { return m_data.latitude; }
    void SetLatitude(bool south, int degrees, int minutes);
    void SetLatitude(std::int32_t value) { m_data.latitude = value; }
    std::int32_t Longitude() const { return m_data.longitude; }
    void SetLongitude(bool west, int degrees, int minutes);
    void SetLongitude(std::int32_t value) { m_data.longitude = value; }

    std::uint8_t Prestige() const { return m_data.prestige; }
    void SetPrestige(std::uint8_t value) { m_data.prestige = value; }
    std::uint8_t SecondPrestige() const { return m_data.secondPrestige; }
    void SetSecondPrestige(std::uint8_t value) { m_data.secondPrestige = value; }
    const std::string& Note() const { return m_data.note; }
    void SetNote(std::string note) { m_data.note = std::move(note); }
    std::uint8_t PreferredCountry(int slot) const;
    void SetPreferredCountry(int slot, std::uint8_t country);
    std::uint8_t YouthCountry() const { return m_data.youthCountry; }
    void SetYouthCountry(std::uint8_t country) { m_data.youthCountry = country; }
    std::int32_t ExternalNumber() const { return m_data.externalNumber; }
    void SetExternalNumber(std::int32_t number) { m_data.externalNumber = number; }

    // Scratch counter of the tools; cleared whenever the club is read or loaded.
    std::int32_t WorkCounter() const { return m_workCounter; }
    void SetWorkCounter(std::int32_t value) { m_workCounter = value; }

    // --- persons, in list order. Ids whose person is missing from the world are skipped by
    // the lists below and by Write.
    const std::vector<std::uint32_t>& PersonIds() const { return m_persons; }
    bool HasPerson(std::uint32_t id) const;
    // Appends the person. A club that already holds kMaxPersons refuses it and destroys it (it
    // is removed from the world's person table); false then. A person already listed stays
    // listed once.
    bool AddPerson(const CPlayer& person);
    // Takes the id out of the list and closes the gap; the person stays in the world.
    void RemovePerson(std::uint32_t id);
    // Takes every id out of the list; the persons stay in the world.
    void ClearPersons() { m_persons.clear(); }
    int PlayerCount() const;
    std::vector<CPlayer*> FirstTeam() const;
    std::vector<CPlayer*> SecondTeam() const;
    std::vector<CPlayer*> Staff() const;

    // Every data field of the other club that a set bit of the mask selects (clubcopy::...).
    // For the person groups the club's own persons of a selected group leave the club and the
    // world first; then the other club's persons of those groups are duplicated into this
    // club's world under their ids (a taken id is replaced) while fewer than kMaxPersons.
    void CopyFrom(const CClub& other, std::uint32_t mask);

    // The club's part of the post-load step of its country.
    void Normalise();

    // CLUB<n> section with the running number n (the club's compact number; 0 in club files).
    bool Write(CKLFile& file, int runningNumber) const;
    // Reads the CLUB<n> section over the club (persons are appended); mode bits keep the
    // stadium and the badge. False when the section is missing; the club is then unchanged.
    bool Read(CKLFile& file, int runningNumber, int mode = 0);

    // The fields of the record, without id and persons.
    bool HasSameData(const CClub& other) const { return m_data == other.m_data; }
    // Exchanges every data field (not the id, the world or the persons) with the other club's.
    void SwapData(CClub& other) { std::swap(m_data, other.m_data); }

private:
    struct SData {
        std::int32_t externalNumber = 0;
        CLanguageTexts<30> names;
        CLanguageTexts<30> alternativeNames;
        CLanguageTexts<12> abbreviations;
        CLanguageTexts<12> alternativeAbbreviations;
        std::array<std::array<std::uint8_t, kLanguageCount>, 3> articles{};
        CLanguageTexts<5> nameCodes;
        std::array<std::array<std::uint8_t, kLanguageCount>, 2> sentences{};
        CLanguageTexts<30> cities;
        CFixedText<20> fansName;
        CFixedText<20> secondFansName;
        CFixedText<20> mascot;
        std::uint32_t fanFriendship = 0;
        std::array<std::uint32_t, kRivalCount> rivals{};
        std::int16_t foundingYear = 1900;
        std::uint16_t status = 0;
        std::int32_t initialAssets = 0;
        std::int32_t creditLine = 0;
        std::uint8_t publicCompany = 0;
        std::uint8_t byteFlag = 0;
        std::uint8_t pointsDeduction = 0;
        CFixedText<120> address;
        CFixedText<20> telephone;
        CFixedText<128> website;
        CFixedText<256> fanSites;
        CFixedText<30> newspaper;
        std::int32_t biggestMatch = 25000;
        std::int32_t averageAttendance = 3000;
        std::int32_t seasonTickets = 500;
        std::array<std::int32_t, kStatisticCount> statistics{};
        std::array<std::string, kSuccessCount> successes;
        std::array<CRecordResult, kRecordCount> records;
        CFixedText<40> badgePath{"color\\Badge256\\bl_sw.tga"};
        std::array<std::uint8_t, 2> colours{};
        std::uint8_t colourStyle = 0;
        std::int32_t stadiumNumber = 0;
        std::int32_t stadiumCapacity = 0;
        CLanguageTexts<30> stadiumNames;
        std::uint8_t stadiumType = 1;
        std::uint8_t stadiumFlags = 0;
        std::array<std::uint8_t, kSurroundingCount> surroundings{};
        std::int32_t latitude = 0;
        std::int32_t longitude = 0;
        CClubKit kit;
        std::uint8_t prestige = 0;
        std::uint8_t secondPrestige = 0;
        std::string note;
        std::array<std::uint8_t, 2> preferredCountries{};
        std::uint8_t youthCountry = 0;

        friend bool operator==(const SData&, const SData&) = default;
    };

    std::vector<CPlayer*> PersonsWhere(bool (*belongs)(const CPlayer&)) const;
    std::uint32_t ExportReference(std::uint32_t club) const;
    std::int32_t StadiumOrdinal() const;
    void ReadPersons(CKLFile& file, bool staff);
    void CopyPersons(const CClub& other, std::uint32_t mask);
    void NormaliseReferences();
    void NormaliseNationalStadium();

    CWorld* m_world;
    std::uint32_t m_id;
    SData m_data;
    std::vector<std::uint32_t> m_persons;
    std::int32_t m_workCounter = 0;
};

}  // namespace kw
