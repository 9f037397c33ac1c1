// The colours of a kit as the kit page edits them: the kit record's four colours of three bytes
// (red, green, blue), used as shirt, shorts, socks and the shirt's trim, and the palette the
// colour picker offers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ClubKit.h"

namespace kw {

class CTeamColourTextFile;

struct SKitRgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const SKitRgb&, const SKitRgb&) = default;
};

// The record's colour order.
enum class EKitColour { kShirt = 0, kShorts = 1, kSocks = 2, kTrim = 3 };

SKitRgb KitColour(const CClubKit::SKit& kit, EKitColour which);
void SetKitColour(CClubKit::SKit& kit, EKitColour which, SKitRgb colour);

// A table colour (0xRRGGBB) and back.
SKitRgb KitRgbFromTable(std::int32_t colour);
std::int32_t TableColourFromKitRgb(SKitRgb colour);

struct SPaletteColour {
    std::string name;  // Windows-1252
    SKitRgb colour;
};

// The picker's ready colours: the team colour table's entries in table order, a colour that
// stands in it twice offered once (under its first name).
std::vector<SPaletteColour> KitPalette(const CTeamColourTextFile& teamColours);

// The palette's grid: `columns` colours a row, row by row.
inline constexpr int kKitPaletteColumns = 6;
struct SGridCell {
    int row = 0;
    int column = 0;
};
SGridCell KitPaletteCell(int index, int columns = kKitPaletteColumns);

}  // namespace kw
