#include "tools/DatabaseDiff.h"

#include <array>
#include <map>

#include "model/World.h"
#include "tools/DumpIdentities.h"

namespace kw {

namespace {

using Json = DumpJson;

constexpr std::size_t kValueLength = 80;

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
void DiffParsed(Json& a, Json& b, const CDumpIdentities& identitiesA,
                const CDumpIdentities& identitiesB, SDatabaseDiff& diff) {
    identitiesA.RewriteDump(a);
    identitiesB.RewriteDump(b);

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
    const CDumpIdentities identitiesA(a);
    const CDumpIdentities identitiesB(b);
    SDatabaseDiff diff;
    DiffParsed(a, b, identitiesA, identitiesB, diff);
    return diff;
}

// Country by country, so that only one country's records are parsed at a time, and only where
// the two dumps differ or name a club or competition whose identity moved.
SDatabaseDiff DiffWorlds(const CWorld& before, const CWorld& after) {
    const CDumpIdentities identitiesA(before);
    const CDumpIdentities identitiesB(after);
    SDatabaseDiff diff;
    ForEachDifferingPart(before, after, identitiesA, identitiesB,
                         [&](int, std::string_view a, std::string_view b) {
                             // Both dumps come from the one writer, so they always parse.
                             Json parsedA = Json::parse(a);
                             Json parsedB = Json::parse(b);
                             DiffParsed(parsedA, parsedB, identitiesA, identitiesB, diff);
                         });
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
