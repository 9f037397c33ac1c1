#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "editing/StadiumRules.h"
#include "model/Stadium.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

constexpr std::int32_t kMaxPlaces = std::numeric_limits<std::int32_t>::max();

// A stadium whose every count differs: seats 100 + stand, standing 200 + stand, VIP 300 + stand;
// season tickets on stands 1 and 4, the away block on stand 7, flag byte 5.
CStadium DistinctStadium() {
    CStadium stadium;
    stadium.SetName("Wiesenarena");
    stadium.SetCity("Kleinstadt");
    stadium.SetType(2);
    stadium.SetFlags(5);
    for (int stand = 0; stand < kStandCount; ++stand) {
        stadium.SetSeats(stand, 100 + stand);
        stadium.SetStandingPlaces(stand, 200 + stand);
        stadium.SetVipPlaces(stand, 300 + stand);
    }
    stadium.SetSeasonTicketBlocks(0x12);
    stadium.SetAwayBlock(0x80);
    return stadium;
}

StandTable WithBlocks(std::uint8_t seasonTickets, std::uint8_t away) {
    StandTable stands{};
    for (int stand = 0; stand < kStandCount; ++stand) {
        stands[static_cast<std::size_t>(stand)].seasonTicketBlock = (seasonTickets >> stand) & 1;
        stands[static_cast<std::size_t>(stand)].awayBlock = (away >> stand) & 1;
    }
    return stands;
}

TEST(StadiumRules, TheStandTableShowsEachStandsCountsAndMaskBits) {
    const StandTable stands = StandTableOf(DistinctStadium());
    for (int stand = 0; stand < kStandCount; ++stand) {
        const SStandRow& row = stands[static_cast<std::size_t>(stand)];
        EXPECT_EQ(row.seats, 100 + stand);
        EXPECT_EQ(row.standing, 200 + stand);
        EXPECT_EQ(row.vip, 300 + stand);
        EXPECT_EQ(row.seasonTicketBlock, stand == 1 || stand == 4) << stand;
        EXPECT_EQ(row.awayBlock, stand == 7) << stand;
    }
}

TEST(StadiumRules, StoringTheShownValuesGivesTheRecordBack) {
    const CStadium original = DistinctStadium();
    EXPECT_EQ(StadiumWithValues(original, StadiumValuesOf(original)), original);
    // Also a record whose type no list offers and whose masks are full keeps everything.
    CStadium odd = original;
    odd.SetType(-3);
    odd.SetSeasonTicketBlocks(0xFF);
    odd.SetAwayBlock(0xFF);
    EXPECT_EQ(StadiumWithValues(odd, StadiumValuesOf(odd)), odd);
}

TEST(StadiumRules, EachValueReachesOnlyItsOwnField) {
    const CStadium original = DistinctStadium();
    SStadiumValues values = StadiumValuesOf(original);
    values.stands[3].vip = 77;
    values.stands[5].seasonTicketBlock = true;
    values.stands[7].awayBlock = false;
    values.stands[0].awayBlock = true;
    values.city = "Neustadt";
    const CStadium stored = StadiumWithValues(original, values);

    CStadium expected = original;
    expected.SetVipPlaces(3, 77);
    expected.SetSeasonTicketBlocks(0x32);
    expected.SetAwayBlock(0x01);
    expected.SetCity("Neustadt");
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(stored.Flags(), 5) << "the flag byte is no field of the editor";
}

TEST(StadiumRules, TextsAreCutToTheRecordsFields) {
    SStadiumValues values = StadiumValuesOf(CStadium());
    values.name = std::string(35, 'N');
    values.city = std::string(30, 'O');
    const CStadium stored = StadiumWithValues(CStadium(), values);
    EXPECT_EQ(stored.Name().View(), std::string(29, 'N'));
    EXPECT_EQ(stored.City().View(), std::string(29, 'O'));
}

// Read as a spin field reads its text (its own tests), but never negative.
TEST(StadiumRules, TypedPlacesAreNeverNegative) {
    EXPECT_EQ(PlacesFromText("  800 Plätze"), 800);
    EXPECT_EQ(PlacesFromText("2147483648"), kMaxPlaces);
    EXPECT_EQ(PlacesFromText("-40"), 0);
    EXPECT_EQ(PlacesFromText("-99999999999999999999"), 0);
}

TEST(StadiumRules, TheTotalAddsAll24CountsWithoutOverflow) {
    EXPECT_EQ(TotalPlaces(StandTableOf(CStadium())), 0);
    // 8 x (100..107 + 200..207 + 300..307)
    EXPECT_EQ(TotalPlaces(StandTableOf(DistinctStadium())), 8 * 600 + 3 * 28);
    EXPECT_EQ(TotalPlaces(StandTableOf(CStadium::Template(0))), 4 * 1000 + 8 * 500);

    StandTable full{};
    for (SStandRow& row : full) {
        row.seats = row.standing = row.vip = kMaxPlaces;
    }
    EXPECT_EQ(TotalPlaces(full), std::int64_t{24} * kMaxPlaces);
}

TEST(StadiumRules, TheBlockCheckNamesEveryBrokenRuleInOrder) {
    EXPECT_TRUE(StandBlockFaults(StandTableOf(CStadium::Template(1))).empty());
    EXPECT_TRUE(StandBlockFaults(WithBlocks(0x07, 0x40)).empty()) << "three blocks are allowed";
    EXPECT_TRUE(StandBlockFaults(WithBlocks(0x00, 0x01)).empty()) << "none is allowed too";

    const std::vector<int> tooMany = {ids::kTooManySeasonTicketBlocks};
    EXPECT_EQ(StandBlockFaults(WithBlocks(0x0F, 0x40)), tooMany);
    const std::vector<int> notOneAway = {ids::kNotOneAwayBlock};
    EXPECT_EQ(StandBlockFaults(WithBlocks(0x07, 0x00)), notOneAway);
    EXPECT_EQ(StandBlockFaults(WithBlocks(0x07, 0xC0)), notOneAway);
    const std::vector<int> both = {ids::kSeasonTicketAwayBlock};
    EXPECT_EQ(StandBlockFaults(WithBlocks(0x07, 0x04)), both);

    const std::vector<int> all = {ids::kTooManySeasonTicketBlocks, ids::kNotOneAwayBlock,
                                  ids::kSeasonTicketAwayBlock};
    EXPECT_EQ(StandBlockFaults(WithBlocks(0x1F, 0x03)), all);
}

TEST(StadiumRules, AListRowShowsNumberNameCityAndTotal) {
    EXPECT_EQ(StadiumListRow(DistinctStadium(), 3), "3\tWiesenarena\tKleinstadt\t4884");
    EXPECT_EQ(StadiumListRow(CStadium(), 12), "12\t\t\t0");
}

TEST(StadiumRules, TheMessagesAreTheEditorsTexts) {
    EXPECT_EQ(ResourceString(ids::kTooManySeasonTicketBlocks),
              "Sie d\374rfen nur 3 Bl\366cke f\374r Dauerkarten festlegen!");
    EXPECT_EQ(ResourceString(ids::kNotOneAwayBlock),
              "Sie m\374ssen genau einen Block f\374r G\344stefans festlegen!");
    EXPECT_EQ(ResourceString(ids::kSeasonTicketAwayBlock),
              "Bl\366cke f\374r Dauerkarten und G\344stefans d\374rfen nicht die gleichen sein.");
}

}  // namespace
}  // namespace kw
