#include "tools/DatabaseDiff.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <future>
#include <map>
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

using Json = nlohmann::ordered_json;

constexpr std::uint32_t kClubMask = 0xFEFFFFFFu;
constexpr std::uint32_t kSecondTeam = 0x01000000u;
constexpr std::size_t kValueLength = 80;

// Dump keys whose values are club references (a number or a list of numbers) and competition
// ids (a text or a list of texts). Their values are replaced by identities before comparing.
const std::unordered_set<std::string_view> kClubKeys = {
    "currentClub", "previousClub",  "firstClub",     "fourthClub",
    "loanClub",    "club",          "fanFriendship", "rivals",
    "teams",       "preferredClub", "titleHolder",   "furtherTitleHolders"};
const std::unordered_set<std::string_view> kCompetitionKeys = {"parent", "sources",
                                                               "subCompetitions", "checked"};

std::string FirstName(const Json& names) {
    return names.is_array() && !names.empty() && names[0].is_string() ? names[0].get<std::string>()
                                                                      : std::string();
}

std::string StringField(const Json& record, const char* key) {
    const auto found = record.find(key);
    return found != record.end() && found->is_string() ? found->get<std::string>() : std::string();
}

const Json& ArrayField(const Json& record, const char* key) {
    static const Json empty = Json::array();
    const auto found = record.find(key);
    return found != record.end() && found->is_array() ? *found : empty;
}

// Appends "#2", "#3" ... to the second and further occurrences of a key, so records with equal
// identities pair up in their order.
class COccurrences {
public:
    std::string Next(const std::string& key) {
        const int count = ++m_counts[key];
        return count == 1 ? key : key + "#" + std::to_string(count);
    }

private:
    std::unordered_map<std::string, int> m_counts;
};

// The identities of one dump's clubs and competitions, and the dump rewritten through them.
class CIdentities {
public:
    explicit CIdentities(const Json& dump) {
        for (const Json& country : ArrayField(dump, "countries")) {
            const std::string prefix = std::to_string(country.value("number", 0)) + "/";
            COccurrences clubs;
            for (const Json& club : ArrayField(country, "clubs")) {
                const std::string label = clubs.Next(prefix + FirstName(club["names"]));
                m_clubs[club.value("id", 0u) & kClubMask] = label;
            }
            for (const Json& node : ArrayField(country, "competitions")) {
                m_nodes[StringField(node, "id")] = {StringField(node, "parent"),
                                                    StringField(node, "kind"),
                                                    FirstName(node.value("names", Json::array()))};
            }
        }
        LabelCompetitions();
    }

    // The same identities taken from the model, as its dump would give them: clubs in the
    // compact numbering of a save, competitions by their formatted ids.
    explicit CIdentities(const CWorld& world) {
        for (int number = 1; number <= kCountryCount; ++number) {
            const std::string prefix = std::to_string(number) + "/";
            COccurrences clubs;
            std::uint32_t next = 1;
            for (const auto& [id, club] : world.Country(number).Clubs()) {
                const std::uint32_t compact = IsNationalTeam(id) ? id : MakeClubId(number, next++);
                m_clubs[compact & kClubMask] =
                    clubs.Next(prefix + Cp1252ToUtf8(club->Names()[0].View()));
            }
        }
        for (const auto& [id, node] : world.Competitions()) {
            if (node->Kind() == kRootKind || node->Country() < 1 ||
                node->Country() > kCountryCount) {
                continue;
            }
            const std::string name =
                node->Kind() == kPoolKind ? std::string() : Cp1252ToUtf8(node->Names()[0].View());
            m_nodes[FormatCompetitionId(id)] = {FormatCompetitionId(node->ParentId()),
                                                std::string(node->KindKeyword()), name};
        }
        LabelCompetitions();
    }

    // Club ids (masked) and competition ids whose identity is another one in `other`, or that
    // only one of the two has.
    void Differences(const CIdentities& other, std::unordered_set<std::uint32_t>& clubs,
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

    std::string Club(std::uint32_t id) const {
        const auto found = m_clubs.find(id & kClubMask);
        if (found == m_clubs.end()) {
            return std::to_string(id);
        }
        return (id & kSecondTeam) != 0 ? found->second + " (2)" : found->second;
    }

    std::string Competition(const std::string& id) const {
        const auto found = m_competitions.find(id);
        return found == m_competitions.end() ? id : found->second;
    }

    // Club and competition references replaced by identities, everywhere below `json`.
    void Rewrite(Json& json) const {
        if (json.is_array()) {
            for (Json& element : json) {
                Rewrite(element);
            }
            return;
        }
        if (!json.is_object()) {
            return;
        }
        for (auto item = json.begin(); item != json.end(); ++item) {
            if (kClubKeys.contains(item.key())) {
                MapValues(item.value(), [this](const Json& value) -> Json {
                    if (!value.is_number_unsigned() || value.get<std::uint32_t>() == 0) {
                        return value;
                    }
                    return Club(value.get<std::uint32_t>());
                });
            } else if (kCompetitionKeys.contains(item.key())) {
                MapValues(item.value(), [this](const Json& value) -> Json {
                    return value.is_string() ? Json(Competition(value.get<std::string>())) : value;
                });
            } else {
                Rewrite(item.value());
            }
        }
    }

private:
    struct SNode {
        std::string parent;
        std::string kind;
        std::string name;
    };

    void LabelCompetitions() {
        for (const auto& [id, node] : m_nodes) {
            CompetitionLabel(id);
        }
    }

    template <typename Map>
    static void MapValues(Json& value, const Map& map) {
        if (value.is_array()) {
            for (Json& element : value) {
                element = map(element);
            }
        } else {
            value = map(value);
        }
    }

    // The parent's identity, then kind and name, counted among the parent's children, so that a
    // league removed elsewhere leaves the others' identities alone.
    const std::string& CompetitionLabel(const std::string& id) {
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

    std::unordered_map<std::uint32_t, std::string> m_clubs;
    std::map<std::string, SNode> m_nodes;
    std::unordered_map<std::string, std::string> m_competitions;
    COccurrences m_siblings;
};

std::string Render(const Json& value) {
    std::string text = value.dump();
    if (text.size() > kValueLength) {
        std::size_t cut = kValueLength - 3;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;  // never inside a UTF-8 sequence
        }
        text.resize(cut);
        text += "...";
    }
    return text;
}

void CompareValues(const Json& a, const Json& b, const std::string& path,
                   std::vector<SFieldChange>& out) {
    if (a == b) {
        return;
    }
    const auto child = [&path](const std::string& key) {
        return path.empty() ? key : path + "." + key;
    };
    if (a.is_object() && b.is_object()) {
        for (auto item = a.begin(); item != a.end(); ++item) {
            const auto other = b.find(item.key());
            if (other == b.end()) {
                out.push_back({child(item.key()), Render(item.value()), "-"});
            } else {
                CompareValues(item.value(), *other, child(item.key()), out);
            }
        }
        for (auto item = b.begin(); item != b.end(); ++item) {
            if (!a.contains(item.key())) {
                out.push_back({child(item.key()), "-", Render(item.value())});
            }
        }
    } else if (a.is_array() && b.is_array() && a.size() == b.size()) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            CompareValues(a[i], b[i], path + "[" + std::to_string(i) + "]", out);
        }
    } else {
        out.push_back({path, Render(a), Render(b)});
    }
}

// The fields of two records that differ, leaving out the keys in `skipped` (ids, nested lists
// compared as records of their own).
std::vector<SFieldChange> CompareRecord(const Json& a, const Json& b,
                                        std::initializer_list<std::string_view> skipped) {
    std::vector<SFieldChange> fields;
    const auto isSkipped = [skipped](const std::string& key) {
        for (const std::string_view skip : skipped) {
            if (key == skip) {
                return true;
            }
        }
        return false;
    };
    for (auto item = a.begin(); item != a.end(); ++item) {
        if (isSkipped(item.key())) {
            continue;
        }
        const auto other = b.find(item.key());
        if (other == b.end()) {
            fields.push_back({item.key(), Render(item.value()), "-"});
        } else {
            CompareValues(item.value(), *other, item.key(), fields);
        }
    }
    for (auto item = b.begin(); item != b.end(); ++item) {
        if (!isSkipped(item.key()) && !a.contains(item.key())) {
            fields.push_back({item.key(), "-", Render(item.value())});
        }
    }
    return fields;
}

struct SKeyed {
    std::string key;
    const Json* record = nullptr;
    std::string club;  // a person's club name
};

struct SMatching {
    std::vector<std::pair<const SKeyed*, const SKeyed*>> pairs;
    std::vector<const SKeyed*> removed;
    std::vector<const SKeyed*> added;
};

// Pairs records with equal keys; the keys already carry their occurrence counts.
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

std::string PersonKey(const Json& person) {
    const auto birth = person.find("birthDate");
    return StringField(person, "firstName") + '\x1f' + StringField(person, "surname") + '\x1f' +
           (birth != person.end() && birth->is_string() ? birth->get<std::string>() : "");
}

std::string PersonName(const Json& person) {
    std::string name = StringField(person, "surname");
    const std::string first = StringField(person, "firstName");
    if (!first.empty()) {
        name += ", " + first;
    }
    return name;
}

template <typename KeyOf>
std::vector<SKeyed> Keyed(const Json& list, const KeyOf& keyOf) {
    std::vector<SKeyed> records;
    COccurrences occurrences;
    for (const Json& record : list) {
        records.push_back({occurrences.Next(keyOf(record)), &record, {}});
    }
    return records;
}

class CCountryComparer {
public:
    explicit CCountryComparer(SCountryDiff& out) : m_out(out) {}

    template <typename KeyOf, typename NameOf>
    void Records(EDiffKind kind, const Json& before, const Json& after, const KeyOf& keyOf,
                 const NameOf& nameOf, std::initializer_list<std::string_view> skipped) {
        const std::vector<SKeyed> a = Keyed(before, keyOf);
        const std::vector<SKeyed> b = Keyed(after, keyOf);
        const SMatching matching = Match(a, b);
        Report(kind, matching, nameOf, skipped);
    }

    // Persons first within the pairs of clubs, then the rest across the country, so that a move
    // between two clubs is one changed person.
    void Persons(const std::vector<std::pair<const Json*, const Json*>>& clubs) {
        std::vector<SKeyed> restBefore;
        std::vector<SKeyed> restAfter;
        const auto persons = [](const Json& club) {
            std::vector<SKeyed> list = Keyed(ArrayField(club, "persons"), PersonKey);
            const std::string name = FirstName(club["names"]);
            for (SKeyed& person : list) {
                person.club = name;
            }
            return list;
        };
        std::vector<SRecordDiff> changed;
        for (const auto& pair : clubs) {
            const std::vector<SKeyed> a = persons(*pair.first);
            const std::vector<SKeyed> b = persons(*pair.second);
            const SMatching matching = Match(a, b);
            for (const auto& [left, right] : matching.pairs) {
                AddChanged(EDiffKind::Person, *left, *right, PersonName(*right->record), {"id"});
            }
            for (const SKeyed* person : matching.removed) {
                restBefore.push_back({PersonKey(*person->record), person->record, person->club});
            }
            for (const SKeyed* person : matching.added) {
                restAfter.push_back({PersonKey(*person->record), person->record, person->club});
            }
        }
        const auto recount = [](std::vector<SKeyed>& list) {
            COccurrences occurrences;
            for (SKeyed& record : list) {
                record.key = occurrences.Next(record.key);
            }
        };
        recount(restBefore);
        recount(restAfter);
        Report(EDiffKind::Person, Match(restBefore, restAfter), PersonName, {"id"});
    }

    void Changed(EDiffKind kind, const Json& before, const Json& after, std::string name,
                 std::initializer_list<std::string_view> skipped) {
        std::vector<SFieldChange> fields = CompareRecord(before, after, skipped);
        if (!fields.empty()) {
            m_out.records.push_back(
                {kind, EDiffChange::Changed, std::move(name), {}, std::move(fields)});
        }
    }

private:
    template <typename NameOf>
    void Report(EDiffKind kind, const SMatching& matching, const NameOf& nameOf,
                std::initializer_list<std::string_view> skipped) {
        for (const SKeyed* record : matching.removed) {
            m_out.records.push_back(
                {kind, EDiffChange::Removed, nameOf(*record->record), record->club, {}});
        }
        for (const SKeyed* record : matching.added) {
            m_out.records.push_back(
                {kind, EDiffChange::Added, nameOf(*record->record), record->club, {}});
        }
        for (const auto& [left, right] : matching.pairs) {
            AddChanged(kind, *left, *right, nameOf(*right->record), skipped);
        }
    }

    void AddChanged(EDiffKind kind, const SKeyed& before, const SKeyed& after, std::string name,
                    std::initializer_list<std::string_view> skipped) {
        std::vector<SFieldChange> fields = CompareRecord(*before.record, *after.record, skipped);
        if (!fields.empty()) {
            m_out.records.push_back(
                {kind, EDiffChange::Changed, std::move(name), after.club, std::move(fields)});
        }
    }

    SCountryDiff& m_out;
};

std::string ClubName(const Json& club) {
    return FirstName(club["names"]);
}

// Competitions are keyed by their "id", which holds their identity by now.
SCountryDiff CompareCountry(const Json& a, const Json& b) {
    SCountryDiff out;
    out.country = b.value("number", 0);
    out.name = FirstName(b["names"]);
    CCountryComparer compare(out);
    compare.Changed(EDiffKind::Country, a, b, out.name,
                    {"competitions", "clubs", "referees", "stadiums"});

    const int number = out.country;
    const auto clubKey = [number](const Json& club) {
        return std::to_string(number) + "/" + ClubName(club);
    };
    const std::vector<SKeyed> clubsA = Keyed(ArrayField(a, "clubs"), clubKey);
    const std::vector<SKeyed> clubsB = Keyed(ArrayField(b, "clubs"), clubKey);
    const SMatching clubs = Match(clubsA, clubsB);
    std::vector<std::pair<const Json*, const Json*>> clubPairs;
    for (const SKeyed* club : clubs.removed) {
        out.records.push_back(
            {EDiffKind::Club, EDiffChange::Removed, ClubName(*club->record), {}, {}});
    }
    for (const SKeyed* club : clubs.added) {
        out.records.push_back(
            {EDiffKind::Club, EDiffChange::Added, ClubName(*club->record), {}, {}});
    }
    for (const auto& [left, right] : clubs.pairs) {
        compare.Changed(EDiffKind::Club, *left->record, *right->record, ClubName(*right->record),
                        {"id", "persons"});
        clubPairs.emplace_back(left->record, right->record);
    }
    compare.Persons(clubPairs);

    compare.Records(
        EDiffKind::Competition, ArrayField(a, "competitions"), ArrayField(b, "competitions"),
        [](const Json& node) { return StringField(node, "id"); },
        [](const Json& node) {
            const std::string name = FirstName(node.value("names", Json::array()));
            return name.empty() ? StringField(node, "kind") + " " + StringField(node, "id") : name;
        },
        {"id"});

    const auto refereeKey = [](const Json& referee) {
        return StringField(referee, "firstName") + '\x1f' + StringField(referee, "surname");
    };
    compare.Records(EDiffKind::Referee, ArrayField(a, "referees"), ArrayField(b, "referees"),
                    refereeKey, PersonName, {});
    const auto stadiumKey = [](const Json& stadium) {
        return StringField(stadium, "name") + '\x1f' + StringField(stadium, "city");
    };
    compare.Records(EDiffKind::Stadium, ArrayField(a, "stadiums"), ArrayField(b, "stadiums"),
                    stadiumKey, [](const Json& stadium) { return StringField(stadium, "name"); },
                    {});
    return out;
}

SCountryDiff CompareWithoutClubAndRules(const Json& a, const Json& b) {
    SCountryDiff out;
    CCountryComparer compare(out);
    compare.Records(EDiffKind::Person, ArrayField(a, "withoutClub"), ArrayField(b, "withoutClub"),
                    PersonKey, PersonName, {});
    const Json empty = Json::object();
    const auto rulesA = a.find("rules");
    const auto rulesB = b.find("rules");
    compare.Changed(EDiffKind::Rules, rulesA == a.end() ? empty : *rulesA,
                    rulesB == b.end() ? empty : *rulesB, "Rules", {});
    return out;
}

}  // namespace

std::size_t SDatabaseDiff::RecordCount() const {
    std::size_t count = 0;
    for (const SCountryDiff& country : countries) {
        count += country.records.size();
    }
    return count;
}

namespace {

// Compares two parsed dumps (whole, one country's, or the rest) through the identities of their
// databases and appends what differs to `diff`.
void DiffParsed(Json& a, Json& b, const CIdentities& identitiesA, const CIdentities& identitiesB,
                SDatabaseDiff& diff) {
    // Competition ids become identities inside the records; the records' own "id" keys are
    // rewritten too, so both sides are matched by the same kind of key.
    const auto rewriteIds = [](Json& dump, const CIdentities& identities) {
        if (dump.contains("countries")) {
            for (Json& country : dump["countries"]) {
                for (Json& node : country["competitions"]) {
                    node["id"] = identities.Competition(StringField(node, "id"));
                }
            }
        }
        identities.Rewrite(dump);
    };
    rewriteIds(a, identitiesA);
    rewriteIds(b, identitiesB);

    std::map<int, std::pair<const Json*, const Json*>> pairs;
    for (const Json& country : ArrayField(a, "countries")) {
        pairs[country.value("number", 0)].first = &country;
    }
    for (const Json& country : ArrayField(b, "countries")) {
        pairs[country.value("number", 0)].second = &country;
    }
    const Json noCountry = Json::object();
    for (const auto& [number, pair] : pairs) {
        const Json& left = pair.first != nullptr ? *pair.first : noCountry;
        const Json& right = pair.second != nullptr ? *pair.second : noCountry;
        SCountryDiff country = CompareCountry(left, right);
        country.country = number;
        if (!country.records.empty()) {
            diff.countries.push_back(std::move(country));
        }
    }
    SCountryDiff rest = CompareWithoutClubAndRules(a, b);
    if (!rest.records.empty()) {
        diff.countries.push_back(std::move(rest));
    }
}

// Whether a dump names one of the club ids (as a number) or competition ids (as a text) whose
// identity differs between the two databases: equal texts are then no proof of equal records.
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
                clubs.contains(static_cast<std::uint32_t>(value) & kClubMask)) {
                return true;
            }
        } else {
            ++i;
        }
    }
    return false;
}

}  // namespace

std::optional<SDatabaseDiff> DiffDumps(std::string_view before, std::string_view after) {
    Json a = Json::parse(before, nullptr, false);
    Json b = Json::parse(after, nullptr, false);
    const auto isDump = [](const Json& dump) {
        return dump.is_object() && dump.contains("countries") && dump["countries"].is_array();
    };
    if (!isDump(a) || !isDump(b)) {
        return std::nullopt;
    }
    const CIdentities identitiesA(a);
    const CIdentities identitiesB(b);
    SDatabaseDiff diff;
    DiffParsed(a, b, identitiesA, identitiesB, diff);
    return diff;
}

// Country by country, so that only one country's records are parsed at a time, and only where
// the two dumps differ or name a club or competition whose identity moved.
SDatabaseDiff DiffWorlds(const CWorld& before, const CWorld& after) {
    struct SDumps {
        std::vector<std::string> countries;
        std::string rest;
    };
    const auto dump = [](const CWorld& world) {
        return SDumps{DumpCountriesJson(world, EDumpLayout::Compact),
                      DumpWithoutClubAndRulesJson(world, EDumpLayout::Compact)};
    };
    // Each thread only reads its own world.
    std::future<SDumps> dumpingAfter = std::async(std::launch::async, dump, std::cref(after));
    const SDumps dumpsBefore = dump(before);
    const SDumps dumpsAfter = dumpingAfter.get();

    const CIdentities identitiesA(before);
    const CIdentities identitiesB(after);
    std::unordered_set<std::uint32_t> movedClubs;
    std::unordered_set<std::string> movedCompetitions;
    identitiesA.Differences(identitiesB, movedClubs, movedCompetitions);
    identitiesB.Differences(identitiesA, movedClubs, movedCompetitions);

    SDatabaseDiff diff;
    const auto compare = [&](const std::string& a, const std::string& b) {
        if (a == b && !NamesAny(a, movedClubs, movedCompetitions)) {
            return;
        }
        // Both dumps come from the one writer, so they always parse.
        Json parsedA = Json::parse(a);
        Json parsedB = Json::parse(b);
        DiffParsed(parsedA, parsedB, identitiesA, identitiesB, diff);
    };
    for (std::size_t index = 0; index < dumpsBefore.countries.size(); ++index) {
        compare(dumpsBefore.countries[index], dumpsAfter.countries[index]);
    }
    compare(dumpsBefore.rest, dumpsAfter.rest);
    return diff;
}

std::string_view DiffKindKey(EDiffKind kind) {
    static constexpr std::array<std::string_view, 7> kKeys = {
        "country", "club", "person", "competition", "referee", "stadium", "rules"};
    return kKeys[static_cast<std::size_t>(kind)];
}

std::string_view DiffChangeKey(EDiffChange change) {
    static constexpr std::array<std::string_view, 3> kKeys = {"added", "removed", "changed"};
    return kKeys[static_cast<std::size_t>(change)];
}

std::string DiffText(const SDatabaseDiff& diff) {
    if (diff.IsEmpty()) {
        return "identical\n";
    }
    std::string text;
    for (const SCountryDiff& country : diff.countries) {
        text += country.country == 0 ? std::string("players without club and rules")
                                     : std::to_string(country.country) + " " + country.name;
        text += "\n";
        for (const SRecordDiff& record : country.records) {
            text += "  ";
            text += DiffKindKey(record.kind);
            text += " ";
            text += DiffChangeKey(record.change);
            text += ": " + record.name;
            if (!record.club.empty()) {
                text += " (" + record.club + ")";
            }
            text += "\n";
            for (const SFieldChange& field : record.fields) {
                text += "    " + field.field + ": " + field.before + " -> " + field.after + "\n";
            }
        }
    }
    text += std::to_string(diff.RecordCount()) + " records differ\n";
    return text;
}

std::string DiffJson(const SDatabaseDiff& diff) {
    Json countries = Json::array();
    for (const SCountryDiff& country : diff.countries) {
        Json records = Json::array();
        for (const SRecordDiff& record : country.records) {
            Json fields = Json::array();
            for (const SFieldChange& field : record.fields) {
                fields.push_back(
                    Json{{"field", field.field}, {"before", field.before}, {"after", field.after}});
            }
            records.push_back(Json{{"kind", DiffKindKey(record.kind)},
                                   {"change", DiffChangeKey(record.change)},
                                   {"name", record.name},
                                   {"club", record.club},
                                   {"fields", std::move(fields)}});
        }
        countries.push_back(Json{
            {"number", country.country}, {"name", country.name}, {"records", std::move(records)}});
    }
    const Json json{{"identical", diff.IsEmpty()}, {"countries", std::move(countries)}};
    return json.dump(2) + "\n";
}

}  // namespace kw
