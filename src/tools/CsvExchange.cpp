#include "tools/CsvExchange.h"

#include <array>

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "tools/CsvCells.h"
#include "tools/CsvColumns.h"
#include "tools/CsvIdentity.h"
#include "tools/CsvTable.h"

namespace kw {

namespace {

struct SKindNames {
    ECsvKind kind;
    std::string_view name;
    std::string_view idColumn;
};
constexpr std::array<SKindNames, 3> kKinds = {{{ECsvKind::kPlayers, "players", "playerId"},
                                               {ECsvKind::kStaff, "staff", "staffId"},
                                               {ECsvKind::kClubs, "clubs", "clubId"}}};

// A Windows-1252 text of the model as a cell: formula-escaped, UTF-8.
std::string TextCell(std::string_view cp1252) {
    return Cp1252ToUtf8(EscapeFormulaText(cp1252));
}

template <typename R>
void AppendFields(std::vector<std::string>& cells, const std::vector<SCsvColumn<R>>& columns,
                  const R& record) {
    for (const SCsvColumn<R>& column : columns) {
        switch (column.value) {
            case ECsvValue::kNumber:
                cells.push_back(std::to_string(column.number(record)));
                break;
            case ECsvValue::kDate:
                cells.push_back(FormatCsvDate(column.date(record)));
                break;
            case ECsvValue::kText:
            case ECsvValue::kReadOnly:
                cells.push_back(TextCell(column.text(record)));
                break;
        }
    }
}

template <typename R>
std::vector<std::string> Header(bool person, ECsvKind kind,
                                const std::vector<SCsvColumn<R>>& columns) {
    std::vector<std::string> header = IdentityHeader(person, std::string(CsvIdColumn(kind)));
    for (const SCsvColumn<R>& column : columns) {
        header.push_back(column.name);
    }
    return header;
}

std::vector<std::string> IdentityCells(std::vector<std::string> identity, bool person) {
    for (int column = 0; column < static_cast<int>(identity.size()); ++column) {
        if (IsIdentityText(person, column)) {
            auto& cell = identity[static_cast<std::size_t>(column)];
            cell = TextCell(cell);
        }
    }
    return identity;
}

// The clubs of the scope in country and id order, without national teams.
std::vector<const CClub*> ScopeClubs(const CWorld& world, const SCsvScope& scope) {
    std::vector<const CClub*> clubs;
    if (scope.club != 0) {
        if (const CClub* club = FindCsvClub(world, scope.club)) {
            clubs.push_back(club);
        }
        return clubs;
    }
    const int first = scope.country != 0 ? scope.country : 1;
    const int last = scope.country != 0 ? scope.country : kCountryCount;
    for (int number = first; number <= last; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                clubs.push_back(entry.second.get());
            }
        }
    }
    return clubs;
}

void ExportPersons(const CWorld& world, ECsvKind kind, const std::vector<const CClub*>& clubs,
                   bool withoutClub, SCsvExport& result) {
    const bool players = kind == ECsvKind::kPlayers;
    const auto& columns = players ? PlayerCsvColumns() : StaffCsvColumns();
    AppendCsvRecord(result.text, Header(true, kind, columns));
    std::vector<std::string> cells;
    const auto addPerson = [&](const CPlayer& person, const CClub* club) {
        if (person.IsPlayer() != players) {
            return;
        }
        cells = IdentityCells(PersonIdentity(person, club), true);
        AppendFields(cells, columns, person);
        AppendCsvRecord(result.text, cells);
        ++result.records;
    };
    for (const CClub* club : clubs) {
        for (const std::uint32_t id : club->PersonIds()) {
            if (const CPlayer* person = world.Person(id)) {
                addPerson(*person, club);
            }
        }
    }
    if (withoutClub) {
        for (const std::uint32_t id : world.WithoutClub().Ids()) {
            if (const CPlayer* person = world.Person(id)) {
                addPerson(*person, nullptr);
            }
        }
    }
}

void ExportClubs(const std::vector<const CClub*>& clubs, SCsvExport& result) {
    const auto& columns = ClubCsvColumns();
    AppendCsvRecord(result.text, Header(false, ECsvKind::kClubs, columns));
    std::vector<std::string> cells;
    for (const CClub* club : clubs) {
        cells = IdentityCells(ClubIdentity(*club), false);
        AppendFields(cells, columns, *club);
        AppendCsvRecord(result.text, cells);
        ++result.records;
    }
}

}  // namespace

std::string_view CsvKindName(ECsvKind kind) {
    for (const SKindNames& names : kKinds) {
        if (names.kind == kind) {
            return names.name;
        }
    }
    return {};
}

std::optional<ECsvKind> CsvKindFromName(std::string_view name) {
    for (const SKindNames& names : kKinds) {
        if (names.name == name) {
            return names.kind;
        }
    }
    return std::nullopt;
}

std::string_view CsvIdColumn(ECsvKind kind) {
    for (const SKindNames& names : kKinds) {
        if (names.kind == kind) {
            return names.idColumn;
        }
    }
    return {};
}

std::optional<ECsvKind> CsvKindFromIdColumn(std::string_view cell) {
    for (const SKindNames& names : kKinds) {
        if (names.idColumn == cell) {
            return names.kind;
        }
    }
    return std::nullopt;
}

SCsvExport ExportCsv(const CWorld& world, ECsvKind kind, const SCsvScope& scope) {
    SCsvExport result;
    if (scope.club != 0 && !FindCsvClub(world, scope.club)) {
        result.error = "no club with id " + std::to_string(scope.club);
        return result;
    }
    if (scope.country < 0 || scope.country > kCountryCount) {
        result.error = "no country " + std::to_string(scope.country) + " (1 to " +
                       std::to_string(kCountryCount) + ")";
        return result;
    }
    const std::vector<const CClub*> clubs = ScopeClubs(world, scope);
    result.text = std::string(kUtf8ByteOrderMark);
    if (kind == ECsvKind::kClubs) {
        ExportClubs(clubs, result);
    } else {
        const bool whole = scope.club == 0 && scope.country == 0;
        ExportPersons(world, kind, clubs, whole, result);
    }
    return result;
}

}  // namespace kw
