#include "tools/CsvImport.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <variant>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/StringTable.h"
#include "tools/CsvCells.h"
#include "tools/CsvColumns.h"
#include "tools/CsvIdentity.h"
#include "tools/CsvTable.h"

namespace kw {

namespace {

struct SFault {
    ECsvRejection reason;
    std::string detail;
};

// A text cell as the model would hold it, or the fault that keeps it out.
struct SDecodedText {
    std::string text;
    bool ok = true;
};

SDecodedText DecodeText(std::string_view cell) {
    const std::optional<std::string> cp1252 = StrictUtf8ToCp1252(cell);
    if (!cp1252) {
        return {{}, false};
    }
    return {NormaliseLineEnds(UnescapeFormulaText(*cp1252)), true};
}

bool IsBlankRow(const SCsvRow& row) {
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const std::string& cell) { return cell.empty(); });
}

// The header's field cells as indexes into the kind's columns.
template <typename R>
std::string MapHeader(const std::vector<std::string>& header, std::size_t first,
                      const std::vector<SCsvColumn<R>>& columns,
                      std::vector<std::size_t>& mapping) {
    std::set<std::size_t> seen;
    for (std::size_t i = first; i < header.size(); ++i) {
        const auto found =
            std::find_if(columns.begin(), columns.end(),
                         [&](const SCsvColumn<R>& c) { return c.name == header[i]; });
        if (found == columns.end()) {
            return "unknown column \"" + header[i] + "\"";
        }
        const auto index = static_cast<std::size_t>(found - columns.begin());
        if (!seen.insert(index).second) {
            return "column \"" + header[i] + "\" appears twice";
        }
        mapping.push_back(index);
    }
    return {};
}

// Compares the identity cells of the row with the record as it is now.
std::optional<SFault> CheckIdentity(const SCsvRow& row, const std::vector<std::string>& now,
                                    const std::vector<std::string>& header, bool person) {
    for (int column = 1; column < static_cast<int>(now.size()); ++column) {
        const auto c = static_cast<std::size_t>(column);
        const std::string& cell = row.cells[c];
        bool same = false;
        if (IsIdentityText(person, column)) {
            const SDecodedText decoded = DecodeText(cell);
            if (!decoded.ok) {
                return SFault{ECsvRejection::kNotWindows1252, header[c]};
            }
            same = decoded.text == NormaliseLineEnds(now[c]);
        } else if (IsIdentityDate(person, column)) {
            const SCsvDate date = ParseCsvDate(cell);
            same = date.result == ECsvDateParse::kOk && FormatCsvDate(date.date) == now[c];
        } else {
            const auto number = ParseCsvNumber(cell);
            same = number && std::to_string(*number) == now[c];
        }
        if (!same) {
            return SFault{ECsvRejection::kChangedSinceExport, header[c]};
        }
    }
    return std::nullopt;
}

struct SValues {
    std::string oldValue;
    std::string newValue;
};
// Nothing when the cell holds what the record holds; else the old and the new value (as the plan
// shows them) or the fault that keeps the row out. A number equal to the stored one passes even
// outside the range: an unchanged file must import as no change.
using SCellResult = std::variant<std::monostate, SValues, SFault>;

template <typename R>
SCellResult CompareCell(const SCsvColumn<R>& column, const R& record, const std::string& cell) {
    const auto fault = [&](ECsvRejection reason) {
        return SFault{reason, column.name + " = " + Utf8ToCp1252(cell)};
    };
    switch (column.value) {
        case ECsvValue::kNumber: {
            const auto number = ParseCsvNumber(cell);
            if (!number) {
                return fault(ECsvRejection::kMalformedNumber);
            }
            const std::int64_t old = column.number(record);
            if (*number == old) {
                return std::monostate();
            }
            if (*number < column.min || *number > column.max ||
                (column.allowed && !column.allowed(*number))) {
                return fault(ECsvRejection::kOutOfRange);
            }
            return SValues{std::to_string(old), std::to_string(*number)};
        }
        case ECsvValue::kDate: {
            const SCsvDate date = ParseCsvDate(cell);
            if (date.result == ECsvDateParse::kMalformed) {
                return fault(ECsvRejection::kMalformedNumber);
            }
            const CDate old = column.date(record);
            if (date.date == old) {
                return std::monostate();
            }
            if (date.result == ECsvDateParse::kOutOfRange) {
                return fault(ECsvRejection::kOutOfRange);
            }
            return SValues{FormatCsvDate(old), FormatCsvDate(date.date)};
        }
        case ECsvValue::kText:
        case ECsvValue::kReadOnly:
            break;
    }
    SDecodedText decoded = DecodeText(cell);
    if (!decoded.ok) {
        return SFault{ECsvRejection::kNotWindows1252, column.name};
    }
    if (column.maxLength > 0 && decoded.text.size() > column.maxLength) {
        return SFault{ECsvRejection::kTooLong, column.name + ": " +
                                                   std::to_string(decoded.text.size()) + " > " +
                                                   std::to_string(column.maxLength)};
    }
    std::string old = column.text(record);
    if (NormaliseLineEnds(old) == decoded.text) {
        return std::monostate();
    }
    return SValues{std::move(old), std::move(decoded.text)};
}

template <typename R>
void WriteValue(const SCsvColumn<R>& column, R& record, const std::string& value) {
    switch (column.value) {
        case ECsvValue::kNumber:
            column.setNumber(record, ParseCsvNumber(value).value_or(0));
            break;
        case ECsvValue::kDate:
            column.setDate(record, ParseCsvDate(value).date);
            break;
        case ECsvValue::kText:
            column.setText(record, value);
            break;
        case ECsvValue::kReadOnly:
            break;
    }
}

struct SFile {
    std::vector<std::string> header;
    std::vector<std::size_t> mapping;  // header cell after the identity -> field column
    std::size_t identityColumns = 0;
};

template <typename R, typename FindRecord, typename Identity, typename Label>
void PlanRows(const std::vector<SCsvRow>& rows, const SFile& file,
              const std::vector<SCsvColumn<R>>& columns, bool person, FindRecord find,
              Identity identity, Label label, SCsvImportPlan& plan) {
    std::unordered_map<std::int64_t, int> rowsPerId;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (!rows[i].cells.empty()) {
            if (const auto id = ParseCsvNumber(rows[i].cells[0])) {
                ++rowsPerId[*id];
            }
        }
    }
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const SCsvRow& row = rows[i];
        if (IsBlankRow(row)) {
            continue;
        }
        ++plan.rows;
        const std::string idCell = Utf8ToCp1252(row.cells[0]);
        const auto reject = [&](ECsvRejection reason, std::string detail) {
            plan.rejected.push_back({row.line, idCell, reason, std::move(detail)});
        };
        if (row.cells.size() != file.header.size()) {
            reject(ECsvRejection::kWrongCellCount,
                   std::to_string(row.cells.size()) + " / " + std::to_string(file.header.size()));
            continue;
        }
        const auto id = ParseCsvNumber(row.cells[0]);
        if (!id) {
            reject(ECsvRejection::kMalformedNumber, file.header[0] + " = " + idCell);
            continue;
        }
        if (rowsPerId[*id] > 1) {
            reject(ECsvRejection::kDuplicateRow, file.header[0] + " = " + idCell);
            continue;
        }
        const R* record =
            *id > 0 && *id <= 0xFFFFFFFF ? find(static_cast<std::uint32_t>(*id)) : nullptr;
        if (!record) {
            reject(ECsvRejection::kUnknownId, file.header[0] + " = " + idCell);
            continue;
        }
        if (const auto fault = CheckIdentity(row, identity(*record), file.header, person)) {
            reject(fault->reason, fault->detail);
            continue;
        }
        SCsvRecordChange change{row.line, static_cast<std::uint32_t>(*id), {}, {}};
        std::optional<SFault> fault;
        for (std::size_t k = 0; k < file.mapping.size() && !fault; ++k) {
            const SCsvColumn<R>& column = columns[file.mapping[k]];
            if (!column.Editable()) {
                continue;
            }
            SCellResult result = CompareCell(column, *record, row.cells[file.identityColumns + k]);
            if (auto* failed = std::get_if<SFault>(&result)) {
                fault = std::move(*failed);
            } else if (auto* values = std::get_if<SValues>(&result)) {
                change.fields.push_back({column.name, std::move(values->oldValue),
                                         std::move(values->newValue), file.mapping[k]});
            }
        }
        if (fault) {
            reject(fault->reason, fault->detail);
        } else if (!change.fields.empty()) {
            change.label = label(*record);
            plan.changes.push_back(std::move(change));
        }
    }
}

template <typename R>
bool ReadHeader(const std::vector<std::string>& header, bool person, ECsvKind kind,
                const std::vector<SCsvColumn<R>>& columns, SFile& file, std::string& error) {
    const std::vector<std::string> identity =
        IdentityHeader(person, std::string(CsvIdColumn(kind)));
    if (header.size() < identity.size() ||
        !std::equal(identity.begin(), identity.end(), header.begin())) {
        error = "the header does not begin with the identity columns";
        for (const std::string& name : identity) {
            error += (&name == &identity.front() ? " " : ";") + name;
        }
        return false;
    }
    file.header = header;
    file.identityColumns = identity.size();
    error = MapHeader(header, identity.size(), columns, file.mapping);
    return error.empty();
}

template <typename R>
void ApplyFields(R& record, const std::vector<SCsvColumn<R>>& columns,
                 const SCsvRecordChange& change) {
    for (const SCsvFieldChange& field : change.fields) {
        WriteValue(columns[field.column], record, field.newValue);
    }
}

SWorldScope ScopeOf(const CWorld& world, const SCsvImportPlan& plan) {
    std::set<int> countries;
    SWorldScope scope;
    if (plan.kind == ECsvKind::kClubs) {
        for (const SCsvRecordChange& change : plan.changes) {
            countries.insert(ClubCountry(change.id));
        }
    } else {
        const CPersonClubs clubs(world);
        for (const SCsvRecordChange& change : plan.changes) {
            if (const CClub* club = clubs.ClubOf(change.id)) {
                countries.insert(club->Country());
            } else {
                scope.withoutClub = true;
            }
        }
    }
    scope.countries.assign(countries.begin(), countries.end());
    return scope;
}

}  // namespace

std::string_view CsvRejectionText(ECsvRejection reason) {
    switch (reason) {
        case ECsvRejection::kUnknownId:
            return "unknown id";
        case ECsvRejection::kOutOfRange:
            return "value out of range";
        case ECsvRejection::kTooLong:
            return "text too long";
        case ECsvRejection::kMalformedNumber:
            return "malformed number";
        case ECsvRejection::kChangedSinceExport:
            return "record changed since export";
        case ECsvRejection::kDuplicateRow:
            return "duplicate row";
        case ECsvRejection::kNotWindows1252:
            return "characters outside Windows-1252";
        case ECsvRejection::kWrongCellCount:
            return "wrong number of cells";
    }
    return {};
}

int SCsvImportPlan::FieldChangeCount() const {
    int count = 0;
    for (const SCsvRecordChange& change : changes) {
        count += static_cast<int>(change.fields.size());
    }
    return count;
}

SCsvImportPlan PlanCsvImport(const CWorld& world, std::string_view text) {
    SCsvImportPlan plan;
    SCsvParseResult parsed = ParseCsv(text);
    if (!parsed.error.empty()) {
        plan.error = parsed.error;
        return plan;
    }
    if (parsed.rows.empty() || parsed.rows[0].cells.empty()) {
        plan.error = "the file has no header row";
        return plan;
    }
    const std::vector<std::string>& header = parsed.rows[0].cells;
    const std::optional<ECsvKind> kind = CsvKindFromIdColumn(header[0]);
    if (!kind) {
        plan.error =
            "the first header cell is \"" + header[0] + "\", not playerId, staffId or clubId";
        return plan;
    }
    plan.kind = *kind;
    SFile file;
    if (*kind == ECsvKind::kClubs) {
        if (!ReadHeader(header, false, *kind, ClubCsvColumns(), file, plan.error)) {
            return plan;
        }
        PlanRows(
            parsed.rows, file, ClubCsvColumns(), false,
            [&world](std::uint32_t id) { return FindCsvClub(world, id); },
            [](const CClub& club) { return ClubIdentity(club); },
            [](const CClub& club) { return std::string(club.Name(0)); }, plan);
        return plan;
    }
    const bool players = *kind == ECsvKind::kPlayers;
    const auto& columns = players ? PlayerCsvColumns() : StaffCsvColumns();
    if (!ReadHeader(header, true, *kind, columns, file, plan.error)) {
        return plan;
    }
    const CPersonClubs clubs(world);
    PlanRows(
        parsed.rows, file, columns, true,
        [&world, players](std::uint32_t id) -> const CPlayer* {
            const CPlayer* person = world.Person(id);
            return person && person->IsPlayer() == players ? person : nullptr;
        },
        [&clubs](const CPlayer& person) {
            return PersonIdentity(person, clubs.ClubOf(person.Id()));
        },
        [](const CPlayer& person) { return person.ShortName(); }, plan);
    return plan;
}

bool ApplyCsvImport(CWorld& world, const SCsvImportPlan& plan) {
    if (!plan.Ok() || plan.changes.empty()) {
        return false;
    }
    for (const SCsvRecordChange& change : plan.changes) {
        if (plan.kind == ECsvKind::kClubs) {
            if (CClub* club = FindCsvClub(world, change.id)) {
                ApplyFields(*club, ClubCsvColumns(), change);
            }
        } else if (CPlayer* person = world.Person(change.id)) {
            ApplyFields(*person,
                        plan.kind == ECsvKind::kPlayers ? PlayerCsvColumns() : StaffCsvColumns(),
                        change);
        }
    }
    return true;
}

bool ApplyCsvImport(CDatabaseDocument& document, const SCsvImportPlan& plan) {
    if (!plan.Ok() || plan.changes.empty()) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "CSV importieren")),
                            ScopeOf(document.World(), plan),
                            [&plan](CWorld& world) { return ApplyCsvImport(world, plan); });
}

}  // namespace kw
