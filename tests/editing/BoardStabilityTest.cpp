#include <gtest/gtest.h>

#include "TestWorld.h"
#include "editing/BoardStability.h"
#include "model/Player.h"

namespace kw {
namespace {

class BoardStabilityTest : public test::TestWorld {
protected:
    CPlayer& president = world.CreatePerson(0, true);
};

TEST_F(BoardStabilityTest, ValueIsTheLowBitsOfContractByteTwoAndSettingKeepsTheOthers) {
    president.SetContractByte(kBoardStabilityByte, 3);
    EXPECT_EQ(BoardStability(president), 3);
    // Bit 7 (a negative byte) is no part of the value; values 5..7 show as the top.
    president.SetContractByte(kBoardStabilityByte, 0x81);
    EXPECT_EQ(BoardStability(president), 1);
    president.SetContractByte(kBoardStabilityByte, 6);
    EXPECT_EQ(BoardStability(president), kMaxBoardStability);
    // Setting keeps the other bits and the other bytes.
    president.SetContractByte(0, 11);
    president.SetContractByte(kBoardStabilityByte, 0x86);
    SetBoardStability(president, 2);
    EXPECT_EQ(president.ContractBytes()[kBoardStabilityByte], 0x82);
    EXPECT_EQ(president.ContractBytes()[0], 11);
    SetBoardStability(president, 9);
    EXPECT_EQ(president.ContractBytes()[kBoardStabilityByte], 0x84);
    SetBoardStability(president, -1);
    EXPECT_EQ(president.ContractBytes()[kBoardStabilityByte], 0x80);
}

TEST(BoardStabilityText, FiveTextsAndNoneOutside) {
    EXPECT_EQ(BoardStabilityText(0), "Wahnsinnig");
    EXPECT_EQ(BoardStabilityText(2), "Normal");
    EXPECT_EQ(BoardStabilityText(4), "Treu und vision\xE4r");
    EXPECT_TRUE(BoardStabilityText(5).empty());
    EXPECT_TRUE(BoardStabilityText(-1).empty());
}

}  // namespace
}  // namespace kw
