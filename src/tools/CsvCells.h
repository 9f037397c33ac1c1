#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Date.h"

namespace kw {

// How one value travels through a spreadsheet cell.
//
// Texts a spreadsheet would evaluate as a formula (beginning with "=", "+", "-" or "@") are
// written with an apostrophe in front, which spreadsheets take as "text, do not evaluate". A text
// that itself begins with an apostrophe gets one more, so reading removes exactly one leading
// apostrophe and every text comes back unchanged.
std::string EscapeFormulaText(std::string_view text);
std::string UnescapeFormulaText(std::string_view cell);

// Line ends as the model stores them in notes: CRLF. A spreadsheet may save LF or CR instead.
std::string NormaliseLineEnds(std::string_view text);

// A UTF-8 cell as Windows-1252 bytes; nothing when a character has no Windows-1252 code or the
// UTF-8 is malformed (never replaced by "?").
std::optional<std::string> StrictUtf8ToCp1252(std::string_view utf8);

// A whole number, blanks around it allowed; nothing when it is not one or leaves 64 bits.
std::optional<std::int64_t> ParseCsvNumber(std::string_view cell);

// Dates are written "YYYY-MM-DD", an unset date as an empty cell.
std::string FormatCsvDate(CDate date);
enum class ECsvDateParse { kOk, kMalformed, kOutOfRange };
struct SCsvDate {
    ECsvDateParse result = ECsvDateParse::kMalformed;
    CDate date;
};
// Reads "YYYY-MM-DD" and the German form "D.M.YYYY" a spreadsheet may save instead; an empty
// cell is the unset date. Years 1700 to 2100 and real calendar days only.
SCsvDate ParseCsvDate(std::string_view cell);

}  // namespace kw
