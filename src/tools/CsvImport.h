#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/CsvExchange.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// Why a row of an import is left out. Each row is taken whole or not at all.
enum class ECsvRejection {
    kUnknownId,
    kOutOfRange,
    kTooLong,
    kMalformedNumber,
    kChangedSinceExport,
    kDuplicateRow,
    kNotWindows1252,
    kWrongCellCount,
};
std::string_view CsvRejectionText(ECsvRejection reason);

struct SCsvFieldChange {
    std::string field;
    // Windows-1252 as the model shows them: numbers in decimal, dates "YYYY-MM-DD".
    std::string oldValue;
    std::string newValue;
    std::size_t column = 0;  // index into the kind's field columns
};

struct SCsvRecordChange {
    int line = 0;
    std::uint32_t id = 0;
    std::string label;  // "Surname, F." or the club name (Windows-1252)
    std::vector<SCsvFieldChange> fields;
};

struct SCsvRejectedRow {
    int line = 0;
    std::string id;  // the id cell as written
    ECsvRejection reason = ECsvRejection::kUnknownId;
    std::string detail;  // the column and value concerned (Windows-1252)
};

// Everything an import would do, worked out before anything changes.
struct SCsvImportPlan {
    ECsvKind kind = ECsvKind::kPlayers;
    std::string error;  // the file as a whole cannot be read; nothing else is set then
    int rows = 0;       // data rows read
    std::vector<SCsvRecordChange> changes;  // only records with at least one changed field
    std::vector<SCsvRejectedRow> rejected;

    bool Ok() const { return error.empty(); }
    int FieldChangeCount() const;
};

// Reads the file (UTF-8, byte-order mark optional) against the world. The kind comes from the
// first header cell; every other header cell must be a column of that kind. Read-only columns
// are not read. Texts are compared with their line ends as CRLF, so a spreadsheet's LF counts as
// no change.
SCsvImportPlan PlanCsvImport(const CWorld& world, std::string_view text);

// Writes every accepted change into the world; false when the plan changes nothing.
bool ApplyCsvImport(CWorld& world, const SCsvImportPlan& plan);
// The same as one undoable edit of the document, named "CSV importieren".
bool ApplyCsvImport(CDatabaseDocument& document, const SCsvImportPlan& plan);

}  // namespace kw
