#include "editing/KitColours.h"

#include <algorithm>
#include <cstddef>

#include "storage/TextTable.h"

namespace kw {

namespace {

std::size_t FirstByte(EKitColour which) {
    return static_cast<std::size_t>(which) * 3;
}

}  // namespace

SKitRgb KitColour(const CClubKit::SKit& kit, EKitColour which) {
    const std::size_t at = FirstByte(which);
    return {kit.colours[at], kit.colours[at + 1], kit.colours[at + 2]};
}

void SetKitColour(CClubKit::SKit& kit, EKitColour which, SKitRgb colour) {
    const std::size_t at = FirstByte(which);
    kit.colours[at] = colour.red;
    kit.colours[at + 1] = colour.green;
    kit.colours[at + 2] = colour.blue;
}

SKitRgb KitRgbFromTable(std::int32_t colour) {
    const auto value = static_cast<std::uint32_t>(colour);
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

std::int32_t TableColourFromKitRgb(SKitRgb colour) {
    return (std::int32_t{colour.red} << 16) | (std::int32_t{colour.green} << 8) | colour.blue;
}

std::vector<SPaletteColour> KitPalette(const CTeamColourTextFile& teamColours) {
    std::vector<SPaletteColour> palette;
    for (std::int32_t index = 0; index < teamColours.GetCount(); ++index) {
        const SKitRgb colour = KitRgbFromTable(teamColours.GetColour(index));
        const bool known =
            std::any_of(palette.begin(), palette.end(),
                        [&colour](const SPaletteColour& c) { return c.colour == colour; });
        if (!known) {
            palette.push_back({teamColours.GetText(index), colour});
        }
    }
    return palette;
}

SGridCell KitPaletteCell(int index, int columns) {
    const int perRow = std::max(columns, 1);
    return {index / perRow, index % perRow};
}

}  // namespace kw
