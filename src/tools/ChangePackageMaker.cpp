// Making a change package: the records of two databases matched by identity as the database diff
// matches them, and what is left over paired once more, so that a renamed club or person is a
// change of that record and a person who changed club is a transfer.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "tools/ChangePackage.h"

namespace kw {

namespace {

using Json = DumpJson;

// The occurrence a key of `Keyed` carries: 1, or n after its "#n" (a key ends with the birth
// date, which holds no "#").
int OccurrenceOf(const std::string& key) {
    const std::size_t hash = key.rfind('#');
    const std::size_t separator = key.rfind('\x1f');
    if (hash == std::string::npos || (separator != std::string::npos && hash < separator)) {
        return 1;
    }
    return std::stoi(key.substr(hash + 1));
}

std::string WithoutOccurrence(const std::string& key) {
    const int occurrence = OccurrenceOf(key);
    return occurrence == 1 ? key : key.substr(0, key.rfind('#'));
}

Json PersonIdentity(const Json& holder, const Json& person, int occurrence) {
    Json record = Json::object();
    record["club"] = holder;
    record["firstName"] = StringField(person, "firstName");
    record["surname"] = StringField(person, "surname");
    record["birthDate"] = person.value("birthDate", Json());
    if (occurrence > 1) {
        record["occurrence"] = occurrence;
    }
    return record;
}

// Identities of the kinds keyed by names alone (the person key's parts).
Json NamedIdentity(EPackageRecord kind, const Json& record, int occurrence) {
    Json identity = Json::object();
    if (kind == EPackageRecord::kStadium) {
        identity["name"] = StringField(record, "name");
        identity["city"] = StringField(record, "city");
    } else {
        identity["firstName"] = StringField(record, "firstName");
        identity["surname"] = StringField(record, "surname");
        if (kind == EPackageRecord::kManager) {
            identity["birthDate"] = record.value("birthDate", Json());
        }
    }
    if (occurrence > 1) {
        identity["occurrence"] = occurrence;
    }
    return identity;
}

std::string NamesKey(const Json& record) {
    return StringField(record, "firstName") + '\x1f' + StringField(record, "surname");
}

std::string StadiumKey(const Json& record) {
    return StringField(record, "name") + '\x1f' + StringField(record, "city");
}

// The fields of a record, as the package carries an added or removed one.
Json FieldsOf(ERecordKind kind, const Json& record) {
    Json fields = Json::object();
    for (const auto& [name, type] : RecordType(kind).members) {
        fields[name] = record.value(name, Json());
    }
    return fields;
}

// A person left over after the matching within clubs, waiting for the matching across the world.
struct SLoosePerson {
    Json person;
    Json holderOld;  // the holding club in the old database's identity, null for none
    Json holderNew;  // the same club as the new database names it
    int occurrence = 1;
    int country = 0;
    std::string key;
};

// One club of a database with the compact id its dump gives it.
struct SClubEntry {
    std::uint32_t compact = 0;
    const CClub* club = nullptr;
};

std::vector<SClubEntry> ClubsOf(const CCountry& country) {
    std::vector<SClubEntry> clubs;
    std::uint32_t next = 1;
    for (const auto& [id, club] : country.Clubs()) {
        clubs.push_back(
            {IsNationalTeam(id) ? id : MakeClubId(country.Number(), next++), club.get()});
    }
    return clubs;
}

std::size_t SharedPersons(const CClub& a, const CClub& b) {
    const std::unordered_set<std::uint32_t> ids(a.PersonIds().begin(), a.PersonIds().end());
    return static_cast<std::size_t>(
        std::count_if(b.PersonIds().begin(), b.PersonIds().end(),
                      [&ids](std::uint32_t id) { return ids.contains(id); }));
}

class CPackageMaker {
public:
    CPackageMaker(const CWorld& before, const CWorld& after)
        : m_before(before), m_after(after), m_old(before), m_new(before), m_identitiesAfter(after) {
        for (int number = 1; number <= kCountryCount; ++number) {
            PairRenamedClubs(number);
        }
    }

    SChangePackage Make() {
        ForEachDifferingPart(m_before, m_after, m_new, m_identitiesAfter,
                             [this](int country, std::string_view a, std::string_view b) {
                                 Json before = Json::parse(a);
                                 Json after = Json::parse(b);
                                 m_new.RewriteDump(before);
                                 m_identitiesAfter.RewriteDump(after);
                                 if (country == 0) {
                                     Rest(before, after);
                                 } else {
                                     Country(country, before["countries"][0],
                                             after["countries"][0]);
                                 }
                             });
        LoosePersons();
        // Country by country (the rules and the players without club last), kind by kind.
        std::stable_sort(m_package.changes.begin(), m_package.changes.end(),
                         [](const SPackageChange& a, const SPackageChange& b) {
                             const auto order = [](const SPackageChange& change) {
                                 return std::pair(
                                     change.country == 0 ? kCountryCount + 1 : change.country,
                                     static_cast<int>(change.kind));
                             };
                             return order(a) < order(b);
                         });
        return std::move(m_package);
    }

private:
    // A club of the old database that the new one names otherwise (matched by identity no more,
    // but sharing persons) is the same club renamed: its references read as the new name.
    void PairRenamedClubs(int number) {
        const std::vector<SClubEntry> a = ClubsOf(m_before.Country(number));
        const std::vector<SClubEntry> b = ClubsOf(m_after.Country(number));
        std::unordered_set<std::string> labelsB;
        for (const SClubEntry& club : b) {
            labelsB.insert(m_identitiesAfter.Club(club.compact));
        }
        std::unordered_set<std::string> labelsA;
        for (const SClubEntry& club : a) {
            labelsA.insert(m_old.Club(club.compact));
        }
        std::unordered_set<std::uint32_t> taken;
        for (const SClubEntry& old : a) {
            if (labelsB.contains(m_old.Club(old.compact))) {
                continue;
            }
            const SClubEntry* best = nullptr;
            std::size_t bestShared = 0;
            for (const SClubEntry& candidate : b) {
                const std::string label = m_identitiesAfter.Club(candidate.compact);
                const bool national =
                    IsNationalTeam(old.compact) && candidate.compact == old.compact;
                const std::size_t shared = national ? old.club->PersonIds().size() + 1
                                                    : SharedPersons(*old.club, *candidate.club);
                if (!labelsA.contains(label) && !taken.contains(candidate.compact) &&
                    shared > bestShared) {
                    best = &candidate;
                    bestShared = shared;
                }
            }
            if (best != nullptr) {
                taken.insert(best->compact);
                m_new.RelabelClub(old.compact, m_identitiesAfter.Club(best->compact));
            }
        }
    }

    SPackageChange& Add(EChange change, EPackageRecord kind, int country, Json record) {
        SPackageChange entry;
        entry.change = change;
        entry.kind = kind;
        entry.country = country;
        entry.record = std::move(record);
        m_package.changes.push_back(std::move(entry));
        return m_package.changes.back();
    }

    // Each path where the values differ: objects member by member, lists of equal length entry
    // by entry, anything else whole.
    void CompareValue(
        const Json& a, const Json& b, const std::string& path,
        const std::function<void(const std::string&, const Json&, const Json&)>& out) {
        if (a == b) {
            return;
        }
        if (a.is_object() && b.is_object() && a.size() == b.size()) {
            for (auto item = a.begin(); item != a.end(); ++item) {
                const auto other = b.find(item.key());
                if (other == b.end()) {
                    out(path, a, b);
                    return;
                }
            }
            for (auto item = a.begin(); item != a.end(); ++item) {
                CompareValue(item.value(), b[item.key()], path + "." + item.key(), out);
            }
        } else if (a.is_array() && b.is_array() && a.size() == b.size()) {
            for (std::size_t i = 0; i < a.size(); ++i) {
                CompareValue(a[i], b[i], path + "[" + std::to_string(i) + "]", out);
            }
        } else {
            out(path, a, b);
        }
    }

    void CompareRecord(ERecordKind kind, EPackageRecord packageKind, int country,
                       const Json& identity, const Json& a, const Json& b) {
        for (const auto& [name, type] : RecordType(kind).members) {
            CompareValue(a.value(name, Json()), b.value(name, Json()), name,
                         [&](const std::string& path, const Json& old, const Json& now) {
                             SPackageChange& change =
                                 Add(EChange::kField, packageKind, country, identity);
                             change.field = path;
                             change.oldValue = old;
                             change.newValue = now;
                         });
        }
    }

    void AddRecord(EChange change, ERecordKind kind, EPackageRecord packageKind, int country,
                   Json identity, const Json& record) {
        Add(change, packageKind, country, std::move(identity)).fields = FieldsOf(kind, record);
    }

    void Country(int number, const Json& a, const Json& b) {
        CompareRecord(ERecordKind::kCountry, EPackageRecord::kCountry, number, Json::object(), a,
                      b);
        const std::vector<std::string> added = Clubs(number, a, b);
        Named(number, EPackageRecord::kManager, ArrayField(a, "managers"),
              ArrayField(b, "managers"), PersonKey);
        Named(number, EPackageRecord::kReferee, ArrayField(a, "referees"),
              ArrayField(b, "referees"), NamesKey);
        Named(number, EPackageRecord::kStadium, ArrayField(a, "stadiums"),
              ArrayField(b, "stadiums"), StadiumKey);
        Competitions(number, a, b, added);
    }

    // Clubs and the persons within matched clubs; returns the added clubs' identities.
    std::vector<std::string> Clubs(int number, const Json& a, const Json& b) {
        std::map<std::string, const Json*> clubsB;
        for (const Json& club : ArrayField(b, "clubs")) {
            clubsB.emplace(m_identitiesAfter.Club(club.value("id", 0u)), &club);
        }
        std::unordered_set<const Json*> matched;
        for (const Json& club : ArrayField(a, "clubs")) {
            const std::uint32_t id = club.value("id", 0u);
            const Json oldLabel = m_old.Club(id);
            const Json newLabel = m_new.Club(id);
            const Json identity = {{"club", oldLabel}};
            const auto found = clubsB.find(newLabel.get<std::string>());
            if (found == clubsB.end()) {
                AddRecord(EChange::kRemoved, ERecordKind::kClub, EPackageRecord::kClub, number,
                          identity, club);
                m_removedClubs.insert(newLabel.get<std::string>());
                LoosenPersons(m_looseBefore, club, oldLabel, newLabel, number);
                continue;
            }
            matched.insert(found->second);
            CompareRecord(ERecordKind::kClub, EPackageRecord::kClub, number, identity, club,
                          *found->second);
            ClubPersons(number, club, *found->second, oldLabel, newLabel);
        }
        std::vector<std::string> added;
        for (const auto& [label, club] : clubsB) {
            if (matched.contains(club)) {
                continue;
            }
            AddRecord(EChange::kAdded, ERecordKind::kClub, EPackageRecord::kClub, number,
                      {{"club", label}}, *club);
            m_package.changes.back().leagues = Leagues(b, label);
            added.push_back(label);
            LoosenPersons(m_looseAfter, *club, label, label, number);
        }
        return added;
    }

    // Where a new club's first and reserve team play.
    static Json Leagues(const Json& country, const std::string& label) {
        Json leagues = Json::array();
        const std::string reserve = label + std::string(kReserveSuffix);
        for (const Json& node : ArrayField(country, "competitions")) {
            const Json& teams = ArrayField(node, "teams");
            for (std::size_t i = 0; i < teams.size(); ++i) {
                if (teams[i] == label || teams[i] == reserve) {
                    leagues.push_back({{"competition", StringField(node, "id")},
                                       {"position", i},
                                       {"reserve", teams[i] == reserve}});
                }
            }
        }
        return leagues;
    }

    void LoosenPersons(std::vector<SLoosePerson>& loose, const Json& club, const Json& holderOld,
                       const Json& holderNew, int country) {
        for (const SKeyed& person : Keyed(ArrayField(club, "persons"), PersonKey)) {
            loose.push_back({*person.record, holderOld, holderNew, OccurrenceOf(person.key),
                             country, WithoutOccurrence(person.key)});
        }
    }

    void ClubPersons(int number, const Json& a, const Json& b, const Json& oldLabel,
                     const Json& newLabel) {
        const std::vector<SKeyed> personsA = Keyed(ArrayField(a, "persons"), PersonKey);
        const std::vector<SKeyed> personsB = Keyed(ArrayField(b, "persons"), PersonKey);
        const SMatching matching = Match(personsA, personsB);
        for (const auto& [left, right] : matching.pairs) {
            CompareRecord(ERecordKind::kPerson, EPackageRecord::kPerson, number,
                          PersonIdentity(oldLabel, *left->record, OccurrenceOf(left->key)),
                          *left->record, *right->record);
        }
        for (const SKeyed* person : matching.removed) {
            m_looseBefore.push_back({*person->record, oldLabel, newLabel, OccurrenceOf(person->key),
                                     number, WithoutOccurrence(person->key)});
        }
        for (const SKeyed* person : matching.added) {
            m_looseAfter.push_back({*person->record, newLabel, newLabel, OccurrenceOf(person->key),
                                    number, WithoutOccurrence(person->key)});
        }
    }

    // Managers, referees and stadiums: matched by their names; of those left over, a list that
    // kept its length pairs them in order (a renamed record), else they were removed and added.
    void Named(int number, EPackageRecord kind, const Json& a, const Json& b,
               const std::function<std::string(const Json&)>& keyOf) {
        const ERecordKind fields = *FieldKindOf(kind);
        const std::vector<SKeyed> keyedA = Keyed(a, keyOf);
        const std::vector<SKeyed> keyedB = Keyed(b, keyOf);
        SMatching matching = Match(keyedA, keyedB);
        if (a.size() == b.size()) {
            for (std::size_t i = 0; i < matching.removed.size(); ++i) {
                matching.pairs.emplace_back(matching.removed[i], matching.added[i]);
            }
            matching.removed.clear();
            matching.added.clear();
        }
        for (const auto& [left, right] : matching.pairs) {
            CompareRecord(fields, kind, number,
                          NamedIdentity(kind, *left->record, OccurrenceOf(left->key)),
                          *left->record, *right->record);
        }
        // Clubs and the cup final name stadiums by their place in the list.
        const EChange removed =
            kind == EPackageRecord::kStadium ? EChange::kUnsupported : EChange::kRemoved;
        const EChange added =
            kind == EPackageRecord::kStadium ? EChange::kUnsupported : EChange::kAdded;
        for (const SKeyed* record : matching.removed) {
            AddNamed(removed, "removed", fields, kind, number,
                     NamedIdentity(kind, *record->record, OccurrenceOf(record->key)),
                     *record->record);
        }
        for (const SKeyed* record : matching.added) {
            AddNamed(added, "added", fields, kind, number,
                     NamedIdentity(kind, *record->record, OccurrenceOf(record->key)),
                     *record->record);
        }
    }

    void AddNamed(EChange change, const char* what, ERecordKind fields, EPackageRecord kind,
                  int number, Json identity, const Json& record) {
        if (change == EChange::kUnsupported) {
            SPackageChange& entry = Add(change, kind, number, std::move(identity));
            entry.what = what;
            entry.fields = Json::array();
        } else {
            AddRecord(change, fields, kind, number, std::move(identity), record);
        }
    }

    // The competitions are listed, not carried: what a package cannot map. The team lists leave
    // out the clubs the package removes (their removal takes them out) and adds (they carry
    // their leagues).
    void Competitions(int number, const Json& a, const Json& b,
                      const std::vector<std::string>& added) {
        const std::unordered_set<std::string> addedClubs(added.begin(), added.end());
        const auto without = [](const Json& node, const std::unordered_set<std::string>& clubs) {
            Json copy = node;
            copy.erase("id");
            if (copy.contains("teams")) {
                Json teams = Json::array();
                for (const Json& team : copy["teams"]) {
                    std::string label = team.is_string() ? team.get<std::string>() : "";
                    if (label.ends_with(kReserveSuffix)) {
                        label.resize(label.size() - kReserveSuffix.size());
                    }
                    if (!clubs.contains(label)) {
                        teams.push_back(team);
                    }
                }
                copy["teams"] = std::move(teams);
            }
            return copy;
        };
        std::map<std::string, const Json*> nodesB;
        for (const Json& node : ArrayField(b, "competitions")) {
            nodesB.emplace(StringField(node, "id"), &node);
        }
        const auto unsupported = [&](const std::string& id, const char* what, Json fields) {
            SPackageChange& change = Add(EChange::kUnsupported, EPackageRecord::kCompetition,
                                         number, {{"competition", id}});
            change.what = what;
            change.fields = std::move(fields);
        };
        for (const Json& node : ArrayField(a, "competitions")) {
            const std::string id = StringField(node, "id");
            const auto found = nodesB.find(id);
            if (found == nodesB.end()) {
                unsupported(id, "removed", Json::array());
                continue;
            }
            const Json left = without(node, m_removedClubs);
            const Json right = without(*found->second, addedClubs);
            nodesB.erase(found);
            Json fields = Json::array();
            CompareValue(left, right, "",
                         [&fields](const std::string& path, const Json&, const Json&) {
                             fields.push_back(path.empty() ? path : path.substr(1));
                         });
            if (!fields.empty()) {
                unsupported(id, "changed", std::move(fields));
            }
        }
        for (const auto& [id, node] : nodesB) {
            unsupported(id, "added", Json::array());
        }
    }

    void Rest(const Json& a, const Json& b) {
        const std::vector<SKeyed> personsA = Keyed(ArrayField(a, "withoutClub"), PersonKey);
        const std::vector<SKeyed> personsB = Keyed(ArrayField(b, "withoutClub"), PersonKey);
        const SMatching matching = Match(personsA, personsB);
        for (const auto& [left, right] : matching.pairs) {
            CompareRecord(ERecordKind::kPerson, EPackageRecord::kPerson, 0,
                          PersonIdentity(Json(), *left->record, OccurrenceOf(left->key)),
                          *left->record, *right->record);
        }
        for (const SKeyed* person : matching.removed) {
            m_looseBefore.push_back({*person->record, Json(), Json(), OccurrenceOf(person->key), 0,
                                     WithoutOccurrence(person->key)});
        }
        for (const SKeyed* person : matching.added) {
            m_looseAfter.push_back({*person->record, Json(), Json(), OccurrenceOf(person->key), 0,
                                    WithoutOccurrence(person->key)});
        }
        CompareRecord(ERecordKind::kRules, EPackageRecord::kRules, 0, Json::object(),
                      a.value("rules", Json::object()), b.value("rules", Json::object()));
    }

    // The persons left over anywhere: matched by identity across the world, then by the id a
    // club's person keeps in the files when a name or the birth date changed.
    void LoosePersons() {
        const auto keyed = [](const std::vector<SLoosePerson>& loose) {
            std::vector<SKeyed> keys;
            COccurrences occurrences;
            for (const SLoosePerson& person : loose) {
                keys.push_back({occurrences.Next(person.key), &person.person, {}});
            }
            return keys;
        };
        const std::vector<SKeyed> keysA = keyed(m_looseBefore);
        const std::vector<SKeyed> keysB = keyed(m_looseAfter);
        const SMatching matching = Match(keysA, keysB);
        const auto loose = [](const std::vector<SKeyed>& keys,
                              const std::vector<SLoosePerson>& list, const SKeyed* key) {
            return &list[static_cast<std::size_t>(key - keys.data())];
        };
        for (const auto& [left, right] : matching.pairs) {
            LoosePair(*loose(keysA, m_looseBefore, left), *loose(keysB, m_looseAfter, right));
        }
        std::multimap<std::uint32_t, const SLoosePerson*> byId;
        for (const SKeyed* key : matching.added) {
            const SLoosePerson* person = loose(keysB, m_looseAfter, key);
            if (person->person.contains("id")) {
                byId.emplace(person->person.value("id", 0u), person);
            }
        }
        std::unordered_set<const SLoosePerson*> paired;
        for (const SKeyed* key : matching.removed) {
            const SLoosePerson* before = loose(keysA, m_looseBefore, key);
            const SLoosePerson* after = nullptr;
            if (before->person.contains("id")) {
                const auto [first, last] = byId.equal_range(before->person.value("id", 0u));
                for (auto candidate = first; candidate != last && after == nullptr; ++candidate) {
                    if (!paired.contains(candidate->second) &&
                        Resembles(before->person, candidate->second->person)) {
                        after = candidate->second;
                    }
                }
            }
            if (after != nullptr) {
                paired.insert(after);
                LoosePair(*before, *after);
            } else {
                AddRecord(EChange::kRemoved, ERecordKind::kPerson, EPackageRecord::kPerson,
                          before->country,
                          PersonIdentity(before->holderOld, before->person, before->occurrence),
                          before->person);
            }
        }
        for (const SKeyed* key : matching.added) {
            const SLoosePerson* after = loose(keysB, m_looseAfter, key);
            if (!paired.contains(after)) {
                AddRecord(EChange::kAdded, ERecordKind::kPerson, EPackageRecord::kPerson,
                          after->country,
                          PersonIdentity(after->holderNew, after->person, after->occurrence),
                          after->person);
            }
        }
    }

    // The same person under the same id: one of the names or the birth date is still his.
    static bool Resembles(const Json& a, const Json& b) {
        return a.value("birthDate", Json()) == b.value("birthDate", Json()) ||
               StringField(a, "firstName") == StringField(b, "firstName") ||
               StringField(a, "surname") == StringField(b, "surname");
    }

    void LoosePair(const SLoosePerson& before, const SLoosePerson& after) {
        const Json identity = PersonIdentity(before.holderOld, before.person, before.occurrence);
        if (before.holderNew != after.holderNew) {
            SPackageChange& transfer =
                Add(EChange::kTransfer, EPackageRecord::kPerson, before.country, identity);
            transfer.oldValue = before.holderNew;
            transfer.newValue = after.holderNew;
        }
        CompareRecord(ERecordKind::kPerson, EPackageRecord::kPerson, before.country, identity,
                      before.person, after.person);
    }

    const CWorld& m_before;
    const CWorld& m_after;
    // The old database's identities, and the same with renamed clubs under their new names.
    const CDumpIdentities m_old;
    CDumpIdentities m_new;
    const CDumpIdentities m_identitiesAfter;
    std::unordered_set<std::string> m_removedClubs;
    std::vector<SLoosePerson> m_looseBefore;
    std::vector<SLoosePerson> m_looseAfter;
    SChangePackage m_package;
};

}  // namespace

SChangePackage MakeChangePackage(const CWorld& before, const CWorld& after) {
    return CPackageMaker(before, after).Make();
}

}  // namespace kw
