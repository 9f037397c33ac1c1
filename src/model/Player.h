#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Date.h"
#include "storage/FixedText.h"

namespace kw {

class CKLFile;
class CWorld;

inline constexpr int kAbilityCount = 43;
inline constexpr int kPositionSlots = 6;  // three main positions, then three secondary ones
inline constexpr int kLastPosition = 17;  // position codes 1..17; 0 is none
inline constexpr int kLookCount = 6;
inline constexpr int kLanguageSlots = 4;

// Position codes as the records store them.
namespace position {
inline constexpr int kNone = 0;
inline constexpr int kGoalkeeper = 1;
inline constexpr int kRightBack = 2;
inline constexpr int kLeftBack = 3;
inline constexpr int kCentreBack = 4;
inline constexpr int kSweeper = 5;
inline constexpr int kRightWingBack = 6;
inline constexpr int kLeftWingBack = 7;
inline constexpr int kAnchor = 8;
inline constexpr int kDefensiveMidfield = 9;
inline constexpr int kRightMidfield = 10;
inline constexpr int kLeftMidfield = 11;
inline constexpr int kCentralMidfield = 12;
inline constexpr int kRightWing = 13;
inline constexpr int kLeftWing = 14;
inline constexpr int kAttackingMidfield = 15;
inline constexpr int kCentreForward = 16;
inline constexpr int kStriker = 17;
}  // namespace position

// Indexes into a look array.
namespace look {
inline constexpr int kHairColour = 0;
inline constexpr int kFace = 1;
inline constexpr int kHairCut = 2;
inline constexpr int kBeard = 3;
inline constexpr int kHeight = 4;  // cm
inline constexpr int kWeight = 5;  // kg
}  // namespace look

// "GK" ... "ST"; empty for 0 and unknown codes.
std::string_view PositionCode(int code);
// "both", "right", "left"; empty for other values.
std::string_view FootName(int foot);

// One station of a career.
struct SHistoryEntry {
    std::uint8_t kind = 0;
    std::uint8_t flag = 0;
    std::uint32_t club = 0;
    CDate from;
    CDate until;
    std::uint16_t games = 0;
    std::uint16_t goals = 0;

    friend bool operator==(const SHistoryEntry&, const SHistoryEntry&) = default;
};

// A person of the database: a player (kind 0) or a club staff member (kinds 1 to 18). Owned by
// the world's person table; clubs refer to it by id. Every field has a plain getter and setter so
// that other writers (the game's binary file, the archive) can be added beside the KL record.
class CPlayer {
public:
    // Made with the defaults of Reset(0, 0).
    CPlayer(CWorld& world, std::uint32_t id);
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // The same person (id and every field) as a new object of the same world.
    std::unique_ptr<CPlayer> Clone() const;

    // A record held const reads its world; only a changeable one reaches a changeable world.
    const CWorld& World() const { return *m_world; }
    CWorld& World() { return *m_world; }
    std::uint32_t Id() const { return m_id; }

    // Every field to the defaults of a new person of that kind and country. The name numbers
    // count the persons of the world, the club years are measured against the world's year.
    void Reset(int kind, int country);
    // Every data field of the other person (not the id). The club copy passes mode -1; the mode
    // does not narrow what is copied.
    void CopyFrom(const CPlayer& other, int mode = -1);
    bool HasSameData(const CPlayer& other) const { return m_data == other.m_data; }
    // Exchanges every data field (not the id or the world) with the other person's.
    void SwapData(CPlayer& other) { std::swap(m_data, other.m_data); }
    // The corrections after every load, with the country of the person's club.
    void Normalise(int clubCountry);

    // The clubs the person names (current, previous, first, fourth, export and loan club, the
    // clubs of the career), 0 left out.
    std::vector<std::uint32_t> ClubReferences() const;
    // Each of those references passed through `map`; true when one changed.
    bool MapClubReferences(const std::function<std::uint32_t(std::uint32_t)>& map);

    // PLAYER section of a club or of the players without club.
    bool Write(CKLFile& file) const;
    // False when the section is missing (the person stays as it is). Gated on the loaded record
    // version; missing numbers read as 0 and missing texts keep their value.
    bool Read(CKLFile& file);
    // STAFF section of a club staff member.
    bool WriteStaff(CKLFile& file) const;
    bool ReadStaff(CKLFile& file);

    // "Surname, F." for lists.
    std::string ShortName() const;

    std::int32_t SpecialFace() const { return m_data.specialFace; }
    void SetSpecialFace(std::int32_t value) { m_data.specialFace = value; }
    std::int32_t SecondExternalNumber() const { return m_data.secondExternal; }
    void SetSecondExternalNumber(std::int32_t value) { m_data.secondExternal = value; }
    std::int8_t Kind() const { return m_data.kind; }
    void SetKind(std::int8_t kind) { m_data.kind = kind; }
    bool IsPlayer() const { return m_data.kind == 0; }
    std::int8_t TeamFlag() const { return m_data.teamFlag; }
    void SetTeamFlag(std::int8_t flag) { m_data.teamFlag = flag; }
    std::uint8_t Nationality() const { return m_data.nationality; }
    void SetNationality(std::uint8_t country) { m_data.nationality = country; }
    std::uint8_t SecondNationality() const { return m_data.secondNationality; }
    void SetSecondNationality(std::uint8_t country) { m_data.secondNationality = country; }
    std::uint8_t OriginByte() const { return m_data.origin; }
    void SetOriginByte(std::uint8_t value) { m_data.origin = value; }

    const CFixedText<16>& FirstName() const { return m_data.firstName; }
    void SetFirstName(std::string_view name) { m_data.firstName.Set(name); }
    const CFixedText<20>& Surname() const { return m_data.surname; }
    void SetSurname(std::string_view name) { m_data.surname.Set(name); }
    const CFixedText<20>& StageName() const { return m_data.stageName; }
    void SetStageName(std::string_view name) { m_data.stageName.Set(name); }
    const CFixedText<20>& Nickname() const { return m_data.nickname; }
    void SetNickname(std::string_view name) { m_data.nickname.Set(name); }

    CDate BirthDate() const { return m_data.birthDate; }
    void SetBirthDate(CDate date) { m_data.birthDate = date; }

    // Bits 0..2 a value 0..4 (the talent), bits 3..5 the preferred foot, bit 6 hides the person
    // from some editor lists, bit 7 kept.
    std::uint8_t FootAndForm() const { return m_data.footAndForm; }
    void SetFootAndForm(std::uint8_t value) { m_data.footAndForm = value; }
    int Foot() const { return (m_data.footAndForm >> 3) & 0x07; }
    void SetFoot(int foot);
    std::uint8_t StatusByte() const { return m_data.status; }
    void SetStatusByte(std::uint8_t value) { m_data.status = value; }

    const std::array<std::uint8_t, kAbilityCount>& Abilities() const { return m_data.abilities; }
    std::uint8_t Ability(int index) const;
    void SetAbility(int index, std::uint8_t value);
    std::uint8_t RoleCode() const { return m_data.roleCode; }
    void SetRoleCode(std::uint8_t code) { m_data.roleCode = code; }
    std::uint8_t Morale() const { return m_data.morale; }
    void SetMorale(std::uint8_t value) { m_data.morale = value; }
    std::int32_t TacticalTraining() const { return m_data.tacticalTraining; }
    void SetTacticalTraining(std::int32_t value) { m_data.tacticalTraining = value; }
    std::int8_t NationalExperience() const { return m_data.nationalExperience; }
    void SetNationalExperience(std::int8_t value) { m_data.nationalExperience = value; }
    std::int8_t InternationalExperience() const { return m_data.internationalExperience; }
    void SetInternationalExperience(std::int8_t value) { m_data.internationalExperience = value; }
    const std::array<std::uint8_t, 2>& ShirtNumbers() const { return m_data.shirtNumbers; }
    void SetShirtNumber(int slot, std::uint8_t number);

    // Slots 0..2 the main positions, 3..5 the secondary ones.
    const std::array<std::uint8_t, kPositionSlots>& Positions() const { return m_data.positions; }
    std::uint8_t MainPosition() const { return m_data.positions[0]; }
    void SetPosition(int slot, std::uint8_t code);
    const std::array<std::uint8_t, kLookCount>& Looks() const { return m_data.looks; }
    void SetLook(int index, std::uint8_t value);

    std::uint32_t CurrentClub() const { return m_data.currentClub; }
    void SetCurrentClub(std::uint32_t club) { m_data.currentClub = club; }
    std::uint32_t PreviousClub() const { return m_data.previousClub; }
    void SetPreviousClub(std::uint32_t club) { m_data.previousClub = club; }
    std::uint16_t ClubSince() const { return m_data.clubSince; }
    void SetClubSince(std::uint16_t year) { m_data.clubSince = year; }
    std::uint16_t ContractUntil() const { return m_data.contractUntil; }
    void SetContractUntil(std::uint16_t year) { m_data.contractUntil = year; }
    const std::array<std::int32_t, 3>& CareerCounters() const { return m_data.careerCounters; }
    void SetCareerCounter(int index, std::int32_t value);
    const std::array<std::uint8_t, 2>& FurtherCounters() const { return m_data.furtherCounters; }
    void SetFurtherCounter(int index, std::uint8_t value);
    const std::array<std::uint8_t, kLanguageSlots>& LanguageLevels() const {
        return m_data.languageLevels;
    }
    void SetLanguageLevel(int slot, std::uint8_t level);
    const std::array<std::uint8_t, kLanguageSlots>& Languages() const { return m_data.languages; }
    void SetLanguage(int slot, std::uint8_t code);

    std::uint32_t FirstClub() const { return m_data.firstClub; }
    void SetFirstClub(std::uint32_t club) { m_data.firstClub = club; }
    std::uint32_t FourthClub() const { return m_data.fourthClub; }
    void SetFourthClub(std::uint32_t club) { m_data.fourthClub = club; }
    // Held for the game's binary file only; not part of the PLAYER record.
    std::uint32_t ExportClub() const { return m_data.exportClub; }
    void SetExportClub(std::uint32_t club) { m_data.exportClub = club; }
    std::uint8_t ExportByte() const { return m_data.exportByte; }
    void SetExportByte(std::uint8_t value) { m_data.exportByte = value; }

    std::int32_t ContractValue() const { return m_data.contractValue; }
    void SetContractValue(std::int32_t value) { m_data.contractValue = value; }
    // Contract bytes 1 to 4 at indexes 0 to 3; bits 2 to 5 of the fourth are exclusive options.
    const std::array<std::uint8_t, 4>& ContractBytes() const { return m_data.contractBytes; }
    void SetContractByte(int index, std::uint8_t value);
    // Staff bytes 1 to 3 at indexes 0 to 2; only the STAFF record holds them.
    const std::array<std::uint8_t, 3>& StaffBytes() const { return m_data.staffBytes; }
    void SetStaffByte(int index, std::uint8_t value);
    std::uint32_t LoanClub() const { return m_data.loanClub; }
    void SetLoanClub(std::uint32_t club) { m_data.loanClub = club; }
    CDate ContractStart() const { return m_data.contractStart; }
    void SetContractStart(CDate date) { m_data.contractStart = date; }
    CDate ContractEnd() const { return m_data.contractEnd; }
    void SetContractEnd(CDate date) { m_data.contractEnd = date; }
    const std::array<std::uint8_t, 2>& NationalTeamBytes() const {
        return m_data.nationalTeamBytes;
    }
    void SetNationalTeamByte(int index, std::uint8_t value);
    const std::array<CDate, 2>& FurtherDates() const { return m_data.furtherDates; }
    void SetFurtherDate(int index, CDate date);
    std::uint8_t ShoeType() const { return m_data.shoeType; }
    void SetShoeType(std::uint8_t type) { m_data.shoeType = type; }
    std::uint8_t Sleeves() const { return m_data.sleeves; }
    void SetSleeves(std::uint8_t value) { m_data.sleeves = value; }

    const std::vector<SHistoryEntry>& History() const { return m_data.history; }
    std::vector<SHistoryEntry>& History() { return m_data.history; }
    // Free text of several lines ("\r\n" between them).
    const std::string& Note() const { return m_data.note; }
    void SetNote(std::string note) { m_data.note = std::move(note); }
    std::uint8_t YouthFlag() const { return m_data.youthFlag; }
    void SetYouthFlag(std::uint8_t value) { m_data.youthFlag = value; }

private:
    struct SData {
        std::int32_t specialFace = 0;
        std::int32_t secondExternal = 0;
        std::int8_t kind = 0;
        std::int8_t teamFlag = 0;
        std::uint8_t nationality = 0;
        std::uint8_t secondNationality = 0;
        std::uint8_t origin = 0;
        CFixedText<16> firstName;
        CFixedText<20> surname;
        CFixedText<20> stageName;
        CFixedText<20> nickname;
        CDate birthDate;
        std::uint8_t footAndForm = 0;
        std::uint8_t status = 0;
        std::array<std::uint8_t, kAbilityCount> abilities{};
        std::uint8_t roleCode = 0;
        std::uint8_t morale = 0;
        std::int32_t tacticalTraining = 0;
        std::int8_t nationalExperience = 0;
        std::int8_t internationalExperience = 0;
        std::array<std::uint8_t, 2> shirtNumbers{};
        std::array<std::uint8_t, kPositionSlots> positions{};
        std::array<std::uint8_t, kLookCount> looks{};
        std::uint32_t currentClub = 0;
        std::uint32_t previousClub = 0;
        std::uint16_t clubSince = 0;
        std::uint16_t contractUntil = 0;
        std::array<std::int32_t, 3> careerCounters{};
        std::array<std::uint8_t, 2> furtherCounters{};
        std::array<std::uint8_t, kLanguageSlots> languageLevels{};
        std::array<std::uint8_t, kLanguageSlots> languages{};
        std::uint32_t firstClub = 0;
        std::uint32_t fourthClub = 0;
        std::uint32_t exportClub = 0;
        std::uint8_t exportByte = 0;
        std::int32_t contractValue = 0;
        std::array<std::uint8_t, 4> contractBytes{};
        std::array<std::uint8_t, 3> staffBytes{};
        std::uint32_t loanClub = 0;
        CDate contractStart;
        CDate contractEnd;
        std::array<std::uint8_t, 2> nationalTeamBytes{};
        std::array<CDate, 2> furtherDates{};
        std::uint8_t shoeType = 0;
        std::uint8_t sleeves = 0;
        std::vector<SHistoryEntry> history;
        std::string note;
        std::uint8_t youthFlag = 0;

        friend bool operator==(const SData&, const SData&) = default;
    };

    void ReadAbilities(CKLFile& file, bool oldLayout);
    void ReadHistory(CKLFile& file);
    bool WriteClub(CKLFile& file, std::uint32_t club) const;
    bool ClubExists(std::uint32_t club) const;

    CWorld* m_world;
    std::uint32_t m_id;
    SData m_data;
};

}  // namespace kw
