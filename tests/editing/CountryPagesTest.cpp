#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "DemoDocumentTest.h"
#include "RowTable.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "competition/Cup.h"
#include "competition/CupFormat.h"
#include "document/DatabaseDocument.h"
#include "editing/ContinentalSettings.h"
#include "editing/CountryGeneralRules.h"
#include "editing/CountryListCommands.h"
#include "editing/CountryLookRules.h"
#include "editing/CountryPoolCommands.h"
#include "editing/CountryStaffCommands.h"
#include "editing/CupPageValues.h"
#include "editing/CupSettingsRules.h"
#include "editing/FiveYearRules.h"
#include "editing/GlobalRulesChoices.h"
#include "editing/LeagueDataRules.h"
#include "editing/LevelNames.h"
#include "editing/ManagerRecord.h"
#include "editing/NationalCoachRules.h"
#include "editing/NationalSquad.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/PlayerLookRules.h"
#include "editing/RefereeRules.h"
#include "editing/SquadRules.h"
#include "editing/StadiumRules.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/Referee.h"
#include "model/Rules.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"
#include "storage/TextHelpers.h"

namespace kw {
namespace {

constexpr std::int32_t kMaxAmount = std::numeric_limits<std::int32_t>::max();

// --- look sets and averages

CCupFormat Format(int category, std::string_view name) {
    CCupFormat format;
    format.SetCategory(static_cast<std::uint8_t>(category));
    format.Name().Set(name);
    return format;
}

TEST(CountryPageRules, LookSetsLanguagesNotesCupModesAndTitleHoldersFollowTheirRules) {
    for (int value = 0; value < kLookSetValues; ++value) {
        const std::uint32_t set = LookSetOf(std::vector<int>{value});
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
    EXPECT_EQ(LookSetOf(std::vector<int>{31, 0, 40, 31}), 0x80000001u);
    EXPECT_EQ(LookSetOf(std::vector<int>{}), 0u);
    // The lists offer only the values a set can hold, in their order: of the faces 1..90, 1..31.
    const std::vector<SEditChoice> all = FaceChoices();
    std::vector<SEditChoice> holdable;
    std::copy_if(all.begin(), all.end(), std::back_inserter(holdable),
                 [](const SEditChoice& choice) { return choice.value < kLookSetValues; });
    ASSERT_EQ(holdable.size(), 31u);
    EXPECT_EQ(LookSetChoices(all), holdable);
    EXPECT_EQ(LookSetChoices(HairColourChoices()), HairColourChoices());
    EXPECT_EQ(LookSetChoices(BeardChoices()), BeardChoices());
    EXPECT_EQ(LookSetChoices(HairCutChoices()).size(), 31u);
    // Imperial values match the formatted ones across the ranges.
    test::ExpectRows(ImperialHeight, test::Rows<int, SImperialHeight>{
                                         {180, {5, 10}}, {150, {4, 11}}, {220, {7, 2}}});
    test::ExpectRows(ImperialWeight,
                     test::Rows<int, SImperialWeight>{{70, {11, 0}}, {80, {12, 8}}, {50, {7, 12}}});
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

    // The general page: languages count once, notes lines are CR LF, lists have texts for every
    // value.
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
    // Notes: lines are CR LF in the country and line feeds in the field.
    EXPECT_EQ(NotesForEditor("a\r\nb\r\n\r\nc"), "a\nb\n\nc");
    EXPECT_EQ(NotesFromEditor("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(NotesFromEditor("x\r\ny\rz"), "x\r\nyz");
    const std::string stored = "Erste Zeile\r\nZweite";
    EXPECT_EQ(NotesFromEditor(NotesForEditor(stored)), stored);
    // The lists have texts for every value, the continents their names.
    for (const auto& choices : {ClimateChoices(), ReserveSwitchChoices()}) {
        ASSERT_FALSE(choices.empty());
        for (std::size_t index = 0; index < choices.size(); ++index) {
            EXPECT_EQ(choices[index].value, static_cast<int>(index));
            EXPECT_FALSE(choices[index].text.empty());
        }
    }
    EXPECT_FALSE(CountryContinentName(0).empty() || CountryContinentName(5).empty());
    EXPECT_TRUE(CountryContinentName(6).empty());
    EXPECT_TRUE(CountryContinentName(-1).empty());

    // The cup modes: no cup first, then the formats of the category by name.
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

    // A club holds at most one of the first two continental titles.
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

constexpr int kCountry = 14;
constexpr int kLanguage = 1;
constexpr int kHome = kCountry;
constexpr int kAbroad = 20;

std::vector<std::uint32_t> Ids(const std::vector<SNationalSquadRow>& rows) {
    return test::Column(rows, &SNationalSquadRow::personId);
}

// An empty database as a document: `world` arranges a case outside the history. The country
// pages work on country 14, the national squad on a few clubs at home and abroad, the world
// settings on four countries of Africa.
class EmptyWorldTest : public ::testing::Test {
protected:
    EmptyWorldTest()
        : document(std::make_unique<CWorld>(install.Path())), world(document.WorldForOperations()) {
        world.InitialiseCountries();
    }

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

    // Two clubs at home and one abroad with flagged and unflagged players of both nationalities.
    void SetUpSquad() {
        CClub& zebras = Club(kHome, 1, "Zebras");
        CClub& adler = Club(kHome, 2, "adler");
        CClub& foreign = Club(kAbroad, 1, "Mitte");
        mueller = Add(zebras, 0, kHome, "Max", "M\xfcller", true, 1980, 4, 0);
        bauer = Add(adler, 0, kHome, "Bernd", "bauer", true, 1990, 17, 3);
        unflagged = Add(adler, 0, kHome, "Uwe", "Ohne", false, 1985, 9, 1);
        abel = Add(foreign, 0, kHome, "Anton", "Abel", true, 1985, 1, 4);
        Add(foreign, 0, kAbroad, "Fritz", "Fremd", true, 1984, 9, 2);
        // A trainer of the nationality with the flag is no player of the squad.
        Add(zebras, 1, kHome, "Tom", "Trainer", true, 1960, 0, 0);
        // The national team lists players of other clubs; they are found in their own club.
        world.Country(kHome).NationalTeam().AddPerson(*world.Person(mueller));
    }
    CClub& Club(int country, std::uint16_t index, const char* name) {
        CClub& club = world.Country(country).AddClub(index);
        club.SetName(0, name);
        return club;
    }
    std::uint32_t Add(CClub& club, int kind, int nationality, const char* first,
                      const char* surname, bool flagged, int birthYear, int position, int talent) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetNationality(static_cast<std::uint8_t>(nationality));
        person.SetFirstName(first);
        person.SetSurname(surname);
        person.SetBirthDate(CDate::FromYmd(birthYear, 7, 2));
        person.SetPosition(0, static_cast<std::uint8_t>(position));
        SetTalent(person, talent);
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            person.SetAbility(ability, static_cast<std::uint8_t>((birthYear + ability) % 90));
        }
        // The retired bit beside the flag must survive every change of the flag.
        person.SetNationalTeamByte(kNationalFlagsByte,
                                   kNationalTeamRetiredBit | (flagged ? kInNationalTeamBit : 0));
        club.AddPerson(person);
        return person.Id();
    }
    std::vector<SNationalSquadRow> Squad() const {
        return NationalSquad(document.World(), kHome, 0, today);
    }

    // Every country in South America but four in Africa, some rule values, the level names of
    // the country.
    void SetUpWorldSettings() {
        for (int number = 1; number <= kCountryCount; ++number) {
            world.Country(number).SetAttributes(0, 0, 1);
        }
        Africa(30, "Gamma", {0, 100, 100, 100, 100, 100});
        Africa(31, "Beta", {2000, 100, 100, 100, 100, 0});
        Africa(32, "Alpha", {0, 100, 100, 100, 100, 100});
        Africa(33, "Delta", {0, 2000, 0, 0, 0, 0});
        world.Rules().SetRuleValue(0, 1);
        world.Rules().SetRuleValue(2, 7);
        world.Rules().SetRuleValue(4, 99);
        Country().SetLevelName(1, 0, "Zweite Liga");
        Country().SetLevelName(1, 2, "Deuxi\xE8me division");
    }
    void Africa(int number, const char* name, FiveYearValues values) {
        CCountry& country = world.Country(number);
        // Bits above the continent belong to another value and must not matter.
        country.SetAttributes(0, 0, 0x18 | 3);
        country.SetName(0, name);
        country.Settings().slotValues = values;
    }
    std::string LevelName(int level, int language) const {
        return std::string(document.World()
                               .Country(kCountry)
                               .LevelNames(level)[static_cast<std::size_t>(language)]
                               .View());
    }

    test::TempDir install;
    CDatabaseDocument document;
    CWorld& world;
    const CDate today = CDate::FromYmd(2010, 7, 1);
    std::uint32_t mueller = 0;
    std::uint32_t bauer = 0;
    std::uint32_t unflagged = 0;
    std::uint32_t abel = 0;
};

// --- the general page

TEST_F(EmptyWorldTest, GeneralAndLookPagesWriteOnlyEditedValuesHeldToTheirFieldsKeepingOthers) {
    Settings().climate = 9;  // beyond the list
    Settings().titles = {150, 2, 1, 0};
    Settings().optionFlags = 0x01;  // "Hallenrunde", not on the page
    Settings().languages = {5, 5, 0, 0};
    Settings().languageShares = {70, 30, 0, 0};
    Settings().notes = "Alt";
    Settings().presidentBirthDate = CDate();
    const SCountrySettings before = Settings();
    const SCountryGeneralValues stored = ReadGeneralValues(Country());
    EXPECT_FALSE(StoreChangedGeneralValues(Country(), stored, stored));
    // What the controls show: no climate entry selected, the first title bar at its end, some
    // date for the unset birth date.
    SCountryGeneralValues shown = stored;
    shown.climate = -1;
    shown.titles[0] = kMaxTitleCount;
    shown.presidentBirthDate = CDate::FromYmd(1950, 1, 1);
    EXPECT_FALSE(StoreChangedGeneralValues(Country(), shown, shown));
    EXPECT_EQ(Settings(), before);

    SCountryGeneralValues edited = shown;
    edited.titles[1] = 3;
    edited.generateNames = true;
    edited.presidentFirstName = "Abcdefghijklmnopqrs";  // 19 typed
    edited.presidentSurname = "Zyxwvutsrqponmlkjih";    // 19 typed
    edited.associationName = "Verbandsname";
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), shown, edited));
    EXPECT_EQ(std::tuple(Settings().climate, Settings().titles, Settings().optionFlags,
                         Settings().presidentBirthDate.IsSet()),
              std::tuple(9, std::array<std::uint16_t, 4>{150, 3, 1, 0}, 0x01 | kGenerateNamesFlag,
                         false));
    EXPECT_EQ(std::tuple(Settings().president.firstName.View(), Settings().president.surname.View(),
                         Settings().associationName.View()),
              std::tuple("Abcdefghijklmno", "Zyxwvutsrqponmlkjih", "Verbandsn"));
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
    changed.presidentBirthDate = CDate::FromYmd(1952, 2, 29);
    ASSERT_TRUE(StoreChangedGeneralValues(Country(), next, changed));
    using Four = std::array<std::uint8_t, 4>;
    EXPECT_EQ(std::tuple(Settings().climate, Settings().languages, Settings().languageShares,
                         Settings().optionFlags, Settings().averageStrength),
              std::tuple(2, Four{5, 0, 0, 0}, Four{60, 0, 0, 0}, 0x01 | kNoStandingPlacesFlag,
                         kMaxAverageStrength));
    EXPECT_EQ(Settings().presidentBirthDate, CDate::FromYmd(1952, 2, 29));

    // The look page likewise; its averages are held to their ranges.
    Settings().faces = 0x1FE;
    Settings().averageHeight = 0;  // a file without its averages
    Settings().averageWeight = 75;
    const SCountryLookValues looks = ReadLookValues(Country());
    // What the controls show: the height field can show nothing below 150.
    SCountryLookValues look = looks;
    look.averageHeight = kMinAverageHeight;
    EXPECT_FALSE(StoreChangedLookValues(Country(), look, look));
    EXPECT_EQ(ReadLookValues(Country()), looks);

    SCountryLookValues looked = look;
    looked.faces = 0;
    looked.averageWeight = 300;
    ASSERT_TRUE(StoreChangedLookValues(Country(), look, looked));
    EXPECT_EQ(std::tuple(Settings().faces, Settings().averageWeight, Settings().averageHeight,
                         Settings().haircuts),
              std::tuple(0u, kMaxAverageWeight, 0, looks.haircuts));

    looked.averageHeight = 10;
    ASSERT_TRUE(StoreChangedLookValues(Country(), look, looked));
    EXPECT_EQ(Settings().averageHeight, kMinAverageHeight);
}

// --- cups and continental settings

TEST_F(EmptyWorldTest, TypedPrizesSaturateAndThePrizeTableWritesTwoKindsOfMoneyOnly) {
    // Ten digits, the most the field takes, and more.
    const test::Rows<const char*, std::int32_t> typed = {{"1200", 1200},
                                                         {"   75000", 75000},
                                                         {"12a3", 12},
                                                         {"", 0},
                                                         {"-500", 0},
                                                         {"2147483647", kMaxAmount},
                                                         {"2147483648", kMaxAmount},
                                                         {"9999999999", kMaxAmount},
                                                         {"99999999999999999999", kMaxAmount}};
    test::ExpectRows(ParsePrizeMoney, typed);
    // The page writes prize and television money and keeps the other kinds.
    CDBCup& cup = AddCup(ECountryCup::National, 3, 1);
    PrizeMatrix prizes = ReadPrizeMoney(cup);
    EXPECT_EQ(prizes[1][7], 1017);
    EXPECT_FALSE(StorePrizeMoney(cup, prizes));
    prizes[0][0] = 5000;
    prizes[1][7] = -3;
    ASSERT_TRUE(StorePrizeMoney(cup, prizes));
    EXPECT_EQ(std::tuple(cup.RoundValue(0, 0), cup.RoundValue(1, 7), cup.RoundValue(0, 1)),
              std::tuple(5000, 0, 1001));
    for (int kind = 2; kind < CDBCompetition::kValueCount; ++kind) {
        for (int round = 0; round < kPrizeRounds; ++round) {
            EXPECT_EQ(cup.RoundValue(kind, round), 1000 + kind * 10 + round);
        }
    }
}

TEST_F(EmptyWorldTest, TheCupPageShowsTheCupsAndWritesOnlyWhatWasEdited) {
    SetUpCups();
    Settings().leagueYellowRule = 0x89;  // rule 9 is beyond the list, with the flag
    Settings().redCardStart = 5;
    Settings().redCardSettings = 0xEF;
    Settings().cupFinalStadium = 612;
    Settings().cupOptions = 0xFC;
    Settings().optionFlags = 0x01;  // "Hallenrunde", kept but not offered
    const SCountrySettings before = Settings();
    SCupPageValues shown = Read();
    // Modes, names in the page's language and prizes; no cup, no name, no prizes.
    EXPECT_EQ(std::tuple(shown.cups[0].mode, shown.cups[0].name, shown.cups[3].mode,
                         shown.cups[3].prizes[1][7], shown.cups[4].mode, shown.cups[4].name,
                         shown.cups[5].mode),
              std::tuple(3, "Cup 20/1", 6, 50017, 0, "", 7));
    EXPECT_EQ(shown.cups[4].prizes, PrizeMatrix{});
    EXPECT_FALSE(Store(shown, shown));
    EXPECT_EQ(Settings(), before);
    EXPECT_FALSE(StoreCupMode(world, kCountry, ECountryCup::Super, 7));
    EXPECT_EQ(Cup(ECountryCup::Super)->CalendarValue(0, 60), 1);

    // Editing one value writes that value only.
    SCupPageValues edited = shown;
    edited.variableDuration = true;
    edited.homeAdvantage = true;
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(
        std::tuple(Settings().redCardSettings, Settings().cupOptions, Settings().leagueYellowRule,
                   Settings().redCardStart, Settings().cupFinalStadium, Settings().optionFlags),
        std::tuple(0xFF, 0xFD, 0x89, 5, 612, 0x01));

    // Prize cells are written one by one and held to their range; a typed name leaves the other
    // languages.
    CDBCup& super = const_cast<CDBCup&>(*Cup(ECountryCup::Super));
    super.SetRoundValue(0, 0, -40);  // shown as it is, no control would type it
    shown = Read();
    edited = shown;
    edited.cups[5].prizes[0][1] = -5;
    edited.cups[5].prizes[1][0] = ParsePrizeMoney("9999999999");
    edited.cups[5].name = "Supercup neu";
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(std::tuple(super.RoundValue(0, 0), super.RoundValue(0, 1), super.RoundValue(1, 0),
                         super.RoundValue(2, 0)),
              std::tuple(-40, 0, kMaxAmount, 60020));
    EXPECT_EQ(super.Names()[kLanguage].View(), "Supercup neu");
    EXPECT_EQ(super.Names()[0].View(), "Cup 60/0");

    // A new mode for league cup two remakes only that cup, keeping its names and money; no cup
    // removes the national cup and its dates.
    shown = Read();
    edited = shown;
    edited.cups[3].mode = 9;
    edited.cups[3].prizes[0][2] = 777;
    edited.cups[0].mode = 0;
    ASSERT_TRUE(Store(shown, edited));
    const CDBCup* remade = Cup(ECountryCup::League2);
    ASSERT_NE(remade, nullptr);
    EXPECT_EQ(
        std::tuple(remade->FormatNumber(), remade->CalendarValue(0, 50), remade->Names()[3].View(),
                   remade->RoundValue(0, 2), remade->RoundValue(1, 5), remade->RoundValue(3, 7)),
        std::tuple(9, 0, "Cup 50/3", 777, 50015, 50037));
    EXPECT_EQ(Settings().leagueCupSettings, 0x00090504u);
    EXPECT_EQ(Cup(ECountryCup::National), nullptr);
    EXPECT_EQ(Settings().nationalCupSetting, 0);
    for (const ECountryCup kept :
         {ECountryCup::League0, ECountryCup::League1, ECountryCup::Super}) {
        const CDBCup* cup = Cup(kept);
        ASSERT_NE(cup, nullptr);
        EXPECT_EQ(cup->EnteredMatchdays(0), 1);
        EXPECT_EQ(cup->RoundValue(0, 7) % 1000, 7);
    }

    // A cup made from nothing takes the typed name and prizes and makes the root.
    const std::uint32_t root = MakeCompetitionId(kCountry, kRootType, 0);
    world.RemoveCompetitionTree(root);
    shown = Read();
    edited = shown;
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
    EXPECT_EQ(std::tuple(made->RoundValue(1, 7), made->RoundValue(1, 6),
                         CupSetting(Country(), ECountryCup::League3)),
              std::tuple(2500, 0, 11));
    EXPECT_NE(world.Competition(root), nullptr);
}

TEST_F(EmptyWorldTest, CardRulesKeepTheirFlagBitsEachScopeHasItsOwnBitAndFinalsEndAtStadium500) {
    Settings().leagueYellowRule = 0x82;
    Settings().cupYellowRule = 0x01;
    Settings().suspensionScope = 0xF0;
    Settings().yellowRedLevels = 0x01;
    const SCupPageValues shown = Read();
    EXPECT_EQ(std::tuple(shown.yellowRule, shown.yellowAfterYellowRed, shown.yellowRedLevels[0],
                         shown.yellowRedLevels[4]),
              std::tuple(std::array<int, 2>{2, 1}, std::array<bool, 2>{true, false}, true, false));

    SCupPageValues edited = shown;
    edited.yellowRule = {5, 1};
    edited.yellowAfterYellowRed = {true, true};
    edited.yellowRedForAll = true;
    edited.redForAll = true;
    edited.yellowRedLevels[0] = false;
    edited.yellowRedLevels[4] = true;
    edited.redCardStart = 1;
    ASSERT_TRUE(Store(shown, edited));
    EXPECT_EQ(
        std::tuple(Settings().leagueYellowRule, Settings().cupYellowRule,
                   Settings().suspensionScope, Settings().yellowRedLevels, Settings().redCardStart),
        std::tuple(0x85, 0x81, 0xF6, 0x10, 1));
    EXPECT_EQ(Read(), edited);

    // The final stadium list ends at five hundred.
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

TEST_F(EmptyWorldTest, EuropeHidesItsQualificationAndVenuesHoldersAndTheRankingFollowTheWorld) {
    CCountry& country = world.Country(kCountry);
    country.SetName(0, "Deutschland");
    country.SetName(1, "Germany");
    country.Stadiums().resize(2);
    country.Stadiums()[1].SetName("Arena");
    EXPECT_EQ((std::vector<std::string>{VenueText(world, MakeStadiumRef(kCountry, 2), 1),
                                        VenueText(world, MakeStadiumRef(kCountry, 2), 3),
                                        VenueText(world, MakeStadiumRef(kCountry, 3), 1),
                                        VenueText(world, MakeStadiumRef(0, 1), 1),
                                        VenueText(world, 0, 1)}),
              (std::vector<std::string>{"Arena (Germany)", "Arena (Deutschland)", "", "", ""}));

    CClub& club = country.AddClub(3);
    club.SetName(0, "Erster Verein");
    EXPECT_EQ(TitleHolderText(world, club.Id(), kDefaultLanguage), "Erster Verein");
    EXPECT_EQ(TitleHolderText(world, 0, kDefaultLanguage), "");
    // Europe hides its qualification and has two venues; the other continents one competition.
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
    // The ranking opens for the first country of the continent.
    for (int number = 1; number <= kCountryCount; ++number) {
        world.Country(number).SetAttributes(0, 0, 4);
    }
    world.Country(30).SetAttributes(0, 0, 0x18 | 3);
    world.Country(31).SetAttributes(0, 0, 3);
    EXPECT_EQ(ContinentRankingCountry(world, 3), 30);
    EXPECT_EQ(ContinentRankingCountry(world, 4), 1);
    EXPECT_EQ(ContinentRankingCountry(world, 0), kDefaultCountry);
}

// The youth pool and the other coaches of the small demo's default country as the country
// window's pages list and change them.
class CountryPersonListsTest : public test::DemoDocumentTest {
protected:
    const CCountry& Country() const { return World().Country(kCountry); }

    static CPoolEntry Entry(const char* firstName, const char* surname) {
        CPoolEntry entry = BlankPoolEntry(kCountry);
        entry.SetFirstName(firstName);
        entry.SetSurname(surname);
        return entry;
    }
    static CStaffEntry Staff(const char* surname, std::uint8_t job) {
        CStaffEntry entry;
        entry.SetFirstName("Uwe");
        entry.SetSurname(surname);
        entry.SetJob(job);
        return entry;
    }
    std::vector<std::size_t> ListedSlots() const {
        return test::Column(PoolRows(World(), kCountry, kDefaultLanguage), &SPoolRow::slot);
    }

    const CManager& Coach(int country) const {
        return document.World().Country(country).Settings().nationalCoach;
    }

    // After one recorded change: one undo gives `before` back, a redo `after`.
    void ExpectOneUndoableEdit(const std::string& before) {
        EXPECT_EQ(document.History().Count(), 1u);
        const std::string after = Dump();
        EXPECT_NE(after, before);
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(Dump(), before);
        ASSERT_TRUE(document.Redo());
        EXPECT_EQ(Dump(), after);
    }
};

TEST_F(CountryPersonListsTest, PoolRowsListUsedSlotsThatChangeOrGoAndNewEntriesFillTheFirstGap) {
    const std::string original = Dump();
    std::vector<std::size_t> before;
    for (std::size_t used = 0; used < Country().PlayerPool().size(); ++used) {
        if (!Country().PlayerPool()[used].Surname().Empty()) {
            before.push_back(used);
        }
    }
    ASSERT_GE(before.size(), 3u);
    EXPECT_EQ(ListedSlots(), before);

    CPoolEntry row = Entry("Anna", "Berg");
    row.SetSpecialAbility(1);
    row.SetTeamPart(4);
    row.SetPreferredClub(CPoolEntry::kCreateAClub);
    ASSERT_FALSE(Country().Name(kDefaultLanguage).empty());
    EXPECT_EQ(PoolRowText(World(), row, kDefaultLanguage),
              "Berg,A.\t" + Country().Name(kDefaultLanguage) +
                  "\tKopfball\tSt\374rmer\tCreate A Club Verein");
    row.SetFirstName("");
    row.SetNationality(0);
    row.SetPreferredClub(0);
    EXPECT_EQ(PoolRowText(World(), row, kDefaultLanguage), "Berg\t\tKopfball\tSt\374rmer\t");

    EXPECT_TRUE(PoolRows(World(), 0, kDefaultLanguage).empty());
    EXPECT_TRUE(PoolRows(World(), kCountryCount + 1, kDefaultLanguage).empty());
    const std::size_t slot = before.front();
    CPoolEntry entry = Country().PlayerPool()[slot];
    EXPECT_FALSE(ReplacePoolEntry(document, kCountry, slot, entry));
    entry.SetFirstName("Friedrich-Wilhelm");     // 17 letters into 15
    entry.SetSurname("Schwarzenberg-Lindenau");  // 22 letters into 19
    ASSERT_TRUE(ReplacePoolEntry(document, kCountry, slot, entry));
    EXPECT_EQ(std::tuple(Country().PlayerPool()[slot].FirstName().View(),
                         Country().PlayerPool()[slot].Surname().View()),
              std::tuple("Friedrich-Wilhe", "Schwarzenberg-Linde"));
    // An entry without surname would vanish from the list and the file: refused, as are unused
    // and missing slots.
    CPoolEntry nameless = entry;
    nameless.SetSurname("");
    EXPECT_FALSE(ReplacePoolEntry(document, kCountry, slot, nameless));
    const auto unused = std::find_if(Country().PlayerPool().begin(), Country().PlayerPool().end(),
                                     [](const CPoolEntry& e) { return !e.IsUsed(); });
    if (unused != Country().PlayerPool().end()) {
        EXPECT_FALSE(ReplacePoolEntry(
            document, kCountry, static_cast<std::size_t>(unused - Country().PlayerPool().begin()),
            Entry("Anna", "Berg")));
    }
    EXPECT_FALSE(
        ReplacePoolEntry(document, kCountry, Country().PlayerPool().size(), Entry("Anna", "Berg")));
    EXPECT_EQ(Edits(), 1u);

    // Deleting blanks the slot and keeps the others; a blank slot has nothing left to delete.
    const CPoolEntry last = Country().PlayerPool()[before.back()];
    ASSERT_TRUE(RemovePoolEntry(document, kCountry, before[1]));
    EXPECT_EQ(Country().PlayerPool()[before[1]], BlankPoolEntry(kCountry));
    EXPECT_EQ(Country().PlayerPool()[before.back()], last);
    std::vector<std::size_t> expected = before;
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(ListedSlots(), expected);
    EXPECT_FALSE(RemovePoolEntry(document, kCountry, before[1]));
    // A new entry takes the blank slot in the middle first.
    const auto reused = AddPoolEntry(document, kCountry, Entry("Anna", "Berg"));
    ASSERT_TRUE(reused.has_value());
    EXPECT_EQ(*reused, before[1]);
    EXPECT_EQ(ListedSlots(), before);
    EXPECT_EQ(Country().PlayerPool()[*reused].Surname().View(), "Berg");
    EXPECT_EQ(Edits(), 3u);
    while (document.Undo()) {
    }
    EXPECT_EQ(Dump(), original);

    // With every slot used the pool grows by one.
    Live().Country(kCountry).ResizePlayerPool(before.size());
    for (std::size_t used = 0; used < Country().PlayerPool().size(); ++used) {
        ASSERT_TRUE(Country().PlayerPool()[used].IsUsed());
    }
    const std::size_t size = Country().PlayerPool().size();
    const auto appended = AddPoolEntry(document, kCountry, Entry("Bert", "Cramer"));
    ASSERT_TRUE(appended.has_value());
    EXPECT_EQ(*appended, size);
    EXPECT_EQ(Country().PlayerPool().size(), size + 1);
    EXPECT_EQ(Country().PlayerPool()[size].Nationality(), kCountry);
    EXPECT_FALSE(AddPoolEntry(document, kCountry, Entry("Carl", "")).has_value());
    EXPECT_FALSE(AddPoolEntry(document, 0, Entry("Carl", "Dorn")).has_value());
    EXPECT_EQ(Edits(), 1u);
    document.Undo();
    EXPECT_EQ(Country().PlayerPool().size(), size);
}

TEST_F(CountryPersonListsTest, ACoachSpeaksTheLanguagesAndIsChangedOrDeletedWhileTheCountryHasHim) {
    Live().Country(kCountry).Settings().languages = {19, 14, 17, 0};
    CManager blank = BlankCountryManager(World(), kCountry);
    EXPECT_EQ(blank.Nationality(), kCountry);
    EXPECT_EQ(blank.Languages(), (std::array<std::uint8_t, 4>{19, 14, 0, 0}));
    Live().Country(kCountry).Settings().languages = {19, 19, 0, 0};
    EXPECT_EQ(BlankCountryManager(World(), kCountry).Languages(),
              (std::array<std::uint8_t, 4>{19, 0, 0, 0}));
    const std::string prepared = Dump();

    EXPECT_FALSE(AddCountryManager(document, kCountry, blank).has_value());
    blank.SetSurname("Kuhn");
    const auto added = AddCountryManager(document, kCountry, blank);
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->record, ECountryStaffRecord::kManager);
    ASSERT_NE(World().Manager(added->key), nullptr);
    EXPECT_EQ(World().Manager(added->key)->Surname().View(), "Kuhn");
    const std::vector<SCountryStaffRow> rows = CountryStaffRows(World(), kCountry);
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                            [&added](const SCountryStaffRow& row) { return row.ref == *added; }));
    EXPECT_EQ(Edits(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(World().Manager(added->key), nullptr);
    EXPECT_EQ(Dump(), prepared);

    const std::uint32_t id = Country().ManagerIds().front();
    CManager coach = *World().Manager(id);
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, id, coach));
    coach.SetNickname("Der Tiger");
    ASSERT_TRUE(ReplaceCountryManager(document, kCountry, id, coach));
    EXPECT_EQ(World().Manager(id)->Nickname().View(), "Der Tiger");
    // A manager of another country is not this page's to change or delete.
    int other = 0;
    for (int number = 1; number <= kCountryCount && other == 0; ++number) {
        if (number != kCountry && !World().Country(number).ManagerIds().empty()) {
            other = number;
        }
    }
    ASSERT_NE(other, 0);
    const std::uint32_t foreign = World().Country(other).ManagerIds().front();
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, foreign, coach));
    EXPECT_FALSE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kManager, foreign}));

    ASSERT_TRUE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kManager, id}));
    EXPECT_EQ(World().Manager(id), nullptr);
    const auto& ids = Country().ManagerIds();
    EXPECT_EQ(std::find(ids.begin(), ids.end(), id), ids.end());
    EXPECT_FALSE(ReplaceCountryManager(document, kCountry, id, coach));
    EXPECT_EQ(Edits(), 2u);
    while (document.Undo()) {
    }
    EXPECT_EQ(Dump(), prepared);
}

TEST_F(CountryPersonListsTest, StaffEntriesAreAppendedChangedAndDeletedAndListedAfterTheManagers) {
    const std::string original = Dump();
    const std::size_t count = Country().Staff().size();
    ASSERT_GE(count, 2u);

    EXPECT_FALSE(AddCountryStaffEntry(document, kCountry, Staff("", 3)).has_value());
    const auto added = AddCountryStaffEntry(document, kCountry, Staff("Vogt", 3));
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->key, count);
    EXPECT_EQ(Country().Staff().back(), Staff("Vogt", 3));

    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("Vogt", 3)));
    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("", 3)));
    EXPECT_FALSE(ReplaceCountryStaffEntry(document, kCountry, count + 1, Staff("Wolf", 3)));
    ASSERT_TRUE(ReplaceCountryStaffEntry(document, kCountry, count, Staff("Wolf", 4)));
    EXPECT_EQ(Country().Staff().back(), Staff("Wolf", 4));

    const CStaffEntry second = Country().Staff()[1];
    ASSERT_TRUE(DeleteCountryStaff(document, kCountry, {ECountryStaffRecord::kStaffEntry, 0}));
    EXPECT_EQ(Country().Staff().size(), count);
    EXPECT_EQ(Country().Staff().front(), second);
    EXPECT_FALSE(DeleteCountryStaff(
        document, kCountry, {ECountryStaffRecord::kStaffEntry, static_cast<std::uint32_t>(count)}));
    EXPECT_EQ(Edits(), 3u);

    while (document.Undo()) {
    }
    EXPECT_EQ(Dump(), original);

    // The rows list the further managers, then the staff pool.
    const std::vector<SCountryStaffRow> rows = CountryStaffRows(World(), kCountry);
    const std::size_t managers = Country().ManagerIds().size();
    ASSERT_GE(managers, 1u);
    ASSERT_EQ(rows.size(), managers + Country().Staff().size());
    for (std::size_t row = 0; row < managers; ++row) {
        const std::uint32_t id = Country().ManagerIds()[row];
        EXPECT_EQ(rows[row].ref, (SCountryStaffRef{ECountryStaffRecord::kManager, id}));
        EXPECT_EQ(rows[row].text, World().Manager(id)->ShortName() + "\tTrainer");
    }
    EXPECT_TRUE(std::is_sorted(Country().ManagerIds().begin(), Country().ManagerIds().end()));
    for (std::size_t index = 0; index < Country().Staff().size(); ++index) {
        EXPECT_EQ(rows[managers + index].ref,
                  (SCountryStaffRef{ECountryStaffRecord::kStaffEntry,
                                    static_cast<std::uint32_t>(index)}));
    }

    Live().Country(kCountry).Staff().front() = Staff("Otto", 9);
    EXPECT_EQ(CountryStaffRows(World(), kCountry)[managers].text,
              "Otto, U.\tSpezialist (K\366chel)");
    EXPECT_FALSE(StaffJobName(16).empty());
    EXPECT_TRUE(StaffJobName(17).empty());
    EXPECT_TRUE(StaffJobName(-1).empty());
}

CManager MakeCoach() {
    CManager coach;
    coach.SetSurname("Trainer");
    coach.SetFirstName("Hans");
    coach.SetNickname("Der Alte");
    coach.SetNationality(14);
    coach.SetBirthDate(CDate::FromYmd(1960, 5, 17));
    return coach;
}

TEST_F(CountryPersonListsTest, TheNationalCoachsValuesAreOneUndoableEditAndNoChangeRecordsNothing) {
    const std::string before = Dump();
    const SCoachPersonalValues loaded = ReadCoachPersonalValues(Coach(kCountry));
    EXPECT_FALSE(EditNationalCoach(document, kCountry, loaded, loaded, [](IManagerRecord& record) {
        record.SetExperience(record.NationalExperience(), record.InternationalExperience());
    }));
    SCoachPersonalValues edited = loaded;
    edited.surname = "Neuer Name";
    bool written = false;
    for (const int country : {0, kCountryCount + 1}) {
        EXPECT_FALSE(EditNationalCoach(document, country, loaded, edited,
                                       [&written](IManagerRecord&) { written = true; }));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(Edits(), 0u);

    const auto ability =
        static_cast<std::uint8_t>(Coach(kCountry).TrainingValues()[1] == 9 ? 4 : 9);
    ASSERT_TRUE(
        EditNationalCoach(document, kCountry, loaded, edited,
                          [ability](IManagerRecord& record) { record.SetAbility(1, ability); }));
    EXPECT_EQ(Coach(kCountry).Surname().View(), "Neuer Name");
    EXPECT_EQ(Coach(kCountry).TrainingValues()[1], ability);
    EXPECT_EQ(Coach(kCountry).FirstName().View(), loaded.firstName);
    ExpectOneUndoableEdit(before);
}

TEST_F(CountryPersonListsTest, StadiumsAndRefereesChangeUndoablyAndUnchangedOrMissingOnesNot) {
    const std::string before = Dump();
    EXPECT_FALSE(ReplaceStadium(document, kDefaultCountry, 0, Country().Stadiums()[0]));
    EXPECT_FALSE(ReplaceReferee(document, kDefaultCountry, 0, Country().Referees()[0]));
    const std::size_t stadiums = Country().Stadiums().size();
    EXPECT_FALSE(ReplaceStadium(document, kDefaultCountry, stadiums, CStadium::Template(0)));
    EXPECT_FALSE(ReplaceStadium(document, 0, 0, CStadium::Template(0)));
    EXPECT_FALSE(ReplaceStadium(document, kCountryCount + 1, 0, CStadium::Template(0)));
    EXPECT_FALSE(RemoveReferee(document, kDefaultCountry, Country().Referees().size()));
    EXPECT_FALSE(AddReferee(document, 0, CReferee()));
    EXPECT_EQ(Edits(), 0u);

    ASSERT_GE(stadiums, 2u);
    CStadium stadium = Country().Stadiums()[1];
    stadium.SetVipPlaces(2, stadium.VipPlaces(2) + 10);
    ASSERT_TRUE(ReplaceStadium(document, kDefaultCountry, 1, stadium));
    EXPECT_EQ(Country().Stadiums()[1], stadium);
    ExpectOneUndoableEdit(before);
    ASSERT_TRUE(document.Undo());

    ASSERT_GE(Country().Referees().size(), 3u);
    CReferee referee;
    referee.SetNames("Anton", "Berger");
    referee.SetCharacter(3);
    ASSERT_TRUE(ReplaceReferee(document, kDefaultCountry, 1, referee));
    EXPECT_EQ(Country().Referees()[1], referee);
    ExpectOneUndoableEdit(before);
    ASSERT_TRUE(document.Undo());

    const std::size_t count = Country().Referees().size();
    ASSERT_TRUE(AddReferee(document, kDefaultCountry, referee));
    ASSERT_EQ(Country().Referees().size(), count + 1);
    EXPECT_EQ(Country().Referees().back(), referee);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);

    const CReferee second = Country().Referees()[1];
    const CReferee third = Country().Referees()[2];
    ASSERT_TRUE(RemoveReferee(document, kDefaultCountry, 1));
    ASSERT_EQ(Country().Referees().size(), count - 1);
    EXPECT_EQ(Country().Referees()[1], third) << "the following ones move up";
    EXPECT_NE(Country().Referees()[1], second);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

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

TEST(PersonAndStadiumRules, ValuesReachTheirFieldsCutToTheRecordAndChecksHoldTheCounts) {
    const StandTable stands = StandTableOf(DistinctStadium());
    for (int stand = 0; stand < kStandCount; ++stand) {
        const SStandRow& row = stands[static_cast<std::size_t>(stand)];
        EXPECT_EQ(std::tuple(row.seats, row.standing, row.vip),
                  std::tuple(100 + stand, 200 + stand, 300 + stand));
        EXPECT_EQ(row.seasonTicketBlock, stand == 1 || stand == 4) << stand;
        EXPECT_EQ(row.awayBlock, stand == 7) << stand;
    }
    // Storing the shown values gives the record back, also one whose type no list offers and
    // whose masks are full.
    const CStadium original = DistinctStadium();
    EXPECT_EQ(StadiumWithValues(original, StadiumValuesOf(original)), original);
    CStadium odd = original;
    odd.SetType(-3);
    odd.SetSeasonTicketBlocks(0xFF);
    odd.SetAwayBlock(0xFF);
    EXPECT_EQ(StadiumWithValues(odd, StadiumValuesOf(odd)), odd);

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
    // Texts are cut to the record's fields.
    values.name = std::string(35, 'N');
    values.city = std::string(30, 'O');
    const CStadium cut = StadiumWithValues(CStadium(), values);
    EXPECT_EQ(cut.Name().View(), std::string(29, 'N'));
    EXPECT_EQ(cut.City().View(), std::string(29, 'O'));

    // Read as a spin field reads its text (its own tests), but never negative.
    const test::Rows<const char*, std::int32_t> typed = {{"  800 Plätze", 800},
                                                         {"2147483648", kMaxPlaces},
                                                         {"-40", 0},
                                                         {"-99999999999999999999", 0}};
    test::ExpectRows(PlacesFromText, typed);

    EXPECT_EQ(TotalPlaces(StandTableOf(CStadium())), 0);
    // 8 x (100..107 + 200..207 + 300..307)
    EXPECT_EQ(TotalPlaces(StandTableOf(DistinctStadium())), 8 * 600 + 3 * 28);
    EXPECT_EQ(TotalPlaces(StandTableOf(CStadium::Template(0))), 4 * 1000 + 8 * 500);
    StandTable full{};
    for (SStandRow& row : full) {
        row.seats = row.standing = row.vip = kMaxPlaces;
    }
    EXPECT_EQ(TotalPlaces(full), std::int64_t{24} * kMaxPlaces);
    EXPECT_EQ(StadiumListRow(DistinctStadium(), 3), "3\tWiesenarena\tKleinstadt\t4884");
    EXPECT_EQ(StadiumListRow(CStadium(), 12), "12\t\t\t0");

    // {season-ticket blocks, away block, faults in order}: up to three season-ticket blocks.
    EXPECT_TRUE(StandBlockFaults(StandTableOf(CStadium::Template(1))).empty());
    const int many = ids::kTooManySeasonTicketBlocks;
    const int away = ids::kNotOneAwayBlock;
    const int both = ids::kSeasonTicketAwayBlock;
    const std::vector<std::tuple<int, int, std::vector<int>>> blocks = {
        {0x07, 0x40, {}},
        {0x00, 0x01, {}},
        {0x0F, 0x40, {many}},
        {0x07, 0x00, {away}},
        {0x07, 0xC0, {away}},
        {0x07, 0x04, {both}},
        {0x1F, 0x03, {many, away, both}}};
    for (const auto& [seasonTickets, awayBlock, faults] : blocks) {
        EXPECT_EQ(StandBlockFaults(WithBlocks(static_cast<std::uint8_t>(seasonTickets),
                                              static_cast<std::uint8_t>(awayBlock))),
                  faults)
            << seasonTickets << " " << awayBlock;
    }

    // Referees: names are cut, shown values store the record back, rows show the trait.
    SRefereeValues named;
    named.firstName = "Bartholomaeus-Maxim";  // 19 characters as typed
    named.surname = "Oberschiedsrichter-X";   // 20 characters
    named.trait = 4;
    const CReferee cutReferee = RefereeWithValues(named);
    EXPECT_EQ(std::tuple(cutReferee.FirstName().View(), cutReferee.Surname().View(),
                         cutReferee.Character()),
              std::tuple("Bartholomaeus-M", "Oberschiedsrichter-", 4));

    // Shown values store the record back, also a trait as a file may hold it.
    CReferee referee;
    referee.SetNames("J\366rg", "M\374ller");
    referee.SetCharacter(-2);
    const SRefereeValues shown = RefereeValuesOf(referee);
    EXPECT_EQ(std::tuple(shown.firstName, shown.surname, shown.trait),
              std::tuple("J\366rg", "M\374ller", -2));
    EXPECT_EQ(RefereeWithValues(shown), referee);

    // Seven traits in the record's order; a list row is the short name and the trait.
    EXPECT_EQ(RefereeTraitName(CReferee::kNoCharacter), "keine");
    for (int trait = 0; trait < kRefereeTraitCount; ++trait) {
        EXPECT_FALSE(RefereeTraitName(trait).empty()) << trait;
    }
    EXPECT_TRUE(RefereeTraitName(-1).empty());
    EXPECT_TRUE(RefereeTraitName(7).empty());
    referee.SetNames("Anton", "Berger");
    referee.SetCharacter(1);
    EXPECT_EQ(RefereeListRow(referee), "Berger, A.\tgreift gnadenlos durch");
    referee.SetNames("", "Berger");
    referee.SetCharacter(9);
    EXPECT_EQ(RefereeListRow(referee), "Berger\t");

    // The national coach: values read back, typed names are cut, only changed values are written.
    CManager coach = MakeCoach();
    const SCoachPersonalValues loaded = ReadCoachPersonalValues(coach);
    EXPECT_EQ(loaded, (SCoachPersonalValues{"Trainer", "Hans", "Der Alte", 14,
                                            CDate::FromYmd(1960, 5, 17)}));
    SCoachPersonalValues edited = loaded;
    // 19 characters each, as the fields take them.
    edited.firstName = "Abcdefghijklmnopqrs";
    edited.surname = "Zyxwvutsrqponmlkjih";
    edited.nickname = "Spitzname mit neunz";
    EXPECT_TRUE(StoreChangedCoachPersonalValues(coach, loaded, edited));
    EXPECT_EQ(std::tuple(coach.FirstName().View(), coach.Surname().View(), coach.Nickname().View()),
              std::tuple("Abcdefghijklmno", "Zyxwvutsrqponmlkjih", "Spitzname mit neunz"));

    // A nationality no list offers and a birth date the fields cannot show stay unless edited;
    // the controls showed the date's fallback and no nationality.
    coach.SetNationality(4711);
    coach.SetBirthDate(CDate());
    SCoachPersonalValues fallback = ReadCoachPersonalValues(coach);
    fallback.birthDate = CDate::FromYmd(1960, 1, 1);
    edited = fallback;
    EXPECT_FALSE(StoreChangedCoachPersonalValues(coach, fallback, edited));
    edited.nickname = "Neu";
    EXPECT_TRUE(StoreChangedCoachPersonalValues(coach, fallback, edited));
    EXPECT_EQ(std::tuple(coach.Nickname().View(), coach.Nationality(), coach.BirthDate()),
              std::tuple("Neu", 4711, CDate()));
    edited.birthDate = CDate::FromYmd(1956, 2, 29);
    edited.nationality = 19;
    EXPECT_TRUE(StoreChangedCoachPersonalValues(coach, fallback, edited));
    EXPECT_EQ(coach.BirthDate(), CDate::FromYmd(1956, 2, 29));
    EXPECT_EQ(coach.Nationality(), 19);
}

TEST_F(EmptyWorldTest, TheSquadIsEveryFlaggedPlayerOfTheNationalityOnceAndCountriesGoByName) {
    SetUpSquad();
    const std::vector<SNationalSquadRow> rows = Squad();
    // Countries, clubs and persons in their order; the national team's list adds nobody.
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    const SNationalSquadRow& row = rows[1];
    const CPlayer& player = *document.World().Person(bauer);
    // Born 2 July 1990: one day short of 20 on 1 July 2010.
    EXPECT_EQ(std::tuple(row.shortName, row.clubName, row.clubId, row.mainPosition, row.age,
                         row.talent, row.caps),
              std::tuple(player.ShortName(), "adler", MakeClubId(kHome, 2), 17, 19, 3, 0));
    EXPECT_DOUBLE_EQ(row.strength, PlayerStrength(player));
    EXPECT_EQ(rows[2].clubName, "Mitte");

    // The other nationality has its own squad; a country without flagged players none.
    EXPECT_EQ(NationalSquad(document.World(), kAbroad, 0, today).size(), 1u);
    EXPECT_TRUE(NationalSquad(document.World(), 1, 0, today).empty());

    // The row text has the seven columns.
    const std::string expected = rows[0].shortName + "\tZebras\t" + PositionAbbreviation(4) + "\t" +
                                 std::to_string(static_cast<int>(rows[0].strength)) + "\t29\t" +
                                 std::string(TalentText(0)) + "\t0";
    EXPECT_EQ(NationalSquadRowText(rows[0]), expected);

    // Every country is offered, by name.
    world.Country(kHome).SetName(0, "zentral");
    world.Country(kAbroad).SetName(0, "Ausland");
    const std::vector<SChoiceEntry> countries = NationalTeamCountries(document.World(), 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    EXPECT_TRUE(std::is_sorted(
        countries.begin(), countries.end(),
        [](const auto& a, const auto& b) { return CollateText(a.text, b.text) < 0; }));
    EXPECT_EQ(countries.back(), (SChoiceEntry{kHome, "zentral"}));
    const auto abroad =
        std::find(countries.begin(), countries.end(), SChoiceEntry{kAbroad, "Ausland"});
    EXPECT_NE(abroad, countries.end());
}

TEST_F(EmptyWorldTest, HeaderClicksSortTheSquadAndRemovalClearsOnlyTheFlagsAsOneUndoableEdit) {
    SetUpSquad();
    CNationalSquadOrder order;
    EXPECT_EQ(order.Column(), ENationalSquadColumn::kName);
    EXPECT_TRUE(order.Ascending());
    std::vector<SNationalSquadRow> rows = Squad();
    const auto sorted = [&rows, &order]() {
        SortNationalSquad(rows, order);
        return Ids(rows);
    };
    const auto clicked = [&order, &sorted](ENationalSquadColumn column) {
        order.Click(column);
        return sorted();
    };
    using Order = std::vector<std::uint32_t>;

    // Names with case ignored: Abel, bauer, Müller.
    EXPECT_EQ(sorted(), (Order{abel, bauer, mueller}));
    EXPECT_EQ(clicked(ENationalSquadColumn::kName), (Order{mueller, bauer, abel}));
    EXPECT_FALSE(order.Ascending());
    // Another column starts ascending, whatever the previous direction.
    EXPECT_EQ(clicked(ENationalSquadColumn::kClub), (Order{bauer, abel, mueller}));
    EXPECT_TRUE(order.Ascending());
    EXPECT_EQ(clicked(ENationalSquadColumn::kPosition), (Order{abel, mueller, bauer}));
    EXPECT_EQ(clicked(ENationalSquadColumn::kAge), (Order{bauer, abel, mueller}));
    EXPECT_EQ(clicked(ENationalSquadColumn::kAge), (Order{mueller, abel, bauer}));
    EXPECT_EQ(clicked(ENationalSquadColumn::kTalent), (Order{mueller, bauer, abel}));

    clicked(ENationalSquadColumn::kStrength);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength < b.strength;
    }));
    clicked(ENationalSquadColumn::kStrength);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength > b.strength;
    }));

    // Equal keys keep the order they had, in either direction.
    const Order before = Ids(rows);
    EXPECT_EQ(clicked(ENationalSquadColumn::kCaps), before);
    EXPECT_EQ(clicked(ENationalSquadColumn::kCaps), before);

    // Removal clears only the flags, as one undoable edit.
    const std::string squad = DumpWorldJson(document.World());
    const std::vector<std::uint32_t> chosen{abel, mueller};
    ASSERT_TRUE(RemoveFromNationalSquad(document, chosen));
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});
    for (const std::uint32_t id : chosen) {
        const CPlayer& player = *document.World().Person(id);
        EXPECT_EQ(player.NationalTeamBytes()[kNationalFlagsByte], kNationalTeamRetiredBit);
    }
    // The players stay in their clubs.
    EXPECT_EQ(document.World().Country(kAbroad).Club(MakeClubId(kAbroad, 1))->PersonIds().size(),
              2u);
    EXPECT_EQ(document.World().Country(kHome).Club(MakeClubId(kHome, 1))->PersonIds().size(), 2u);

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), squad);
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});

    // Persons without the flag and unknown ids record nothing.
    const std::vector<std::uint32_t> nothing{unflagged, abel, 0x7FFFFFF0u};
    EXPECT_FALSE(RemoveFromNationalSquad(document, nothing));
    EXPECT_FALSE(RemoveFromNationalSquad(document, {}));
    EXPECT_EQ(document.History().Count(), 1u);
}

constexpr std::int32_t kMinValue = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxValue = std::numeric_limits<std::int32_t>::max();

std::vector<std::string_view> Texts(EGlobalRuleKind kind) {
    const auto texts = GlobalRuleChoiceTexts(kind);
    return {texts.begin(), texts.end()};
}

TEST(WorldSettingsRules, FiveYearValuesAreHundredthsAndRuleValuesBeyondAListAreKept) {
    // Whole points, either decimal separator, decimals beyond the second cut off; decimal digits
    // taken exactly, not through a binary fraction; leading blanks skipped and reading stopped at
    // what is no longer part of the number; nothing, no digits, negative and huge numbers.
    const test::Rows<const char*, int> typed = {
        {"25", 2000}, {"20", 2000},  {"1,234", 123}, {"1.234", 123},  {"19.999", 1999}, {"0,5", 50},
        {",07", 7},   {"1.15", 115}, {"4.35", 435},  {"  7,5x", 750}, {"3.2.1", 320},   {"", 0},
        {"abc", 0},   {"-3", 0},     {"+3", 300},    {"999999", 2000}};
    test::ExpectRows(ParseFiveYearValue, typed);
    EXPECT_EQ(ParseFiveYearValue("99999999999999999999999"), 2000);
    // A stored value beyond the field's range is shown as it is.
    const test::Rows<int, std::string> shown = {
        {2000, "20.00"}, {123, "1.23"}, {5, "0.05"}, {0, "0.00"}, {65535, "655.35"}};
    test::ExpectRows(FiveYearValueText, shown);
    // What is shown reads back as the same value.
    for (int value : {0, 1, 99, 100, 115, 1999, 2000}) {
        EXPECT_EQ(ParseFiveYearValue(FiveYearValueText(value)), value) << value;
    }

    EXPECT_EQ(FirstSeasonPoints({1000, 1, 2, 3, 4, 5}), 15);
    EXPECT_EQ(FirstSeasonPoints({0, 2000, 2000, 2000, 2000, 2000}), 10000);
    EXPECT_EQ(FirstSeasonPoints({2000, 0, 0, 0, 0, 0}), 0);
    // The line format carries the decimals into every value.
    EXPECT_EQ(FiveYearLineFormat(2), "%i. %s\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%3.2f");
    EXPECT_EQ(FiveYearLineFormat(1), "%i. %s\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%3.1f");
    const SFiveYearRow row{7, "Land", {150, 0, 2000, 5, 99, 1}};
    EXPECT_EQ(FiveYearLine(3, row), "3. Land\t1.50\t0.00\t20.00\t0.05\t0.99\t0.01\t21.05");
    const SFiveYearRow empty{8, "", {}};
    EXPECT_EQ(FiveYearLine(12, empty), "12. \t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00");

    // The global rules: the four rules with their lists; values beyond a list show as its last
    // choice and are kept until another is picked.
    const auto& rules = GlobalRules();
    for (int index = 0; index < kGlobalRuleCount; ++index) {
        const SGlobalRule& rule = rules[static_cast<std::size_t>(index)];
        EXPECT_EQ(rule.rule, index);
        EXPECT_EQ(rule.kind, index < 2 ? EGlobalRuleKind::kPoints : EGlobalRuleKind::kExtraPoint);
    }
    EXPECT_EQ(Texts(EGlobalRuleKind::kPoints),
              (std::vector<std::string_view>{"Zwei", "Drei", "Vier"}));
    EXPECT_EQ(Texts(EGlobalRuleKind::kExtraPoint), (std::vector<std::string_view>{"An", "Aus"}));
    for (const std::int32_t value : {0, 1, 2, 3, 7, -1, kMinValue, kMaxValue}) {
        const bool inList = value >= 0 && value <= 2;
        EXPECT_EQ(GlobalRuleChoice(EGlobalRuleKind::kPoints, value), inList ? value : 2) << value;
        EXPECT_EQ(GlobalRuleChoice(EGlobalRuleKind::kExtraPoint, value), value == 0 ? 0 : 1)
            << value;
    }
    // {points?, choice, stored, written}: the choice a value already shows as writes it back
    // unchanged, another choice its own number, no choice (or none of the list) what is stored.
    const std::vector<std::tuple<bool, int, std::int32_t, std::int32_t>> cases = {
        {true, 2, 7, 7},  {true, 2, -5, -5}, {false, 1, 7, 7}, {false, 1, kMinValue, kMinValue},
        {true, 1, 1, 1},  {true, 0, 7, 0},   {true, 1, 7, 1},  {true, 2, 0, 2},
        {false, 0, 7, 0}, {false, 1, 0, 1},  {true, -1, 7, 7}, {true, 3, 1, 1},
        {false, 2, 0, 0}};
    for (const auto& [points, choice, stored, written] : cases) {
        const auto kind = points ? EGlobalRuleKind::kPoints : EGlobalRuleKind::kExtraPoint;
        EXPECT_EQ(GlobalRuleValue(kind, choice, stored), written) << choice << " " << stored;
    }
    // Whatever is stored, the value for a choice shows as that choice again.
    for (const EGlobalRuleKind kind : {EGlobalRuleKind::kPoints, EGlobalRuleKind::kExtraPoint}) {
        for (const std::int32_t stored : {0, 1, 2, 7, -1, kMaxValue}) {
            for (int choice = 0; choice < static_cast<int>(Texts(kind).size()); ++choice) {
                EXPECT_EQ(GlobalRuleChoice(kind, GlobalRuleValue(kind, choice, stored)), choice);
            }
        }
    }
    // The substitutions bar holds 0..7 and keeps a value beyond unless moved.
    test::ExpectRows(SubstitutionsBarPosition,
                     test::Rows<int, int>{{0, 0}, {6, 6}, {7, 7}, {12, 7}, {-3, 0}});
    // {bar position, stored, written}
    const std::vector<std::array<int, 3>> moved = {{3, 6, 3},   {6, 6, 6}, {7, 12, 12}, {6, 12, 6},
                                                   {0, -3, -3}, {9, 2, 7}, {-1, 2, 0}};
    for (const auto& [position, stored, written] : moved) {
        EXPECT_EQ(SubstitutionsValue(position, stored), written) << position << " " << stored;
    }
}

TEST_F(EmptyWorldTest, TheRankingGoesByFirstSeasonPointsThenNameAndStoringIsOneUndoableEdit) {
    SetUpWorldSettings();
    const std::vector<SFiveYearRow> rows = FiveYearRanking(document.World(), 3, 0);
    ASSERT_EQ(rows.size(), 4u);
    // Delta 20.00, then Alpha and Gamma with 5.00 by name, then Beta with 4.00 whatever its
    // last year.
    EXPECT_EQ(
        (std::vector<int>{rows[0].country, rows[1].country, rows[2].country, rows[3].country}),
        (std::vector<int>{33, 32, 30, 31}));
    EXPECT_EQ(rows[1].name, "Alpha");
    EXPECT_EQ(rows[3].values, (FiveYearValues{2000, 100, 100, 100, 100, 0}));
    EXPECT_EQ(FiveYearLine(4, rows[3]), "4. Beta\t20.00\t1.00\t1.00\t1.00\t1.00\t0.00\t4.00");
    EXPECT_EQ(FiveYearRanking(document.World(), 1, 0).size(),
              static_cast<std::size_t>(kCountryCount - 4));
    EXPECT_TRUE(FiveYearRanking(document.World(), 4, 0).empty());

    // Equal values and countries out of range record nothing.
    const std::string before = DumpWorldJson(document.World());
    EXPECT_FALSE(StoreFiveYearValues(document, 30, world.Country(30).Settings().slotValues));
    EXPECT_FALSE(StoreFiveYearValues(document, 0, {1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(StoreFiveYearValues(document, kCountryCount + 1, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(document.History().Count(), 0u);
    const FiveYearValues edited{2000, 123, 0, 0, 7, 1999};
    EXPECT_TRUE(StoreFiveYearValues(document, 30, edited));
    EXPECT_EQ(document.World().Country(30).Settings().slotValues, edited);
    EXPECT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(document.World().Country(30).Settings().slotValues, edited);
}

TEST_F(EmptyWorldTest, RulesAndLevelNamesAreStoredAsOneUndoableEditOnlyWhenNewAndInRange) {
    SetUpWorldSettings();
    const std::string before = DumpWorldJson(document.World());
    CRules copy;
    copy.CopyFrom(document.World().Rules());
    EXPECT_FALSE(StoreGlobalRules(document, copy));
    EXPECT_FALSE(StoreLevelName(document, kCountry, 1, 0, "Zweite Liga"));
    // {country, level, language} out of range.
    for (const auto& [country, level, language] :
         std::vector<std::tuple<int, int, int>>{{0, 1, 0},
                                                {kCountryCount + 1, 1, 0},
                                                {kCountry, -1, 0},
                                                {kCountry, kLevelCount, 0},
                                                {kCountry, 1, -1},
                                                {kCountry, 1, kLanguageCount}}) {
        EXPECT_FALSE(StoreLevelName(document, country, level, language, "Neu"));
    }
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(document.World()), before);

    copy.SetRuleValue(1, GlobalRuleValue(EGlobalRuleKind::kPoints, 2, copy.RuleValue(1)));
    copy.SetRuleValue(3, GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, copy.RuleValue(3)));
    copy.SetSubstitutions(SubstitutionsValue(2, copy.Substitutions()));
    EXPECT_TRUE(StoreGlobalRules(document, copy));
    EXPECT_EQ(document.History().Count(), 1u);
    const CRules& stored = document.World().Rules();
    EXPECT_EQ((std::vector<std::int32_t>{stored.RuleValue(0), stored.RuleValue(1),
                                         stored.RuleValue(2), stored.RuleValue(3),
                                         stored.RuleValue(4), stored.Substitutions()}),
              (std::vector<std::int32_t>{1, 2, 7, 1, 99, 2}));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(document.World().Rules(), copy);
    ASSERT_TRUE(document.Undo());

    // A new name is one undoable edit of its language only.
    const std::string typed = "Regionalliga mit sehr langem Namen";
    ASSERT_GT(typed.size(), kLevelNameLength);
    EXPECT_TRUE(StoreLevelName(document, kCountry, 1, 0, typed));
    EXPECT_EQ(document.History().Count(), 1u);
    // Named in Windows-1252 like every text of the model, as the edit menu shows it.
    EXPECT_EQ(document.UndoDescription(), "Ligenbezeichnung \xE4ndern");
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    EXPECT_EQ(LevelName(1, 2), "Deuxi\xE8me division");
    EXPECT_EQ(LevelName(0, 0), "");
    // The cut name stored, typing it longer again changes nothing.
    EXPECT_FALSE(StoreLevelName(document, kCountry, 1, 0, typed));
    EXPECT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    // An empty name clears it.
    EXPECT_TRUE(StoreLevelName(document, kCountry, 1, 0, ""));
    EXPECT_EQ(LevelName(1, 0), "");
    // A typed name is cut to the 28 characters a level name holds, one byte per character.
    const std::string full(kLevelNameLength, 'x');
    test::ExpectRows(LevelNameToStore,
                     test::Rows<std::string, std::string>{
                         {"", ""},
                         {"Erste Liga", "Erste Liga"},
                         {full, full},
                         {full + "yz", full},
                         {std::string(40, '\xE4'), std::string(kLevelNameLength, '\xE4')}});
}

}  // namespace
}  // namespace kw
