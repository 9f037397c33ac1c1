#include "editing/FiveYearRules.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <numeric>

#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr char kLineTemplate[] =
    "%%i. %%s\t%%2.%if\t%%2.%if\t%%2.%if\t%%2.%if\t%%2.%if\t%%2.%if\t%%3.%if";

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

double Points(int hundredths) {
    return hundredths / 100.0;
}

}  // namespace

int ParseFiveYearValue(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    // Saturates long before it could overflow: anything above the limit is the limit.
    constexpr std::int64_t kSaturated = std::int64_t{kMaxFiveYearValue} * 1000;
    std::int64_t hundredths = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        hundredths = std::min(kSaturated, hundredths * 10 + (text[at] - '0') * 100);
    }
    if (at < text.size() && (text[at] == ',' || text[at] == '.')) {
        ++at;
        for (int scale = 10; scale > 0 && at < text.size() && IsDigit(text[at]); scale /= 10) {
            hundredths += (text[at] - '0') * scale;
            ++at;
        }
    }
    if (negative) {
        return 0;
    }
    return static_cast<int>(std::min<std::int64_t>(hundredths, kMaxFiveYearValue));
}

std::string FiveYearValueText(int value) {
    return FormatPrintf("%2.2f", Points(value));
}

int FirstSeasonPoints(const FiveYearValues& values) {
    return std::accumulate(values.begin() + 1, values.end(), 0);
}

std::vector<SFiveYearRow> FiveYearRanking(const CWorld& world, int continent, int language) {
    std::vector<SFiveYearRow> rows;
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        if (country.Continent() == continent) {
            rows.push_back({number, country.Name(language), country.Settings().slotValues});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        const int pointsA = FirstSeasonPoints(a.values);
        const int pointsB = FirstSeasonPoints(b.values);
        if (pointsA != pointsB) {
            return pointsA > pointsB;
        }
        return CollateText(a.name, b.name) < 0;
    });
    return rows;
}

std::string FiveYearLineFormat(int decimals) {
    return FormatPrintf(kLineTemplate, decimals, decimals, decimals, decimals, decimals, decimals,
                        decimals);
}

std::string FiveYearLine(int rank, const SFiveYearRow& row) {
    static const std::string format = FiveYearLineFormat(kFiveYearDecimals);
    const FiveYearValues& v = row.values;
    return FormatPrintf(format.c_str(), rank, row.name.c_str(), Points(v[0]), Points(v[1]),
                        Points(v[2]), Points(v[3]), Points(v[4]), Points(v[5]),
                        Points(FirstSeasonPoints(v)));
}

bool StoreFiveYearValues(CDatabaseDocument& document, int country, const FiveYearValues& values) {
    if (country < 1 || country > kCountryCount) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "5-Jahres-Wertung ändern")),
                            SWorldScope::Countries({country}), [country, &values](CWorld& world) {
                                FiveYearValues& stored =
                                    world.Country(country).Settings().slotValues;
                                if (stored == values) {
                                    return false;
                                }
                                stored = values;
                                return true;
                            });
}

}  // namespace kw
