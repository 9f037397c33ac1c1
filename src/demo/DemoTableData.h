// The fixed contents of the demo installation's text tables ("database/ger/*.txt"): what the
// editor's choice lists offer, and so the values the demo world may store. Texts are
// Windows-1252.
#pragma once

#include <cstdint>
#include <span>

namespace kw::demo {

struct STableEntry {
    std::int32_t value;
    const char* text;
};

struct SColourEntry {
    std::int32_t value;
    const char* text;
    std::int32_t rgb;  // 0xRRGGBB
};

// "shoe.txt": the shoe types 1 to 5; 2 is black (the usual), 5 and above yellow.
std::span<const STableEntry> ShoeTable();
// "TeamColour.txt": club and badge colours 0 to 23, the range a club stores.
std::span<const SColourEntry> TeamColourTable();
// "MerchandiseColour.txt": the third badge colour.
std::span<const SColourEntry> MerchandiseColourTable();
// "formation.txt": a manager's preferred formation.
std::span<const STableEntry> FormationTable();
// "HairStyle.txt".
std::span<const STableEntry> HairStyleTable();

// "faceIDs.txt": special player faces, numbered from kFirstFaceId; texts are built from the
// looks below.
inline constexpr std::int32_t kFirstFaceId = 1001;
inline constexpr int kFaceCount = 240;
// "ClubIDs.txt": original kits, numbered from 1; texts are built from colour pairs and designs.
inline constexpr int kOriginalKitCount = 300;

std::span<const char* const> FaceSkinTones();
std::span<const char* const> FaceHairLooks();
std::span<const char* const> KitDesigns();

}  // namespace kw::demo
