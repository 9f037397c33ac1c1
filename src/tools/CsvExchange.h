#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kw {

class CWorld;

// What a spreadsheet file holds; the first header cell names it.
enum class ECsvKind { kPlayers, kStaff, kClubs };

std::string_view CsvKindName(ECsvKind kind);  // "players", "staff", "clubs"
std::optional<ECsvKind> CsvKindFromName(std::string_view name);
// The first header cell of each kind: the record id column.
std::string_view CsvIdColumn(ECsvKind kind);
std::optional<ECsvKind> CsvKindFromIdColumn(std::string_view cell);

// Which records an export takes: one club, one country or, with both 0, the whole database (then
// also the players without club). The national teams are edited with their country, not here.
struct SCsvScope {
    int country = 0;
    std::uint32_t club = 0;
};

struct SCsvExport {
    std::string text;   // the whole file, UTF-8 with a byte-order mark
    int records = 0;    // data rows written
    std::string error;  // a club or country that does not exist; the text is empty then
};

// The file: header row, then one row per record. Persons begin with id, country, club, surname,
// first name and birth date as they are now; clubs with id, country and name. These identity
// columns let an import notice a record that is no longer the one exported.
SCsvExport ExportCsv(const CWorld& world, ECsvKind kind, const SCsvScope& scope);

}  // namespace kw
