#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CWorld;

// Quick find: the clubs, players, staff, referees, stadiums and competitions (leagues and cups) of
// a database by name, as the user types.
//
// Names and query are folded as the player search folds them (FoldForSearch: accents dropped,
// upper case). A query with '*' or '?' is a wildcard over a whole name (MatchWildcard); any other
// query matches a name it equals or begins, or a word of the name it begins ("mül" finds
// "Thomas Müller"). A person is found by first name, surname, stage name and nickname, and by
// "first name surname". A query of digits (or "0x" and hex digits) also finds the club, person or
// competition of that id.
//
// Order: exact matches (also by id), then prefix matches, then wildcard matches; within each the
// kinds in the order of EFindKind, then the names by CollateText (then the country and the id, so
// the order is total). The first `limit` hits in that order are handed out.

enum class EFindKind { Club, Player, Staff, Referee, Stadium, Competition };
enum class EFindMatch { Exact, Prefix, Wildcard };

struct SFindHit {
    EFindKind kind = EFindKind::Club;
    EFindMatch match = EFindMatch::Exact;
    std::string name;        // Windows-1252, as shown
    int country = 0;         // 0 for players without club
    std::uint32_t club = 0;  // the club of a club, player or staff member; else 0
    std::uint32_t id = 0;    // club, person or competition id; the list index of a referee
                             // or stadium in its country
};

struct SFindResult {
    std::vector<SFindHit> hits;
    std::size_t total = 0;  // hits before the limit
    bool More() const { return total > hits.size(); }
};

inline constexpr std::size_t kQuickFindLimit = 200;

// The searchable names of one database state, folded once; rebuild it after the database changed.
// Clubs and competitions are found by their names in the language the index was made for.
class CQuickFindIndex {
public:
    CQuickFindIndex(const CWorld& world, int language);

    // Nothing for an empty query (blanks only).
    SFindResult Find(std::string_view query, std::size_t limit = kQuickFindLimit) const;

    std::size_t Size() const { return m_entries.size(); }

private:
    struct SEntry {
        SFindHit hit;
        std::string sortKey;            // the shown name's CollationKey
        std::vector<std::string> keys;  // folded names to match
    };

    void Add(EFindKind kind, std::string name, int country, std::uint32_t club, std::uint32_t id,
             std::vector<std::string> names);

    std::vector<SEntry> m_entries;
};

}  // namespace kw
