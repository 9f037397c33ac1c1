#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editing/SquadChoices.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// The five-year ranking of a country: six yearly values in hundredths of a point, "Letztes Jahr"
// first, then "-2 Jhr." to "-6 Jhr." (the country settings' slot values, in that order).
inline constexpr int kFiveYearValueCount = 6;
using FiveYearValues = std::array<std::uint16_t, kFiveYearValueCount>;
inline constexpr int kMaxFiveYearValue = 2000;  // 20.00 points
// Characters an edit field of the change dialog takes.
inline constexpr int kFiveYearFieldLength = 6;
inline constexpr int kFiveYearDecimals = 2;

// A typed value as stored: a decimal number with "," or "." before the decimals, times 100 cut
// to a whole number, within 0..kMaxFiveYearValue. The digits are taken exactly, so "1.15" is 115
// and not the 114 a binary fraction would give. Reading stops at the first character that does
// not belong to the number; text without digits is 0.
int ParseFiveYearValue(std::string_view text);
// The value in points with two decimals ("%2.2f").
std::string FiveYearValueText(int value);
// "Punkte 1. Saison", in hundredths: the sum of the five older values ("-2 Jhr." to "-6 Jhr.").
int FirstSeasonPoints(const FiveYearValues& values);

// A line of the ranking list.
struct SFiveYearRow {
    int country = 0;
    std::string name;  // in the list's language
    FiveYearValues values{};
};

// The ranking list: the countries of the continent (0..5), by "Punkte 1. Saison" descending,
// equal points by name (CollateText).
std::vector<SFiveYearRow> FiveYearRanking(const CWorld& world, int continent, int language);
// The line format with `decimals` decimals put into each value's conversion.
std::string FiveYearLineFormat(int decimals);
// "rank. name\tvalue\t...\tpoints", each value and the points divided by 100.
std::string FiveYearLine(int rank, const SFiveYearRow& row);

// "5-Jahres-Wertung ändern" confirmed: the country's values become `values` as one edit of the
// document over that country. Nothing is recorded when they equal the stored ones.
bool StoreFiveYearValues(CDatabaseDocument& document, int country, const FiveYearValues& values);

}  // namespace kw
