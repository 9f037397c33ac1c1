#pragma once

#include <cstdint>

namespace kw {

class CCountry;
struct SExportContext;

// The two positions a country's data block carries. Both are running sizes of the counting pass,
// taken there and written in the writing pass; the counting pass visits the blocks in another
// order than the file has them, so they are not file offsets and are kept exactly so.
struct SCountryOffsets {
    std::uint32_t data = 0;
    std::uint32_t competitions = 0;
};

// The number of leagues a complete country offers: consecutive leagues from index 0, at most 20.
int ListedLeagues(const CCountry& country);

// The country's summary block: league count (0 unless complete), names, level names and the
// first league's first eight teams (or a single u32 0).
void WriteSummaryBlock(SExportContext& context, const CCountry& country, bool complete);

// The country's data block, from its leading offset field to its player pool; also appends the
// country's lines of the side-output lists.
void WriteDataBlock(SExportContext& context, CCountry& country, SCountryOffsets& offsets);

}  // namespace kw
