#include "tools/DumpIdentities.h"

#include <algorithm>
#include <future>
#include <unordered_map>
#include <unordered_set>

#include "competition/Competition.h"
#include "competition/CompetitionText.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

const std::unordered_set<std::string_view> kClubKeys = {
    "currentClub", "previousClub",  "firstClub",     "fourthClub",
    "loanClub",    "club",          "fanFriendship", "rivals",
    "teams",       "preferredClub", "titleHolder",   "furtherTitleHolders"};
const std::unordered_set<std::string_view> kCompetitionKeys = {"parent", "sources",
                                                               "subCompetitions", "checked"};

template <typename Map>
void MapValues(DumpJson& value, const Map& map) {
    if (value.is_array()) {
        for (DumpJson& element : value) {
            element = map(element);
        }
    } else {
        value = map(value);
    }
}

// Whether a dump names one of the club ids (as a number) or competition ids (as a text).
bool NamesAny(std::string_view dump, const std::unordered_set<std::uint32_t>& clubs,
              const std::unordered_set<std::string>& competitions) {
    if (clubs.empty() && competitions.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < dump.size();) {
        if (dump[i] == '"') {
            const std::size_t end = dump.find('"', i + 1);  // dumped ids hold no escapes
            if (end == std::string_view::npos) {
                return true;
            }
            if (!competitions.empty() &&
                competitions.contains(std::string(dump.substr(i + 1, end - i - 1)))) {
                return true;
            }
            i = end + 1;
        } else if (dump[i] >= '0' && dump[i] <= '9') {
            std::uint64_t value = 0;
            for (; i < dump.size() && dump[i] >= '0' && dump[i] <= '9'; ++i) {
                value = std::min<std::uint64_t>(value * 10 + static_cast<unsigned>(dump[i] - '0'),
                                                0xFFFFFFFFu + 1ull);
            }
            if (value <= 0xFFFFFFFFu &&
                clubs.contains(static_cast<std::uint32_t>(value) & kClubIdMask)) {
                return true;
            }
        } else {
            ++i;
        }
    }
    return false;
}

}  // namespace

bool IsClubKey(std::string_view key) {
    return kClubKeys.contains(key);
}

bool IsCompetitionKey(std::string_view key) {
    return kCompetitionKeys.contains(key);
}

std::string FirstName(const DumpJson& names) {
    return names.is_array() && !names.empty() && names[0].is_string() ? names[0].get<std::string>()
                                                                      : std::string();
}

std::string StringField(const DumpJson& record, const char* key) {
    const auto found = record.find(key);
    return found != record.end() && found->is_string() ? found->get<std::string>() : std::string();
}

const DumpJson& ArrayField(const DumpJson& record, const char* key) {
    static const DumpJson empty = DumpJson::array();
    const auto found = record.find(key);
    return found != record.end() && found->is_array() ? *found : empty;
}

std::string COccurrences::Next(const std::string& key) {
    const int count = ++m_counts[key];
    return count == 1 ? key : key + "#" + std::to_string(count);
}

CDumpIdentities::CDumpIdentities(const DumpJson& dump) {
    for (const DumpJson& country : ArrayField(dump, "countries")) {
        const std::string prefix = std::to_string(country.value("number", 0)) + "/";
        COccurrences clubs;
        for (const DumpJson& club : ArrayField(country, "clubs")) {
            const std::string label = clubs.Next(prefix + FirstName(club["names"]));
            m_clubs[club.value("id", 0u) & kClubIdMask] = label;
        }
        for (const DumpJson& node : ArrayField(country, "competitions")) {
            m_nodes[StringField(node, "id")] = {StringField(node, "parent"),
                                                StringField(node, "kind"),
                                                FirstName(node.value("names", DumpJson::array()))};
        }
    }
    LabelCompetitions();
}

CDumpIdentities::CDumpIdentities(const CWorld& world) {
    for (int number = 1; number <= kCountryCount; ++number) {
        const std::string prefix = std::to_string(number) + "/";
        COccurrences clubs;
        std::uint32_t next = 1;
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            const std::uint32_t compact = IsNationalTeam(id) ? id : MakeClubId(number, next++);
            m_clubs[compact & kClubIdMask] =
                clubs.Next(prefix + Cp1252ToUtf8(club->Names()[0].View()));
        }
    }
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Kind() == kRootKind || node->Country() < 1 || node->Country() > kCountryCount) {
            continue;
        }
        const std::string name =
            node->Kind() == kPoolKind ? std::string() : Cp1252ToUtf8(node->Names()[0].View());
        m_nodes[FormatCompetitionId(id)] = {FormatCompetitionId(node->ParentId()),
                                            std::string(node->KindKeyword()), name};
    }
    LabelCompetitions();
}

void CDumpIdentities::Differences(const CDumpIdentities& other,
                                  std::unordered_set<std::uint32_t>& clubs,
                                  std::unordered_set<std::string>& competitions) const {
    for (const auto& [id, label] : m_clubs) {
        const auto found = other.m_clubs.find(id);
        if (found == other.m_clubs.end() || found->second != label) {
            clubs.insert(id);
        }
    }
    for (const auto& [id, label] : m_competitions) {
        const auto found = other.m_competitions.find(id);
        if (found == other.m_competitions.end() || found->second != label) {
            competitions.insert(id);
        }
    }
}

std::string CDumpIdentities::Club(std::uint32_t id) const {
    const auto found = m_clubs.find(id & kClubIdMask);
    if (found == m_clubs.end()) {
        return std::to_string(id);
    }
    return (id & kSecondTeamFlag) != 0 ? found->second + " (2)" : found->second;
}

std::string CDumpIdentities::Competition(const std::string& id) const {
    const auto found = m_competitions.find(id);
    return found == m_competitions.end() ? id : found->second;
}

void CDumpIdentities::RelabelClub(std::uint32_t id, std::string label) {
    m_clubs[id & kClubIdMask] = std::move(label);
}

void CDumpIdentities::Rewrite(DumpJson& json) const {
    if (json.is_array()) {
        for (DumpJson& element : json) {
            Rewrite(element);
        }
        return;
    }
    if (!json.is_object()) {
        return;
    }
    for (auto item = json.begin(); item != json.end(); ++item) {
        if (IsClubKey(item.key())) {
            MapValues(item.value(), [this](const DumpJson& value) -> DumpJson {
                if (!value.is_number_unsigned() || value.get<std::uint32_t>() == 0) {
                    return value;
                }
                return Club(value.get<std::uint32_t>());
            });
        } else if (IsCompetitionKey(item.key())) {
            MapValues(item.value(), [this](const DumpJson& value) -> DumpJson {
                return value.is_string() ? DumpJson(Competition(value.get<std::string>())) : value;
            });
        } else {
            Rewrite(item.value());
        }
    }
}

void CDumpIdentities::RewriteDump(DumpJson& dump) const {
    // The records' own "id" keys are rewritten too, so both sides are matched by the same kind
    // of key.
    if (dump.contains("countries")) {
        for (DumpJson& country : dump["countries"]) {
            for (DumpJson& node : country["competitions"]) {
                node["id"] = Competition(StringField(node, "id"));
            }
        }
    }
    Rewrite(dump);
}

void CDumpIdentities::LabelCompetitions() {
    for (const auto& [id, node] : m_nodes) {
        CompetitionLabel(id);
    }
}

// The parent's identity, then kind and name, counted among the parent's children, so that a
// league removed elsewhere leaves the others' identities alone.
const std::string& CDumpIdentities::CompetitionLabel(const std::string& id) {
    const auto known = m_competitions.find(id);
    if (known != m_competitions.end()) {
        return known->second;
    }
    const auto node = m_nodes.find(id);
    if (node == m_nodes.end()) {
        return m_competitions.emplace(id, id).first->second;
    }
    // A cycle of parents in a damaged dump ends at the raw id.
    m_competitions.emplace(id, id);
    const SNode& info = node->second;
    const std::string parent = CompetitionLabel(info.parent);
    const std::string key = parent + "/" + info.kind + ":" + info.name;
    std::string label = m_siblings.Next(key);
    return m_competitions[id] = std::move(label);
}

std::string PersonKey(const DumpJson& person) {
    const auto birth = person.find("birthDate");
    return StringField(person, "firstName") + '\x1f' + StringField(person, "surname") + '\x1f' +
           (birth != person.end() && birth->is_string() ? birth->get<std::string>() : "");
}

std::string PersonName(const DumpJson& person) {
    std::string name = StringField(person, "surname");
    const std::string first = StringField(person, "firstName");
    if (!first.empty()) {
        name += ", " + first;
    }
    return name;
}

std::vector<SKeyed> Keyed(const DumpJson& list,
                          const std::function<std::string(const DumpJson&)>& keyOf) {
    std::vector<SKeyed> records;
    COccurrences occurrences;
    for (const DumpJson& record : list) {
        records.push_back({occurrences.Next(keyOf(record)), &record, {}});
    }
    return records;
}

SMatching Match(const std::vector<SKeyed>& before, const std::vector<SKeyed>& after) {
    SMatching matching;
    std::unordered_map<std::string_view, const SKeyed*> index;
    index.reserve(after.size());
    for (const SKeyed& record : after) {
        index.emplace(record.key, &record);
    }
    std::unordered_set<const SKeyed*> paired;
    for (const SKeyed& record : before) {
        const auto found = index.find(record.key);
        if (found == index.end()) {
            matching.removed.push_back(&record);
        } else {
            matching.pairs.emplace_back(&record, found->second);
            paired.insert(found->second);
        }
    }
    for (const SKeyed& record : after) {
        if (!paired.contains(&record)) {
            matching.added.push_back(&record);
        }
    }
    return matching;
}

namespace {

// A country's clubs by their id in the world, each with its persons as the country part shows it.
std::unordered_map<std::uint32_t, std::string> ClubTexts(const CRecordDump& dump,
                                                         const CCountry& country) {
    std::unordered_map<std::uint32_t, std::string> texts;
    for (const auto& [id, club] : country.Clubs()) {
        texts.emplace(id, dump.Club(*club, true));
    }
    return texts;
}

}  // namespace

// Country by country, each thread reading only its own world, and only the one pair at hand is
// held. A pair is handed on when its texts differ or name a club or competition whose identity
// moved; it leaves out the clubs that are the same in both, so that a large country with a few
// changed clubs is never parsed whole.
void ForEachDifferingPart(const CWorld& before, const CWorld& after,
                          const CDumpIdentities& identitiesBefore,
                          const CDumpIdentities& identitiesAfter, const DumpPartVisitor& part) {
    std::unordered_set<std::uint32_t> movedClubs;
    std::unordered_set<std::string> movedCompetitions;
    identitiesBefore.Differences(identitiesAfter, movedClubs, movedCompetitions);
    const auto differs = [&](std::string_view a, std::string_view b) {
        return a != b || NamesAny(a, movedClubs, movedCompetitions);
    };
    const CRecordDump dumpBefore(before);
    const CRecordDump dumpAfter(after);
    for (int number = 1; number <= kCountryCount; ++number) {
        std::future<std::unordered_map<std::uint32_t, std::string>> clubsOfAfter = std::async(
            std::launch::async, ClubTexts, std::cref(dumpAfter), std::cref(after.Country(number)));
        std::unordered_map<std::uint32_t, std::string> clubsBefore =
            ClubTexts(dumpBefore, before.Country(number));
        std::unordered_map<std::uint32_t, std::string> clubsAfter = clubsOfAfter.get();
        std::unordered_set<std::uint32_t> same;
        for (const auto& [id, text] : clubsBefore) {
            const auto found = clubsAfter.find(id);
            if (found != clubsAfter.end() && !differs(text, found->second)) {
                same.insert(id);
            }
        }
        clubsBefore.clear();
        clubsAfter.clear();
        const CRecordDump::ClubFilter changed = [&same](const CClub& club) {
            return !same.contains(club.Id());
        };
        std::future<std::string> dumpingAfter = std::async(std::launch::async, [&] {
            return dumpAfter.CountryPart(number, EDumpLayout::Compact, changed);
        });
        const std::string dumpedBefore =
            dumpBefore.CountryPart(number, EDumpLayout::Compact, changed);
        const std::string dumpedAfter = dumpingAfter.get();
        if (differs(dumpedBefore, dumpedAfter)) {
            part(number, dumpedBefore, dumpedAfter);
        }
    }
    const std::string restBefore = DumpWithoutClubAndRulesJson(before, EDumpLayout::Compact);
    const std::string restAfter = DumpWithoutClubAndRulesJson(after, EDumpLayout::Compact);
    if (differs(restBefore, restAfter)) {
        part(0, restBefore, restAfter);
    }
}

}  // namespace kw
