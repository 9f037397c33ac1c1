#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "TestWorld.h"
#include "competition/Competition.h"
#include "competition/Cup.h"
#include "editing/CountryGeneralRules.h"
#include "editing/CountryLookRules.h"
#include "editing/CupSettingsRules.h"
#include "editing/PlayerLookRules.h"
#include "model/Country.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/TextHelpers.h"

namespace kw {
namespace {

constexpr std::int32_t kMaxAmount = std::numeric_limits<std::int32_t>::max();

// --- look sets and averages

TEST(CountryLookSetsTest, EachValueHasItsOwnBitNoneBeyondTheWidthAndTheListsOfferTheRest) {
    for (int value = 0; value < kLookSetValues; ++value) {
        const std::vector<int> one{value};
        const std::uint32_t set = LookSetOf(one);
        EXPECT_EQ(set, std::uint32_t{1} << value) << value;
        for (int other = 0; other < kLookSetValues; ++other) {
            EXPECT_EQ(LookSetHas(set, other), other == value);
        }
    }
    // 32 and beyond would be undefined shifts; they are no member of any set.
    const std::vector<int> outside{32, 33, 64, 90, -1};
    EXPECT_EQ(LookSetOf(outside), 0u);
    for (const int value : outside) {
        EXPECT_FALSE(LookSetHas(0xFFFFFFFFu, value)) << value;
    }
    const std::vector<int> mixed{31, 0, 40, 31};
    EXPECT_EQ(LookSetOf(mixed), 0x80000001u);
    EXPECT_EQ(LookSetOf(std::vector<int>{}), 0u);
    // The lists offer only the values a set can hold, in their order.
    const std::vector<SEditChoice> all = FaceChoices();
    const std::vector<SEditChoice> offered = LookSetChoices(all);
    // The faces are numbered 1..90, so 1..31 remain.
    ASSERT_EQ(offered.size(), 31u);
    std::size_t next = 0;
    for (const SEditChoice& choice : all) {
        if (choice.value < kLookSetValues) {
            EXPECT_EQ(offered[next++], choice);
        }
    }
    EXPECT_EQ(LookSetChoices(HairColourChoices()), HairColourChoices());
    EXPECT_EQ(LookSetChoices(BeardChoices()), BeardChoices());
    EXPECT_EQ(LookSetChoices(HairCutChoices()).size(), 31u);
}

TEST(CountryLookAveragesTest, ImperialValuesMatchTheFormattedOnesAcrossTheRanges) {
    EXPECT_EQ(ImperialHeight(180), (SImperialHeight{5, 10}));
    EXPECT_EQ(ImperialHeight(150), (SImperialHeight{4, 11}));
    EXPECT_EQ(ImperialHeight(220), (SImperialHeight{7, 2}));
    EXPECT_EQ(ImperialWeight(70), (SImperialWeight{11, 0}));
    EXPECT_EQ(ImperialWeight(80), (SImperialWeight{12, 8}));
    EXPECT_EQ(ImperialWeight(50), (SImperialWeight{7, 12}));
    for (int cm = kMinAverageHeight; cm <= kMaxAverageHeight; ++cm) {
        const SImperialHeight height = ImperialHeight(cm);
        EXPECT_GE(height.inches, 0);
        EXPECT_LT(height.inches, 12) << cm;
        char text[32];
        std::snprintf(text, sizeof text, "%i' %i''", height.feet, height.inches);
        EXPECT_EQ(FormatHeightImperial(cm), text);
    }
    for (int kg = kMinAverageWeight; kg <= kMaxAverageWeight; ++kg) {
        const SImperialWeight weight = ImperialWeight(kg);
        EXPECT_LT(weight.pounds, 14) << kg;
        char text[32];
        if (weight.pounds >= 1) {
            std::snprintf(text, sizeof text, "%ist %ilbs", weight.stones, weight.pounds);
        } else {
            std::snprintf(text, sizeof text, "%ist", weight.stones);
        }
        EXPECT_EQ(FormatWeightImperial(kg), text);
    }
}

class CountryValuesTest : public test::TestWorld {
protected:
    CCountry& Country() { return world.Country(kCountry); }
    SCountrySettings& Settings() { return Country().Settings(); }

    static constexpr int kCountry = 14;
};

TEST_F(CountryValuesTest, LookValuesAreStoredOnlyWhereEditedAndAveragesHeldToTheirRanges) {
    Settings().faces = 0x1FE;
    Settings().averageHeight = 0;  // a file without its averages
    Settings().averageWeight = 75;
    const SCountryLookValues stored = ReadLookValues(Country());
    // What the controls show: the height field can show nothing below 150.
    SCountryLookValues shown = stored;
    shown.averageHeight = kMinAverageHeight;
    EXPECT_FALSE(StoreChangedLookValues(Country(), shown, shown));
    EXPECT_EQ(ReadLookValues(Country()), stored);

    SCountryLookValues edited = shown;
    edited.faces = 0;
    edited.averageWeight = 300;
    ASSERT_TRUE(StoreChangedLookValues(Country(), shown, edited));
    EXPECT_EQ(Settings().faces, 0u);
    EXPECT_EQ(Settings().averageWeight, kMaxAverageWeight);
    EXPECT_EQ(Settings().averageHeight, 0);
    EXPECT_EQ(Settings().haircuts, stored.haircuts);

    edited.averageHeight = 10;
    ASSERT_TRUE(StoreChangedLookValues(Country(), shown, edited));
    EXPECT_EQ(Settings().averageHeight, kMinAverageHeight);
}

// --- the general page

TEST(CountryLanguageRowsTest, ALanguageCountsOnceInItsFirstRowAndSharesStayAsTyped) {
    const SLanguageRows repeated{{5, 7, 5, 7}, {60, 30, 10, 5}};
    EXPECT_EQ(NormaliseLanguageRows(repeated), (SLanguageRows{{5, 7, 0, 0}, {60, 30, 0, 0}}));
    // Rows keep their places; a row without language keeps what was typed; shares beyond 100 are
    // held.
    const SLanguageRows gaps{{0, 3, 0, 9}, {10, 150, 30, 40}};
    EXPECT_EQ(NormaliseLanguageRows(gaps), (SLanguageRows{{0, 3, 0, 9}, {10, 100, 30, 40}}));
    const SLanguageRows plain{{1, 2, 3, 4}, {40, 30, 20, 10}};
    EXPECT_EQ(NormaliseLanguageRows(plain), plain);
    EXPECT_EQ(NormaliseLanguageRows(NormaliseLanguageRows(repeated)),
              NormaliseLanguageRows(repeated));
}

TEST(CountryNotesTest, LinesAreCrLfInTheCountryAndLineFeedsInTheField) {
    EXPECT_EQ(NotesForEditor("a\r\nb\r\n\r\nc"), "a\nb\n\nc");
    EXPECT_EQ(NotesFromEditor("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(NotesFromEditor("x\r\ny\rz"), "x\r\nyz");
    const std::string stored = "Erste Zeile\r\nZweite";
    EXPECT_EQ(NotesFromEditor(NotesForEditor(stored)), stored);
}

TEST(CountryChoicesTest, ListsHaveTextsForEveryValueAndContinentsTheirNames) {
    for (const auto& choices : {ClimateChoices(), ReserveSwitchChoices()}) {
        ASSERT_FALSE(choices.empty());
        for (std::size_t index = 0; index < choices.size(); ++index) {
            EXPECT_EQ(choices[index].value, static_cast<int>(index));
            EXPECT_FALSE(choices[index].text.empty());
        }
    }
    EXPECT_EQ(CountryContinentName(0), "Europa");
    EXPECT_EQ(CountryContinentName(2), "Nord und Mittelamerika");
    EXPECT_EQ(CountryContinentName(5), "Ozeanien");
    EXPECT_TRUE(CountryContinentName(6).empty());
    EXPECT_TRUE(CountryContinentName(-1).empty());
}

TEST_F(CountryValuesTest, TypedNamesAreCutToTheirFieldsAndTheBirthDateWrittenOnlyWhenEdited) {
    const SCountryGeneralValues loaded = ReadGeneralValues(Country());
    SCountryGeneralValues edited = loaded;
    edited.presidentFirstName = "Abcdefghijklmnopqrs";  // 19 typed
    edited.presidentSurname = "Zyxwvutsrqponmlkjih";    // 19 typed
    edited.associationName = "Verbandsname";
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), loaded, edited));
    EXPECT_EQ(Settings().president.firstName.View(), "Abcdefghijklmno");
    EXPECT_EQ(Settings().president.surname.View(), "Zyxwvutsrqponmlkjih");
    EXPECT_EQ(Settings().associationName.View(), "Verbandsn");

    // The birth date is written only when edited: unset, the fields show some date instead.
    Settings().presidentBirthDate = CDate();
    const SCountryGeneralValues stored = ReadGeneralValues(Country());
    SCountryGeneralValues shown = stored;
    shown.presidentBirthDate = CDate::FromYmd(1950, 1, 1);
    EXPECT_FALSE(StoreChangedGeneralValues(Country(), shown, shown));
    EXPECT_FALSE(Settings().presidentBirthDate.IsSet());
    SCountryGeneralValues dated = shown;
    dated.presidentBirthDate = CDate::FromYmd(1952, 2, 29);
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), shown, dated));
    EXPECT_EQ(Settings().presidentBirthDate, CDate::FromYmd(1952, 2, 29));
}

TEST_F(CountryValuesTest, OnlyEditedValuesAreWrittenAndValuesNoControlShowsStay) {
    Settings().climate = 9;  // beyond the list
    Settings().titles = {150, 2, 1, 0};
    Settings().optionFlags = 0x01;  // "Hallenrunde", not on the page
    Settings().languages = {5, 5, 0, 0};
    Settings().languageShares = {70, 30, 0, 0};
    Settings().notes = "Alt";
    const SCountrySettings before = Settings();
    const SCountryGeneralValues stored = ReadGeneralValues(Country());
    EXPECT_FALSE(StoreChangedGeneralValues(Country(), stored, stored));
    EXPECT_EQ(Settings(), before);

    // What the controls show: no climate entry selected, the first title bar at its end.
    SCountryGeneralValues shown = stored;
    shown.climate = -1;
    shown.titles[0] = kMaxTitleCount;
    SCountryGeneralValues edited = shown;
    edited.titles[1] = 3;
    edited.generateNames = true;
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), shown, edited));
    EXPECT_EQ(Settings().climate, 9);
    EXPECT_EQ(Settings().titles, (std::array<std::uint16_t, 4>{150, 3, 1, 0}));
    EXPECT_EQ(Settings().optionFlags, 0x01 | kGenerateNamesFlag);
    // Untouched rows are not normalised behind the user's back.
    EXPECT_EQ(Settings().languages, before.languages);
    EXPECT_EQ(Settings().notes, "Alt");

    SCountryGeneralValues next = ReadGeneralValues(Country());
    SCountryGeneralValues changed = next;
    changed.climate = 2;
    changed.languages.shares[0] = 60;
    changed.noStandingPlaces = true;
    changed.generateNames = false;
    changed.averageStrength = 250;
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), next, changed));
    EXPECT_EQ(Settings().climate, 2);
    EXPECT_EQ(Settings().languages, (std::array<std::uint8_t, 4>{5, 0, 0, 0}));
    EXPECT_EQ(Settings().languageShares, (std::array<std::uint8_t, 4>{60, 0, 0, 0}));
    EXPECT_EQ(Settings().optionFlags, 0x01 | kNoStandingPlacesFlag);
    EXPECT_EQ(Settings().averageStrength, kMaxAverageStrength);
}

// --- cups and continental settings

TEST(PrizeMoneyTest, TypedAmountsSaturateAndThePageWritesTwoKindsOnly) {
    EXPECT_EQ(ParsePrizeMoney("1200"), 1200);
    EXPECT_EQ(ParsePrizeMoney("   75000"), 75000);
    EXPECT_EQ(ParsePrizeMoney("12a3"), 12);
    EXPECT_EQ(ParsePrizeMoney(""), 0);
    EXPECT_EQ(ParsePrizeMoney("-500"), 0);
    EXPECT_EQ(ParsePrizeMoney("2147483647"), kMaxAmount);
    EXPECT_EQ(ParsePrizeMoney("2147483648"), kMaxAmount);
    // Ten digits, the most the field takes, and more.
    EXPECT_EQ(ParsePrizeMoney("9999999999"), kMaxAmount);
    EXPECT_EQ(ParsePrizeMoney("99999999999999999999"), kMaxAmount);
    // The page writes prize and television money and keeps the other kinds.
    CDBCup cup(MakeCompetitionId(14, kFaCupType, 0), MakeCompetitionId(14, kRootType, 0));
    for (int kind = 0; kind < CDBCompetition::kValueCount; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            cup.SetRoundValue(kind, round, 1000 * kind + round);
        }
    }
    PrizeMatrix prizes = ReadPrizeMoney(cup);
    EXPECT_EQ(prizes[1][7], 1007);
    EXPECT_FALSE(StorePrizeMoney(cup, prizes));
    prizes[0][0] = 5000;
    prizes[1][7] = -3;
    ASSERT_TRUE(StorePrizeMoney(cup, prizes));
    EXPECT_EQ(cup.RoundValue(0, 0), 5000);
    EXPECT_EQ(cup.RoundValue(1, 7), 0);
    EXPECT_EQ(cup.RoundValue(0, 1), 1);
    for (int kind = 2; kind < CDBCompetition::kValueCount; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            EXPECT_EQ(cup.RoundValue(kind, round), 1000 * kind + round);
        }
    }
}

TEST(TitleHolderTest, AClubHoldsAtMostOneOfTheFirstTwoTitles) {
    CRules rules;
    constexpr std::uint32_t kClub = 0x000E0003;
    constexpr std::uint32_t kOther = 0x000E0004;
    ChooseTitleHolder(rules, 0, 0, kClub);
    ChooseTitleHolder(rules, 0, 1, kOther);
    EXPECT_EQ(rules.TitleHolder(0, 0), kClub);
    EXPECT_EQ(rules.TitleHolder(1, 0), kOther);
    ChooseTitleHolder(rules, 0, 1, kClub);
    EXPECT_EQ(rules.TitleHolder(0, 0), 0u);
    EXPECT_EQ(rules.TitleHolder(1, 0), kClub);
    // The third competition and the other continents are not affected.
    ChooseTitleHolder(rules, 0, 2, kClub);
    ChooseTitleHolder(rules, 1, 0, kClub);
    EXPECT_EQ(rules.TitleHolder(1, 0), kClub);
    EXPECT_EQ(rules.TitleHolder(2, 0), kClub);
    EXPECT_EQ(rules.TitleHolder(0, 1), kClub);
    // Clearing a title clears nothing else.
    ChooseTitleHolder(rules, 1, 1, 0);
    EXPECT_EQ(rules.TitleHolder(0, 1), kClub);
}

}  // namespace
}  // namespace kw
