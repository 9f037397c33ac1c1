#include "tools/ChangePackageApply.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "editing/ClubListCommands.h"
#include "editing/SquadCommands.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "tools/PackageReceiver.h"
#include "tools/PackageWriting.h"

namespace kw {

namespace {

using Json = DumpJson;

bool SameFields(ERecordKind kind, const Json& values, const Json& fields) {
    for (const auto& [name, type] : RecordType(kind).members) {
        if (values.value(name, Json()) != fields.value(name, Json())) {
            return false;
        }
    }
    return true;
}

class CPackagePlanner {
public:
    CPackagePlanner(const CWorld& world, const SChangePackage& package)
        : m_world(world),
          m_package(package),
          m_receiver(world),
          m_resolved(package.changes.size()) {}

    SPackagePlan Plan() {
        SPackagePlan plan;
        plan.outcomes.resize(m_package.changes.size());
        RenameClubs();
        CollectNewIdentities();
        // Persons leave their clubs before others take their places.
        for (const EChange pass : {EChange::kRemoved, EChange::kField, EChange::kTransfer,
                                   EChange::kAdded, EChange::kUnsupported}) {
            for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
                if (m_package.changes[i].change == pass) {
                    plan.outcomes[i] = Classify(i);
                    plan.outcomes[i].take = plan.outcomes[i].result == EChangeClass::kApplies;
                }
            }
        }
        CheckEmptiedClubs(plan);
        plan.scope = Scope(plan);
        plan.resolution = std::make_shared<const SResolution>(Resolution(plan));
        return plan;
    }

private:
    // Everything a change that is taken or can be needs, looked up before the first is made:
    // the values of the records with field changes, the leagues of new clubs.
    SResolution Resolution(const SPackagePlan& plan) {
        SResolution resolution{m_resolved, {}};
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            const SChangeOutcome& outcome = plan.outcomes[i];
            if (!outcome.take && !outcome.canTake) {
                continue;
            }
            if (change.change == EChange::kField && m_resolved[i].found) {
                const SRecordRef& record = m_resolved[i].record;
                if (!resolution.records.contains(record)) {
                    resolution.records.emplace(record, *Values(record));
                }
            }
            if (change.change != EChange::kAdded || change.kind != EPackageRecord::kClub) {
                continue;
            }
            for (const Json& league : change.leagues) {
                if (const auto id = m_receiver.Competition(StringField(league, "competition"))) {
                    resolution.changes[i].leagues.push_back(
                        {*id, league.value("position", 0), league.value("reserve", false)});
                }
            }
        }
        return resolution;
    }

    // --- planning

    // Clubs the package renames are named by their new names in every value it compares; a
    // rename counts when the club still has its old name.
    void RenameClubs() {
        for (const SPackageChange& change : m_package.changes) {
            const auto path = ParseFieldPath(change.field);
            if (change.change != EChange::kField || change.kind != EPackageRecord::kClub || !path ||
                path->front().key != "names") {
                continue;
            }
            // The German name is the identity's: "names[0]", or the whole "names".
            const Json& now = change.newValue;
            const Json* german =
                path->size() == 1 && now.is_array() && !now.empty()
                    ? &now[0]
                    : (path->size() == 2 && path->back().key.empty() && path->back().index == 0
                           ? &now
                           : nullptr);
            if (german != nullptr && german->is_string()) {
                m_receiver.AddAlias(
                    StringField(change.record, "club"),
                    std::to_string(change.country) + "/" + german->get<std::string>());
            }
            const auto club = m_receiver.Club(StringField(change.record, "club"));
            const CClub* record = club ? FindLiveClub(m_world, *club) : nullptr;
            if (record == nullptr) {
                continue;
            }
            Json names = Json::array();
            for (const auto& name : record->Names()) {
                names.push_back(Cp1252ToUtf8(name.View()));
            }
            Json values = {{"names", names}};
            Json* value = ValueAtPath(values, *path);
            if (value != nullptr && *value == change.oldValue) {
                *value = change.newValue;
                m_receiver.RenameClub(*club, values["names"][0].get<std::string>());
            }
        }
        for (const SPackageChange& change : m_package.changes) {
            if (change.change == EChange::kAdded && change.kind == EPackageRecord::kClub &&
                !m_receiver.RenamedClub(StringField(change.record, "club"))) {
                m_pendingClubs.insert(StringField(change.record, "club"));
            }
        }
    }

    const Json* Values(const SRecordRef& record) {
        switch (record.kind) {
            case EPackageRecord::kCountry:
                return m_receiver.CountryValues(record.country);
            case EPackageRecord::kRules:
                return m_receiver.RulesValues();
            case EPackageRecord::kClub:
                return m_receiver.ClubValues(record.id);
            case EPackageRecord::kPerson:
                return m_receiver.PersonValues(record.id);
            case EPackageRecord::kManager:
                return m_receiver.ManagerValues(record.country, record.id);
            case EPackageRecord::kReferee:
                return m_receiver.RefereeValues(record.country, record.index);
            case EPackageRecord::kStadium:
                return m_receiver.StadiumValues(record.country, record.index);
            case EPackageRecord::kCompetition:
                break;
        }
        return nullptr;
    }

    static std::string IdentityKey(const SPackageChange& change) {
        return std::string(PackageRecordKey(change.kind)) + std::to_string(change.country) +
               change.record.dump();
    }

    // The identities records will have once the package is applied: their names, birth dates and
    // holding clubs as its changes leave them.
    void CollectNewIdentities() {
        for (const SPackageChange& change : m_package.changes) {
            const bool names =
                change.change == EChange::kField &&
                (change.field == "firstName" || change.field == "surname" ||
                 change.field == "birthDate" || change.field == "name" || change.field == "city");
            if (!names && change.change != EChange::kTransfer) {
                continue;
            }
            auto [entry, added] = m_newIdentities.emplace(IdentityKey(change), change.record);
            entry->second[names ? change.field : std::string("club")] = change.newValue;
        }
    }

    // The record a change names, as the receiving database has it now; one the package renamed
    // or moved is found under its new identity too.
    std::optional<SRecordRef> Find(const SPackageChange& change) const {
        if (const auto found = Find(change, change.record)) {
            return found;
        }
        const auto renamed = m_newIdentities.find(IdentityKey(change));
        return renamed == m_newIdentities.end() ? std::nullopt : Find(change, renamed->second);
    }

    std::optional<SRecordRef> Find(const SPackageChange& change, const Json& identity) const {
        SRecordRef ref{change.kind, change.country, 0, 0};
        switch (change.kind) {
            case EPackageRecord::kCountry:
            case EPackageRecord::kRules:
                return ref;
            case EPackageRecord::kClub:
                if (const auto club = m_receiver.Club(StringField(identity, "club"));
                    club && FindLiveClub(m_world, *club) != nullptr) {
                    ref.id = *club & kClubIdMask;
                    ref.country = ClubCountry(*club);
                    return ref;
                }
                return std::nullopt;
            case EPackageRecord::kPerson:
                if (const auto person = m_receiver.Person(identity)) {
                    ref.id = *person;
                    ref.country = ClubCountry(m_receiver.Holder(*person));
                    return ref;
                }
                return std::nullopt;
            case EPackageRecord::kManager:
                if (const auto manager = m_receiver.Manager(change.country, identity)) {
                    ref.id = *manager;
                    return ref;
                }
                return std::nullopt;
            case EPackageRecord::kReferee:
                if (const auto index = m_receiver.Referee(change.country, identity)) {
                    ref.index = *index;
                    return ref;
                }
                return std::nullopt;
            case EPackageRecord::kStadium:
                if (const auto index = m_receiver.Stadium(change.country, identity)) {
                    ref.index = *index;
                    return ref;
                }
                return std::nullopt;
            case EPackageRecord::kCompetition:
                break;
        }
        return std::nullopt;
    }

    // A club the package names in a value: one the database has (by its name after the
    // renames) or one the package adds.
    bool Known(const Json& club) const {
        if (!club.is_string()) {
            return true;
        }
        const std::string label = club.get<std::string>();
        std::string base = label;
        if (base.ends_with(" (2)")) {
            base.resize(base.size() - 4);
        }
        return m_receiver.RenamedClub(label).has_value() || m_pendingClubs.contains(base);
    }

    bool AllKnown(const SFieldType& type, const Json& value) const {
        bool known = true;
        MapClubReferences(type, value, [&](const Json& club) {
            known = known && Known(club);
            return club;
        });
        return known;
    }

    static SChangeOutcome Conflict(std::string reason, bool canTake = false) {
        return {EChangeClass::kConflict, std::move(reason), canTake, false};
    }

    SChangeOutcome Classify(std::size_t i) {
        const SPackageChange& change = m_package.changes[i];
        SResolved& resolved = m_resolved[i];
        if (change.change == EChange::kUnsupported) {
            return {EChangeClass::kUnsupported,
                    std::string(PackageRecordKey(change.kind)) + " " + change.what +
                        ": not carried by change packages",
                    false, false};
        }
        const std::optional<SRecordRef> record = Find(change);
        resolved.found = record.has_value();
        if (record) {
            resolved.record = *record;
            if (change.kind == EPackageRecord::kPerson) {
                resolved.holder = m_receiver.Holder(record->id);
            }
        }
        switch (change.change) {
            case EChange::kField:
                return ClassifyField(change, resolved);
            case EChange::kTransfer:
                return ClassifyTransfer(change, resolved);
            case EChange::kAdded:
                return ClassifyAdded(change, resolved);
            case EChange::kRemoved:
                return ClassifyRemoved(change, resolved);
            case EChange::kUnsupported:
                break;
        }
        return {};
    }

    SChangeOutcome ClassifyField(const SPackageChange& change, const SResolved& resolved) {
        const Json* values = resolved.found ? Values(resolved.record) : nullptr;
        if (values == nullptr) {
            return Conflict("the record is missing");
        }
        const auto path = ParseFieldPath(change.field);
        const Json* current = ValueAtPath(*values, *path);
        if (current == nullptr) {
            return Conflict("the record has no such entry");
        }
        if (*current == change.newValue) {
            return {EChangeClass::kAlreadyApplied, {}, false, false};
        }
        const SFieldType* type = TypeAtPath(RecordType(*FieldKindOf(change.kind)), *path);
        if (!AllKnown(*type, change.newValue)) {
            return Conflict("the new value names a club the database lacks");
        }
        if (*current != change.oldValue) {
            return Conflict("the database holds " + current->dump(), true);
        }
        return {};
    }

    // Room in a club as the persons come and go in the package's order.
    int& Count(std::uint32_t club) {
        const auto found = m_counts.find(club & kClubIdMask);
        if (found != m_counts.end()) {
            return found->second;
        }
        const CClub* record = FindLiveClub(m_world, club);
        return m_counts[club & kClubIdMask] =
                   record != nullptr ? static_cast<int>(record->PersonIds().size()) : 0;
    }

    // Whether the club (an identity, null for the players without club) can take one more.
    std::optional<std::string> RoomFault(const Json& club) {
        if (!club.is_string()) {
            return std::nullopt;
        }
        const std::string label = club.get<std::string>();
        if (m_pendingClubs.contains(label)) {
            return ++m_pendingCounts[label] > CClub::kMaxPersons
                       ? std::optional<std::string>("the new club is full")
                       : std::nullopt;
        }
        const auto id = m_receiver.RenamedClub(label);
        const CClub* record = id ? FindLiveClub(m_world, *id) : nullptr;
        if (record == nullptr) {
            return "the club " + label + " is missing";
        }
        if (record->IsNationalTeam()) {
            return "a national team takes no persons";
        }
        if (Count(*id) >= CClub::kMaxPersons) {
            return "the club " + label + " is full";
        }
        ++Count(*id);
        return std::nullopt;
    }

    SChangeOutcome ClassifyTransfer(const SPackageChange& change, SResolved& resolved) {
        if (!resolved.found) {
            return Conflict("the person is missing");
        }
        resolved.holder = m_receiver.Holder(resolved.record.id);
        const Json current =
            resolved.holder == 0 ? Json() : Json(m_receiver.RenamedLabel(resolved.holder));
        resolved.target = change.newValue;
        if (current == change.newValue) {
            return {EChangeClass::kAlreadyApplied, {}, false, false};
        }
        if (current != change.oldValue) {
            return Conflict("the person's club is " + current.dump(), true);
        }
        if (const auto fault = RoomFault(change.newValue)) {
            return Conflict(*fault);
        }
        if (resolved.holder != 0) {
            --Count(resolved.holder);
        }
        return {};
    }

    SChangeOutcome ClassifyAdded(const SPackageChange& change, SResolved& resolved) {
        const ERecordKind kind = *FieldKindOf(change.kind);
        if (!AllKnown(RecordType(kind), change.fields)) {
            return Conflict("the record names a club the database lacks");
        }
        const Json* existing = nullptr;
        switch (change.kind) {
            case EPackageRecord::kClub: {
                const std::string label = StringField(change.record, "club");
                if (const auto club = m_receiver.RenamedClub(label)) {
                    existing = m_receiver.ClubValues(*club);
                } else if (const auto fault = ClubRoom(change)) {
                    return Conflict(*fault);
                }
                break;
            }
            case EPackageRecord::kPerson: {
                resolved.target = change.record.value("club", Json());
                const auto holder = resolved.target.is_string()
                                        ? m_receiver.RenamedClub(resolved.target.get<std::string>())
                                        : std::optional<std::uint32_t>(0);
                if (const auto person =
                        holder ? m_receiver.PersonIn(*holder, change.record) : std::nullopt) {
                    existing = m_receiver.PersonValues(*person);
                } else if (const auto fault = RoomFault(resolved.target)) {
                    return Conflict(*fault);
                }
                break;
            }
            default:
                existing = resolved.found ? Values(resolved.record) : nullptr;
                break;
        }
        if (existing != nullptr) {
            return SameFields(kind, *existing, change.fields)
                       ? SChangeOutcome{EChangeClass::kAlreadyApplied, {}, false, false}
                       : Conflict("a record of that identity is there with other values");
        }
        return {};
    }

    // A new club needs room in its country and its leagues.
    std::optional<std::string> ClubRoom(const SPackageChange& change) {
        int& added = m_addedClubs[change.country];
        if (m_world.Country(change.country).ClubCount() + ++added + 1 >= kMaxClubListRows) {
            return "the country has no room for another club";
        }
        for (const Json& league : change.leagues) {
            const auto id = m_receiver.Competition(StringField(league, "competition"));
            const auto* node = id ? m_world.Competition(*id) : nullptr;
            const auto* base = dynamic_cast<const CDBLeagueBase*>(node);
            if (base == nullptr || base->TeamCount() + ++m_leagueTeams[*id] > base->LeagueSize()) {
                return "the league " + StringField(league, "competition") + " is missing or full";
            }
        }
        return std::nullopt;
    }

    SChangeOutcome ClassifyRemoved(const SPackageChange& change, SResolved& resolved) {
        if (!resolved.found) {
            return {EChangeClass::kAlreadyApplied, {}, false, false};
        }
        const Json* values = Values(resolved.record);
        if (values == nullptr || !SameFields(*FieldKindOf(change.kind), *values, change.fields)) {
            return Conflict("the record was changed", true);
        }
        if (change.kind == EPackageRecord::kPerson) {
            if (!m_receiver.PersonAtPlace(change.record)) {
                return Conflict("the person has moved", true);
            }
            resolved.holder = m_receiver.Holder(resolved.record.id);
            if (resolved.holder != 0) {
                --Count(resolved.holder);
            }
        }
        return {};
    }

    // A removed club must have lost its persons to the package's other changes; else it is a
    // conflict, since its removal would take them along.
    void CheckEmptiedClubs(SPackagePlan& plan) {
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            SChangeOutcome& outcome = plan.outcomes[i];
            if (change.change == EChange::kRemoved && change.kind == EPackageRecord::kClub &&
                outcome.result == EChangeClass::kApplies && Count(m_resolved[i].record.id) > 0) {
                outcome = Conflict("the club still holds persons");
            }
        }
    }

    SWorldScope Scope(const SPackagePlan& plan) const {
        std::set<int> countries;
        SWorldScope scope;
        const auto addClub = [&](const Json& club) {
            if (!club.is_string()) {
                scope.withoutClub = true;
            } else if (const auto id = m_receiver.RenamedClub(club.get<std::string>())) {
                countries.insert(ClubCountry(*id));
            } else {
                countries.insert(std::atoi(club.get<std::string>().c_str()));
            }
        };
        for (std::size_t i = 0; i < m_package.changes.size(); ++i) {
            const SPackageChange& change = m_package.changes[i];
            const SChangeOutcome& outcome = plan.outcomes[i];
            if (!outcome.take && !outcome.canTake) {
                continue;
            }
            const SResolved& resolved = m_resolved[i];
            if (change.kind == EPackageRecord::kRules) {
                scope.rules = true;
            } else if (change.kind == EPackageRecord::kPerson) {
                const std::uint32_t holder =
                    resolved.found ? m_receiver.Holder(resolved.record.id) : 0;
                if (resolved.found) {
                    addClub(holder == 0 ? Json() : Json(m_receiver.RenamedLabel(holder)));
                }
                if (change.change == EChange::kTransfer || change.change == EChange::kAdded) {
                    addClub(resolved.target);
                }
            } else {
                countries.insert(change.country);
            }
        }
        std::erase_if(countries,
                      [](int country) { return country < 1 || country > kCountryCount; });
        scope.countries.assign(countries.begin(), countries.end());
        return scope;
    }

    const CWorld& m_world;
    const SChangePackage& m_package;
    CPackageReceiver m_receiver;
    std::vector<SResolved> m_resolved;
    std::unordered_set<std::string> m_pendingClubs;
    std::map<std::string, Json> m_newIdentities;
    std::unordered_map<std::string, int> m_pendingCounts;
    std::unordered_map<std::uint32_t, int> m_counts;
    std::map<int, int> m_addedClubs;
    std::map<std::uint32_t, int> m_leagueTeams;
};

std::string IdentityText(const SPackageChange& change) {
    const Json& r = change.record;
    switch (change.kind) {
        case EPackageRecord::kCountry:
            return "country " + std::to_string(change.country);
        case EPackageRecord::kRules:
            return "rules";
        case EPackageRecord::kClub:
            return StringField(r, "club");
        case EPackageRecord::kCompetition:
            return StringField(r, "competition");
        case EPackageRecord::kStadium:
            return StringField(r, "name") + ", " + StringField(r, "city");
        default:
            break;
    }
    std::string text = PersonName(r);
    if (r.value("birthDate", Json()).is_string()) {
        text += " (" + StringField(r, "birthDate") + ")";
    }
    if (r.contains("occurrence")) {
        text += " #" + r["occurrence"].dump();
    }
    if (change.kind == EPackageRecord::kPerson) {
        const Json club = r.value("club", Json());
        text = (club.is_string() ? club.get<std::string>() : std::string("without club")) + ": " +
               text;
    }
    return text;
}

}  // namespace

std::string_view ChangeClassText(EChangeClass result) {
    switch (result) {
        case EChangeClass::kApplies:
            return "applies";
        case EChangeClass::kAlreadyApplied:
            return "already applied";
        case EChangeClass::kConflict:
            return "conflict";
        case EChangeClass::kUnsupported:
            return "unsupported";
    }
    return {};
}

int SPackagePlan::Count(EChangeClass result) const {
    return static_cast<int>(std::count_if(
        outcomes.begin(), outcomes.end(),
        [result](const SChangeOutcome& outcome) { return outcome.result == result; }));
}

bool SPackagePlan::TakesAny() const {
    return std::any_of(outcomes.begin(), outcomes.end(),
                       [](const SChangeOutcome& outcome) { return outcome.take; });
}

SPackagePlan PlanChangePackage(const CWorld& world, const SChangePackage& package) {
    return CPackagePlanner(world, package).Plan();
}

bool ApplyChangePackage(CWorld& world, const SChangePackage& package, const SPackagePlan& plan) {
    if (!plan.TakesAny() || plan.outcomes.size() != package.changes.size() || !plan.resolution) {
        return false;
    }
    WritePackageChanges(world, package, plan, *plan.resolution);
    return true;
}

bool ApplyChangePackage(CDatabaseDocument& document, const SChangePackage& package,
                        const SPackagePlan& plan) {
    if (!plan.TakesAny()) {
        return false;
    }
    return document.Perform(
        std::string(ShownText("kw::Edit", "Änderungspaket anwenden")), plan.scope,
        [&package, &plan](CWorld& world) { return ApplyChangePackage(world, package, plan); });
}

std::string ChangeLine(const SPackageChange& change) {
    std::string line = std::string(ChangeKey(change.change)) + " " +
                       std::string(PackageRecordKey(change.kind)) + " " + IdentityText(change);
    switch (change.change) {
        case EChange::kField:
            line += " " + change.field + ": " + change.oldValue.dump() + " -> " +
                    change.newValue.dump();
            break;
        case EChange::kTransfer:
            line += ": " + change.oldValue.dump() + " -> " + change.newValue.dump();
            break;
        case EChange::kUnsupported:
            line += " (" + change.what + ")";
            break;
        default:
            break;
    }
    return line;
}

}  // namespace kw
