#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// One record of "database/countries.sav": six lines per country, countries 1, 2, 3 ... in order.
struct SCountriesListEntry {
    std::array<std::string, 5> names;       // per language
    std::array<std::string, 5> shortNames;  // per language, at most 3 characters
    std::uint8_t firstAttribute = 0;
    std::uint8_t secondAttribute = 0;
    std::uint8_t continentByte = 0;  // B * 8 + A
};

// Parses the whole file (at most 206 records). A last record cut short keeps what it has.
std::vector<SCountriesListEntry> ParseCountriesList(std::string_view content);

}  // namespace kw
