#include "demo/DemoPersons.h"

#include <algorithm>
#include <array>
#include <string>

#include "demo/DemoNames.h"
#include "demo/DemoNations.h"
#include "demo/DemoRandom.h"
#include "demo/DemoTableData.h"
#include "model/Club.h"
#include "model/Date.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"

namespace kw::demo {

namespace {

constexpr int kStaffKinds = 18;
constexpr int kFirstGoalkeepingAbility = 35;
constexpr std::uint8_t kLoanOption = 0x20;

// Where a player of each main position may also play.
const std::vector<int>& RelatedPositions(int position) {
    static const std::array<std::vector<int>, kLastPosition + 1> related = {{
        {},
        {},
        {4, 6, 10},    // RB
        {4, 7, 11},    // LB
        {5, 2, 3, 9},  // CD
        {4, 8},        // SW
        {2, 10, 13},   // RWB
        {3, 11, 14},   // LWB
        {9, 4, 12},    // ANC
        {8, 12, 4},    // DM
        {13, 12, 6},   // RM
        {14, 12, 7},   // LM
        {9, 15, 10},   // CM
        {10, 16, 15},  // RW
        {11, 16, 15},  // LW
        {12, 16, 17},  // AM
        {17, 15, 13},  // CF
        {16, 15, 14},  // ST
    }};
    return related[static_cast<std::size_t>(position)];
}

// The role codes that fit a main position.
const std::vector<int>& RoleCodes(int position) {
    static const std::vector<int> keepers = {1, 2, 4, 5};
    static const std::vector<int> fullBacks = {1, 2, 3, 4, 5};
    static const std::vector<int> wide = {9, 10, 11, 12, 13};
    static const std::vector<int> central = {6, 7, 9, 10, 11, 12, 5};
    static const std::vector<int> forwards = {14, 15, 16, 17, 18, 20, 21, 19};
    switch (position) {
        case 2:
        case 3:
        case 6:
        case 7:
            return fullBacks;
        case 10:
        case 11:
            return wide;
        case 9:
        case 12:
        case 15:
            return central;
        case 13:
        case 14:
        case 16:
        case 17:
            return forwards;
        default:
            return keepers;
    }
}

// The day drawn first, then the month, then whether the birthday is still to come: the order
// the demo installation has always been drawn in.
CDate BirthDate(int age, CDemoRandom& random) {
    const int day = random.Between(1, 28);
    const int month = random.Between(1, 12);
    const int year = kGameYear - age - (random.Chance(50) ? 1 : 0);
    return CDate::FromYmd(year, month, day);
}

int Talent(int age, CDemoRandom& random) {
    const int roll = random.Between(0, 99) + (age <= 21 ? 20 : age >= 30 ? -25 : 0);
    return roll < 45 ? 0 : roll < 70 ? 1 : roll < 85 ? 2 : roll < 95 ? 3 : 4;
}

void SetAbilities(CPlayer& player, const SPlayerProfile& profile, CDemoRandom& random) {
    const bool keeper = profile.position == position::kGoalkeeper;
    // The young are not yet at their best, the old lose pace and stamina.
    const int ageShift = profile.age < 21 ? (profile.age - 21) * 3 : 0;
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        const int weight = PositionWeight(profile.position, ability);
        int value = profile.strength + ageShift + (weight - 2) * 4 + random.Between(-8, 8);
        if (!keeper && ability >= kFirstGoalkeepingAbility) {
            value = random.Between(5, 30);
        } else if (keeper && weight == 0) {
            value -= 20;
        }
        if (profile.age > 31 && (ability == 18 || ability == 19 || ability == 20)) {
            value -= (profile.age - 31) * 3;
        }
        player.SetAbility(ability, static_cast<std::uint8_t>(std::clamp(value, 5, 99)));
    }
}

void SetPositions(CPlayer& player, int main, CDemoRandom& random) {
    player.SetPosition(0, static_cast<std::uint8_t>(main));
    const std::vector<int>& related = RelatedPositions(main);
    if (related.empty()) {
        return;
    }
    if (random.Chance(30)) {
        player.SetPosition(1, static_cast<std::uint8_t>(related[0]));
    }
    const int secondary =
        random.Between(0, static_cast<int>(std::min<std::size_t>(related.size(), 3)) - 1);
    for (int slot = 0; slot <= secondary; ++slot) {
        player.SetPosition(3 + slot,
                           static_cast<std::uint8_t>(related[static_cast<std::size_t>(slot)]));
    }
}

void SetLooks(CPlayer& player, const SPlayerProfile& profile, CDemoRandom& random) {
    const int height = random.Around(profile.position == position::kGoalkeeper ? 189 : 181, 12);
    player.SetLook(look::kHairColour, static_cast<std::uint8_t>(random.Between(1, 5)));
    player.SetLook(look::kFace, static_cast<std::uint8_t>(random.Between(1, 8)));
    player.SetLook(look::kHairCut, static_cast<std::uint8_t>(random.Between(
                                       1, static_cast<int>(HairStyleTable().size()))));
    player.SetLook(look::kBeard,
                   static_cast<std::uint8_t>(random.Chance(60) ? 1 : random.Between(2, 6)));
    player.SetLook(look::kHeight, static_cast<std::uint8_t>(height));
    player.SetLook(look::kWeight, static_cast<std::uint8_t>(height - 105 + random.Between(-6, 8)));
}

// Career stations before the current club, each at another club than the one before.
void SetCareer(CPlayer& player, const SPlayerProfile& profile, int since, CDemoRandom& random) {
    std::vector<std::uint32_t> stations;
    const int count = profile.formerClubs == nullptr || profile.formerClubs->empty()
                          ? 0
                          : std::clamp((profile.age - 19) / 4, 0, 4);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t club = random.Pick(*profile.formerClubs);
        const std::uint32_t before = stations.empty() ? 0 : stations.back();
        if (club != profile.club && club != before) {
            stations.push_back(club);
        }
    }
    int year = std::max(kGameYear - profile.age + 18, 1980);
    const int end = profile.club != 0 ? since : kGameYear;
    const int span =
        stations.empty() ? 0 : std::max(1, (end - year) / static_cast<int>(stations.size()));
    for (std::size_t i = 0; i < stations.size(); ++i) {
        SHistoryEntry entry;
        entry.club = stations[i];
        entry.flag = random.Chance(10) ? 1 : 0;
        entry.from = CDate::FromYmd(year, 7, 1);
        year = std::min(year + span, end);
        entry.until = CDate::FromYmd(year, 6, 30);
        entry.games = static_cast<std::uint16_t>(random.Between(5, 30) * span);
        entry.goals = static_cast<std::uint16_t>(
            entry.games *
            (profile.position >= 13 ? random.Between(20, 50) : random.Between(0, 10)) / 100);
        player.History().push_back(entry);
    }
    if (profile.club != 0) {
        SHistoryEntry current;
        current.club = profile.club;
        current.from = CDate::FromYmd(since, 7, 1);
        current.until = CDate::FromYmd(kGameYear, 6, 30);
        current.games = static_cast<std::uint16_t>(random.Between(0, 34) * (kGameYear - since));
        player.History().push_back(current);
    }
    if (!stations.empty()) {
        player.SetFirstClub(stations.front());
        player.SetPreviousClub(stations.back());
    } else if (profile.club != 0) {
        player.SetFirstClub(profile.club);
    }
}

void SetContract(CPlayer& player, const SPlayerProfile& profile, int since, CDemoRandom& random) {
    player.SetClubSince(static_cast<std::uint16_t>(since));
    // The latest year a contract may run to; earlier years move up to the current one on load.
    player.SetContractUntil(2015);
    player.SetContractStart(CDate::FromYmd(since, 7, 1));
    player.SetContractEnd(CDate::FromYmd(kGameYear + random.Between(0, 4), 6, 30));
    player.SetContractValue(profile.strength * profile.strength * random.Between(20, 60));
    player.SetContractByte(0, static_cast<std::uint8_t>(random.Between(0, 3)));
    if (profile.club != 0 && profile.formerClubs != nullptr && !profile.formerClubs->empty() &&
        profile.age < 24 && random.Chance(8)) {
        const std::uint32_t loan = random.Pick(*profile.formerClubs);
        if (loan != profile.club) {
            player.SetLoanClub(loan);
            player.SetContractByte(3, kLoanOption);
        }
    }
}

// The country the player plays in: his club's, or his own without club.
int CountryOfPlay(const SPlayerProfile& profile) {
    return profile.club != 0 ? ClubCountry(profile.club) : profile.nationality;
}

}  // namespace

void FillPlayer(CPlayer& player, const SPlayerProfile& profile, CDemoRandom& random) {
    player.Reset(0, profile.nationality);
    const SPersonName name = PersonName(profile.nationality, random);
    player.SetFirstName(name.firstName);
    player.SetSurname(name.surname);
    if (random.Chance(3)) {
        player.SetNickname(name.surname.substr(0, 4) + "i");
    }
    player.SetBirthDate(BirthDate(profile.age, random));
    const int talent = Talent(profile.age, random);
    const int foot = random.Chance(10) ? 0 : random.Chance(72) ? 1 : 2;
    player.SetFootAndForm(static_cast<std::uint8_t>(talent | (foot << 3)));
    SetPositions(player, profile.position, random);
    SetAbilities(player, profile, random);
    player.SetRoleCode(static_cast<std::uint8_t>(random.Pick(RoleCodes(profile.position))));
    player.SetMorale(static_cast<std::uint8_t>(random.Between(60, 100)));
    player.SetTacticalTraining(random.Between(0, 100));
    player.SetNationalExperience(static_cast<std::int8_t>(
        std::clamp((profile.strength - 45) / 6 + profile.age / 12 - 2, 0, 6)));
    player.SetInternationalExperience(
        static_cast<std::int8_t>(std::clamp((profile.strength - 55) / 7, 0, 4)));
    SetLooks(player, profile, random);
    player.SetCurrentClub(profile.club);
    const int since =
        profile.club != 0
            ? std::max(kGameYear - random.Between(0, std::max(0, profile.age - 17)), 1980)
            : kGameYear;
    SetCareer(player, profile, since, random);
    SetContract(player, profile, since, random);
    player.SetCareerCounter(0, random.Between(0, profile.age > 24 ? 40 : 5));
    player.SetCareerCounter(1, random.Between(0, 3));
    player.SetCareerCounter(2, random.Between(0, 60));
    player.SetFurtherCounter(0, static_cast<std::uint8_t>(random.Between(0, 4)));
    player.SetFurtherCounter(1, static_cast<std::uint8_t>(random.Between(0, 20)));
    player.SetLanguageLevel(0, 15);
    if (random.Chance(25)) {
        player.SetLanguage(1, static_cast<std::uint8_t>(random.Between(1, 45)));
        player.SetLanguageLevel(1, static_cast<std::uint8_t>(random.Between(3, 12)));
    }
    // Some foreigners have taken the nationality of the country they play in.
    if (profile.nationality != CountryOfPlay(profile) && random.Chance(20)) {
        player.SetSecondNationality(static_cast<std::uint8_t>(CountryOfPlay(profile)));
    }
    player.SetShoeType(
        static_cast<std::uint8_t>(random.Between(1, static_cast<int>(ShoeTable().size()))));
    // A few of the best have a face of their own.
    if (profile.strength > 78 && random.Chance(20)) {
        player.SetSpecialFace(kFirstFaceId + random.Between(0, kFaceCount - 1));
    }
    player.SetSleeves(static_cast<std::uint8_t>(random.Chance(15) ? 1 : 0));
    player.SetYouthFlag(static_cast<std::uint8_t>(profile.age <= 18 ? 1 : 0));
}

void FillSquad(CWorld& world, CClub& club, int size, int strength,
               const std::vector<std::uint32_t>& countryClubs, CDemoRandom& random) {
    const int country = club.Country();
    const int keepers = size >= 26 ? 3 : 2 + (random.Chance(50) ? 1 : 0);
    const int defenders = size * 33 / 100;
    const int forwards = size * 20 / 100;
    static const std::vector<int> defence = {2, 3, 4, 4, 4, 5, 6, 7};
    static const std::vector<int> midfield = {8, 9, 10, 11, 12, 12, 15, 15};
    static const std::vector<int> attack = {13, 14, 16, 17, 17};
    std::vector<int> shirts;
    for (int number = 2; number <= 40; ++number) {
        shirts.push_back(number);
    }
    for (std::size_t i = shirts.size(); i > 1; --i) {
        std::swap(shirts[i - 1],
                  shirts[static_cast<std::size_t>(random.Between(0, static_cast<int>(i) - 1))]);
    }
    const int foreignPercent = 8 + strength / 5;
    for (int i = 0; i < size; ++i) {
        SPlayerProfile profile;
        profile.position = i < keepers               ? position::kGoalkeeper
                           : i < keepers + defenders ? random.Pick(defence)
                           : i < size - forwards     ? random.Pick(midfield)
                                                     : random.Pick(attack);
        profile.age = std::clamp(random.Around(26, 10), 16, 37);
        profile.strength = std::clamp(strength + random.Between(-8, 8), 20, 90);
        profile.nationality = country;
        if (random.Chance(foreignPercent)) {
            profile.nationality = random.Between(1, static_cast<int>(Nations().size()));
        }
        profile.club = club.Id();
        profile.formerClubs = &countryClubs;
        CPlayer& player = world.CreatePerson(0, true);
        FillPlayer(player, profile, random);
        const int shirt = i == 0 ? 1 : shirts[static_cast<std::size_t>(i - 1) % shirts.size()];
        player.SetShirtNumber(0, static_cast<std::uint8_t>(shirt));
        player.SetShirtNumber(1, static_cast<std::uint8_t>(shirt));
        // The youngest of a big squad play in the second team.
        if (size >= 28 && profile.age <= 19) {
            player.SetTeamFlag(1);
        }
        club.AddPerson(player);
    }
}

void FillStaff(CWorld& world, CClub& club, int level, CDemoRandom& random) {
    const int country = club.Country();
    const int extraChance = level == 0 ? 30 : level == 1 ? 10 : 3;
    for (int kind = 1; kind <= kStaffKinds; ++kind) {
        if (kind > 3 && !random.Chance(extraChance)) {
            continue;
        }
        const int nationality =
            random.Chance(85) ? country : random.Between(1, static_cast<int>(Nations().size()));
        CPlayer& person = world.CreatePerson(0, true);
        person.Reset(kind, nationality);
        const SPersonName name = PersonName(nationality, random);
        person.SetFirstName(name.firstName);
        person.SetSurname(name.surname);
        const int age = kind == 3 ? random.Between(45, 75) : random.Between(30, 68);
        person.SetBirthDate(BirthDate(age, random));
        person.SetStaffByte(0, static_cast<std::uint8_t>(random.Between(0, 15)));
        person.SetStaffByte(1, static_cast<std::uint8_t>(random.Between(0, 15)));
        person.SetStaffByte(2, static_cast<std::uint8_t>(random.Between(0, 7)));
        person.SetLanguageLevel(0, 15);
        person.SetContractByte(0, static_cast<std::uint8_t>(random.Between(0, 3)));
        person.SetContractByte(1, static_cast<std::uint8_t>(random.Between(0, 7)));
        club.AddPerson(person);
    }
}

}  // namespace kw::demo
