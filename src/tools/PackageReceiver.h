#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "exports/WorldDump.h"
#include "tools/DumpIdentities.h"

namespace kw {

class CWorld;

// The database a change package is applied to, seen as the package sees it: records found by
// their identities, their values as the JSON dump shows them with club references as identities.
//
// Identities are those the database has now. Club references in values read as they will once
// the clubs renamed by the package are renamed (RenameClub, before the first value is asked for):
// the package writes references by the new names.
class CPackageReceiver {
public:
    explicit CPackageReceiver(const CWorld& world);

    const CWorld& World() const { return m_world; }

    // A club by its identity now; a reserve team's identity gives its club's id with the
    // reserve bit, the number of a pool entry's "create a club" that number. Nothing when unknown.
    // A club the package renames is found by its new identity as well, as it is once the
    // package was applied.
    std::optional<std::uint32_t> Club(const std::string& identity) const;
    void AddAlias(const std::string& identity, const std::string& renamed);
    // The same by the identities the clubs will have after the renames.
    std::optional<std::uint32_t> RenamedClub(const std::string& identity) const;
    // The identity a club will have after the renames (its club id without the reserve bit).
    std::string RenamedLabel(std::uint32_t club) const;
    // Valid until a value is asked for.
    void RenameClub(std::uint32_t club, const std::string& name);

    // A person by the identity's holding club, key and occurrence; else the one person of the
    // database with that key, wherever he is now.
    std::optional<std::uint32_t> Person(const DumpJson& identity) const;
    // Only the person at the identity's place: in its holding club, under its occurrence.
    std::optional<std::uint32_t> PersonAtPlace(const DumpJson& identity) const;
    // Whether the club (0: the players without club) holds a person of the identity's key.
    std::optional<std::uint32_t> PersonIn(std::uint32_t holder, const DumpJson& identity) const;
    // The club holding the person, 0 for the players without club.
    std::uint32_t Holder(std::uint32_t person) const;
    std::optional<std::uint32_t> Manager(int country, const DumpJson& identity) const;
    std::optional<std::size_t> Referee(int country, const DumpJson& identity) const;
    std::optional<std::size_t> Stadium(int country, const DumpJson& identity) const;

    // The records' values as the dump shows them; null when there is no such record.
    const DumpJson* CountryValues(int country);
    const DumpJson* RulesValues();
    const DumpJson* ClubValues(std::uint32_t club);
    const DumpJson* PersonValues(std::uint32_t person);
    const DumpJson* ManagerValues(int country, std::uint32_t manager);
    const DumpJson* RefereeValues(int country, std::size_t index);
    const DumpJson* StadiumValues(int country, std::size_t index);
    // A competition by its identity.
    std::optional<std::uint32_t> Competition(const std::string& identity) const;

private:
    struct SClubPlace {
        int country = 0;
        std::uint32_t compact = 0;  // the id the dump gives the club
    };
    using PlaceKey = std::tuple<std::uint32_t, std::string, int>;

    void IndexPersons();
    void Relabel(int country);
    // A record's dump, read and rewritten once.
    template <typename Key, typename Text>
    const DumpJson& Cached(std::map<Key, DumpJson>& cache, Key key, const Text& text);
    const DumpJson* ListEntry(int country, const char* list, std::size_t index);

    const CWorld& m_world;
    const CDumpIdentities m_identities;
    CDumpIdentities m_renamed;
    std::unordered_map<std::string, std::uint32_t> m_clubs;
    std::unordered_map<std::string, std::string> m_aliases;
    std::unordered_map<std::string, std::uint32_t> m_renamedClubs;
    std::unordered_map<std::uint32_t, SClubPlace> m_places;
    std::map<std::uint32_t, std::string> m_renames;
    std::map<PlaceKey, std::uint32_t> m_personPlaces;
    std::unordered_map<std::string, std::vector<std::uint32_t>> m_personsByKey;
    std::unordered_map<std::uint32_t, std::uint32_t> m_holders;
    std::unordered_map<std::string, std::uint32_t> m_competitions;
    // Records are dumped one by one, as the package asks for them.
    const CRecordDump m_records;
    std::map<int, DumpJson> m_countryDumps;
    std::map<std::uint32_t, DumpJson> m_clubDumps;
    std::map<std::uint32_t, DumpJson> m_personDumps;
    std::map<int, DumpJson> m_rulesDump;
};

// A key of a person or manager as the dump's records give it (PersonKey).
std::string PersonKeyOf(std::string_view firstName, std::string_view surname,
                        const std::string& birthDate);

}  // namespace kw
