#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "TestWorld.h"
#include "editing/ShirtNumbers.h"
#include "model/Player.h"

namespace kw {
namespace {

TEST(ShirtNumberPlacement, ValidUniqueNumbersStayAndTheRestCountDownFrom99) {
    // 7 and 10 are kept; the second 7, the 0 and the 120 take 99, 98, 97 in list order.
    const std::vector<int> numbers = {7, 10, 7, 0, 120};
    const SShirtPlacement placement = PlaceShirtNumbers(numbers);
    EXPECT_EQ(placement.shown, (std::vector<int>{7, 10, 99, 98, 97}));
    EXPECT_EQ(placement.holder[7], 0);
    EXPECT_EQ(placement.holder[10], 1);
    EXPECT_EQ(placement.holder[99], 2);
    EXPECT_EQ(placement.holder[98], 3);
    EXPECT_EQ(placement.holder[97], 4);
    EXPECT_EQ(placement.holder[1], -1);
    EXPECT_TRUE(placement.unplaced.empty());
    // A counted-down place skips numbers held later in the list: 99 belongs to the second.
    EXPECT_EQ(PlaceShirtNumbers(std::vector<int>{0, 99}).shown, (std::vector<int>{98, 99}));
}

TEST(ShirtNumberPlacement, MoreThan99PlayersLeaveTheRestUnderNoNumber) {
    std::vector<int> numbers(103);
    std::iota(numbers.begin(), numbers.end(), 1);  // 1..103: 100..103 find no place
    numbers[5] = 3;                                // a duplicate of 3: 6 stays free for it
    const SShirtPlacement placement = PlaceShirtNumbers(numbers);
    EXPECT_EQ(placement.shown[5], 6);
    EXPECT_EQ(placement.holder[6], 5);
    EXPECT_EQ(placement.unplaced, (std::vector<int>{99, 100, 101, 102}));
    for (const int player : placement.unplaced) {
        EXPECT_EQ(placement.shown[static_cast<std::size_t>(player)], 0);
    }
    for (int number = 1; number <= kMaxShirtNumber; ++number) {
        EXPECT_GE(placement.holder[number], 0) << number;
    }
}

TEST(ShirtNumberDrop, DroppingOnAHeldNumberSwapsTheTwoOnAFreeOneMovesOne) {
    std::vector<int> numbers = {7, 10, 4};  // A 7, B 10
    EXPECT_TRUE(DropOnShirtNumber(numbers, 0, 10));
    EXPECT_EQ(numbers, (std::vector<int>{10, 7, 4}));
    // On a free number only the dragged player moves.
    EXPECT_TRUE(DropOnShirtNumber(numbers, 1, 55));
    EXPECT_EQ(numbers, (std::vector<int>{10, 55, 4}));
}

TEST(ShirtNumberDrop, OwnNumberAndInvalidDropsChangeNothing) {
    std::vector<int> numbers = {7, 10};
    const std::vector<int> before = numbers;
    EXPECT_FALSE(DropOnShirtNumber(numbers, 0, 7));
    EXPECT_FALSE(DropOnShirtNumber(numbers, 0, 0));
    EXPECT_FALSE(DropOnShirtNumber(numbers, 0, 100));
    EXPECT_FALSE(DropOnShirtNumber(numbers, 2, 5));
    EXPECT_EQ(numbers, before);
    // A player with an invalid number is shown on 99: dropping him there is his own place too.
    std::vector<int> invalid = {0};
    EXPECT_FALSE(DropOnShirtNumber(invalid, 0, 99));
    EXPECT_EQ(invalid, std::vector<int>{0});
}

TEST(ShirtNumberDrop, TheHolderGetsTheNumberTheDraggedPlayerWasShownOn) {
    // The second 7 is shown on 99; dropped on 10, B gets 99 rather than a second 7.
    std::vector<int> duplicates = {7, 7, 10};
    EXPECT_TRUE(DropOnShirtNumber(duplicates, 1, 10));
    EXPECT_EQ(duplicates, (std::vector<int>{7, 10, 99}));
    // A player holding 0 is shown on 99, one holding 150 on 98.
    std::vector<int> invalid = {0, 150, 10};
    EXPECT_TRUE(DropOnShirtNumber(invalid, 1, 10));
    EXPECT_EQ(invalid, (std::vector<int>{0, 10, 98}));
    // A player shown on 98 only because his 0 was counted down becomes the holder of that place:
    // dropping another on 98 hands him the other's number.
    std::vector<int> shownOnly = {0, 0, 5};  // shown on 99, 98, 5
    EXPECT_TRUE(DropOnShirtNumber(shownOnly, 2, 98));
    EXPECT_EQ(shownOnly, (std::vector<int>{0, 5, 98}));
}

TEST(ShirtNumberDrop, AnUnplacedPlayerDroppedOnANumberPassesHisStoredNumberOn) {
    std::vector<int> numbers(100);
    std::iota(numbers.begin(), numbers.end(), 1);  // player 99 holds 100: under no number
    EXPECT_TRUE(DropOnShirtNumber(numbers, 99, 10));
    EXPECT_EQ(numbers[99], 10);
    EXPECT_EQ(numbers[9], 100);
    EXPECT_EQ(PlaceShirtNumbers(numbers).unplaced, std::vector<int>{9});
}

class ShirtNumberRows : public test::TestWorld {};

TEST_F(ShirtNumberRows, PlayerLinesFreeLinesAndLinesWithoutNumber) {
    CPlayer& player = world.CreatePerson(0, true);
    player.SetFirstName("Jan");
    player.SetSurname("Kowal");
    // Positions read as the German abbreviations.
    player.SetPosition(0, position::kGoalkeeper);
    EXPECT_EQ(ShirtNumberRow(9, &player), "9\tKowal, J.\tTO");
    EXPECT_EQ(ShirtNumberRow(34, nullptr), "34\t \t ");
    EXPECT_EQ(ShirtNumberRow(0, &player).substr(0, 2), "\tK");
}

}  // namespace
}  // namespace kw
