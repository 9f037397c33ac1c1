#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "TestWorld.h"
#include "competition/Competition.h"
#include "competition/Cup.h"
#include "competition/CupFormat.h"
#include "editing/ContinentalSettings.h"
#include "editing/CupPageValues.h"
#include "editing/CupSettingsRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Stadium.h"
#include "model/World.h"

namespace kw {
namespace {

constexpr int kCountry = 14;
constexpr int kLanguage = 1;
constexpr std::int32_t kMaxAmount = std::numeric_limits<std::int32_t>::max();

CCupFormat Format(int category, std::string_view name) {
    CCupFormat format;
    format.SetCategory(static_cast<std::uint8_t>(category));
    format.Name().Set(name);
    return format;
}

TEST(CupModeChoicesTest, NoCupComesFirstThenTheFormatsOfTheCategoryByName) {
    CCupFormatTable formats;
    ASSERT_TRUE(formats.Set(1, Format(kCupCategoryFa, "Pokal Westland")));
    ASSERT_TRUE(formats.Set(2, Format(kCupCategoryLeague, "Ligapokal Ostland")));
    ASSERT_TRUE(formats.Set(3, Format(kCupCategoryFa, "Pokal Nordland")));
    ASSERT_TRUE(formats.Set(5, Format(kCupCategorySupercup, "ein Spiel")));
    ASSERT_TRUE(formats.Set(7, Format(kCupCategoryFa, "Pokal Nordland")));
    ASSERT_TRUE(formats.Set(9, Format(kCupCategoryMisc, "Freundschaft")));

    const std::vector<SEditChoice> national =
        CupModeChoices(formats, CupModeCategory(ECountryCup::National));
    const std::vector<SEditChoice> expected{
        {" Kein Pokal", 0}, {"Pokal Nordland", 3}, {"Pokal Nordland", 7}, {"Pokal Westland", 1}};
    EXPECT_EQ(national, expected);
    for (const ECountryCup league : {ECountryCup::League0, ECountryCup::League3}) {
        const std::vector<SEditChoice> modes = CupModeChoices(formats, CupModeCategory(league));
        ASSERT_EQ(modes.size(), 2u);
        EXPECT_EQ(modes[1], (SEditChoice{"Ligapokal Ostland", 2}));
    }
    const std::vector<SEditChoice> super =
        CupModeChoices(formats, CupModeCategory(ECountryCup::Super));
    ASSERT_EQ(super.size(), 2u);
    EXPECT_EQ(super[1].value, 5);
    EXPECT_EQ(CupModeChoices(CCupFormatTable{}, kCupCategoryFa),
              (std::vector<SEditChoice>{{" Kein Pokal", 0}}));
}

class CupPageValuesTest : public test::TestWorld {
protected:
    CCountry& Country() { return world.Country(kCountry); }
    SCountrySettings& Settings() { return Country().Settings(); }

    CDBCup& AddCup(ECountryCup which, int format, int day) {
        world.RemoveCompetitionTree(CountryCupId(kCountry, which));
        auto node = std::make_unique<CDBCup>(CountryCupId(kCountry, which),
                                             MakeCompetitionId(kCountry, kRootType, 0));
        node->SetFormatNumber(static_cast<std::uint8_t>(format));
        node->AddMatchday(0, day);
        for (int kind = 0; kind < CDBCompetition::kValueCount; ++kind) {
            for (int round = 0; round < kPrizeRounds; ++round) {
                node->SetRoundValue(kind, round, day * 1000 + kind * 10 + round);
            }
        }
        for (int language = 0; language < kLanguageCount; ++language) {
            node->Names()[static_cast<std::size_t>(language)].Set("Cup " + std::to_string(day) +
                                                                  "/" + std::to_string(language));
        }
        return static_cast<CDBCup&>(world.RegisterCompetition(std::move(node)));
    }
    const CDBCup* Cup(ECountryCup which) const {
        return dynamic_cast<const CDBCup*>(world.Competition(CountryCupId(kCountry, which)));
    }
    void SetUpCups() {
        AddCup(ECountryCup::National, 3, 20);
        AddCup(ECountryCup::League0, 4, 30);
        AddCup(ECountryCup::League1, 5, 40);
        AddCup(ECountryCup::League2, 6, 50);
        AddCup(ECountryCup::Super, 7, 60);
        Settings().nationalCupSetting = 3;
        Settings().leagueCupSettings = 0x00060504;
        Settings().superCupSetting = 7;
    }
    SCupPageValues Read() { return ReadCupPageValues(world, kCountry, kLanguage); }
    bool Store(const SCupPageValues& loaded, const SCupPageValues& edited) {
        return StoreChangedCupPageValues(world, kCountry, kLanguage, loaded, edited);
    }
};

TEST_F(CupPageValuesTest, TheCupsShowTheirModesNamesInTheLanguageAndPrizesAndNoCupRemovesOne) {
    SetUpCups();
    const SCupPageValues shown = Read();
    EXPECT_EQ(shown.cups[0].mode, 3);
    EXPECT_EQ(shown.cups[0].name, "Cup 20/1");
    EXPECT_EQ(shown.cups[3].mode, 6);
    EXPECT_EQ(shown.cups[3].prizes[1][7], 50017);
    EXPECT_EQ(shown.cups[4].mode, 0);
    EXPECT_EQ(shown.cups[4].name, "");
    EXPECT_EQ(shown.cups[4].prizes, PrizeMatrix{});
    EXPECT_EQ(shown.cups[5].mode, 7);

    // No cup removes the national cup and its dates.
    SCupPageValues edited = shown;
    edited.cups[0].mode = 0;
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(Cup(ECountryCup::National), nullptr);
    EXPECT_EQ(Settings().nationalCupSetting, 0);
    ASSERT_NE(Cup(ECountryCup::League0), nullptr);
    EXPECT_EQ(Cup(ECountryCup::League0)->CalendarValue(0, 30), 1);
    EXPECT_EQ(Settings().leagueCupSettings, 0x00060504u);
}

TEST_F(CupPageValuesTest, UnchangedValuesWriteNothingAndValuesNoControlShowsStay) {
    SetUpCups();
    Settings().leagueYellowRule = 0x89;  // rule 9 is beyond the list, with the flag
    Settings().redCardStart = 5;
    Settings().redCardSettings = 0xEF;
    Settings().cupFinalStadium = 612;
    Settings().cupOptions = 0xFC;
    Settings().optionFlags = 0x01;  // "Hallenrunde", kept but not offered
    const SCountrySettings before = Settings();
    const SCupPageValues shown = Read();
    EXPECT_FALSE(Store(shown, shown));
    EXPECT_EQ(Settings(), before);
    EXPECT_FALSE(StoreCupMode(world, kCountry, ECountryCup::Super, 7));
    EXPECT_EQ(Cup(ECountryCup::Super)->CalendarValue(0, 60), 1);

    // Editing one value writes that value only.
    SCupPageValues edited = shown;
    edited.variableDuration = true;
    edited.homeAdvantage = true;
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(Settings().redCardSettings, 0xFF);
    EXPECT_EQ(Settings().cupOptions, 0xFD);
    EXPECT_EQ(Settings().leagueYellowRule, 0x89);
    EXPECT_EQ(Settings().redCardStart, 5);
    EXPECT_EQ(Settings().cupFinalStadium, 612);
    EXPECT_EQ(Settings().optionFlags, 0x01);
}

TEST_F(CupPageValuesTest, CardRulesKeepTheirFlagBitsAndEachScopeHasItsOwnBit) {
    Settings().leagueYellowRule = 0x82;
    Settings().cupYellowRule = 0x01;
    Settings().suspensionScope = 0xF0;
    Settings().yellowRedLevels = 0x01;
    const SCupPageValues shown = Read();
    EXPECT_EQ(shown.yellowRule, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(shown.yellowAfterYellowRed, (std::array<bool, 2>{true, false}));
    EXPECT_TRUE(shown.yellowRedLevels[0]);
    EXPECT_FALSE(shown.yellowRedLevels[4]);

    SCupPageValues edited = shown;
    edited.yellowRule = {5, 1};
    edited.yellowAfterYellowRed = {true, true};
    edited.yellowRedForAll = true;
    edited.redForAll = true;
    edited.yellowRedLevels[0] = false;
    edited.yellowRedLevels[4] = true;
    edited.redCardStart = 1;
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(Settings().leagueYellowRule, 0x85);
    EXPECT_EQ(Settings().cupYellowRule, 0x81);
    EXPECT_EQ(Settings().suspensionScope, 0xF6);
    EXPECT_EQ(Settings().yellowRedLevels, 0x10);
    EXPECT_EQ(Settings().redCardStart, 1);
    EXPECT_EQ(Read(), edited);
}

TEST_F(CupPageValuesTest, ANewModeForLeagueCupTwoRemakesOnlyThatCupAndKeepsItsNamesAndMoney) {
    SetUpCups();
    const SCupPageValues shown = Read();
    SCupPageValues edited = shown;
    edited.cups[3].mode = 9;
    edited.cups[3].prizes[0][2] = 777;
    ASSERT_TRUE(Store(shown, edited));
    const CDBCup* remade = Cup(ECountryCup::League2);
    ASSERT_NE(remade, nullptr);
    EXPECT_EQ(remade->FormatNumber(), 9);
    EXPECT_EQ(remade->CalendarValue(0, 50), 0);
    EXPECT_EQ(remade->Names()[3].View(), "Cup 50/3");
    EXPECT_EQ(remade->RoundValue(0, 2), 777);
    EXPECT_EQ(remade->RoundValue(1, 5), 50015);
    EXPECT_EQ(remade->RoundValue(3, 7), 50037);
    EXPECT_EQ(Settings().leagueCupSettings, 0x00090504u);
    for (const ECountryCup kept :
         {ECountryCup::National, ECountryCup::League0, ECountryCup::League1, ECountryCup::Super}) {
        const CDBCup* cup = Cup(kept);
        ASSERT_NE(cup, nullptr);
        EXPECT_EQ(cup->EnteredMatchdays(0), 1);
        EXPECT_EQ(cup->RoundValue(0, 7) % 1000, 7);
    }
}

TEST_F(CupPageValuesTest, ACupMadeFromNothingTakesTheTypedNameAndPrizesAndMakesTheRoot) {
    SetUpCups();
    const std::uint32_t root = MakeCompetitionId(kCountry, kRootType, 0);
    world.RemoveCompetitionTree(root);
    const SCupPageValues shown = Read();
    SCupPageValues edited = shown;
    edited.cups[4].mode = 11;
    edited.cups[4].name = std::string(40, 'x');
    edited.cups[4].prizes[1][7] = 2500;
    ASSERT_TRUE(Store(shown, edited));
    const CDBCup* made = Cup(ECountryCup::League3);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Names()[kLanguage].View(), std::string(kCupNameTyping, 'x'));
    // The other languages keep the name a new competition has.
    const CDBCup fresh(CountryCupId(kCountry, ECountryCup::League3), 0);
    EXPECT_EQ(made->Names()[0], fresh.Names()[0]);
    EXPECT_EQ(made->RoundValue(1, 7), 2500);
    EXPECT_EQ(made->RoundValue(1, 6), 0);
    EXPECT_EQ(CupSetting(Country(), ECountryCup::League3), 11);
    EXPECT_NE(world.Competition(root), nullptr);
}

TEST_F(CupPageValuesTest, PrizeCellsAreWrittenOneByOneAndHeldToTheirRange) {
    SetUpCups();
    CDBCup& cup = const_cast<CDBCup&>(*Cup(ECountryCup::Super));
    cup.SetRoundValue(0, 0, -40);  // shown as it is, no control would type it
    const SCupPageValues shown = Read();
    SCupPageValues edited = shown;
    edited.cups[5].prizes[0][1] = -5;
    edited.cups[5].prizes[1][0] = ParsePrizeMoney("9999999999");
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(cup.RoundValue(0, 0), -40);
    EXPECT_EQ(cup.RoundValue(0, 1), 0);
    EXPECT_EQ(cup.RoundValue(1, 0), kMaxAmount);
    EXPECT_EQ(cup.RoundValue(2, 0), 60020);
    // Names in other languages stay when one is typed.
    edited = Read();
    SCupPageValues renamed = edited;
    renamed.cups[5].name = "Supercup neu";
    ASSERT_TRUE(Store(edited, renamed));
    EXPECT_EQ(cup.Names()[kLanguage].View(), "Supercup neu");
    EXPECT_EQ(cup.Names()[0].View(), "Cup 60/0");
}

TEST_F(CupPageValuesTest, TheFinalStadiumListEndsAtFiveHundred) {
    Country().Stadiums().resize(503);
    Country().Stadiums()[0].SetName("Erstes");
    Country().Stadiums()[499].SetName("Letztes");
    const std::vector<SEditChoice> stadiums = FinalStadiumChoices(Country());
    ASSERT_EQ(stadiums.size(), static_cast<std::size_t>(kMaxFinalStadium));
    EXPECT_EQ(stadiums.front(), (SEditChoice{"Erstes", 1}));
    EXPECT_EQ(stadiums.back(), (SEditChoice{"Letztes", 500}));
    EXPECT_TRUE(FinalStadiumChoices(world.Country(20)).empty());
}

// --- continental settings

TEST(ContinentalCompetitionsTest, EuropeHidesItsQualificationAndHasTwoVenues) {
    const auto europe = ContinentalCompetitions(0);
    ASSERT_EQ(europe.size(), 3u);
    EXPECT_EQ(TitleHolderLabel(europe[0]), "Titelverteidiger Meisterrunde");
    EXPECT_EQ(VenueLabel(europe[1]), "Endspielort Europapokal");
    EXPECT_TRUE(europe[0].hasVenue && europe[1].hasVenue);
    EXPECT_FALSE(europe[2].visible);
    EXPECT_EQ(europe[2].label, "Europapokal-Qualifikation");
    for (int continent = 1; continent < kContinentCount; ++continent) {
        const auto rows = ContinentalCompetitions(continent);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].competition, 0);
        EXPECT_TRUE(rows[0].visible);
        EXPECT_FALSE(rows[0].hasVenue);
    }
    EXPECT_EQ(TitleHolderLabel(ContinentalCompetitions(1)[0]),
              "Titelverteidiger S\xFC"
              "damerika Pokal");
    EXPECT_EQ(TitleHolderLabel(ContinentalCompetitions(3)[0]), "Titelverteidiger Afrikapokal");
    EXPECT_TRUE(ContinentalCompetitions(6).empty());
}

class ContinentalTextsTest : public test::TestWorld {};

TEST_F(ContinentalTextsTest, VenuesAndHoldersReadAsTheWorldNamesThem) {
    CCountry& country = world.Country(kCountry);
    country.SetName(0, "Deutschland");
    country.SetName(1, "Germany");
    country.Stadiums().resize(2);
    country.Stadiums()[1].SetName("Arena");
    EXPECT_EQ(VenueText(world, MakeStadiumRef(kCountry, 2), 1), "Arena (Germany)");
    EXPECT_EQ(VenueText(world, MakeStadiumRef(kCountry, 2), 3), "Arena (Deutschland)");
    EXPECT_EQ(VenueText(world, MakeStadiumRef(kCountry, 3), 1), "");
    EXPECT_EQ(VenueText(world, MakeStadiumRef(0, 1), 1), "");
    EXPECT_EQ(VenueText(world, 0, 1), "");

    CClub& club = country.AddClub(3);
    club.SetName(0, "Erster Verein");
    EXPECT_EQ(TitleHolderText(world, club.Id(), kDefaultLanguage), "Erster Verein");
    EXPECT_EQ(TitleHolderText(world, 0, kDefaultLanguage), "");
}

TEST_F(ContinentalTextsTest, TheRankingOpensForTheFirstCountryOfTheContinent) {
    for (int number = 1; number <= kCountryCount; ++number) {
        world.Country(number).SetAttributes(0, 0, 4);
    }
    world.Country(30).SetAttributes(0, 0, 0x18 | 3);
    world.Country(31).SetAttributes(0, 0, 3);
    EXPECT_EQ(ContinentRankingCountry(world, 3), 30);
    EXPECT_EQ(ContinentRankingCountry(world, 4), 1);
    EXPECT_EQ(ContinentRankingCountry(world, 0), kDefaultCountry);
}

}  // namespace
}  // namespace kw
