#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/FiveYearRules.h"
#include "editing/GlobalRulesChoices.h"
#include "editing/LeagueDataRules.h"
#include "editing/LevelNames.h"
#include "editing/NationalSquad.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/SquadRules.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/Rules.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {
namespace {

constexpr int kHome = 14;
constexpr int kAbroad = 20;

std::vector<std::uint32_t> Ids(const std::vector<SNationalSquadRow>& rows) {
    std::vector<std::uint32_t> ids;
    for (const SNationalSquadRow& row : rows) {
        ids.push_back(row.personId);
    }
    return ids;
}

// Two clubs at home and one abroad with flagged and unflagged players of both nationalities.
class NationalSquadTest : public ::testing::Test {
protected:
    NationalSquadTest() {
        auto owned = std::make_unique<CWorld>(install.Path());
        owned->InitialiseCountries();
        world = owned.get();
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
        world->Country(kHome).NationalTeam().AddPerson(*world->Person(mueller));
        document = std::make_unique<CDatabaseDocument>(std::move(owned));
    }

    CClub& Club(int country, std::uint16_t index, const char* name) {
        CClub& club = world->Country(country).AddClub(index);
        club.SetName(0, name);
        return club;
    }

    std::uint32_t Add(CClub& club, int kind, int nationality, const char* first,
                      const char* surname, bool flagged, int birthYear, int position, int talent) {
        CPlayer& person = world->CreatePerson(world->NextFreePersonId(), false);
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
        return NationalSquad(document->World(), kHome, 0, today);
    }

    test::TempDir install;
    CWorld* world = nullptr;
    std::unique_ptr<CDatabaseDocument> document;
    const CDate today = CDate::FromYmd(2010, 7, 1);
    std::uint32_t mueller = 0;
    std::uint32_t bauer = 0;
    std::uint32_t unflagged = 0;
    std::uint32_t abel = 0;
};

TEST_F(NationalSquadTest, TheSquadIsEveryFlaggedPlayerOfTheNationalityInEveryClubOnce) {
    const std::vector<SNationalSquadRow> rows = Squad();
    // Countries, clubs and persons in their order; the national team's list adds nobody.
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    const SNationalSquadRow& row = rows[1];
    const CPlayer& player = *document->World().Person(bauer);
    EXPECT_EQ(row.shortName, player.ShortName());
    EXPECT_EQ(row.clubName, "adler");
    EXPECT_EQ(row.clubId, MakeClubId(kHome, 2));
    EXPECT_EQ(row.mainPosition, 17);
    EXPECT_DOUBLE_EQ(row.strength, PlayerStrength(player));
    // Born 2 July 1990: one day short of 20 on 1 July 2010.
    EXPECT_EQ(row.age, 19);
    EXPECT_EQ(row.talent, 3);
    EXPECT_EQ(row.caps, 0);
    EXPECT_EQ(rows[2].clubName, "Mitte");

    // The other nationality has its own squad; a country without flagged players none.
    EXPECT_EQ(NationalSquad(document->World(), kAbroad, 0, today).size(), 1u);
    EXPECT_TRUE(NationalSquad(document->World(), 1, 0, today).empty());

    // The row text has the seven columns.
    const std::string expected = rows[0].shortName + "\tZebras\t" + PositionAbbreviation(4) + "\t" +
                                 std::to_string(static_cast<int>(rows[0].strength)) + "\t29\t" +
                                 std::string(TalentText(0)) + "\t0";
    EXPECT_EQ(NationalSquadRowText(rows[0]), expected);
}

TEST_F(NationalSquadTest, EveryCountryIsOfferedByName) {
    world->Country(kHome).SetName(0, "zentral");
    world->Country(kAbroad).SetName(0, "Ausland");
    const std::vector<SChoiceEntry> countries = NationalTeamCountries(document->World(), 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    EXPECT_TRUE(std::is_sorted(
        countries.begin(), countries.end(),
        [](const auto& a, const auto& b) { return CollateText(a.text, b.text) < 0; }));
    EXPECT_EQ(countries.back(), (SChoiceEntry{kHome, "zentral"}));
    const auto abroad =
        std::find(countries.begin(), countries.end(), SChoiceEntry{kAbroad, "Ausland"});
    EXPECT_NE(abroad, countries.end());
}

TEST_F(NationalSquadTest, HeaderClicksSortAscendingAndASecondClickReverses) {
    CNationalSquadOrder order;
    EXPECT_EQ(order.Column(), ENationalSquadColumn::kName);
    EXPECT_TRUE(order.Ascending());
    std::vector<SNationalSquadRow> rows = Squad();

    // Names with case ignored: Abel, bauer, Müller.
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{abel, bauer, mueller}));
    order.Click(ENationalSquadColumn::kName);
    EXPECT_FALSE(order.Ascending());
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    // Another column starts ascending, whatever the previous direction.
    order.Click(ENationalSquadColumn::kClub);
    EXPECT_TRUE(order.Ascending());
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{bauer, abel, mueller}));

    order.Click(ENationalSquadColumn::kPosition);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{abel, mueller, bauer}));

    order.Click(ENationalSquadColumn::kAge);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{bauer, abel, mueller}));
    order.Click(ENationalSquadColumn::kAge);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, abel, bauer}));

    order.Click(ENationalSquadColumn::kTalent);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    order.Click(ENationalSquadColumn::kStrength);
    SortNationalSquad(rows, order);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength < b.strength;
    }));
    order.Click(ENationalSquadColumn::kStrength);
    SortNationalSquad(rows, order);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength > b.strength;
    }));

    // Equal keys keep the order they had, in either direction.
    const std::vector<std::uint32_t> before = Ids(rows);
    order.Click(ENationalSquadColumn::kCaps);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), before);
    order.Click(ENationalSquadColumn::kCaps);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), before);
}

TEST_F(NationalSquadTest, RemovalClearsOnlyTheFlagsAsOneUndoableEdit) {
    const std::string before = DumpWorldJson(document->World());
    const std::vector<std::uint32_t> chosen{abel, mueller};
    ASSERT_TRUE(RemoveFromNationalSquad(*document, chosen));
    EXPECT_EQ(document->History().Count(), 1u);
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});
    for (const std::uint32_t id : chosen) {
        const CPlayer& player = *document->World().Person(id);
        EXPECT_EQ(player.NationalTeamBytes()[kNationalFlagsByte], kNationalTeamRetiredBit);
    }
    // The players stay in their clubs.
    EXPECT_EQ(document->World().Country(kAbroad).Club(MakeClubId(kAbroad, 1))->PersonIds().size(),
              2u);
    EXPECT_EQ(document->World().Country(kHome).Club(MakeClubId(kHome, 1))->PersonIds().size(), 2u);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});

    // Persons without the flag and unknown ids record nothing.
    const std::vector<std::uint32_t> nothing{unflagged, abel, 0x7FFFFFF0u};
    EXPECT_FALSE(RemoveFromNationalSquad(*document, nothing));
    EXPECT_FALSE(RemoveFromNationalSquad(*document, {}));
    EXPECT_EQ(document->History().Count(), 1u);
}

TEST(FiveYearRules, TypedValuesAreHundredthsCutAndHeldWithinTwentyPoints) {
    // Whole points, either decimal separator, decimals beyond the second cut off.
    EXPECT_EQ(ParseFiveYearValue("25"), 2000);
    EXPECT_EQ(ParseFiveYearValue("20"), 2000);
    EXPECT_EQ(ParseFiveYearValue("1,234"), 123);
    EXPECT_EQ(ParseFiveYearValue("1.234"), 123);
    EXPECT_EQ(ParseFiveYearValue("19.999"), 1999);
    EXPECT_EQ(ParseFiveYearValue("0,5"), 50);
    EXPECT_EQ(ParseFiveYearValue(",07"), 7);
    // Decimal digits are taken exactly, not through a binary fraction.
    EXPECT_EQ(ParseFiveYearValue("1.15"), 115);
    EXPECT_EQ(ParseFiveYearValue("4.35"), 435);
    // Leading blanks are skipped; reading stops at what is no longer part of the number.
    EXPECT_EQ(ParseFiveYearValue("  7,5x"), 750);
    EXPECT_EQ(ParseFiveYearValue("3.2.1"), 320);
    // Nothing, no digits, negative and huge numbers.
    EXPECT_EQ(ParseFiveYearValue(""), 0);
    EXPECT_EQ(ParseFiveYearValue("abc"), 0);
    EXPECT_EQ(ParseFiveYearValue("-3"), 0);
    EXPECT_EQ(ParseFiveYearValue("+3"), 300);
    EXPECT_EQ(ParseFiveYearValue("999999"), 2000);
    EXPECT_EQ(ParseFiveYearValue("99999999999999999999999"), 2000);
}

TEST(FiveYearRules, ValuesShowTwoDecimalsAndTheFirstSeasonSumsTheOlderFive) {
    EXPECT_EQ(FiveYearValueText(2000), "20.00");
    EXPECT_EQ(FiveYearValueText(123), "1.23");
    EXPECT_EQ(FiveYearValueText(5), "0.05");
    EXPECT_EQ(FiveYearValueText(0), "0.00");
    // A stored value beyond the field's range is shown as it is.
    EXPECT_EQ(FiveYearValueText(65535), "655.35");
    // What is shown reads back as the same value.
    for (int value : {0, 1, 99, 100, 115, 1999, 2000}) {
        EXPECT_EQ(ParseFiveYearValue(FiveYearValueText(value)), value) << value;
    }

    EXPECT_EQ(FirstSeasonPoints({1000, 1, 2, 3, 4, 5}), 15);
    EXPECT_EQ(FirstSeasonPoints({0, 2000, 2000, 2000, 2000, 2000}), 10000);
    EXPECT_EQ(FirstSeasonPoints({2000, 0, 0, 0, 0, 0}), 0);
}

TEST(FiveYearRules, TheLineFormatCarriesTheDecimalsIntoEveryValue) {
    EXPECT_EQ(FiveYearLineFormat(2), "%i. %s\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%3.2f");
    EXPECT_EQ(FiveYearLineFormat(1), "%i. %s\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%2.1f\t%3.1f");

    const SFiveYearRow row{7, "Land", {150, 0, 2000, 5, 99, 1}};
    EXPECT_EQ(FiveYearLine(3, row), "3. Land\t1.50\t0.00\t20.00\t0.05\t0.99\t0.01\t21.05");
    const SFiveYearRow empty{8, "", {}};
    EXPECT_EQ(FiveYearLine(12, empty), "12. \t0.00\t0.00\t0.00\t0.00\t0.00\t0.00\t0.00");
}

// An empty world as a document: every country in South America but four in Africa, some rule
// values, the level names of one country.
class WorldSettingsTest : public ::testing::Test {
protected:
    WorldSettingsTest() {
        auto world = std::make_unique<CWorld>(install.Path());
        world->InitialiseCountries();
        for (int number = 1; number <= kCountryCount; ++number) {
            world->Country(number).SetAttributes(0, 0, 1);
        }
        Africa(*world, 30, "Gamma", {0, 100, 100, 100, 100, 100});
        Africa(*world, 31, "Beta", {2000, 100, 100, 100, 100, 0});
        Africa(*world, 32, "Alpha", {0, 100, 100, 100, 100, 100});
        Africa(*world, 33, "Delta", {0, 2000, 0, 0, 0, 0});
        world->Rules().SetRuleValue(0, 1);
        world->Rules().SetRuleValue(2, 7);
        world->Rules().SetRuleValue(4, 99);
        world->Country(kCountry).SetLevelName(1, 0, "Zweite Liga");
        world->Country(kCountry).SetLevelName(1, 2, "Deuxi\xE8me division");
        document = std::make_unique<CDatabaseDocument>(std::move(world));
    }

    std::string LevelName(int level, int language) const {
        return std::string(document->World()
                               .Country(kCountry)
                               .LevelNames(level)[static_cast<std::size_t>(language)]
                               .View());
    }

    static void Africa(CWorld& world, int number, const char* name, FiveYearValues values) {
        CCountry& country = world.Country(number);
        // Bits above the continent belong to another value and must not matter.
        country.SetAttributes(0, 0, 0x18 | 3);
        country.SetName(0, name);
        country.Settings().slotValues = values;
    }

    static constexpr int kCountry = 14;
    test::TempDir install;
    std::unique_ptr<CDatabaseDocument> document;
};

TEST_F(WorldSettingsTest, TheRankingListsTheContinentByFirstSeasonPointsThenByName) {
    const std::vector<SFiveYearRow> rows = FiveYearRanking(document->World(), 3, 0);
    ASSERT_EQ(rows.size(), 4u);
    // Delta 20.00, then Alpha and Gamma with 5.00 by name, then Beta with 4.00 whatever its
    // last year.
    EXPECT_EQ(
        (std::vector<int>{rows[0].country, rows[1].country, rows[2].country, rows[3].country}),
        (std::vector<int>{33, 32, 30, 31}));
    EXPECT_EQ(rows[1].name, "Alpha");
    EXPECT_EQ(rows[3].values, (FiveYearValues{2000, 100, 100, 100, 100, 0}));
    EXPECT_EQ(FiveYearLine(4, rows[3]), "4. Beta\t20.00\t1.00\t1.00\t1.00\t1.00\t0.00\t4.00");

    EXPECT_EQ(FiveYearRanking(document->World(), 1, 0).size(),
              static_cast<std::size_t>(kCountryCount - 4));
    EXPECT_TRUE(FiveYearRanking(document->World(), 4, 0).empty());
}

TEST_F(WorldSettingsTest, StoringIsOneUndoableEditOfTheCountryAndEqualValuesRecordNothing) {
    const std::string before = DumpWorldJson(document->World());
    const FiveYearValues stored = document->World().Country(30).Settings().slotValues;
    EXPECT_FALSE(StoreFiveYearValues(*document, 30, stored));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_FALSE(StoreFiveYearValues(*document, 0, {1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(StoreFiveYearValues(*document, kCountryCount + 1, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(document->History().Count(), 0u);

    const FiveYearValues edited{2000, 123, 0, 0, 7, 1999};
    EXPECT_TRUE(StoreFiveYearValues(*document, 30, edited));
    EXPECT_EQ(document->World().Country(30).Settings().slotValues, edited);
    EXPECT_EQ(document->History().Count(), 1u);
    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(document->World().Country(30).Settings().slotValues, edited);
}

constexpr std::int32_t kMinValue = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxValue = std::numeric_limits<std::int32_t>::max();

std::vector<std::string_view> Texts(EGlobalRuleKind kind) {
    const auto texts = GlobalRuleChoiceTexts(kind);
    return {texts.begin(), texts.end()};
}

TEST(GlobalRulesChoices, TheFourRulesAreTheRecordsFirstFourWithTheirLists) {
    const auto& rules = GlobalRules();
    for (int index = 0; index < kGlobalRuleCount; ++index) {
        const SGlobalRule& rule = rules[static_cast<std::size_t>(index)];
        EXPECT_EQ(rule.rule, index);
        EXPECT_EQ(rule.kind, index < 2 ? EGlobalRuleKind::kPoints : EGlobalRuleKind::kExtraPoint);
    }
    EXPECT_EQ(Texts(EGlobalRuleKind::kPoints),
              (std::vector<std::string_view>{"Zwei", "Drei", "Vier"}));
    EXPECT_EQ(Texts(EGlobalRuleKind::kExtraPoint), (std::vector<std::string_view>{"An", "Aus"}));
}

TEST(GlobalRulesChoices, ValuesBeyondTheListShowAsItsLastChoiceAndAreKeptUntilAnotherIsPicked) {
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
}

TEST(GlobalRulesChoices, TheSubstitutionsBarHoldsZeroToSevenAndKeepsAValueBeyondUnlessMoved) {
    EXPECT_EQ(SubstitutionsBarPosition(0), 0);
    EXPECT_EQ(SubstitutionsBarPosition(6), 6);
    EXPECT_EQ(SubstitutionsBarPosition(7), 7);
    EXPECT_EQ(SubstitutionsBarPosition(12), 7);
    EXPECT_EQ(SubstitutionsBarPosition(-3), 0);
    EXPECT_EQ(SubstitutionsValue(3, 6), 3);
    EXPECT_EQ(SubstitutionsValue(6, 6), 6);
    EXPECT_EQ(SubstitutionsValue(7, 12), 12);
    EXPECT_EQ(SubstitutionsValue(6, 12), 6);
    EXPECT_EQ(SubstitutionsValue(0, -3), -3);
    EXPECT_EQ(SubstitutionsValue(9, 2), 7);
    EXPECT_EQ(SubstitutionsValue(-1, 2), 0);
}

TEST_F(WorldSettingsTest, StoringIsOneUndoableEditOfTheRulesAndEqualRulesRecordNothing) {
    const std::string before = DumpWorldJson(document->World());
    CRules copy;
    copy.CopyFrom(document->World().Rules());
    EXPECT_FALSE(StoreGlobalRules(*document, copy));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(document->World()), before);

    copy.SetRuleValue(1, GlobalRuleValue(EGlobalRuleKind::kPoints, 2, copy.RuleValue(1)));
    copy.SetRuleValue(3, GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, copy.RuleValue(3)));
    copy.SetSubstitutions(SubstitutionsValue(2, copy.Substitutions()));
    EXPECT_TRUE(StoreGlobalRules(*document, copy));
    EXPECT_EQ(document->History().Count(), 1u);
    const CRules& stored = document->World().Rules();
    EXPECT_EQ(stored.RuleValue(0), 1);
    EXPECT_EQ(stored.RuleValue(1), 2);
    EXPECT_EQ(stored.RuleValue(2), 7);
    EXPECT_EQ(stored.RuleValue(3), 1);
    EXPECT_EQ(stored.RuleValue(4), 99);
    EXPECT_EQ(stored.Substitutions(), 2);
    EXPECT_NE(DumpWorldJson(document->World()), before);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(document->World().Rules(), copy);
}

TEST(LevelNames, ATypedNameIsCutToTheTwentyEightCharactersALevelNameHolds) {
    EXPECT_EQ(LevelNameToStore(""), "");
    EXPECT_EQ(LevelNameToStore("Erste Liga"), "Erste Liga");
    const std::string full(kLevelNameLength, 'x');
    EXPECT_EQ(LevelNameToStore(full), full);
    EXPECT_EQ(LevelNameToStore(full + "yz"), full);
    // Windows-1252: one byte per character.
    EXPECT_EQ(LevelNameToStore(std::string(40, '\xE4')).size(), kLevelNameLength);
}

TEST_F(WorldSettingsTest, OnlyANewNameInRangeIsOneUndoableEditOfItsLanguage) {
    const std::string before = DumpWorldJson(document->World());
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, 0, "Zweite Liga"));
    EXPECT_FALSE(StoreLevelName(*document, 0, 1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountryCount + 1, 1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, -1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, kLevelCount, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, -1, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, kLanguageCount, "Neu"));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(document->World()), before);

    // A new name is one undoable edit of its language only.
    const std::string typed = "Regionalliga mit sehr langem Namen";
    ASSERT_GT(typed.size(), kLevelNameLength);
    EXPECT_TRUE(StoreLevelName(*document, kCountry, 1, 0, typed));
    EXPECT_EQ(document->History().Count(), 1u);
    // Named in Windows-1252 like every text of the model, as the edit menu shows it.
    EXPECT_EQ(document->UndoDescription(), "Ligenbezeichnung \xE4ndern");
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    EXPECT_EQ(LevelName(1, 2), "Deuxi\xE8me division");
    EXPECT_EQ(LevelName(0, 0), "");
    // The cut name stored, typing it longer again changes nothing.
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, 0, typed));
    EXPECT_EQ(document->History().Count(), 1u);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    // An empty name clears it.
    EXPECT_TRUE(StoreLevelName(*document, kCountry, 1, 0, ""));
    EXPECT_EQ(LevelName(1, 0), "");
}

}  // namespace
}  // namespace kw
