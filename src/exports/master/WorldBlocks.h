#pragma once

#include <cstdint>

namespace kw {

class CWorld;
struct SExportContext;

// Bytes of one round record of a cup format in the file.
inline constexpr std::uint32_t kCupRoundRecordSize = 20;
// Ends the cup format block.
inline constexpr std::uint32_t kCupFormatEnd = 0xFFFFFFFF;

// The cup formats: slot count, then per format its number, its round records and its script.
void WriteCupFormatBlock(SExportContext& context);
// The rules: competition names, title holders and final venues, rule values, substitutions.
void WriteWorldBlock(SExportContext& context);

// A stadium reference whose country is 1..206 and whose number does not exceed that country's
// stadium count; 0 otherwise.
std::uint32_t ValidatedStadiumRef(const CWorld& world, std::uint32_t ref);

}  // namespace kw
