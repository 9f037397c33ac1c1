#include "model/Player.h"

#include <algorithm>
#include <span>

#include "model/CheckedIndex.h"
#include "model/GameDate.h"
#include "model/PersonNames.h"
#include "model/World.h"
#include "platform/Random.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/KLFile.h"
#include "storage/OneLineText.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kPlayerTag[] = "PLAYER";
constexpr char kStaffTag[] = "STAFF";
constexpr char kHistoryTag[] = "HIST";

// Record majors at which the PLAYER layout changed.
constexpr std::uint32_t kNoteMajor = 8196;
constexpr std::uint32_t kHistoryMajor = 8197;
constexpr std::uint32_t kCurrentLayoutMajor = 8198;

constexpr std::uint8_t kMaxAbility = 99;
constexpr std::uint8_t kFootMask = 0x38;
constexpr std::uint8_t kTalentMask = 0x07;
// Bits 2 to 5 of contract byte 4: options of which only one may hold.
constexpr std::uint8_t kContractOptionMask = 0x3C;
constexpr std::uint8_t kNationalTeamOption = 0x04;
constexpr std::uint8_t kStaffOriginBit = 0x04;
constexpr int kLatestContractYear = 2015;
constexpr int kEarliestClubYear = 1980;

constexpr std::string_view kPositionCodes[] = {"",    "GK",  "RB",  "LB", "CD", "SW",
                                               "RWB", "LWB", "ANC", "DM", "RM", "LM",
                                               "CM",  "RW",  "LW",  "AM", "CF", "ST"};
constexpr std::string_view kFootNames[] = {"both", "right", "left"};
// Where the 28 used values of an old record's 30 ability values go in the current layout.
constexpr std::array<std::uint8_t, 28> kOldAbilityTargets = {10, 15, 0,  1,  18, 19, 13, 2, 3, 4,
                                                             16, 25, 20, 21, 5,  14, 6,  7, 8, 9,
                                                             41, 35, 38, 37, 42, 36, 39, 40};
constexpr int kOldAbilityCount = 30;
constexpr std::uint8_t kConsistencyOfOldRecords = 75;
constexpr int kLeadership = 34;

// Role codes an old record draws from, by its first main position.
constexpr std::uint8_t kDefensiveRoles[] = {1, 2, 4, 5};
constexpr std::uint8_t kFullBackRoles[] = {1, 2, 3, 4, 5};
constexpr std::uint8_t kWideMidfieldRoles[] = {9, 10, 11, 12, 13};
constexpr std::uint8_t kCentralMidfieldRoles[] = {6, 7, 9, 10, 11, 12, 5};
constexpr std::uint8_t kAttackingRoles[] = {14, 15, 16, 17, 18, 20, 21, 19};

std::span<const std::uint8_t> RoleCodesFor(int mainPosition) {
    switch (mainPosition) {
        case position::kRightBack:
        case position::kLeftBack:
        case position::kRightWingBack:
        case position::kLeftWingBack:
            return kFullBackRoles;
        case position::kRightMidfield:
        case position::kLeftMidfield:
            return kWideMidfieldRoles;
        case position::kDefensiveMidfield:
        case position::kCentralMidfield:
        case position::kAttackingMidfield:
            return kCentralMidfieldRoles;
        case position::kRightWing:
        case position::kLeftWing:
        case position::kCentreForward:
        case position::kStriker:
            return kAttackingRoles;
        default:
            // None, goalkeeper, centre back, sweeper, anchor, and codes beyond 17 (which
            // normalisation turns into 17 only later).
            return kDefensiveRoles;
    }
}

// Leadership of an old record, which did not store it: it grows with the age at the start of
// the 2005/06 season, the season the database describes. A 20-year-old gets the 30 that every
// other new ability starts from, each further year adds 3 (30 years: 60, 35 years: 75), younger
// players get less; the result stays within 0..99.
std::uint8_t LeadershipFromBirthDate(CDate birthDate) {
    const CDate::Ymd birth = birthDate.Split();
    const CDate::Ymd reference = CDate::FromYmd(2005, 7, 1).Split();
    int age = reference.year - birth.year;
    if (reference.month < birth.month ||
        (reference.month == birth.month && reference.day < birth.day)) {
        --age;
    }
    return static_cast<std::uint8_t>(std::clamp(30 + 3 * (age - 20), 0, int{kMaxAbility}));
}

// Old records store the foot as 1 both, 2 right, anything else left.
std::uint8_t ConvertOldFoot(std::uint8_t footAndForm) {
    const int old = (footAndForm & kFootMask) >> 3;
    const int foot = old == 1 ? 0 : old == 2 ? 1 : 2;
    return static_cast<std::uint8_t>((footAndForm & ~kFootMask) | (foot << 3));
}

// A foot beyond 3 or a value beyond 4 in bits 0..2 makes the whole byte untrustworthy: foot 0
// and value 3, the flags of bits 6 and 7 kept.
std::uint8_t ValidFootAndForm(std::uint8_t footAndForm) {
    if (((footAndForm & kFootMask) >> 3) > 3 || (footAndForm & kTalentMask) > 4) {
        return static_cast<std::uint8_t>((footAndForm & 0xC0) | 3);
    }
    return footAndForm;
}

std::uint8_t FirstLanguageOf(const CWorld& world, int country) {
    if (!world.IsLoaded() || country < 0 || country > kCountryCount) {
        return 0;
    }
    return world.Country(country).FirstAttribute();
}

// Player names: the whole line is cleaned before it is cut to the field.
template <std::size_t N>
void ReadName(CKLFile& file, CFixedText<N>& name, bool player) {
    std::string line;
    if (file.ReadLine(line)) {
        name.Set(player ? CleanPlayerName(line) : TrimName(line));
    }
}

// A club reference as written: the country number, then the id (country and running number).
std::uint32_t ReadClubReference(CKLFile& file) {
    std::uint8_t country = 0;
    std::uint32_t id = 0;
    file.ReadNumber(country);
    file.ReadNumber(id);
    return (std::uint32_t{country} << 16) | id;
}

// Current and previous club keep only the id line.
std::uint32_t ReadClubIdLine(CKLFile& file) {
    std::uint8_t country = 0;
    std::uint32_t id = 0;
    file.ReadNumber(country);
    file.ReadNumber(id);
    return id;
}

std::uint16_t AddCapped(std::uint16_t a, std::uint16_t b) {
    return static_cast<std::uint16_t>(std::min(int{a} + int{b}, 0xFFFF));
}

}  // namespace

std::string_view PositionCode(int code) {
    return code >= 0 && code <= kLastPosition ? kPositionCodes[code] : std::string_view();
}

std::string_view FootName(int foot) {
    return foot >= 0 && foot < 3 ? kFootNames[foot] : std::string_view();
}

CPlayer::CPlayer(CWorld& world, std::uint32_t id) : m_world(&world), m_id(id) {
    Reset(0, 0);
}

std::unique_ptr<CPlayer> CPlayer::Clone() const {
    auto copy = std::make_unique<CPlayer>(*m_world, m_id);
    copy->m_data = m_data;
    return copy;
}

void CPlayer::Reset(int kind, int country) {
    const CWorld& world = *m_world;
    const int number = static_cast<int>(world.Persons().size()) + 1;
    SData data;
    data.kind = static_cast<std::int8_t>(kind);
    data.nationality = static_cast<std::uint8_t>(country);
    data.firstName.Set(FormatPrintf("Vorname %d", number));
    data.surname.Set(FormatPrintf("Nachname %d", number));
    data.birthDate = CDate::FromYmd(1980, 1, 1);
    data.footAndForm = 2;
    data.abilities.fill(40);
    data.morale = 100;
    data.shirtNumbers = {10, 10};
    data.looks = {2, 1, 5, 1, 180, 75};
    data.clubSince = static_cast<std::uint16_t>(kGameYear - 1);
    data.contractUntil = static_cast<std::uint16_t>(kGameYear);
    data.languages[0] = FirstLanguageOf(world, country);
    data.contractBytes = {0, 2, 3, 0};
    data.contractStart = CDate::FromYmd(2005, 7, 1);
    data.contractEnd = CDate::FromYmd(2006, 6, 30);
    data.shoeType = 2;
    m_data = std::move(data);
}

void CPlayer::CopyFrom(const CPlayer& other, int /*mode*/) {
    if (&other != this) {
        m_data = other.m_data;
    }
}

std::vector<std::uint32_t> CPlayer::ClubReferences() const {
    const SData& d = m_data;
    std::vector<std::uint32_t> clubs{d.currentClub, d.previousClub, d.firstClub,
                                     d.fourthClub,  d.exportClub,   d.loanClub};
    for (const SHistoryEntry& entry : d.history) {
        clubs.push_back(entry.club);
    }
    std::erase(clubs, 0u);
    return clubs;
}

bool CPlayer::MapClubReferences(const std::function<std::uint32_t(std::uint32_t)>& map) {
    bool changed = false;
    const auto pass = [&](std::uint32_t& club) {
        if (club != 0) {
            const std::uint32_t mapped = map(club);
            changed |= mapped != club;
            club = mapped;
        }
    };
    SData& d = m_data;
    for (std::uint32_t* club : {&d.currentClub, &d.previousClub, &d.firstClub, &d.fourthClub,
                                &d.exportClub, &d.loanClub}) {
        pass(*club);
    }
    for (SHistoryEntry& entry : d.history) {
        pass(entry.club);
    }
    return changed;
}

void CPlayer::SetFoot(int foot) {
    m_data.footAndForm =
        static_cast<std::uint8_t>((m_data.footAndForm & ~kFootMask) | ((foot & 0x07) << 3));
}

std::uint8_t CPlayer::Ability(int index) const {
    return index >= 0 && index < kAbilityCount ? m_data.abilities[static_cast<std::size_t>(index)]
                                               : std::uint8_t{0};
}

void CPlayer::SetAbility(int index, std::uint8_t value) {
    SetElement(m_data.abilities, index, value);
}
void CPlayer::SetShirtNumber(int slot, std::uint8_t number) {
    SetElement(m_data.shirtNumbers, slot, number);
}
void CPlayer::SetPosition(int slot, std::uint8_t code) {
    SetElement(m_data.positions, slot, code);
}
void CPlayer::SetLook(int index, std::uint8_t value) {
    SetElement(m_data.looks, index, value);
}
void CPlayer::SetCareerCounter(int index, std::int32_t value) {
    SetElement(m_data.careerCounters, index, value);
}
void CPlayer::SetFurtherCounter(int index, std::uint8_t value) {
    SetElement(m_data.furtherCounters, index, value);
}
void CPlayer::SetLanguageLevel(int slot, std::uint8_t level) {
    SetElement(m_data.languageLevels, slot, level);
}
void CPlayer::SetLanguage(int slot, std::uint8_t code) {
    SetElement(m_data.languages, slot, code);
}
void CPlayer::SetContractByte(int index, std::uint8_t value) {
    SetElement(m_data.contractBytes, index, value);
}
void CPlayer::SetStaffByte(int index, std::uint8_t value) {
    SetElement(m_data.staffBytes, index, value);
}
void CPlayer::SetNationalTeamByte(int index, std::uint8_t value) {
    SetElement(m_data.nationalTeamBytes, index, value);
}
void CPlayer::SetFurtherDate(int index, CDate date) {
    SetElement(m_data.furtherDates, index, date);
}

std::string CPlayer::ShortName() const {
    return kw::ShortName(m_data.firstName.View(), m_data.surname.View());
}

bool CPlayer::ClubExists(std::uint32_t club) const {
    const int country = ClubCountry(club);
    if (!m_world->IsLoaded() || country < 1 || country > kCountryCount) {
        return false;
    }
    return m_world->Country(country).Club(club) != nullptr;
}

void CPlayer::Normalise(int clubCountry) {
    SData& d = m_data;

    if (d.nickname.View().starts_with('?')) {
        d.nickname.Clear();
    }

    for (std::uint8_t& number : d.shirtNumbers) {
        if (number == 0) {
            number = static_cast<std::uint8_t>(2 + m_world->Random().Next() % 45);
        }
        number = std::clamp<std::uint8_t>(number, 1, 99);
    }

    if (d.nationality == 0 || d.nationality > kCountryCount) {
        d.nationality = static_cast<std::uint8_t>(clubCountry);
    }

    // Only one contract option holds, by precedence bit 5, 3, 2, 4. Bit 2 follows the national
    // team: it is set from the national-team byte and the second further date alone, while that
    // date is after 10 July 2005.
    std::uint8_t& options = d.contractBytes[3];
    int kept = -1;
    for (const int bit : {5, 3, 2, 4}) {
        if ((options & (1 << bit)) != 0) {
            kept = bit;
            break;
        }
    }
    options &= static_cast<std::uint8_t>(~kContractOptionMask);
    if (kept >= 0 && kept != 2) {
        options |= static_cast<std::uint8_t>(1 << kept);
    }
    const bool nationalTeamRunning =
        d.nationalTeamBytes[1] != 0 && d.furtherDates[1] > CDate::FromYmd(2005, 7, 10);
    if (nationalTeamRunning) {
        options |= kNationalTeamOption;
    }

    d.positions[0] = std::clamp<std::uint8_t>(d.positions[0], 1, kLastPosition);
    for (int slot = 1; slot < kPositionSlots; ++slot) {
        d.positions[slot] = std::min<std::uint8_t>(d.positions[slot], kLastPosition);
    }
    for (const int first : {0, 3}) {
        for (int slot = first + 1; slot < first + 3; ++slot) {
            for (int earlier = first; earlier < slot; ++earlier) {
                if (d.positions[slot] == d.positions[earlier]) {
                    d.positions[slot] = 0;
                }
            }
        }
    }

    for (std::uint8_t& ability : d.abilities) {
        ability = std::min(ability, kMaxAbility);
    }
    d.shoeType = std::min<std::uint8_t>(d.shoeType, 5);

    if (d.looks[look::kHeight] < 100) {
        d.looks[look::kHeight] = 180;
    }
    if (d.looks[look::kWeight] < 40) {
        d.looks[look::kWeight] = 75;
    }

    d.nationalExperience = std::clamp<std::int8_t>(d.nationalExperience, 0, 6);
    d.internationalExperience = std::clamp<std::int8_t>(d.internationalExperience, 0, 4);

    if (!ClubExists(d.currentClub)) {
        d.currentClub = 0;
    }
    if (!ClubExists(d.previousClub)) {
        d.previousClub = 0;
    }

    if (d.clubSince > kGameYear || d.clubSince < kEarliestClubYear) {
        d.clubSince = kEarliestClubYear;
    }
    if (d.contractUntil < kGameYear) {
        d.contractUntil = static_cast<std::uint16_t>(kGameYear);
    }
    if (d.contractUntil > kLatestContractYear) {
        d.contractUntil = kLatestContractYear;
    }

    for (std::uint8_t& level : d.languageLevels) {
        level = std::min<std::uint8_t>(level, 15);
    }
}

bool CPlayer::WriteClub(CKLFile& file, std::uint32_t club) const {
    // Through the compact numbering: a club that no longer exists is written as 0 in both lines.
    const std::uint32_t written = m_world->ExportClubId(club);
    return file.WriteNumber(static_cast<std::int32_t>(ClubCountry(written))) &&
           file.WriteNumber(static_cast<std::int32_t>(written));
}

bool CPlayer::Write(CKLFile& file) const {
    const SData& d = m_data;
    bool ok = file.BeginSection(kPlayerTag);
    ok &= file.WriteText(d.firstName.View()) && file.WriteText(d.surname.View()) &&
          file.WriteText(d.stageName.View()) && file.WriteText(d.nickname.View());
    ok &= file.WriteNumber(d.kind) && file.WriteNumber(d.teamFlag) &&
          file.WriteNumber(d.nationality) && file.WriteNumber(d.secondNationality) &&
          file.WriteNumber(d.origin);
    ok &= d.birthDate.Write(file);
    ok &= file.WriteNumber(d.footAndForm) && file.WriteNumber(d.status);
    ok &= file.WriteByteLines(d.positions.data(), kPositionSlots);
    ok &= file.WriteByteLines(d.abilities.data(), kAbilityCount);
    ok &= file.WriteNumber(d.roleCode) && file.WriteNumber(d.morale);
    ok &= file.WriteNumber(d.tacticalTraining);
    ok &= file.WriteByteLines(d.looks.data(), kLookCount);
    ok &= file.WriteNumber(d.nationalExperience) && file.WriteNumber(d.internationalExperience);
    ok &= file.WriteByteLines(d.shirtNumbers.data(), 2);
    ok &= file.WriteNumber(d.specialFace) && file.WriteNumber(d.secondExternal);
    ok &= WriteClub(file, d.currentClub) && WriteClub(file, d.previousClub);
    ok &= file.WriteNumber(d.clubSince) && file.WriteNumber(d.contractUntil);
    for (const std::int32_t counter : d.careerCounters) {
        ok &= file.WriteNumber(counter);
    }
    for (const std::uint8_t counter : d.furtherCounters) {
        ok &= file.WriteNumber(counter);
    }
    ok &= file.WriteByteLines(d.languageLevels.data(), kLanguageSlots);
    ok &= file.WriteByteLines(d.languages.data(), kLanguageSlots);
    ok &= WriteClub(file, d.firstClub) && WriteClub(file, d.fourthClub);
    ok &= file.WriteNumber(d.contractValue);
    for (const std::uint8_t value : d.contractBytes) {
        ok &= file.WriteNumber(value);
    }
    ok &= WriteClub(file, d.loanClub);
    ok &= d.contractStart.Write(file) && d.contractEnd.Write(file);
    ok &= file.WriteNumber(d.nationalTeamBytes[0]) && file.WriteNumber(d.nationalTeamBytes[1]);
    ok &= d.furtherDates[0].Write(file) && d.furtherDates[1].Write(file);
    ok &= file.WriteNumber(d.shoeType) && file.WriteNumber(d.sleeves);

    ok &= file.BeginSection(kHistoryTag);
    ok &= file.WriteNumber(static_cast<std::int32_t>(d.history.size()));
    for (const SHistoryEntry& entry : d.history) {
        ok &= file.WriteNumber(entry.kind) && WriteClub(file, entry.club) &&
              entry.from.Write(file) && entry.until.Write(file) && file.WriteNumber(entry.games) &&
              file.WriteNumber(entry.goals) && file.WriteNumber(entry.flag);
    }
    ok &= file.EndSection(kHistoryTag);

    ok &= file.WriteText(MultiLineToLine(d.note));
    ok &= file.WriteNumber(d.youthFlag);
    ok &= file.EndSection(kPlayerTag);
    return ok;
}

void CPlayer::ReadAbilities(CKLFile& file, bool oldLayout) {
    SData& d = m_data;
    if (!oldLayout) {
        file.ReadByteLines(d.abilities.data(), kAbilityCount);
        file.ReadNumber(d.roleCode);
        file.ReadNumber(d.morale);
        return;
    }
    // Four bytes that the current layout dropped, then the 30 values of the old ability set.
    std::array<std::uint8_t, 4> dropped{};
    std::array<std::uint8_t, kOldAbilityCount> old{};
    file.ReadByteLines(dropped.data(), static_cast<int>(dropped.size()));
    file.ReadByteLines(old.data(), kOldAbilityCount);

    // The abilities the old set lacks are all derived from the mapped ones.
    auto& a = d.abilities;
    for (std::size_t i = 0; i < kOldAbilityTargets.size(); ++i) {
        a[kOldAbilityTargets[i]] = old[i];
    }
    const auto average = [](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>((int{x} + int{y}) / 2);
    };
    a[11] = a[10];
    a[12] = average(a[2], a[5]);
    a[17] = std::max(a[1], a[4]);
    a[23] = a[15];
    a[22] = a[2];
    a[26] = average(a[20], a[13]);
    a[24] = a[20];
    a[27] = std::max(a[10], a[6]);
    a[28] = a[14];
    a[29] = std::max(a[27], a[13]);
    a[30] = a[20];
    a[31] = a[20];
    a[32] = kConsistencyOfOldRecords;
    a[kLeadership] = LeadershipFromBirthDate(d.birthDate);
    a[33] = a[26];

    // Old records know no role: one is drawn from those that suit the main position. The morale
    // keeps its value.
    const std::span<const std::uint8_t> roles = RoleCodesFor(d.positions[0]);
    d.roleCode = roles[static_cast<std::size_t>(m_world->Random().Next()) % roles.size()];
}

void CPlayer::ReadHistory(CKLFile& file) {
    if (!file.FindSection(kHistoryTag)) {
        return;
    }
    std::int32_t count = 0;
    file.ReadNumber(count);
    std::vector<SHistoryEntry> history;
    for (std::int32_t i = 0; i < count; ++i) {
        SHistoryEntry entry;
        // A count larger than the entries present ends at the first missing one instead of
        // filling memory with empty stations.
        if (!file.ReadNumber(entry.kind)) {
            break;
        }
        entry.club = ReadClubReference(file);
        entry.from = CDate::ReadHistory(file);
        entry.until = CDate::ReadHistory(file);
        file.ReadNumber(entry.games);
        file.ReadNumber(entry.goals);
        file.ReadNumber(entry.flag);
        // One station split over consecutive entries (same kind, club and flag state) is
        // joined; the sums stop at the largest count a 16-bit field holds.
        if (!history.empty()) {
            SHistoryEntry& last = history.back();
            if (last.kind == entry.kind && SameClub(last.club, entry.club) &&
                (last.flag != 0) == (entry.flag != 0)) {
                last.until = entry.until;
                last.games = AddCapped(last.games, entry.games);
                last.goals = AddCapped(last.goals, entry.goals);
                continue;
            }
        }
        history.push_back(entry);
    }
    file.SkipToSectionEnd(kHistoryTag);
    m_data.history = std::move(history);
}

bool CPlayer::Read(CKLFile& file) {
    if (!file.FindSection(kPlayerTag)) {
        return false;
    }
    const std::uint32_t major = RecordMajor(file.RecordVersion());
    const bool oldLayout = major < kCurrentLayoutMajor;
    SData& d = m_data;

    ReadName(file, d.firstName, true);
    ReadName(file, d.surname, true);
    ReadName(file, d.stageName, true);
    ReadName(file, d.nickname, true);
    file.ReadNumber(d.kind);
    file.ReadNumber(d.teamFlag);
    file.ReadNumber(d.nationality);
    file.ReadNumber(d.secondNationality);
    file.ReadNumber(d.origin);
    d.birthDate = CDate::Read(file);

    file.ReadNumber(d.footAndForm);
    if (oldLayout) {
        d.footAndForm = ConvertOldFoot(d.footAndForm);
    }
    d.footAndForm = ValidFootAndForm(d.footAndForm);
    file.ReadNumber(d.status);

    file.ReadByteLines(d.positions.data(), kPositionSlots);
    ReadAbilities(file, oldLayout);
    file.ReadNumber(d.tacticalTraining);

    if (oldLayout) {
        // Old records hold one more byte behind the hair colour.
        std::uint8_t dropped = 0;
        file.ReadNumber(d.looks[0]);
        file.ReadNumber(dropped);
        file.ReadByteLines(d.looks.data() + 1, kLookCount - 1);
    } else {
        file.ReadByteLines(d.looks.data(), kLookCount);
    }
    file.ReadNumber(d.nationalExperience);
    file.ReadNumber(d.internationalExperience);
    file.ReadByteLines(d.shirtNumbers.data(), 2);
    file.ReadNumber(d.specialFace);
    if (!oldLayout) {
        file.ReadNumber(d.secondExternal);
    }

    d.currentClub = ReadClubIdLine(file);
    d.previousClub = ReadClubIdLine(file);
    file.ReadNumber(d.clubSince);
    file.ReadNumber(d.contractUntil);
    for (std::int32_t& counter : d.careerCounters) {
        file.ReadNumber(counter);
    }
    for (std::uint8_t& counter : d.furtherCounters) {
        file.ReadNumber(counter);
    }
    file.ReadByteLines(d.languageLevels.data(), kLanguageSlots);
    file.ReadByteLines(d.languages.data(), kLanguageSlots);
    d.firstClub = ReadClubReference(file);
    d.fourthClub = ReadClubReference(file);
    file.ReadNumber(d.contractValue);
    for (std::uint8_t& value : d.contractBytes) {
        file.ReadNumber(value);
    }
    d.loanClub = ReadClubReference(file);
    d.contractStart = CDate::Read(file);
    d.contractEnd = CDate::Read(file);
    file.ReadNumber(d.nationalTeamBytes[0]);
    file.ReadNumber(d.nationalTeamBytes[1]);
    if (d.nationalTeamBytes[1] != 0) {
        d.nationalTeamBytes[0] |= 0x04;
    }
    // These two are unset by default: the history reader keeps "no date" for a missing section,
    // where the clamping reader would make it 1 January 2000.
    d.furtherDates[0] = CDate::ReadHistory(file);
    d.furtherDates[1] = CDate::ReadHistory(file);
    file.ReadNumber(d.shoeType);
    file.ReadNumber(d.sleeves);

    if (major >= kHistoryMajor) {
        ReadHistory(file);
    }
    if (major >= kNoteMajor) {
        std::string line;
        if (file.ReadLine(line)) {
            d.note = MultiLineFromLine(line);
        }
    }
    if (oldLayout) {
        d.youthFlag = 0;
    } else {
        file.ReadNumber(d.youthFlag);
    }
    file.SkipToSectionEnd(kPlayerTag);
    return true;
}

bool CPlayer::WriteStaff(CKLFile& file) const {
    const SData& d = m_data;
    bool ok = file.BeginSection(kStaffTag);
    ok &= file.WriteText(d.firstName.View()) && file.WriteText(d.surname.View());
    ok &= file.WriteNumber(d.kind);
    ok &= d.birthDate.Write(file);
    ok &= file.WriteNumber(d.nationality);
    ok &= file.WriteNumber(d.staffBytes[1]) && file.WriteNumber(d.staffBytes[0]);
    ok &= file.WriteByteLines(d.languageLevels.data(), kLanguageSlots);
    ok &= file.WriteByteLines(d.languages.data(), kLanguageSlots);
    ok &= file.WriteNumber(d.contractBytes[0]) && file.WriteNumber(d.staffBytes[2]) &&
          file.WriteNumber(d.contractBytes[1]);
    ok &= file.EndSection(kStaffTag);
    return ok;
}

bool CPlayer::ReadStaff(CKLFile& file) {
    if (!file.FindSection(kStaffTag)) {
        return false;
    }
    SData& d = m_data;
    ReadName(file, d.firstName, false);
    ReadName(file, d.surname, false);
    file.ReadNumber(d.kind);
    d.birthDate = CDate::Read(file);
    file.ReadNumber(d.nationality);
    file.ReadNumber(d.staffBytes[1]);
    file.ReadNumber(d.staffBytes[0]);
    file.ReadByteLines(d.languageLevels.data(), kLanguageSlots);
    file.ReadByteLines(d.languages.data(), kLanguageSlots);
    file.ReadNumber(d.contractBytes[0]);
    file.ReadNumber(d.staffBytes[2]);
    file.ReadNumber(d.contractBytes[1]);
    if (static_cast<std::int8_t>(d.contractBytes[1]) < 0) {
        d.origin |= kStaffOriginBit;
    }
    file.SkipToSectionEnd(kStaffTag);
    return true;
}

}  // namespace kw
