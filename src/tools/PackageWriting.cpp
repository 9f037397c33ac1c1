#include "tools/PackageWriting.h"

#include <algorithm>
#include <functional>
#include <set>
#include <unordered_map>

#include "editing/LeagueComposition.h"
#include "editing/SquadCommands.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/PlayerPool.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "tools/DumpIdentities.h"

namespace kw {

namespace {

using Json = DumpJson;
using Resolver = std::function<Json(const Json&)>;
using Labels = std::unordered_map<std::string, std::uint32_t>;

// A club reference the world does not know as an identity: a pool entry's "create a club", the
// one the dump writes as a number, else none.
Json ResolveNumber(const Json& label) {
    return label == std::to_string(CPoolEntry::kCreateAClub) ? Json(CPoolEntry::kCreateAClub)
                                                             : Json(0);
}

class CPackageWriter {
public:
    CPackageWriter(const SChangePackage& package, const SPackagePlan& plan,
                   const SResolution& resolution)
        : m_package(package), m_plan(plan), m_resolution(resolution) {}

    void Write(CWorld& world) {
        const std::map<SRecordRef, SPatch> patches = Patches();
        RemovePersons(world);
        SetNames(world, patches);
        const std::map<std::string, std::uint32_t> created = CreateClubs(world);
        const Labels labels = LiveLabels(world);
        const Resolver resolve = [&labels](const Json& value) -> Json {
            if (!value.is_string()) {
                return value;
            }
            const auto found = labels.find(value.get<std::string>());
            return found != labels.end() ? Json(found->second) : ResolveNumber(value);
        };
        FillCreatedClubs(world, created, resolve);
        for (const auto& [record, patch] : patches) {
            WriteRecord(world, record, patch, resolve);
        }
        Transfers(world, labels);
        AddRecords(world, resolve, labels);
        RemoveRecords(world);
    }

private:
    // A record's values with the taken field changes put in, and the fields they touch.
    struct SPatch {
        Json values;
        std::set<std::string> fields;
    };

    bool Taken(std::size_t i) const { return m_plan.outcomes[i].take; }

    std::map<SRecordRef, SPatch> Patches() const {
        std::map<SRecordRef, SPatch> patches;
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            const auto values = m_resolution.records.find(m_resolution.changes[i].record);
            if (change.change != EChange::kField || !Taken(i) ||
                values == m_resolution.records.end()) {
                continue;
            }
            auto entry = patches.try_emplace(values->first, SPatch{values->second, {}}).first;
            const auto path = ParseFieldPath(change.field);
            if (Json* value = ValueAtPath(entry->second.values, *path)) {
                *value = change.newValue;
                entry->second.fields.insert(path->front().key);
            }
        }
        return patches;
    }

    void RemovePersons(CWorld& world) {
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            if (change.change != EChange::kRemoved || change.kind != EPackageRecord::kPerson ||
                !Taken(i)) {
                continue;
            }
            const std::uint32_t person = m_resolution.changes[i].record.id;
            const std::uint32_t holder = m_resolution.changes[i].holder;
            if (holder == 0) {
                DeleteWithoutClub(world, person);
            } else if (CClub* club = FindLiveClub(world, holder)) {
                RemovePersonFromClub(world, *club, person, EPersonRemoval::kDelete);
            }
        }
    }

    // The clubs' new names first: the values name clubs by them.
    void SetNames(CWorld& world, const std::map<SRecordRef, SPatch>& patched) {
        for (const auto& [record, patch] : patched) {
            if (record.kind == EPackageRecord::kClub && patch.fields.contains("names")) {
                if (CClub* club = FindLiveClub(world, record.id)) {
                    SetRecordFields(*club, ClubFields(), Json{{"names", patch.values["names"]}});
                }
            }
        }
    }

    std::map<std::string, std::uint32_t> CreateClubs(CWorld& world) {
        std::map<std::string, std::uint32_t> created;
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            if (change.change != EChange::kAdded || change.kind != EPackageRecord::kClub ||
                !Taken(i)) {
                continue;
            }
            if (CClub* club = world.Country(change.country).CreateClub()) {
                SetRecordFields(*club, ClubFields(), Json{{"names", change.fields["names"]}});
                created[StringField(change.record, "club")] = club->Id();
            }
        }
        return created;
    }

    // Every club's identity in the world as it is now, to its id.
    static std::unordered_map<std::string, std::uint32_t> LiveLabels(const CWorld& world) {
        const CDumpIdentities identities(world);
        std::unordered_map<std::string, std::uint32_t> labels;
        for (int number = 1; number <= kCountryCount; ++number) {
            std::uint32_t next = 1;
            for (const auto& [id, club] : world.Country(number).Clubs()) {
                const std::uint32_t compact = IsNationalTeam(id) ? id : MakeClubId(number, next++);
                const std::string label = identities.Club(compact);
                labels[label] = id;
                labels[label + " (2)"] = id | kSecondTeamFlag;
            }
        }
        return labels;
    }

    void FillCreatedClubs(CWorld& world, const std::map<std::string, std::uint32_t>& created,
                          const Resolver& resolve) {
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            const auto found = created.find(StringField(change.record, "club"));
            if (change.change != EChange::kAdded || change.kind != EPackageRecord::kClub ||
                !Taken(i) || found == created.end()) {
                continue;
            }
            CClub* club = world.Country(change.country).Club(found->second);
            SetRecordFields(
                *club, ClubFields(),
                MapClubReferences(RecordType(ERecordKind::kClub), change.fields, resolve));
            // In the order of their places, so that each takes the place it had.
            std::vector<SLeaguePlace> leagues = m_resolution.changes[i].leagues;
            std::sort(leagues.begin(), leagues.end(),
                      [](const SLeaguePlace& a, const SLeaguePlace& b) {
                          return a.position < b.position;
                      });
            for (const SLeaguePlace& league : leagues) {
                PlaceTeam(world, league.competition,
                          club->Id() | (league.reserve ? kSecondTeamFlag : 0), league.position);
            }
        }
    }

    void WriteRecord(CWorld& world, const SRecordRef& record, const SPatch& patch,
                     const Resolver& resolve) {
        Json touched = Json::object();
        for (const std::string& field : patch.fields) {
            touched[field] = patch.values[field];
        }
        const ERecordKind kind = *FieldKindOf(record.kind);
        const Json resolved = MapClubReferences(RecordType(kind), touched, resolve);
        switch (record.kind) {
            case EPackageRecord::kCountry:
                SetRecordFields(world.Country(record.country), CountryFields(), resolved);
                break;
            case EPackageRecord::kRules:
                SetRecordFields(world.Rules(), RulesFields(), resolved);
                break;
            case EPackageRecord::kClub:
                if (CClub* club = FindLiveClub(world, record.id)) {
                    SetRecordFields(*club, ClubFields(), resolved);
                }
                break;
            case EPackageRecord::kPerson:
                if (CPlayer* person = world.Person(record.id)) {
                    SetRecordFields(*person, PersonFields(), resolved);
                }
                break;
            case EPackageRecord::kManager:
                if (CManager* manager = world.Manager(record.id)) {
                    SetRecordFields(*manager, ManagerFields(), resolved);
                }
                break;
            case EPackageRecord::kReferee:
                SetRecordFields(world.Country(record.country).Referees().at(record.index),
                                RefereeFields(), resolved);
                break;
            case EPackageRecord::kStadium:
                SetRecordFields(world.Country(record.country).Stadiums().at(record.index),
                                StadiumFields(), resolved);
                break;
            case EPackageRecord::kCompetition:
                break;
        }
    }

    void Transfers(CWorld& world, const Labels& labels) {
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            if (change.change != EChange::kTransfer || !Taken(i)) {
                continue;
            }
            const SResolved& resolved = m_resolution.changes[i];
            const std::uint32_t person = resolved.record.id;
            CClub* from = resolved.holder == 0 ? nullptr : FindLiveClub(world, resolved.holder);
            CClub* to = nullptr;
            if (resolved.target.is_string()) {
                const auto found = labels.find(resolved.target.get<std::string>());
                to = found == labels.end() ? nullptr : FindLiveClub(world, found->second);
                if (to == nullptr) {
                    continue;
                }
            }
            if (from != nullptr && to != nullptr) {
                MovePersonBetweenClubs(world, person, *from, *to, std::nullopt);
            } else if (from != nullptr) {
                RemovePersonFromClub(world, *from, person, EPersonRemoval::kWithoutClub);
            } else if (to != nullptr) {
                MoveWithoutClubToClub(world, person, *to);
            }
        }
    }

    void AddRecords(CWorld& world, const Resolver& resolve, const Labels& labels) {
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            if (change.change != EChange::kAdded || change.kind == EPackageRecord::kClub ||
                !Taken(i)) {
                continue;
            }
            const Json fields =
                MapClubReferences(RecordType(*FieldKindOf(change.kind)), change.fields, resolve);
            CCountry& country = world.Country(std::max(change.country, 1));
            if (change.kind == EPackageRecord::kPerson) {
                AddPerson(world, m_resolution.changes[i].target, fields, labels);
            } else if (change.kind == EPackageRecord::kManager) {
                SetRecordFields(*world.Manager(country.AddManager()), ManagerFields(), fields);
            } else if (change.kind == EPackageRecord::kReferee) {
                CReferee referee;
                SetRecordFields(referee, RefereeFields(), fields);
                country.Referees().push_back(referee);
            }
        }
    }

    static void AddPerson(CWorld& world, const Json& holder, const Json& fields,
                          const Labels& labels) {
        CClub* club = nullptr;
        if (holder.is_string()) {
            const auto found = labels.find(holder.get<std::string>());
            club = found == labels.end() ? nullptr : FindLiveClub(world, found->second);
            if (club == nullptr || !HasRoomForPerson(*club)) {
                return;
            }
        }
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        SetRecordFields(person, PersonFields(), fields);
        if (club != nullptr) {
            club->AddPerson(person);
        } else {
            world.WithoutClub().Append(person);
        }
    }

    void RemoveRecords(CWorld& world) {
        std::map<int, std::vector<std::size_t>> referees;
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            if (change.change != EChange::kRemoved || !Taken(i)) {
                continue;
            }
            const SRecordRef& record = m_resolution.changes[i].record;
            if (change.kind == EPackageRecord::kManager) {
                world.Country(record.country).RemoveManager(record.id);
            } else if (change.kind == EPackageRecord::kReferee) {
                referees[record.country].push_back(record.index);
            } else if (change.kind == EPackageRecord::kClub) {
                world.Country(record.country).RemoveClub(record.id);
            }
        }
        for (auto& [country, indexes] : referees) {
            std::sort(indexes.rbegin(), indexes.rend());
            std::vector<CReferee>& list = world.Country(country).Referees();
            for (const std::size_t index : indexes) {
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
            }
        }
    }

    const SChangePackage& m_package;
    const SPackagePlan& m_plan;
    const SResolution& m_resolution;
};

}  // namespace

void WritePackageChanges(CWorld& world, const SChangePackage& package, const SPackagePlan& plan,
                         const SResolution& resolution) {
    CPackageWriter(package, plan, resolution).Write(world);
}

}  // namespace kw
