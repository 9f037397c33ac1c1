#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PersonsTestSupport.h"
#include "model/Player.h"

namespace kw {
namespace {

using ::testing::ElementsAre;

class PlayerNormalise : public test::PersonsTest {
protected:
    PlayerNormalise() : p(world.CreatePerson(0, true)) { p.SetPosition(0, 4); }

    void SetPositions(std::array<std::uint8_t, kPositionSlots> codes) {
        for (int slot = 0; slot < kPositionSlots; ++slot) {
            p.SetPosition(slot, codes[static_cast<std::size_t>(slot)]);
        }
    }
    std::uint8_t Options() const { return p.ContractBytes()[3]; }

    CPlayer& p;
};

TEST_F(PlayerNormalise, NicknameBeginningWithAQuestionMarkIsCleared) {
    p.SetNickname("?Unbekannt");
    p.Normalise(5);
    EXPECT_TRUE(p.Nickname().Empty());
    p.SetNickname("Der ?");
    p.Normalise(5);
    EXPECT_EQ(p.Nickname().View(), "Der ?");
}

TEST_F(PlayerNormalise, ShirtNumberZeroIsDrawnFrom2To46AndOthersAreClamped) {
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 500; ++i) {
        p.SetShirtNumber(0, 0);
        p.SetShirtNumber(1, 150);
        p.Normalise(5);
        const int drawn = p.ShirtNumbers()[0];
        ASSERT_GE(drawn, 2);
        ASSERT_LE(drawn, 46);
        sawLow |= drawn < 10;
        sawHigh |= drawn > 40;
        EXPECT_EQ(p.ShirtNumbers()[1], 99);
    }
    EXPECT_TRUE(sawLow && sawHigh);
}

TEST_F(PlayerNormalise, InvalidNationalityBecomesTheClubsCountry) {
    p.SetNationality(0);
    p.Normalise(5);
    EXPECT_EQ(p.Nationality(), 5);
    p.SetNationality(207);
    p.Normalise(6);
    EXPECT_EQ(p.Nationality(), 6);
    p.SetNationality(206);
    p.Normalise(5);
    EXPECT_EQ(p.Nationality(), 206);
}

TEST_F(PlayerNormalise, OnlyOneContractOptionSurvivesInItsOrderOfPrecedence) {
    const auto normalised = [&](std::uint8_t options) {
        p.SetContractByte(3, options);
        p.Normalise(5);
        return Options();
    };
    // Bits 0, 1, 6 and 7 are no options and stay.
    EXPECT_EQ(normalised(0xC3 | 0x20 | 0x08), 0xC3 | 0x20);
    EXPECT_EQ(normalised(0x08 | 0x04 | 0x10), 0x08);
    EXPECT_EQ(normalised(0x10), 0x10);
    // Bit 2 wins over bit 4 but holds only with a running national-team period: here none.
    EXPECT_EQ(normalised(0x04 | 0x10), 0x00);
    EXPECT_EQ(normalised(0x04), 0x00);
}

TEST_F(PlayerNormalise, NationalTeamOptionHoldsWhileItsSecondDateIsAfter10July2005) {
    p.SetNationalTeamByte(1, 2);
    p.SetFurtherDate(1, CDate::FromYmd(2005, 7, 11));
    p.SetContractByte(3, 0x04);
    p.Normalise(5);
    EXPECT_EQ(Options(), 0x04);

    // Set again from the national-team data even when it was not set.
    p.SetContractByte(3, 0x00);
    p.Normalise(5);
    EXPECT_EQ(Options(), 0x04);

    // Beside the option that was kept.
    p.SetContractByte(3, 0x20);
    p.Normalise(5);
    EXPECT_EQ(Options(), 0x24);

    p.SetContractByte(3, 0x04);
    p.SetFurtherDate(1, CDate::FromYmd(2005, 7, 10));
    p.Normalise(5);
    EXPECT_EQ(Options(), 0x00);

    p.SetContractByte(3, 0x04);
    p.SetFurtherDate(1, CDate::FromYmd(2006, 1, 1));
    p.SetNationalTeamByte(1, 0);
    p.Normalise(5);
    EXPECT_EQ(Options(), 0x00);
}

TEST_F(PlayerNormalise, PositionsAreClampedAndRepeatsWithinTheirGroupCleared) {
    SetPositions({0, 30, 0, 5, 5, 200});
    p.Normalise(5);
    EXPECT_THAT(p.Positions(), ElementsAre(1, 17, 0, 5, 0, 17));

    // A second main position equal to the first is cleared; a secondary equal to a main stays.
    SetPositions({4, 4, 4, 4, 9, 9});
    p.Normalise(5);
    EXPECT_THAT(p.Positions(), ElementsAre(4, 0, 0, 4, 9, 0));

    SetPositions({17, 3, 17, 12, 13, 12});
    p.Normalise(5);
    EXPECT_THAT(p.Positions(), ElementsAre(17, 3, 0, 12, 13, 0));
}

TEST_F(PlayerNormalise, AbilitiesShoeTypeAndBodyAreBroughtIntoRange) {
    p.SetAbility(0, 150);
    p.SetAbility(42, 100);
    p.SetAbility(20, 99);
    p.SetShoeType(9);
    p.SetLook(look::kHeight, 99);
    p.SetLook(look::kWeight, 39);
    p.Normalise(5);
    EXPECT_EQ(p.Ability(0), 99);
    EXPECT_EQ(p.Ability(42), 99);
    EXPECT_EQ(p.Ability(20), 99);
    EXPECT_EQ(p.ShoeType(), 5);
    EXPECT_EQ(p.Looks()[look::kHeight], 180);
    EXPECT_EQ(p.Looks()[look::kWeight], 75);

    p.SetLook(look::kHeight, 100);
    p.SetLook(look::kWeight, 40);
    p.Normalise(5);
    EXPECT_EQ(p.Looks()[look::kHeight], 100);
    EXPECT_EQ(p.Looks()[look::kWeight], 40);
}

TEST_F(PlayerNormalise, ExperienceAndLanguageLevelsAreClamped) {
    p.SetNationalExperience(-1);
    p.SetInternationalExperience(5);
    p.SetLanguageLevel(0, 16);
    p.SetLanguageLevel(3, 255);
    p.SetLanguageLevel(1, 15);
    p.Normalise(5);
    EXPECT_EQ(p.NationalExperience(), 0);
    EXPECT_EQ(p.InternationalExperience(), 4);
    EXPECT_THAT(p.LanguageLevels(), ElementsAre(15, 15, 0, 15));
    p.SetNationalExperience(9);
    p.SetInternationalExperience(-3);
    p.Normalise(5);
    EXPECT_EQ(p.NationalExperience(), 6);
    EXPECT_EQ(p.InternationalExperience(), 0);
}

TEST_F(PlayerNormalise, CurrentAndPreviousClubMustExist) {
    p.SetCurrentClub(MakeClubId(5, 2) | kSecondTeamFlag);
    p.SetPreviousClub(MakeClubId(7, kNationalTeamIndex));
    p.SetFirstClub(MakeClubId(5, 9));
    p.Normalise(5);
    EXPECT_EQ(p.CurrentClub(), MakeClubId(5, 2) | kSecondTeamFlag);
    EXPECT_EQ(p.PreviousClub(), MakeClubId(7, kNationalTeamIndex));
    EXPECT_EQ(p.FirstClub(), MakeClubId(5, 9));  // not checked

    p.SetCurrentClub(MakeClubId(5, 9));
    p.SetPreviousClub(MakeClubId(0, 1));
    p.Normalise(5);
    EXPECT_EQ(p.CurrentClub(), 0u);
    EXPECT_EQ(p.PreviousClub(), 0u);
}

// The game's year is 2006, whatever the clock says.
TEST_F(PlayerNormalise, ClubYearsAreMeasuredAgainstTheGamesYear) {
    const auto years = [&](std::uint16_t since, std::uint16_t until) {
        p.SetClubSince(since);
        p.SetContractUntil(until);
        p.Normalise(5);
        return std::pair<int, int>(p.ClubSince(), p.ContractUntil());
    };
    EXPECT_EQ(years(2000, 2012), std::pair(2000, 2012));
    EXPECT_EQ(years(2007, 2005), std::pair(1980, 2006));
    EXPECT_EQ(years(1979, 2020), std::pair(1980, 2015));
    for (int until = 2006; until <= 2010; ++until) {
        EXPECT_EQ(years(2006, until), std::pair(2006, until));
    }
}

TEST_F(PlayerNormalise, AValidPersonIsLeftAlone) {
    p.SetShirtNumber(0, 7);
    p.SetNationality(5);
    p.SetCurrentClub(MakeClubId(5, 1));
    p.SetNickname("Blitz");
    SetPositions({17, 16, 0, 13, 0, 0});
    CPlayer& before = world.CreatePerson(0, true);
    before.CopyFrom(p);
    p.Normalise(5);
    EXPECT_TRUE(p.HasSameData(before));
}

}  // namespace
}  // namespace kw
