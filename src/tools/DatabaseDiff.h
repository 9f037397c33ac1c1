#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CWorld;

// What differs between two databases, built on their JSON dumps (exports/WorldDump.h) so that it
// compares exactly what a save writes. Records are matched by identity, never by the ids a save
// or a load hands out anew: clubs by country and name, persons by names and birth date (first
// within their club, then across the country, so a move between two clubs is one changed
// person), competitions by their place below their parent, kind and name, referees by name,
// stadiums by name and city. Fields that hold club or competition ids are compared through those
// identities, so renumbering alone is no difference. Texts are UTF-8, as in the dump.

enum class EDiffKind { Country, Club, Person, Competition, Referee, Stadium, Rules };
enum class EDiffChange { Added, Removed, Changed };

struct SFieldChange {
    std::string field;   // path in the dump, "abilities[3]", "stadium.capacity"
    std::string before;  // the value as JSON text, long values shortened
    std::string after;
};

struct SRecordDiff {
    EDiffKind kind = EDiffKind::Club;
    EDiffChange change = EDiffChange::Changed;
    std::string name;                  // "Surname, First name" for persons
    std::string club;                  // a person's club in the second database (else the first)
    std::vector<SFieldChange> fields;  // only for changed records
};

// Country 0 holds the players without club and the rules.
struct SCountryDiff {
    int country = 0;
    std::string name;
    std::vector<SRecordDiff> records;
};

struct SDatabaseDiff {
    std::vector<SCountryDiff> countries;  // only countries with differences, by number, 0 last

    bool IsEmpty() const { return countries.empty(); }
    std::size_t RecordCount() const;
};

SDatabaseDiff DiffWorlds(const CWorld& before, const CWorld& after);

// The same on two dumps of DumpWorldJson; nothing when either is no such dump.
std::optional<SDatabaseDiff> DiffDumps(std::string_view before, std::string_view after);

// English keys of the text and JSON forms: "club", "added", ...
std::string_view DiffKindKey(EDiffKind kind);
std::string_view DiffChangeKey(EDiffChange change);

// Readable lines, a country per block, each record indented below it, its fields below that.
std::string DiffText(const SDatabaseDiff& diff);
// {"identical": bool, "countries": [{"number", "name", "records": [...]}]}
std::string DiffJson(const SDatabaseDiff& diff);

}  // namespace kw
