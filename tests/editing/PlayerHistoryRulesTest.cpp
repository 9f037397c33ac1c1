#include <gtest/gtest.h>

#include <vector>

#include "TestWorld.h"
#include "editing/PlayerHistoryRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"

namespace kw {
namespace {

SHistoryEntry Station(std::uint32_t club, CDate from, std::uint16_t games = 0) {
    SHistoryEntry entry;
    entry.club = club;
    entry.from = from;
    entry.until = from;
    entry.games = games;
    return entry;
}

TEST(CareerOrderTest, ShownByStartDateWithTiesInStoredOrder) {
    const CDate early = CDate::FromYmd(1995, 7, 1);
    const CDate middle = CDate::FromYmd(1999, 7, 1);
    const CDate late = CDate::FromYmd(2003, 1, 1);
    const std::vector<SHistoryEntry> career = {Station(1, late), Station(2, early),
                                               Station(3, middle), Station(4, early),
                                               Station(5, CDate())};
    const std::vector<std::size_t> order = CareerDisplayOrder(career);
    // The unset date comes first; the two stations of 1995 keep their stored order.
    EXPECT_EQ(order, (std::vector<std::size_t>{4, 1, 3, 2, 0}));
    EXPECT_TRUE(CareerDisplayOrder({}).empty());
}

class CareerRowTest : public test::TestWorld {};

TEST_F(CareerRowTest, RowsNameTheClubTheDatesTheCountsAndTheLoan) {
    CClub& club = world.Country(5).AddClub(2);
    club.SetName(kDefaultLanguage, "Hafenstadt");
    SHistoryEntry entry = Station(club.Id(), CDate::FromYmd(2001, 7, 1), 34);
    entry.until = CDate::FromYmd(2003, 6, 30);
    entry.goals = 7;
    EXPECT_EQ(CareerRowText(world, entry, kDefaultLanguage),
              "Hafenstadt\t01.07.2001\t30.06.2003\t34\t7\t ");
    entry.flag = 1;
    entry.club = 0;
    entry.until = CDate();
    EXPECT_EQ(CareerRowText(world, entry, kDefaultLanguage), "\t01.07.2001\t\t34\t7\tx");
}

TEST(CareerEditTest, OnlyTheFieldsTheUserChangedAreWritten) {
    SHistoryEntry loaded = Station(10, CDate::FromYmd(2000, 1, 1), 20);
    loaded.goals = 3;
    SHistoryEntry edited = loaded;
    edited.goals = 5;
    edited.flag = 1;
    // The record changed meanwhile in fields the user did not touch: they are kept.
    SHistoryEntry target = loaded;
    target.games = 1500;
    target.kind = 4;
    WriteChangedEntryFields(loaded, edited, target);
    EXPECT_EQ(target.goals, 5);
    EXPECT_EQ(target.flag, 1);
    EXPECT_EQ(target.games, 1500);
    EXPECT_EQ(target.kind, 4);
    EXPECT_EQ(target.club, 10u);

    SHistoryEntry untouched = target;
    WriteChangedEntryFields(loaded, loaded, untouched);
    EXPECT_EQ(untouched, target);
}

}  // namespace
}  // namespace kw
