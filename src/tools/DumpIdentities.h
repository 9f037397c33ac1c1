#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace kw {

// What a reserve team's reference adds to its club's identity.
inline constexpr std::string_view kReserveSuffix = " (2)";

class CWorld;

// Records of two databases matched by identity on their JSON dumps (exports/WorldDump.h), never
// by the ids a save or a load hands out anew: the database diff and the change packages share it.
using DumpJson = nlohmann::ordered_json;

// Dump keys whose values are club references (a number or a list of numbers) and competition ids
// (a text or a list of texts).
bool IsClubKey(std::string_view key);
bool IsCompetitionKey(std::string_view key);

std::string FirstName(const DumpJson& names);
std::string StringField(const DumpJson& record, const char* key);
const DumpJson& ArrayField(const DumpJson& record, const char* key);

// Appends "#2", "#3" ... to the second and further occurrences of a key, so records with equal
// identities pair up in their order.
class COccurrences {
public:
    std::string Next(const std::string& key);

private:
    std::unordered_map<std::string, int> m_counts;
};

// The identities of one database's clubs ("<country>/<German name>", "#<n>" for the n-th club of
// that name in the country) and competitions (the parent's identity, then "/<kind>:<name>",
// counted among the parent's children), by the ids of its dump: clubs in the compact numbering of
// a save, competitions by their formatted ids.
class CDumpIdentities {
public:
    explicit CDumpIdentities(const DumpJson& dump);
    // The same taken from the model, as its dump would give them.
    explicit CDumpIdentities(const CWorld& world);

    // Club ids (masked) and competition ids whose identity is another one in `other`, or that
    // only one of the two has.
    void Differences(const CDumpIdentities& other, std::unordered_set<std::uint32_t>& clubs,
                     std::unordered_set<std::string>& competitions) const;

    // A reserve team's reference is its club's identity followed by " (2)"; an id the database
    // does not have stays a number, as text.
    std::string Club(std::uint32_t id) const;
    std::string Competition(const std::string& id) const;
    // The club with that id (masked, compact) goes by another identity from now on.
    void RelabelClub(std::uint32_t id, std::string label);
    const std::unordered_map<std::uint32_t, std::string>& ClubLabels() const { return m_clubs; }
    const std::unordered_map<std::string, std::string>& CompetitionLabels() const {
        return m_competitions;
    }

    // Club and competition references replaced by identities, everywhere below `json`.
    void Rewrite(DumpJson& json) const;
    // The same, and the dump's competitions keyed by their identity in their "id".
    void RewriteDump(DumpJson& dump) const;

private:
    struct SNode {
        std::string parent;
        std::string kind;
        std::string name;
    };

    void LabelCompetitions();
    const std::string& CompetitionLabel(const std::string& id);

    std::unordered_map<std::uint32_t, std::string> m_clubs;
    std::map<std::string, SNode> m_nodes;
    std::unordered_map<std::string, std::string> m_competitions;
    COccurrences m_siblings;
};

// Persons are keyed by first name, surname and birth date.
std::string PersonKey(const DumpJson& person);
// "Surname, First name".
std::string PersonName(const DumpJson& person);

struct SKeyed {
    std::string key;
    const DumpJson* record = nullptr;
    std::string club;  // a person's club name
};

struct SMatching {
    std::vector<std::pair<const SKeyed*, const SKeyed*>> pairs;
    std::vector<const SKeyed*> removed;
    std::vector<const SKeyed*> added;
};

// The records of a list keyed by `keyOf`, occurrences counted.
std::vector<SKeyed> Keyed(const DumpJson& list,
                          const std::function<std::string(const DumpJson&)>& keyOf);
// Pairs records with equal keys; the keys already carry their occurrence counts.
SMatching Match(const std::vector<SKeyed>& before, const std::vector<SKeyed>& after);

// The parts of two databases whose dumps (compact) may hold differences, each handed to `part`
// with both texts: the countries in number order, then country 0 for the players without club and
// the rules. A part is passed over when both texts are equal and name no club or competition whose
// identity differs between the two (equal texts are then no proof of equal records). A country's
// texts leave out the clubs (with their persons) that are the same in both by that measure.
using DumpPartVisitor =
    std::function<void(int country, std::string_view before, std::string_view after)>;
void ForEachDifferingPart(const CWorld& before, const CWorld& after,
                          const CDumpIdentities& identitiesBefore,
                          const CDumpIdentities& identitiesAfter, const DumpPartVisitor& part);

}  // namespace kw
