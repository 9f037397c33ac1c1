#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "storage/Identifiers.h"

namespace kw {

// What the verifying reader found in a master file.
struct SMasterFileReport {
    // Empty when the file keeps every rule; else the first fault, with its byte position.
    std::string error;
    int completeCountries = 0;  // summary blocks that offer leagues
    int cupFormats = 0;
    int cupRounds = 0;  // round records of all cup formats
    int clubs = 0;
    // The clubs each country's data block announces, its national team not counted; index 0
    // unused.
    std::array<int, kCountryCount + 1> countryClubs{};
    int players = 0;
    int staff = 0;
    std::uint32_t names = 0;  // entries of all 640 name tables

    bool Ok() const { return error.empty(); }
};

// Walks a whole master file written with the given option word (bit 0x1 decides the layout)
// and checks its frame independently of the writer: the total size, every block read to its end
// in file order, the name tables against their announced sizes, zero fill and weights, every
// name index against its table, the two offset fields of each country's data block against the
// running size of a counting pass that visits summaries, then data blocks, and the end of the
// file. Never reads outside `bytes`.
SMasterFileReport VerifyMasterFile(std::span<const std::uint8_t> bytes, std::uint32_t options);

}  // namespace kw
