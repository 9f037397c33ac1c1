#include "tools/AdminSquadTools.h"

#include <utility>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Date.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::uint8_t kFirstYellowShoe = 5;
constexpr std::uint8_t kBlackShoe = 2;
constexpr std::int32_t kUntrained = 0;
constexpr std::int32_t kTrained = 3;
constexpr std::int8_t kLastKeptKind = 3;  // trainer, manager, president

const CClub* ClubToChange(const CWorld& world, std::uint32_t clubId) {
    const int country = ClubCountry(clubId);
    if (country < 1 || country > kCountryCount || IsNationalTeam(clubId)) {
        return nullptr;
    }
    return world.Country(country).Club(clubId);
}

template <typename Visit>
void ForEachMember(const CWorld& world, const CClub& club, Visit visit) {
    for (const std::uint32_t id : club.PersonIds()) {
        if (const CPlayer* person = world.Person(id)) {
            visit(*person);
        }
    }
}

bool ClubHasMatch(const CWorld& world, const CClub& club, const SMemberChange& change) {
    bool found = false;
    ForEachMember(world, club,
                  [&](const CPlayer& person) { found = found || change.applies(person); });
    return found;
}

int ChangeMembersOf(CWorld& world, const CClub& club, const SMemberChange& change) {
    int changed = 0;
    for (const std::uint32_t id : club.PersonIds()) {
        CPlayer* person = world.Person(id);
        if (person != nullptr && change.applies(*person)) {
            change.apply(*person);
            ++changed;
        }
    }
    return changed;
}

}  // namespace

std::vector<int> AllCountries() {
    std::vector<int> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        countries.push_back(number);
    }
    return countries;
}

std::vector<int> CountriesToChange(const CWorld& world, const std::vector<int>& countries,
                                   const SMemberChange& change) {
    std::vector<int> found;
    for (const int number : countries) {
        for (const auto& entry : world.Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam() && ClubHasMatch(world, *entry.second, change)) {
                found.push_back(number);
                break;
            }
        }
    }
    return found;
}

int ChangeMembers(CWorld& world, const std::vector<int>& countries, const SMemberChange& change) {
    int changed = 0;
    for (const int number : countries) {
        for (const auto& entry : world.Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                changed += ChangeMembersOf(world, *entry.second, change);
            }
        }
    }
    return changed;
}

int ChangeClubMembers(CWorld& world, std::uint32_t clubId, const SMemberChange& change) {
    const CClub* club = ClubToChange(world, clubId);
    return club == nullptr ? 0 : ChangeMembersOf(world, *club, change);
}

SMemberChange YellowShoesToBlack() {
    return {[](const CPlayer& person) { return person.ShoeType() >= kFirstYellowShoe; },
            [](CPlayer& person) { person.SetShoeType(kBlackShoe); }};
}

SMemberChange TacticalTrainingZeroToThree() {
    return {[](const CPlayer& person) {
                return person.IsPlayer() && person.TacticalTraining() == kUntrained;
            },
            [](CPlayer& person) { person.SetTacticalTraining(kTrained); }};
}

SMemberChange PlaceholderBirthDates() {
    return {[](const CPlayer& person) {
                const CDate born = person.BirthDate();
                return born == CDate::FromYmd(1900, 1, 1) || born == CDate::FromYmd(1920, 1, 1);
            },
            [](CPlayer& person) { person.SetBirthDate(CDate::FromYmd(1980, 1, 1)); }};
}

int ChangeMembers(CDatabaseDocument& document, std::string description,
                  const std::vector<int>& countries, const SMemberChange& change) {
    std::vector<int> scope = CountriesToChange(document.World(), countries, change);
    if (scope.empty()) {
        return 0;
    }
    int changed = 0;
    document.Perform(std::move(description), SWorldScope::Countries(scope),
                     [&scope, &change, &changed](CWorld& world) {
                         changed = ChangeMembers(world, scope, change);
                         return changed > 0;
                     });
    return changed;
}

int ChangeClubMembers(CDatabaseDocument& document, std::string description, std::uint32_t clubId,
                      const SMemberChange& change) {
    const CClub* club = ClubToChange(document.World(), clubId);
    if (club == nullptr || !ClubHasMatch(document.World(), *club, change)) {
        return 0;
    }
    int changed = 0;
    document.Perform(std::move(description), SWorldScope::Countries({ClubCountry(clubId)}),
                     [clubId, &change, &changed](CWorld& world) {
                         changed = ChangeClubMembers(world, clubId, change);
                         return changed > 0;
                     });
    return changed;
}

bool IsRemovableStaff(const CPlayer& person) {
    return person.Kind() > kLastKeptKind;
}

int RemoveStaff(CWorld& world) {
    int removed = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            CClub& club = *entry.second;
            if (club.IsNationalTeam()) {
                continue;
            }
            // From the end, as the squad closes its gaps.
            const std::vector<std::uint32_t> ids = club.PersonIds();
            for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
                const CPlayer* person = world.Person(*id);
                if (person != nullptr && IsRemovableStaff(*person)) {
                    club.RemovePerson(*id);
                    world.RemovePerson(*id);
                    ++removed;
                }
            }
        }
    }
    CWithoutClubList& without = world.WithoutClub();
    for (int index = without.Count() - 1; index >= 0; --index) {
        const CPlayer* person = without.At(index);
        if (person != nullptr && IsRemovableStaff(*person)) {
            const std::uint32_t id = person->Id();
            without.RemoveAt(index);
            world.RemovePerson(id);
            ++removed;
        }
    }
    return removed;
}

int RemoveStaff(CDatabaseDocument& document, std::string description) {
    const CWorld& world = document.World();
    const SMemberChange removable{IsRemovableStaff, [](CPlayer&) {}};
    SWorldScope scope = SWorldScope::Countries(CountriesToChange(world, AllCountries(), removable));
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        const CPlayer* person = world.Person(id);
        scope.withoutClub = scope.withoutClub || (person != nullptr && IsRemovableStaff(*person));
    }
    if (scope.countries.empty() && !scope.withoutClub) {
        return 0;
    }
    int removed = 0;
    document.Perform(std::move(description), std::move(scope), [&removed](CWorld& live) {
        removed = RemoveStaff(live);
        return removed > 0;
    });
    return removed;
}

}  // namespace kw
