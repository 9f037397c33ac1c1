#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kw {

// One record of a CSV file: its cells and the line of the file it starts on (from 1).
struct SCsvRow {
    int line = 0;
    std::vector<std::string> cells;
};

struct SCsvParseResult {
    std::vector<SCsvRow> rows;
    // Empty when the whole text was read; else what was wrong and where.
    std::string error;
};

// The separator of the editor's spreadsheet files: the one German spreadsheets expect.
inline constexpr char kCsvSeparator = ';';
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Reads RFC 4180 text with ";" between cells. A leading byte-order mark is skipped; a record ends
// at CRLF, LF or CR outside quotes, while line ends inside a quoted cell stay part of the cell as
// they are. A blank last line is no record. A quote left open at the end is an error.
SCsvParseResult ParseCsv(std::string_view text);

// Writes the rows with a byte-order mark first and CRLF after every record. A cell is quoted
// when it holds the separator, a quote, a line end or blanks at either end; quotes are doubled.
std::string WriteCsv(const std::vector<std::vector<std::string>>& rows);
// Appends one record (without the byte-order mark), for writers that stream large tables.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& cells);

}  // namespace kw
