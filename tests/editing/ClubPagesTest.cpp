#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "TestWorld.h"
#include "editing/ClubGeneralRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"

namespace kw {
namespace {

TEST(ClubMoneySpin, EndsAndZeroOfTheSpinAndMoneyOffTheStepsOrOutOfRange) {
    EXPECT_EQ(MoneyFromSpinPosition(0), -20000000);
    EXPECT_EQ(MoneyFromSpinPosition(200), 0);
    EXPECT_EQ(MoneyFromSpinPosition(2200), 200000000);
    EXPECT_EQ(FormatThousands(MoneyFromSpinPosition(0)), "- 20.000.000");
    // Outside the spin the ends hold.
    EXPECT_EQ(MoneyFromSpinPosition(-5), -20000000);
    EXPECT_EQ(MoneyFromSpinPosition(9999), 200000000);
    // Every position goes back to itself.
    for (int position = kMoneySpinMinimum; position <= kMoneySpinMaximum; ++position) {
        ASSERT_EQ(SpinPositionFromMoney(MoneyFromSpinPosition(position)), position);
    }
    // Cut towards zero: 1 234 567 shows as 1 200 000, -150 000 as -100 000.
    EXPECT_EQ(SpinPositionFromMoney(1234567), 212);
    EXPECT_EQ(SpinPositionFromMoney(-150000), 199);
    EXPECT_EQ(SpinPositionFromMoney(-2000000000), kMoneySpinMinimum);
    EXPECT_EQ(SpinPositionFromMoney(2000000000), kMoneySpinMaximum);
}

TEST(ClubMoneySpin, TypedMoneyIsReadWithOrWithoutPoints) {
    EXPECT_EQ(ParseMoneyText("- 20.000.000"), -20000000);
    EXPECT_EQ(ParseMoneyText("1.500.000"), 1500000);
    EXPECT_EQ(ParseMoneyText("700000"), 700000);
    EXPECT_EQ(ParseMoneyText(""), 0);
    // A '-' after the first digit is no sign.
    EXPECT_EQ(ParseMoneyText("5-3"), 53);
    EXPECT_EQ(ParseMoneyText("99999999999"), 2147483647);
    EXPECT_EQ(ParseMoneyText("-99999999999"), -2147483647 - 1);
}

TEST(ClubDigitFields, ReadAsDecimalNumbers) {
    EXPECT_EQ(ReadDecimalNumber("25000"), 25000);
    EXPECT_EQ(ReadDecimalNumber("  42x7"), 42);
    EXPECT_EQ(ReadDecimalNumber(""), 0);
    EXPECT_EQ(ReadDecimalNumber("abc"), 0);
    EXPECT_EQ(ReadDecimalNumber("-5"), 0);
    EXPECT_EQ(ReadDecimalNumber("99999999999"), 2147483647);
}

TEST(ClubTextFields, TypingNeverExceedsTheFieldsCapacityFanSitesNeitherTheLimit) {
    // Fans' names and mascot are 20-byte texts although the page would allow 30 and 29.
    EXPECT_EQ(TypingLimit(30, CFixedText<20>::kCapacity), 19);
    EXPECT_EQ(TypingLimit(29, CFixedText<20>::kCapacity), 19);
    // Where the page allows less, its limit holds: the name, the abbreviation, the name code.
    EXPECT_EQ(TypingLimit(20, CFixedText<30>::kCapacity), 20);
    EXPECT_EQ(TypingLimit(10, CFixedText<12>::kCapacity), 10);
    EXPECT_EQ(TypingLimit(4, CFixedText<5>::kCapacity), 4);
    EXPECT_EQ(TypingLimit(118, CFixedText<120>::kCapacity), 118);
    // Fan sites become one line within the limit.
    EXPECT_EQ(FanSitesFromEditor("www.a.example\nwww.b.example", 128),
              "www.a.example www.b.example");
    EXPECT_EQ(FanSitesFromEditor("a\r\nb\rc", 128), "a b c");
    EXPECT_EQ(FanSitesFromEditor(std::string(200, 'x'), 128), std::string(128, 'x'));
    EXPECT_EQ(FanSitesFromEditor("", 128), "");
}

TEST(ClubButtons, ArticlesAndSentencesOfALanguage) {
    EXPECT_EQ(ArticleText(0, 0), "-");
    EXPECT_EQ(ArticleText(0, 3), "das");
    EXPECT_EQ(ArticleText(0, 4), "");
    EXPECT_EQ(ArticleText(7, 0), "");
    EXPECT_EQ(SentenceText(0, 0, 1, "Falken"), "... k\xF6nnen die Falken ...");
    EXPECT_EQ(SentenceText(1, 0, 1, "Falken"), "... von den Falken kam ...");
    EXPECT_EQ(SentenceText(0, 1, 2, "Raben"), "");
}

TEST(ClubStatus, NoItCupBitLeavesTheOthers) {
    EXPECT_EQ(WithNoItCup(0x0005, true), 0x0105);
    EXPECT_EQ(WithNoItCup(0x01FF, false), 0x00FF);
    EXPECT_EQ(WithNoItCup(0x0100, true), 0x0100);
}

class ClubChoicesTest : public test::TestWorld {
protected:
    CClub& NewClub(int country, std::uint16_t index, const char* name) {
        CClub& club = world.Country(country).AddClub(index);
        club.SetName(0, name);
        club.SetName(1, std::string(name) + " EN");
        return club;
    }

    CPlayer& AddPlayer(CClub& club, std::uint8_t ability, std::int8_t team) {
        CPlayer& player = world.CreatePerson(m_nextPerson++, false);
        for (int index = 0; index < kAbilityCount; ++index) {
            player.SetAbility(index, ability);
        }
        player.SetPosition(0, position::kGoalkeeper);
        player.SetTeamFlag(team);
        club.AddPerson(player);
        return player;
    }

private:
    std::uint32_t m_nextPerson = 1000;
};

TEST_F(ClubChoicesTest, OtherClubsOfTheCountryByNameWithoutTheClubItselfAndTheStoredOneFound) {
    CClub& edited = NewClub(14, 2, "Bergheim");
    NewClub(14, 1, "Zollern");
    NewClub(14, 3, "adlerhorst");
    NewClub(14, 4, "Bergheim");
    NewClub(15, 1, "Fremd");

    const std::vector<SClubChoice> choices = ClubChoices(world, edited, 0);
    ASSERT_EQ(choices.size(), 4u);
    EXPECT_EQ(choices[0].id, 0u);
    EXPECT_EQ(choices[0].name, ResourceString(ids::kNotAvailable));
    EXPECT_EQ(choices[1].name, "adlerhorst");
    // The namesake is another club and stays; the club itself is never offered.
    EXPECT_EQ(choices[2].name, "Bergheim");
    EXPECT_EQ(choices[2].id, MakeClubId(14, 4));
    EXPECT_EQ(choices[3].name, "Zollern");
    for (const SClubChoice& choice : choices) {
        EXPECT_NE(choice.id, edited.Id());
        EXPECT_NE(choice.id, world.Country(14).NationalTeam().Id());
    }
    EXPECT_EQ(ClubChoices(world, edited, 1)[1].name, "adlerhorst EN");
    // A stored value is found, or missing.
    EXPECT_EQ(ChoiceIndex(choices, 0), 0);
    EXPECT_EQ(ChoiceIndex(choices, MakeClubId(14, 4)), 2);
    EXPECT_EQ(ChoiceIndex(choices, MakeClubId(15, 1)), -1);
    EXPECT_EQ(ChoiceIndex(choices, edited.Id()), -1);
}

TEST_F(ClubChoicesTest, TeamStatisticsOfBothTeams) {
    CClub& club = NewClub(14, 1, "Eins");
    // Uniform abilities a give a strength of a * 100 / 99 at any position.
    AddPlayer(club, 99, 0);
    AddPlayer(club, 0, 0);
    AddPlayer(club, 99, 1);
    CPlayer& staff = AddPlayer(club, 99, 0);
    staff.SetKind(1);

    const STeamStatistics first = TeamStatistics(club.FirstTeam());
    EXPECT_EQ(first.players, 2);
    EXPECT_EQ(FormatPlayerCount(first), "2");
    EXPECT_EQ(FormatAverageStrength(first), "50.00");
    const STeamStatistics second = TeamStatistics(club.SecondTeam());
    EXPECT_EQ(second.players, 1);
    EXPECT_EQ(FormatAverageStrength(second), "100.00");
    // A team without players shows zero, not a division by zero.
    const STeamStatistics none = TeamStatistics(NewClub(14, 2, "Leer").SecondTeam());
    EXPECT_EQ(none.players, 0);
    EXPECT_EQ(FormatPlayerCount(none), "0");
    EXPECT_EQ(FormatAverageStrength(none), "0.00");
}

}  // namespace
}  // namespace kw
