#include <gtest/gtest.h>

#include <string>

#include "editing/BadgeColours.h"
#include "editing/KitColours.h"
#include "editing/KitDesignInput.h"
#include "model/Club.h"
#include "model/World.h"
#include "storage/TextTable.h"

namespace kw {
namespace {

STextTableFormat ColourFormat(int capacity) {
    return {capacity, true, true, true, 0, 0};  // number, then "name,colour"
}

TEST(BadgeColoursTest, EachChoiceEditsItsOwnNumberByTheChosenEntry) {
    CWorld world;
    CClub club(world, 0x000E0001);
    club.SetColour(0, 7);
    club.SetColour(1, 9);
    club.SetColourStyle(3);
    EXPECT_EQ(BadgeColourNumber(club, EBadgeColour::kClub), 7);
    EXPECT_EQ(BadgeColourNumber(club, EBadgeColour::kMerchandise), 3);
    SetBadgeColourNumber(club, EBadgeColour::kMerchandise, 1);
    SetBadgeColourNumber(club, EBadgeColour::kClub, 12);
    EXPECT_EQ(club.Colour(0), 12);
    EXPECT_EQ(club.Colour(1), 9);
    EXPECT_EQ(club.ColourStyle(), 1);
    // Storing goes by the chosen entry, even when its colour stands twice.
    // Numbers 4 and 8 share the colour red.
    CTeamColourTextFile table(ColourFormat(30));
    table.LoadFromMemory("3\n4\nRot,16711680\n8\nAuch Rot,16711680\n2\nBlau,255\n");
    const TextTableEntries entries = table.Entries();
    ASSERT_EQ(entries.size(), 3u);

    const int loaded = BadgeColourEntry(entries, 8);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(BadgeColourEntry(entries, 5), -1);
    // Unchanged choice, or none: nothing to store, also when a colour lookup would give 4.
    EXPECT_FALSE(BadgeColourToStore(entries, loaded, loaded));
    EXPECT_FALSE(BadgeColourToStore(entries, -1, -1));
    EXPECT_FALSE(BadgeColourToStore(entries, loaded, 7));
    EXPECT_EQ(BadgeColourToStore(entries, loaded, 0), 4);
    EXPECT_EQ(BadgeColourToStore(entries, -1, 1), 8);
    EXPECT_EQ(BadgeColourToStore(entries, loaded, 2), 2);

    CTeamColourTextFile huge(ColourFormat(5));
    huge.LoadFromMemory("1\n300\nZu gross,0\n");
    EXPECT_FALSE(BadgeColourToStore(huge.Entries(), -1, 0));
}

TEST(KitDesignInputTest, SlidersShowStoredDesignsWithinTheirRangesAndTypingIsHeldToThem) {
    EXPECT_EQ(KitDesignSliderPosition(0, kShirtDesigns), 1);
    EXPECT_EQ(KitDesignSliderPosition(42, kShirtDesigns), 42);
    EXPECT_EQ(KitDesignSliderPosition(200, kShortsDesigns), 13);
    EXPECT_EQ(KitDesignSliderPosition(3, kSocksDesigns), 3);
    // Typing below uses the minimum, above resets the field and keeps the slider.
    const auto inRange = TypeKitDesign("12", kShirtDesigns, 5);
    ASSERT_TRUE(inRange);
    EXPECT_EQ(inRange->sliderPosition, 12);
    EXPECT_FALSE(inRange->fieldValue);

    for (const char* low : {"0", "-7"}) {
        const auto below = TypeKitDesign(low, kShortsDesigns, 5);
        ASSERT_TRUE(below) << low;
        EXPECT_EQ(below->sliderPosition, 1) << low;
        EXPECT_FALSE(below->fieldValue) << low;
    }

    for (const char* high : {"5", "99999999999"}) {
        const auto above = TypeKitDesign(high, kSocksDesigns, 2);
        ASSERT_TRUE(above) << high;
        EXPECT_EQ(above->sliderPosition, 2) << high;
        EXPECT_EQ(above->fieldValue, 4) << high;
    }

    EXPECT_FALSE(TypeKitDesign("", kShirtDesigns, 5));
    EXPECT_FALSE(TypeKitDesign("  ", kShirtDesigns, 5));
    EXPECT_FALSE(TypeKitDesign("-", kShirtDesigns, 5));
    EXPECT_FALSE(TypeKitDesign("abc", kShirtDesigns, 5));
}

TEST(KitColoursTest, EachColourIsItsOwnThreeBytes) {
    CClubKit kits;
    CClubKit::SKit& kit = kits.Kit(1);
    for (std::size_t byte = 0; byte < kit.colours.size(); ++byte) {
        kit.colours[byte] = static_cast<std::uint8_t>(byte + 1);
    }
    EXPECT_EQ(KitColour(kit, EKitColour::kShirt), (SKitRgb{1, 2, 3}));
    EXPECT_EQ(KitColour(kit, EKitColour::kTrim), (SKitRgb{10, 11, 12}));

    CClubKit::SKit before = kit;
    SetKitColour(kit, EKitColour::kSocks, {200, 100, 50});
    EXPECT_EQ(KitColour(kit, EKitColour::kSocks), (SKitRgb{200, 100, 50}));
    SetKitColour(kit, EKitColour::kSocks, KitColour(before, EKitColour::kSocks));
    EXPECT_EQ(kit, before);
    EXPECT_EQ(kits.Kit(0), CClubKit().Kit(0));
}

TEST(KitColoursTest, PaletteComesFromTheTeamColoursOnceEach) {
    CTeamColourTextFile table(ColourFormat(30));
    table.LoadFromMemory(
        "4\n1\nRot,16711680\n2\nGelb,16776960\n3\nAuch Rot,16711680\n4\nBlau,255\n");
    const auto palette = KitPalette(table);
    ASSERT_EQ(palette.size(), 3u);
    EXPECT_EQ(palette[0].name, "Rot");
    EXPECT_EQ(palette[0].colour, (SKitRgb{255, 0, 0}));
    EXPECT_EQ(palette[1].colour, (SKitRgb{255, 255, 0}));
    EXPECT_EQ(palette[2].name, "Blau");
    EXPECT_EQ(TableColourFromKitRgb(palette[1].colour), 16776960);

    EXPECT_EQ(KitPaletteCell(0).row, 0);
    const SGridCell seventh = KitPaletteCell(7, 6);
    EXPECT_EQ(seventh.row, 1);
    EXPECT_EQ(seventh.column, 1);
    EXPECT_EQ(KitPaletteCell(3, 0).row, 3);
}

}  // namespace
}  // namespace kw
