#pragma once

#include <cstdint>

namespace kw {

class CBinaryWriter;
class CNamePools;
class CSideOutputs;
class CWorld;

// The language whose names the side outputs and the mapping lists use.
inline constexpr int kEnglish = 1;
// The leagues per country (indexes 0 to 5) that the mapping lists cover.
inline constexpr int kMappedLeagues = 6;

// Bits of the option word that the record writers read.
namespace masteroption {
inline constexpr std::uint32_t kOneLanguage = 0x00000001;
inline constexpr std::uint32_t kBadgeList = 0x00000004;
inline constexpr std::uint32_t kKitList = 0x00000008;
inline constexpr std::uint32_t kStadiumList = 0x00000010;
inline constexpr std::uint32_t kPs2Log = 0x00000040;
inline constexpr std::uint32_t kLeagueMapping = 0x20000000;
inline constexpr std::uint32_t kPlayerMapping = 0x40000000;
inline constexpr std::uint32_t kTeamMapping = 0x80000000;
}  // namespace masteroption

// What every record writer of one master build needs: the world it reads, the name tables it
// looks names up in, the stream, the export language and the option word, and the side-output
// files. The same context serves the counting and the writing pass.
struct SExportContext {
    CWorld& world;
    CNamePools& names;
    CBinaryWriter& out;
    CSideOutputs& side;
    int language = 0;
    std::uint32_t options = 0;

    bool OneLanguage() const { return (options & masteroption::kOneLanguage) != 0; }
    bool Has(std::uint32_t bit) const { return (options & bit) != 0; }
};

}  // namespace kw
