#include <gtest/gtest.h>

#include <string>

#include "TestWorld.h"
#include "editing/DateFields.h"
#include "editing/PlayerContractRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

CDate Ymd(int year, int month, int day) {
    return CDate::FromYmd(year, month, day);
}

TEST(SeasonStartTest, EachStateHasItsOwnBitSeveralKeepLoadingsChoiceAChoiceReplacesThem) {
    EXPECT_EQ(SeasonStartOf(0x00), ESeasonStart::kNone);
    EXPECT_EQ(SeasonStartOf(0x04), ESeasonStart::kInjury);
    EXPECT_EQ(SeasonStartOf(0x08), ESeasonStart::kLeagueBan);
    EXPECT_EQ(SeasonStartOf(0x10), ESeasonStart::kCareerEnd);
    EXPECT_EQ(SeasonStartOf(0x20), ESeasonStart::kOnLoan);
    // Bits outside 2..5 are no state.
    EXPECT_EQ(SeasonStartOf(0xC3), ESeasonStart::kNone);
    // Loading keeps bit 5, then 3, then 2, then 4.
    EXPECT_EQ(SeasonStartOf(0x3C), ESeasonStart::kOnLoan);
    EXPECT_EQ(SeasonStartOf(0x1C), ESeasonStart::kLeagueBan);
    EXPECT_EQ(SeasonStartOf(0x14), ESeasonStart::kInjury);
    // Choosing a state replaces the other state bits only.
    EXPECT_EQ(WithSeasonStart(0xC3 | 0x08, ESeasonStart::kOnLoan), 0xC3 | 0x20);
    EXPECT_EQ(WithSeasonStart(0x3C, ESeasonStart::kNone), 0x00);
    EXPECT_EQ(WithSeasonStart(0x01, ESeasonStart::kInjury), 0x05);
    for (int state = 0; state < kSeasonStartCount; ++state) {
        const auto chosen = static_cast<ESeasonStart>(state);
        EXPECT_EQ(SeasonStartOf(WithSeasonStart(0xFF, chosen)), chosen) << state;
    }
}

TEST(SeasonStartTest, TheStateEnablesItsFields) {
    const SSeasonStartControls injury = ControlsFor(ESeasonStart::kInjury);
    EXPECT_TRUE(injury.dates);
    EXPECT_FALSE(injury.loanClub);
    EXPECT_FALSE(injury.matches);
    const SSeasonStartControls loan = ControlsFor(ESeasonStart::kOnLoan);
    EXPECT_TRUE(loan.dates);
    EXPECT_TRUE(loan.loanClub);
    EXPECT_FALSE(loan.matches);
    const SSeasonStartControls ban = ControlsFor(ESeasonStart::kLeagueBan);
    EXPECT_FALSE(ban.dates);
    EXPECT_TRUE(ban.matches);
    for (ESeasonStart state : {ESeasonStart::kNone, ESeasonStart::kCareerEnd}) {
        const SSeasonStartControls none = ControlsFor(state);
        EXPECT_FALSE(none.dates || none.loanClub || none.matches);
    }
    EXPECT_TRUE(UsesInjuryPeriod(ESeasonStart::kInjury));
    EXPECT_FALSE(UsesInjuryPeriod(ESeasonStart::kOnLoan));
}

TEST(ContractPeriodTest, PeriodsEndingBeforeJulyTwoThousandFiveAreShownReset) {
    const SContractPeriod early{Ymd(2004, 8, 1), Ymd(2005, 6, 30)};
    EXPECT_EQ(InjuryPeriodAsShown(early), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2005, 11, 1)}));
    EXPECT_EQ(OtherPeriodAsShown(early), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2006, 6, 30)}));
    // An unset period ends before any date.
    EXPECT_EQ(InjuryPeriodAsShown({}), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2005, 11, 1)}));
    // Ending on 1 July 2005 or later keeps the period, whenever it started.
    const SContractPeriod onTheDay{Ymd(2003, 1, 5), Ymd(2005, 7, 1)};
    EXPECT_EQ(InjuryPeriodAsShown(onTheDay), onTheDay);
    EXPECT_EQ(OtherPeriodAsShown(onTheDay), onTheDay);
}

class ContractPlayerTest : public test::TestWorld {
protected:
    ContractPlayerTest() : player(world.CreatePerson(77, true)) {}
    CPlayer& player;
};

TEST_F(ContractPlayerTest, PeriodsAreTheFurtherDatesAndTheContractDatesAndOnlyEarlyOnesAreReset) {
    SetInjuryPeriod(player, {Ymd(2005, 8, 2), Ymd(2005, 9, 3)});
    SetOtherPeriod(player, {Ymd(2005, 7, 1), Ymd(2007, 6, 30)});
    EXPECT_EQ(player.FurtherDates()[0], Ymd(2005, 8, 2));
    EXPECT_EQ(player.FurtherDates()[1], Ymd(2005, 9, 3));
    EXPECT_EQ(player.ContractStart(), Ymd(2005, 7, 1));
    EXPECT_EQ(player.ContractEnd(), Ymd(2007, 6, 30));
    EXPECT_EQ(InjuryPeriod(player), (SContractPeriod{Ymd(2005, 8, 2), Ymd(2005, 9, 3)}));
    EXPECT_EQ(OtherPeriod(player), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2007, 6, 30)}));

    // Applying the resets writes only the periods that ended early.
    SetInjuryPeriod(player, {Ymd(2004, 1, 1), Ymd(2004, 2, 1)});
    SetOtherPeriod(player, {Ymd(2005, 7, 1), Ymd(2008, 6, 30)});
    ApplyPeriodResets(player);
    EXPECT_EQ(InjuryPeriod(player), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2005, 11, 1)}));
    EXPECT_EQ(OtherPeriod(player), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2008, 6, 30)}));

    SetOtherPeriod(player, {Ymd(2001, 7, 1), Ymd(2002, 6, 30)});
    ApplyPeriodResets(player);
    EXPECT_EQ(OtherPeriod(player), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2006, 6, 30)}));
}

TEST(ContractYearsTest, TheBarRunsFromTheCurrentYearToTwoThousandFifteen) {
    EXPECT_EQ(ContractEndYears(2005).first, 2005);
    EXPECT_EQ(ContractEndYears(2005).last, 2015);
    // Past 2015 the bar holds 2015 alone rather than a range that runs backwards.
    EXPECT_EQ(ContractEndYears(2026).first, 2015);
    EXPECT_EQ(ContractEndYears(2026).last, 2015);
    EXPECT_TRUE(ContractEndIsDrawn(2005, 2005));
    EXPECT_TRUE(ContractEndIsDrawn(2004, 2005));
    EXPECT_FALSE(ContractEndIsDrawn(2006, 2005));
}

TEST(AmountTest, TypedAmountsAreTheirLeadingDigitsAtMostNine) {
    EXPECT_EQ(AmountOfText("250000"), 250000);
    EXPECT_EQ(AmountOfText("  42"), 42);
    EXPECT_EQ(AmountOfText("42 Euro"), 42);
    EXPECT_EQ(AmountOfText("999999999"), 999999999);
    EXPECT_EQ(AmountOfText("1234567890"), 123456789);
    EXPECT_EQ(AmountOfText("viel"), 0);
    EXPECT_EQ(AmountOfText(""), 0);
    EXPECT_EQ(AmountOfText("-5"), 0);
}

TEST(DateFieldsTest, FieldsHoldTheirRangesAndTheDayTheMonthsLength) {
    const SYearRange years{1980, 2005};
    EXPECT_EQ(DateOfFields({31, 4, 2001}, years), Ymd(2001, 4, 30));
    EXPECT_EQ(DateOfFields({29, 2, 1900}, {1800, 2100}), Ymd(1900, 2, 28));
    EXPECT_EQ(DateOfFields({29, 2, 2000}, years), Ymd(2000, 2, 29));
    EXPECT_EQ(DateOfFields({40, 13, 2010}, years), Ymd(2005, 12, 31));
    EXPECT_EQ(DateOfFields({0, 0, 1970}, years), Ymd(1980, 1, 1));
    EXPECT_EQ(FieldsOfDate(Ymd(1995, 3, 17), years), (SDateFields{17, 3, 1995}));
    EXPECT_EQ(FieldsOfDate(Ymd(2007, 3, 17), years).year, 2005);
    EXPECT_EQ(DateListText(Ymd(2005, 7, 1)), "01.07.2005");
    EXPECT_EQ(DateListText(CDate()), "");
}

TEST_F(ContractPlayerTest, ClubNamesAreCutToThirtyCharacters) {
    CClub& club = world.Country(5).AddClub(3);
    club.SetName(kDefaultLanguage, "Hafenstadt");
    EXPECT_EQ(ShownClubName(world, club.Id(), kDefaultLanguage), "Hafenstadt");
    // The second team shows its own name.
    EXPECT_EQ(ShownClubName(world, club.Id() | kSecondTeamFlag, kDefaultLanguage),
              club.SecondTeamName(kDefaultLanguage));
    EXPECT_NE(club.SecondTeamName(kDefaultLanguage), "Hafenstadt");
    // A second team's name may be longer than the page shows.
    club.SetName(kDefaultLanguage, "Sportverein Hafenstadt von 1899 Nord");
    const std::string second = club.SecondTeamName(kDefaultLanguage);
    ASSERT_GT(second.size(), kShownClubNameLength);
    EXPECT_EQ(ShownClubName(world, club.Id() | kSecondTeamFlag, kDefaultLanguage),
              second.substr(0, 30));
    EXPECT_EQ(ShownClubName(world, 0, kDefaultLanguage), "");
    EXPECT_EQ(ShownClubName(world, MakeClubId(5, 99), kDefaultLanguage), "");
}

}  // namespace
}  // namespace kw
