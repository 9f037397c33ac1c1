#include "tools/PackageReceiver.h"

#include "competition/Competition.h"
#include "competition/CompetitionText.h"
#include "exports/WorldDump.h"
#include "model/PlayerPool.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

int OccurrenceOf(const DumpJson& identity) {
    const auto found = identity.find("occurrence");
    return found != identity.end() && found->is_number_integer() ? found->get<int>() : 1;
}

std::string PersonKeyOfPlayer(const CPlayer& person) {
    return PersonKeyOf(person.FirstName().View(), person.Surname().View(),
                       person.BirthDate().IsoText());
}

// Resolves an identity through a map of identities; reserve teams and plain numbers as the dump
// writes them.
std::optional<std::uint32_t> Resolve(const std::unordered_map<std::string, std::uint32_t>& clubs,
                                     const std::string& identity) {
    const auto found = clubs.find(identity);
    if (found != clubs.end()) {
        return found->second;
    }
    if (identity.ends_with(kReserveSuffix)) {
        const auto base = clubs.find(identity.substr(0, identity.size() - kReserveSuffix.size()));
        if (base != clubs.end()) {
            return base->second | kSecondTeamFlag;
        }
    }
    // The one reference the dump writes as a number: a pool entry's "create a club".
    if (identity == std::to_string(CPoolEntry::kCreateAClub)) {
        return CPoolEntry::kCreateAClub;
    }
    return std::nullopt;
}

template <typename Record, typename KeyOf>
std::optional<std::size_t> FindNamed(const std::vector<Record>& records, const std::string& key,
                                     int occurrence, const KeyOf& keyOf) {
    int seen = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (keyOf(records[i]) == key && ++seen == occurrence) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string PersonKeyOf(std::string_view firstName, std::string_view surname,
                        const std::string& birthDate) {
    return Cp1252ToUtf8(firstName) + '\x1f' + Cp1252ToUtf8(surname) + '\x1f' + birthDate;
}

CPackageReceiver::CPackageReceiver(const CWorld& world)
    : m_world(world), m_identities(world), m_renamed(world), m_records(world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        std::uint32_t next = 1;
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            const std::uint32_t compact = IsNationalTeam(id) ? id : MakeClubId(number, next++);
            m_places[id] = {number, compact};
            m_clubs[m_identities.Club(compact)] = id;
        }
    }
    m_renamedClubs = m_clubs;
    for (const auto& [id, node] : world.Competitions()) {
        m_competitions[m_identities.Competition(FormatCompetitionId(id))] = id;
    }
    IndexPersons();
}

void CPackageReceiver::IndexPersons() {
    const auto index = [this](std::uint32_t holder, const std::vector<std::uint32_t>& ids) {
        std::unordered_map<std::string, int> seen;
        for (const std::uint32_t id : ids) {
            const CPlayer* person = m_world.Person(id);
            if (person == nullptr) {
                continue;
            }
            const std::string key = PersonKeyOfPlayer(*person);
            m_personPlaces[{holder, key, ++seen[key]}] = id;
            m_personsByKey[key].push_back(id);
            m_holders[id] = holder;
        }
    };
    for (const auto& [id, place] : m_places) {
        index(id, m_world.Country(place.country).Club(id)->PersonIds());
    }
    index(0, m_world.WithoutClub().Ids());
}

std::optional<std::uint32_t> CPackageReceiver::Club(const std::string& identity) const {
    if (const auto found = Resolve(m_clubs, identity)) {
        return found;
    }
    const auto alias = m_aliases.find(identity);
    return alias == m_aliases.end() ? std::nullopt : Resolve(m_clubs, alias->second);
}

void CPackageReceiver::AddAlias(const std::string& identity, const std::string& renamed) {
    m_aliases[identity] = renamed;
}

std::optional<std::uint32_t> CPackageReceiver::RenamedClub(const std::string& identity) const {
    return Resolve(m_renamedClubs, identity);
}

std::string CPackageReceiver::RenamedLabel(std::uint32_t club) const {
    const auto place = m_places.find(club & kClubIdMask);
    return place == m_places.end() ? std::to_string(club) : m_renamed.Club(place->second.compact);
}

void CPackageReceiver::RenameClub(std::uint32_t club, const std::string& name) {
    const auto place = m_places.find(club & kClubIdMask);
    if (place != m_places.end()) {
        m_renames[club & kClubIdMask] = name;
        Relabel(place->second.country);
    }
}

// The country's club identities counted anew with the renamed clubs' names.
void CPackageReceiver::Relabel(int country) {
    std::erase_if(m_renamedClubs,
                  [country](const auto& entry) { return ClubCountry(entry.second) == country; });
    const std::string prefix = std::to_string(country) + "/";
    COccurrences occurrences;
    for (const auto& [id, club] : m_world.Country(country).Clubs()) {
        const auto renamed = m_renames.find(id);
        const std::string name =
            renamed != m_renames.end() ? renamed->second : Cp1252ToUtf8(club->Names()[0].View());
        std::string label = occurrences.Next(prefix + name);
        m_renamed.RelabelClub(m_places[id].compact, label);
        m_renamedClubs[std::move(label)] = id;
    }
}

std::optional<std::uint32_t> CPackageReceiver::PersonIn(std::uint32_t holder,
                                                        const DumpJson& identity) const {
    const auto found =
        m_personPlaces.find({holder & kClubIdMask, PersonKey(identity), OccurrenceOf(identity)});
    if (found == m_personPlaces.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::uint32_t> CPackageReceiver::PersonAtPlace(const DumpJson& identity) const {
    const DumpJson& club = identity.value("club", DumpJson());
    const std::optional<std::uint32_t> holder =
        club.is_string() ? Club(club.get<std::string>()) : std::optional<std::uint32_t>(0);
    return holder ? PersonIn(*holder, identity) : std::nullopt;
}

std::optional<std::uint32_t> CPackageReceiver::Person(const DumpJson& identity) const {
    if (const auto found = PersonAtPlace(identity)) {
        return found;
    }
    const auto byKey = m_personsByKey.find(PersonKey(identity));
    if (byKey != m_personsByKey.end() && byKey->second.size() == 1) {
        return byKey->second.front();
    }
    return std::nullopt;
}

std::uint32_t CPackageReceiver::Holder(std::uint32_t person) const {
    const auto found = m_holders.find(person);
    return found == m_holders.end() ? 0 : found->second;
}

std::optional<std::uint32_t> CPackageReceiver::Manager(int country,
                                                       const DumpJson& identity) const {
    std::vector<const CManager*> managers;
    std::vector<std::uint32_t> ids;
    for (const std::uint32_t id : m_world.Country(country).ManagerIds()) {
        if (const CManager* manager = m_world.Manager(id)) {
            managers.push_back(manager);
            ids.push_back(id);
        }
    }
    const auto index = FindNamed(
        managers, PersonKey(identity), OccurrenceOf(identity), [](const CManager* manager) {
            return PersonKeyOf(manager->FirstName().View(), manager->Surname().View(),
                               manager->BirthDate().IsoText());
        });
    return index ? std::optional(ids[*index]) : std::nullopt;
}

std::optional<std::size_t> CPackageReceiver::Referee(int country, const DumpJson& identity) const {
    const std::string key =
        StringField(identity, "firstName") + '\x1f' + StringField(identity, "surname");
    return FindNamed(m_world.Country(country).Referees(), key, OccurrenceOf(identity),
                     [](const CReferee& referee) {
                         return Cp1252ToUtf8(referee.FirstName().View()) + '\x1f' +
                                Cp1252ToUtf8(referee.Surname().View());
                     });
}

std::optional<std::size_t> CPackageReceiver::Stadium(int country, const DumpJson& identity) const {
    const std::string key = StringField(identity, "name") + '\x1f' + StringField(identity, "city");
    return FindNamed(m_world.Country(country).Stadiums(), key, OccurrenceOf(identity),
                     [](const CStadium& stadium) {
                         return Cp1252ToUtf8(stadium.Name().View()) + '\x1f' +
                                Cp1252ToUtf8(stadium.City().View());
                     });
}

std::optional<std::uint32_t> CPackageReceiver::Competition(const std::string& identity) const {
    const auto found = m_competitions.find(identity);
    return found == m_competitions.end() ? std::nullopt : std::optional(found->second);
}

template <typename Key, typename Text>
const DumpJson& CPackageReceiver::Cached(std::map<Key, DumpJson>& cache, Key key,
                                         const Text& text) {
    auto found = cache.find(key);
    if (found == cache.end()) {
        DumpJson dump = DumpJson::parse(text());
        m_renamed.Rewrite(dump);
        found = cache.emplace(key, std::move(dump)).first;
    }
    return found->second;
}

const DumpJson* CPackageReceiver::CountryValues(int country) {
    if (country < 1 || country > kCountryCount) {
        return nullptr;
    }
    return &Cached(m_countryDumps, country, [&] { return m_records.Country(country); });
}

const DumpJson* CPackageReceiver::RulesValues() {
    return &Cached(m_rulesDump, 0, [this] { return m_records.Rules(); });
}

const DumpJson* CPackageReceiver::ClubValues(std::uint32_t club) {
    const auto place = m_places.find(club & kClubIdMask);
    if (place == m_places.end()) {
        return nullptr;
    }
    const CClub& record = *m_world.Country(place->second.country).Club(place->first);
    return &Cached(m_clubDumps, place->first, [&] { return m_records.Club(record); });
}

const DumpJson* CPackageReceiver::PersonValues(std::uint32_t person) {
    const CPlayer* record = m_world.Person(person);
    if (record == nullptr || !m_holders.contains(person)) {
        return nullptr;
    }
    return &Cached(m_personDumps, person,
                   [&] { return m_records.Person(*record, Holder(person) != 0); });
}

const DumpJson* CPackageReceiver::ManagerValues(int country, std::uint32_t manager) {
    const DumpJson* values = CountryValues(country);
    if (values == nullptr) {
        return nullptr;
    }
    const DumpJson& managers = ArrayField(*values, "managers");
    std::size_t index = 0;
    for (const std::uint32_t id : m_world.Country(country).ManagerIds()) {
        if (m_world.Manager(id) == nullptr) {
            continue;
        }
        if (id == manager) {
            return index < managers.size() ? &managers[index] : nullptr;
        }
        ++index;
    }
    return nullptr;
}

const DumpJson* CPackageReceiver::ListEntry(int country, const char* list, std::size_t index) {
    const DumpJson* values = CountryValues(country);
    if (values == nullptr) {
        return nullptr;
    }
    const DumpJson& entries = ArrayField(*values, list);
    return index < entries.size() ? &entries[index] : nullptr;
}

const DumpJson* CPackageReceiver::RefereeValues(int country, std::size_t index) {
    return ListEntry(country, "referees", index);
}

const DumpJson* CPackageReceiver::StadiumValues(int country, std::size_t index) {
    return ListEntry(country, "stadiums", index);
}

}  // namespace kw
