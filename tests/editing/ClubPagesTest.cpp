#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "RowTable.h"
#include "TestWorld.h"
#include "assets/BigWriter.h"
#include "assets/GlobalTools.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "editing/BadgeChoice.h"
#include "editing/BadgeColours.h"
#include "editing/BadgePreview.h"
#include "editing/BoardStability.h"
#include "editing/CityPicture.h"
#include "editing/ClubGeneralRules.h"
#include "editing/ClubHistoryRules.h"
#include "editing/ClubStadiumRules.h"
#include "editing/KitColours.h"
#include "editing/KitDesignInput.h"
#include "editing/ShirtNumbers.h"
#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/RecordResult.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "storage/TextHelpers.h"
#include "storage/TextTable.h"

namespace kw {
namespace {

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

TEST_F(ClubChoicesTest, ClubsStadiumsCountriesAndLevelsToChooseTeamStatisticsAndLines) {
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

    // The statistics of both teams and the shirt number lines.
    CClub& club = NewClub(14, 1, "Eins");
    // Uniform abilities a give a strength of a * 100 / 99 at any position.
    AddPlayer(club, 99, 0);
    AddPlayer(club, 0, 0);
    AddPlayer(club, 99, 1);
    CPlayer& staff = AddPlayer(club, 99, 0);
    staff.SetKind(1);

    const STeamStatistics first = TeamStatistics(club.FirstTeam());
    EXPECT_EQ(FormatPlayerCount(first), "2");
    EXPECT_EQ(FormatAverageStrength(first), "50.00");
    const STeamStatistics second = TeamStatistics(club.SecondTeam());
    EXPECT_EQ(second.players, 1);
    EXPECT_EQ(FormatAverageStrength(second), "100.00");
    // A team without players shows zero, not a division by zero.
    const STeamStatistics none = TeamStatistics(NewClub(14, 2, "Leer").SecondTeam());
    EXPECT_EQ(FormatPlayerCount(none), "0");
    EXPECT_EQ(FormatAverageStrength(none), "0.00");
    // Shirt number lines of a player, a free number and a player without number.
    CPlayer& player = world.CreatePerson(0, true);
    player.SetFirstName("Jan");
    player.SetSurname("Kowal");
    // Positions read as the German abbreviations.
    player.SetPosition(0, position::kGoalkeeper);
    EXPECT_EQ(ShirtNumberRow(9, &player), "9\tKowal, J.\tTO");
    EXPECT_EQ(ShirtNumberRow(34, nullptr), "34\t \t ");
    EXPECT_EQ(ShirtNumberRow(0, &player).substr(0, 2), "\tK");

    // Stadiums numbered from one after none, their types, the surroundings' levels and the
    // countries.
    CCountry& country = world.Country(7);
    for (const char* name : {"Nordpark", "Am See"}) {
        CStadium stadium;
        stadium.SetName(name);
        country.Stadiums().push_back(stadium);
    }
    const auto stadiums = StadiumChoices(country);
    ASSERT_EQ(stadiums.size(), 3u);
    EXPECT_EQ(stadiums[0], (SEditChoice{std::string(ResourceString(ids::kNotAvailable)), 0}));
    EXPECT_EQ(stadiums[1], (SEditChoice{"Nordpark", 1}));
    EXPECT_EQ(stadiums[2], (SEditChoice{"Am See", 2}));
    EXPECT_EQ(ChoiceIndex(stadiums, 3), -1);
    // The stadium types and the levels of the surroundings.
    const auto types = StadiumTypeChoices();
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0], (SEditChoice{"Oval", 0}));
    EXPECT_EQ(types[2], (SEditChoice{"Fu\xDF"
                                     "ballstadion",
                                     2}));
    const auto youth = SurroundingChoices(3);
    ASSERT_EQ(youth.size(), 6u);
    EXPECT_EQ(youth[5].text, SurroundingLevelName(3, 5));
    EXPECT_EQ(youth[5].value, 5);
    EXPECT_EQ(ChoiceIndex(youth, 5), 5);
    EXPECT_EQ(ChoiceIndex(youth, 6), -1);

    // Countries by name in the language, none first.
    world.Country(3).SetName(1, "Zeta");
    world.Country(4).SetName(1, "\xC1lpha");  // "Álpha" sorts as "Alpha"
    world.Country(5).SetName(1, "Beta");
    world.Country(6).SetName(0, "Gamma");  // no English name: the German one stands in
    const auto countries = CountryChoices(world, 1);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount) + 1);
    EXPECT_EQ(countries[0].value, 0);
    for (std::size_t i = 2; i < countries.size(); ++i) {
        EXPECT_LE(CompareFolded(countries[i - 1].text, countries[i].text), 0) << i;
    }
    const auto at = [&countries](int country) { return ChoiceIndex(countries, country); };
    EXPECT_LT(at(4), at(5));
    EXPECT_LT(at(5), at(6));
    EXPECT_LT(at(6), at(3));
    EXPECT_EQ(countries[static_cast<std::size_t>(at(6))].text, "Gamma");
    for (int number = 1; number <= kCountryCount; ++number) {
        EXPECT_GE(at(number), 1) << number;
    }
}

CRecordResult Record(int goalsFor, int goalsAgainst, int attendance, const char* opponent,
                     int season) {
    CRecordResult record;
    record.SetGoalsFor(static_cast<std::int8_t>(goalsFor));
    record.SetGoalsAgainst(static_cast<std::int8_t>(goalsAgainst));
    record.SetAttendance(attendance);
    record.SetOpponent(opponent);
    record.SetSeason(static_cast<std::uint16_t>(season));
    return record;
}

TEST(ClubFields, RecordsNumbersAndTextsHeldToTheirRangesArticlesSentencesAndStatusBits) {
    // Negative goals and the attendance beside a score cannot be typed back the same way:
    // unchanged texts leave the record alone.
    CRecordResult record = Record(-3, 2, 999, "Nordstadt", 1987);
    const CRecordResult before = record;
    const SRecordTexts loaded = RecordTexts(record, false);
    ApplyRecordTexts(record, false, loaded, loaded);
    EXPECT_EQ(record, before);

    SRecordTexts typed = loaded;
    typed.opponent =
        "S\xFC"
        "dhafen";
    ApplyRecordTexts(record, false, loaded, typed);
    EXPECT_EQ(record, Record(-3, 2, 999,
                             "S\xFC"
                             "dhafen",
                             1987));

    typed = loaded;
    typed.result = "9:0";
    typed.season = "2001";
    record = Record(-3, 2, 999, "Nordstadt", 1987);
    ApplyRecordTexts(record, false, loaded, typed);
    EXPECT_EQ(record, Record(9, 0, 999, "Nordstadt", 2001));

    // An attendance record writes the attendance and keeps the score.
    CRecordResult attendance = Record(2, 2, 30000, "Nordstadt", 1990);
    const SRecordTexts shown = RecordTexts(attendance, true);
    ApplyRecordTexts(attendance, true, shown, {"81250", shown.opponent, shown.season});
    EXPECT_EQ(attendance, Record(2, 2, 81250, "Nordstadt", 1990));

    // Typed numbers are limited, not wrapped.
    record = CRecordResult();
    ApplyRecordTexts(record, false, RecordTexts(record, false), {"300:1", "", "70000"});
    EXPECT_EQ(record.GoalsFor(), 127);
    EXPECT_EQ(record.GoalsAgainst(), 1);
    EXPECT_EQ(record.Season(), 65535);
    // Clearing the score gives 0:0, shown empty again.
    ApplyRecordTexts(record, false, RecordTexts(record, false), {"", "", "65535"});
    EXPECT_EQ(record.ScoreText(), "");

    // A result shows its score or attendance with opponent and season.
    const CRecordResult result = Record(7, 1, 45000, "Nordstadt", 1987);
    EXPECT_EQ(RecordTexts(result, false), (SRecordTexts{"7:1", "Nordstadt", "1987"}));
    EXPECT_EQ(RecordTexts(result, true), (SRecordTexts{"45000", "Nordstadt", "1987"}));
    EXPECT_EQ(RecordTexts(CRecordResult(), false), (SRecordTexts{"", "", "0"}));
    EXPECT_EQ(RecordTexts(CRecordResult(), true), (SRecordTexts{"", "", "0"}));

    // The number and text fields are held to their ranges; articles, sentences and status bits.
    // Outside the spin the ends hold.
    const test::Rows<int, int> money = {
        {0, -20000000}, {200, 0}, {2200, 200000000}, {-5, -20000000}, {9999, 200000000}};
    test::ExpectRows(MoneyFromSpinPosition, money);
    EXPECT_EQ(FormatThousands(MoneyFromSpinPosition(0)), "- 20.000.000");
    // Every position goes back to itself.
    for (int position = kMoneySpinMinimum; position <= kMoneySpinMaximum; ++position) {
        ASSERT_EQ(SpinPositionFromMoney(MoneyFromSpinPosition(position)), position);
    }
    // Cut towards zero: 1 234 567 shows as 1 200 000, -150 000 as -100 000.
    const test::Rows<int, int> positions = {{1234567, 212},
                                            {-150000, 199},
                                            {-2000000000, kMoneySpinMinimum},
                                            {2000000000, kMoneySpinMaximum}};
    test::ExpectRows(SpinPositionFromMoney, positions);

    // Typed typedMoney with or without points, digit fields, the capacity and the coordinates.
    // A '-' after the first digit is no sign.
    const test::Rows<const char*, int> typedMoney = {{"- 20.000.000", -20000000},
                                                     {"1.500.000", 1500000},
                                                     {"700000", 700000},
                                                     {"", 0},
                                                     {"5-3", 53},
                                                     {"99999999999", 2147483647},
                                                     {"-99999999999", -2147483647 - 1}};
    test::ExpectRows(ParseMoneyText, typedMoney);
    const test::Rows<const char*, int> digits = {{"25000", 25000}, {"  42x7", 42},
                                                 {"", 0},          {"abc", 0},
                                                 {"-5", 0},        {"99999999999", 2147483647}};
    test::ExpectRows(ReadDecimalNumber, digits);
    // The stadium's capacity and coordinates are held within the record's ranges.
    const test::Rows<const char*, int> capacities = {
        {"45000", 45000}, {"0150000", 150000}, {"9999999", CClub::kMaxStadiumCapacity},
        {"", 0},          {"-5", 0},           {"12abc", 12}};
    test::ExpectRows(StadiumCapacityFromText, capacities);
    const test::Calls<bool, std::string, std::string, int, std::int32_t> coordinates = {
        {false, "52", "31", kMaxLatitudeDegrees, MakeCoordinate(false, 52, 31)},
        {true, "13", "5", kMaxLongitudeDegrees, MakeCoordinate(true, 13, 5)},
        {true, "999", "75", kMaxLatitudeDegrees, MakeCoordinate(true, 90, 59)},
        {false, "181", "", kMaxLongitudeDegrees, MakeCoordinate(false, 180, 0)}};
    test::ExpectCalls(CoordinateFromTexts, coordinates);
    const SCoordinate split = SplitCoordinate(CoordinateFromTexts(true, "0", "30", 90));
    EXPECT_TRUE(split.negative);
    EXPECT_EQ(split.minutes, 30);

    // Typing is held to the fields; articles and sentences; status bits leave the others.
    // Fans' names and mascot are 20-byte texts although the page would allow 30 and 29; where the
    // page allows less, its limit holds: the name, the abbreviation, the name code.
    const test::Calls<int, std::size_t, int> limits = {
        {30, CFixedText<20>::kCapacity, 19}, {29, CFixedText<20>::kCapacity, 19},
        {20, CFixedText<30>::kCapacity, 20}, {10, CFixedText<12>::kCapacity, 10},
        {4, CFixedText<5>::kCapacity, 4},    {118, CFixedText<120>::kCapacity, 118}};
    test::ExpectCalls(TypingLimit, limits);
    // Fan sites become one line within the limit.
    const test::Rows<std::string, std::string> sites = {
        {"www.a.example\nwww.b.example", "www.a.example www.b.example"},
        {"a\r\nb\rc", "a b c"},
        {std::string(200, 'x'), std::string(128, 'x')},
        {"", ""}};
    test::ExpectRows(
        [](const std::string& typedMoney) { return FanSitesFromEditor(typedMoney, 128); }, sites);

    // Articles and sentences of a language; status bits leave the others.
    const test::Calls<int, std::uint8_t, std::string> articles = {
        {0, 0, "-"}, {0, 3, "das"}, {0, 4, ""}, {7, 0, ""}};
    test::ExpectCalls(ArticleText, articles);
    const test::Calls<int, int, std::uint8_t, std::string, std::string> sentences = {
        {0, 0, 1, "Falken", "... k\366nnen die Falken ..."},
        {1, 0, 1, "Falken", "... von den Falken kam ..."},
        {0, 1, 2, "Raben", ""}};
    test::ExpectCalls(SentenceText, sentences);
    // The "no IT cup" bit and the stadium flags leave the other bits.
    const test::Calls<std::uint16_t, bool, std::uint16_t> noItCup = {
        {0x0005, true, 0x0105}, {0x01FF, false, 0x00FF}, {0x0100, true, 0x0100}};
    test::ExpectCalls(WithNoItCup, noItCup);
    const test::Calls<std::uint8_t, std::uint8_t, bool, std::uint8_t> stadium = {
        {0x80, kBigMainStandFlag, true, 0x81},
        {0x83, kBigMainStandFlag, false, 0x82},
        {0x01, kNationalStadiumFlag, true, 0x03},
        {0x02, kNationalStadiumFlag, true, 0x02}};
    test::ExpectCalls(WithStadiumFlag, stadium);
}

namespace fs = std::filesystem;

class CityPictureTest : public test::TestWorld {
protected:
    CityPictureTest() : club(world.Country(5).AddClub(1)), cities(install / "city") {
        fs::create_directories(cities);
    }

    // A small valid 24-bit BMP file.
    static void WriteBmp(const fs::path& path) {
        const SImage image(4, 3, Argb(10, 120, 200));
        const auto bmp = ConvertTgaToDib(EncodeTga(image, 24, TgaCoding::Uncompressed));
        ASSERT_TRUE(bmp.has_value());
        test::WriteFile(path, std::string(bmp->begin(), bmp->end()));
    }

    CClub& club;
    fs::path cities;
};

TEST_F(CityPictureTest, FoundByLanguageInAnyCaseOnlyInTheFolderAChosenOneGivesTheCity) {
    WriteBmp(cities / "HAFENSTADT.BMP");
    WriteBmp(cities / "Port Town.bmp");
    club.SetCity(0, "Hafenstadt");
    club.SetCity(1, "Port Town");
    club.SetCity(2, "Ville du Port");
    EXPECT_EQ(FindCityPicture(cities, club, 1), cities / "Port Town.bmp");
    EXPECT_EQ(FindCityPicture(cities, club, 0), cities / "HAFENSTADT.BMP");
    // French has no picture of its own: the German one is shown.
    EXPECT_EQ(FindCityPicture(cities, club, 2), cities / "HAFENSTADT.BMP");
    club.SetCity(0, "Bergdorf");
    EXPECT_FALSE(FindCityPicture(cities, club, 2).has_value());
    // Windows names are looked up as their file names.
    WriteBmp(cities / "M\xC3\xBCnster.bmp");  // the UTF-8 file name of "Münster"
    club.SetCity(0, "M\xFCnster");
    EXPECT_EQ(FindCityPicture(cities, club, 0), cities / "M\xC3\xBCnster.bmp");
    // Names that leave the folder find nothing.
    fs::create_directories(cities / "sub");
    WriteBmp(cities / "sub" / "x.bmp");
    WriteBmp(install / "outside.bmp");
    for (const char* name : {"sub/x", "sub\\x", "../outside", "", ".."}) {
        club.SetCity(0, name);
        EXPECT_FALSE(FindCityPicture(cities, club, 0).has_value()) << name;
    }

    // A chosen picture gives its base name as city or is refused with a message.
    WriteBmp(cities / "Neustadt.Bmp");
    const SCityPictureChoice choice = ChooseCityPicture(cities, cities / "Neustadt.Bmp");
    EXPECT_TRUE(choice.accepted);
    EXPECT_EQ(choice.city, "Neustadt");
    EXPECT_TRUE(choice.message.empty());
    WriteBmp(cities / "K\xC3\xB6ln.bmp");
    fs::create_directories(cities / "sub");
    EXPECT_EQ(ChooseCityPicture(cities, cities / "sub" / ".." / "K\xC3\xB6ln.bmp").city, "K\xF6ln");
    // Choices the record cannot hold are refused with their message.
    WriteBmp(install / "Elsewhere.bmp");
    const SCityPictureChoice outside = ChooseCityPicture(cities, install / "Elsewhere.bmp");
    EXPECT_FALSE(outside.accepted);
    EXPECT_NE(outside.message.find(cities.string()), std::string::npos);
    EXPECT_EQ(outside.message.substr(0, 20),
              std::string(ResourceString(ids::kCityPictureOutsideFolder)).substr(0, 20));

    const std::string longName(30, 'a');  // the field holds 29
    WriteBmp(cities / (longName + ".bmp"));
    const SCityPictureChoice tooLong = ChooseCityPicture(cities, cities / (longName + ".bmp"));
    EXPECT_FALSE(tooLong.accepted);
    EXPECT_NE(tooLong.message.find("29"), std::string::npos);
    WriteBmp(cities / (longName.substr(1) + ".bmp"));
    EXPECT_TRUE(ChooseCityPicture(cities, cities / (longName.substr(1) + ".bmp")).accepted);

    WriteBmp(cities / "Stadt.png");
    EXPECT_EQ(ChooseCityPicture(cities, cities / "Stadt.png").message,
              ResourceString(ids::kCityPictureNotBmp));
    test::WriteFile(cities / "Kaputt.bmp", "BM not a bitmap");
    EXPECT_NE(ChooseCityPicture(cities, cities / "Kaputt.bmp").message.find("Kaputt.bmp"),
              std::string::npos);
    WriteBmp(cities / "\xE2\x82\xAC\xE4\xB8\x9C.bmp");  // a character beyond Windows-1252
    for (const char* name :
         {"Stadt.png", "Kaputt.bmp", "\xE2\x82\xAC\xE4\xB8\x9C.bmp", "Fehlt.bmp"}) {
        EXPECT_FALSE(ChooseCityPicture(cities, cities / name).accepted) << name;
    }
}

TEST(ShirtNumbers, PlacedFromTheStoredNumbersAndMovedByDrops) {
    // 7 and 10 are kept; the second 7, the 0 and the 120 take 99, 98, 97 in list order.
    const SShirtPlacement placement = PlaceShirtNumbers(std::vector<int>{7, 10, 7, 0, 120});
    EXPECT_EQ(placement.shown, (std::vector<int>{7, 10, 99, 98, 97}));
    const auto& holder = placement.holder;
    EXPECT_EQ(std::tuple(holder[7], holder[10], holder[99], holder[98], holder[97], holder[1]),
              std::tuple(0, 1, 2, 3, 4, -1));
    EXPECT_TRUE(placement.unplaced.empty());
    // A counted-down place skips numbers held later in the list: 99 belongs to the second.
    EXPECT_EQ(PlaceShirtNumbers(std::vector<int>{0, 99}).shown, (std::vector<int>{98, 99}));

    // More than 99 players leave the rest under no number.
    std::vector<int> numbers(103);
    std::iota(numbers.begin(), numbers.end(), 1);  // 1..103: 100..103 find no place
    numbers[5] = 3;                                // a duplicate of 3: 6 stays free for it
    const SShirtPlacement crowded = PlaceShirtNumbers(numbers);
    EXPECT_EQ(crowded.shown[5], 6);
    EXPECT_EQ(crowded.holder[6], 5);
    EXPECT_EQ(crowded.unplaced, (std::vector<int>{99, 100, 101, 102}));
    for (const int player : crowded.unplaced) {
        EXPECT_EQ(crowded.shown[static_cast<std::size_t>(player)], 0);
    }
    for (int number = 1; number <= kMaxShirtNumber; ++number) {
        EXPECT_GE(crowded.holder[number], 0) << number;
    }

    // A drop on a held number swaps the two, on a free one moves the dragged player only; the
    // holder gets the number the dragged player was shown on. Own numbers and invalid drops change
    // nothing.
    struct SDrop {
        std::vector<int> numbers;
        std::size_t dragged;
        int target;
        std::vector<int> after;
    };
    const std::vector<SDrop> drops = {
        {{7, 10, 4}, 0, 10, {10, 7, 4}},
        {{10, 7, 4}, 1, 55, {10, 55, 4}},
        {{7, 10}, 0, 7, {7, 10}},
        {{7, 10}, 0, 0, {7, 10}},
        {{7, 10}, 0, 100, {7, 10}},
        {{7, 10}, 2, 5, {7, 10}},
        // Shown on 99, an invalid number's own place is 99 too.
        {{0}, 0, 99, {0}},
        // The second 7 is shown on 99: the holder of 10 gets 99 rather than a second 7.
        {{7, 7, 10}, 1, 10, {7, 10, 99}},
        // 0 is shown on 99, 150 on 98.
        {{0, 150, 10}, 1, 10, {0, 10, 98}},
        // Shown on 98 only because his 0 was counted down, he holds that place all the same.
        {{0, 0, 5}, 2, 98, {0, 5, 98}},
    };
    for (SDrop drop : drops) {
        const bool moves = drop.numbers != drop.after;
        EXPECT_EQ(DropOnShirtNumber(drop.numbers, drop.dragged, drop.target), moves) << drop.target;
        EXPECT_EQ(drop.numbers, drop.after) << drop.target;
    }
    // An unplaced player dropped on a number passes his stored number on.
    std::vector<int> stored(100);
    std::iota(stored.begin(), stored.end(), 1);  // player 99 holds 100: under no number
    EXPECT_TRUE(DropOnShirtNumber(stored, 99, 10));
    EXPECT_EQ(stored[99], 10);
    EXPECT_EQ(stored[9], 100);
    EXPECT_EQ(PlaceShirtNumbers(stored).unplaced, std::vector<int>{9});
}

class BoardStabilityTest : public test::TestWorld {
protected:
    CPlayer& president = world.CreatePerson(0, true);
};

TEST_F(BoardStabilityTest, ValueIsTheLowBitsOfContractByteTwoSettingKeepsTheOthersFiveTexts) {
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
    // Five texts and none outside.
    for (int value = -1; value <= 5; ++value) {
        EXPECT_EQ(BoardStabilityText(value).empty(), value < 0 || value > 4) << value;
    }
}

STextTableFormat ColourFormat(int capacity) {
    return {capacity, true, true, true, 0, 0};  // number, then "name,colour"
}

TEST(ClubColours, BadgeChoicesEditTheirNumberKitColoursAreThreeBytesDesignsHeldToRanges) {
    CWorld world;
    CClub club(world, 0x000E0001);
    club.SetColour(0, 7);
    club.SetColour(1, 9);
    club.SetColourStyle(3);
    EXPECT_EQ(BadgeColourNumber(club, EBadgeColour::kClub), 7);
    EXPECT_EQ(BadgeColourNumber(club, EBadgeColour::kMerchandise), 3);
    SetBadgeColourNumber(club, EBadgeColour::kMerchandise, 1);
    SetBadgeColourNumber(club, EBadgeColour::kClub, 12);
    EXPECT_EQ(club.Colour(0), 12);
    EXPECT_EQ(club.Colour(1), 9);
    EXPECT_EQ(club.ColourStyle(), 1);
    // Storing goes by the chosen entry, even when its colour stands twice.
    // Numbers 4 and 8 share the colour red.
    CTeamColourTextFile table(ColourFormat(30));
    table.LoadFromMemory("3\n4\nRot,16711680\n8\nAuch Rot,16711680\n2\nBlau,255\n");
    const TextTableEntries entries = table.Entries();
    ASSERT_EQ(entries.size(), 3u);

    const int loaded = BadgeColourEntry(entries, 8);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(BadgeColourEntry(entries, 5), -1);
    // Unchanged choice, or none: nothing to store, also when a colour lookup would give 4.
    EXPECT_FALSE(BadgeColourToStore(entries, loaded, loaded));
    EXPECT_FALSE(BadgeColourToStore(entries, -1, -1));
    EXPECT_FALSE(BadgeColourToStore(entries, loaded, 7));
    EXPECT_EQ(BadgeColourToStore(entries, loaded, 0), 4);
    EXPECT_EQ(BadgeColourToStore(entries, -1, 1), 8);
    EXPECT_EQ(BadgeColourToStore(entries, loaded, 2), 2);

    CTeamColourTextFile huge(ColourFormat(5));
    huge.LoadFromMemory("1\n300\nZu gross,0\n");
    EXPECT_FALSE(BadgeColourToStore(huge.Entries(), -1, 0));

    // Each kit colour is its own three bytes; the palette has each team colour once; designs are
    // held to their ranges.
    CClubKit kits;
    CClubKit::SKit& kit = kits.Kit(1);
    for (std::size_t byte = 0; byte < kit.colours.size(); ++byte) {
        kit.colours[byte] = static_cast<std::uint8_t>(byte + 1);
    }
    EXPECT_EQ(KitColour(kit, EKitColour::kShirt), (SKitRgb{1, 2, 3}));
    EXPECT_EQ(KitColour(kit, EKitColour::kTrim), (SKitRgb{10, 11, 12}));

    CClubKit::SKit before = kit;
    SetKitColour(kit, EKitColour::kSocks, {200, 100, 50});
    EXPECT_EQ(KitColour(kit, EKitColour::kSocks), (SKitRgb{200, 100, 50}));
    SetKitColour(kit, EKitColour::kSocks, KitColour(before, EKitColour::kSocks));
    EXPECT_EQ(kit, before);
    EXPECT_EQ(kits.Kit(0), CClubKit().Kit(0));
    // The palette comes from the team colours, each once.
    CTeamColourTextFile teamColours(ColourFormat(30));
    teamColours.LoadFromMemory(
        "4\n1\nRot,16711680\n2\nGelb,16776960\n3\nAuch Rot,16711680\n4\nBlau,255\n");
    const auto palette = KitPalette(teamColours);
    ASSERT_EQ(palette.size(), 3u);
    EXPECT_EQ(palette[0].name, "Rot");
    EXPECT_EQ(palette[0].colour, (SKitRgb{255, 0, 0}));
    EXPECT_EQ(palette[1].colour, (SKitRgb{255, 255, 0}));
    EXPECT_EQ(palette[2].name, "Blau");
    EXPECT_EQ(TableColourFromKitRgb(palette[1].colour), 16776960);

    EXPECT_EQ(KitPaletteCell(0).row, 0);
    const SGridCell seventh = KitPaletteCell(7, 6);
    EXPECT_EQ(seventh.row, 1);
    EXPECT_EQ(seventh.column, 1);
    EXPECT_EQ(KitPaletteCell(3, 0).row, 3);

    // The design sliders show stored designs within their ranges; typing is held to them.
    const test::Calls<int, SKitDesignRange, int> positions = {{0, kShirtDesigns, 1},
                                                              {42, kShirtDesigns, 42},
                                                              {200, kShortsDesigns, 13},
                                                              {3, kSocksDesigns, 3}};
    test::ExpectCalls(KitDesignSliderPosition, positions);
    // Typing below uses the minimum, above resets the field and keeps the slider; a text that is
    // no number gives nothing (slider -1 here).
    const auto typed = [](const char* text, SKitDesignRange range, int slider) {
        const auto result = TypeKitDesign(text, range, slider);
        return result ? std::pair(result->sliderPosition, result->fieldValue)
                      : std::pair(-1, std::optional<int>());
    };
    const std::optional<int> kept;
    test::ExpectCalls(
        typed, test::Calls<const char*, SKitDesignRange, int, std::pair<int, std::optional<int>>>{
                   {"12", kShirtDesigns, 5, {12, kept}},
                   {"0", kShortsDesigns, 5, {1, kept}},
                   {"-7", kShortsDesigns, 5, {1, kept}},
                   {"5", kSocksDesigns, 2, {2, 4}},
                   {"99999999999", kSocksDesigns, 2, {2, 4}},
                   {"", kShirtDesigns, 5, {-1, kept}},
                   {"  ", kShirtDesigns, 5, {-1, kept}},
                   {"-", kShirtDesigns, 5, {-1, kept}},
                   {"abc", kShirtDesigns, 5, {-1, kept}}});
}

using Bytes = std::vector<std::uint8_t>;

// A one-pixel badge whose red tells where it was read from.
Bytes Badge(std::uint8_t red) {
    return EncodeTga(SImage(1, 1, Argb(red, 0, 0)), 24, TgaCoding::Uncompressed);
}

// The red of the first pixel of a converted 24-bit bitmap (B, G, R after the 54-byte headers).
std::uint8_t RedOf(const std::optional<Bytes>& dib) {
    return dib && dib->size() > 56 ? (*dib)[56] : 0;
}

class BadgeChoiceTest : public test::TestWorld {
protected:
    void Loose(const std::string& relative, std::uint8_t red) {
        const auto path = install / ("badges/" + relative);
        std::filesystem::create_directories(path.parent_path());
        const Bytes tga = Badge(red);
        test::WriteFile(path, std::string(tga.begin(), tga.end()));
    }
    void Init(const std::vector<SBigFile>& archived) {
        ASSERT_TRUE(WriteBigArchive(install / "badges.big", archived));
        tools.Init(install.Path());
        tools.BadgeArchive().SetUserInterface(&ui);
        groups = BuildBadgeGroups(tools.BadgeDirectory(), tools.BadgeArchive(), world);
        items = BadgeGroupItems(groups, world, kDefaultLanguage);
    }
    const SBadgeGroup& GroupOf(int item) const {
        return groups.at(static_cast<std::size_t>(items.at(static_cast<std::size_t>(item)).group));
    }
    std::vector<std::string> Names(const std::vector<SBadgeItem>& badges) const {
        return test::Column(badges, &SBadgeItem::name);
    }
    int ItemNamed(const std::string& name) const {
        const std::vector<std::string> names = test::Column(items, &SBadgeGroupItem::name);
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1 : static_cast<int>(found - names.begin());
    }
    int EntryNamed(int item, const std::string& name) const {
        const std::vector<SBadgeItem> badges = BadgeItems(GroupOf(item), tools.BadgeArchive());
        const std::vector<std::string> names = Names(badges);
        const auto found = std::find(names.begin(), names.end(), name);
        return found == names.end() ? -1
                                    : badges[static_cast<std::size_t>(found - names.begin())].entry;
    }

    CScriptedUserInterface ui;
    CGlobalTools tools;
    std::vector<SBadgeGroup> groups;
    std::vector<SBadgeGroupItem> items;
};

TEST_F(BadgeChoiceTest, GroupsAndBadgesAreSortedByNameALooseAndArchivedOneOfferedOnce) {
    Loose("zeta/Badge256/b.tga", 1);
    Loose("alpha/Badge256/Zulu.tga", 1);
    Loose("alpha/Badge256/echo.TGA", 1);
    Loose("Ger/Badge256/both.tga", 1);
    Init({{"Badges\\Beta\\Badge256\\x.tga", Badge(2)},
          {"Badges\\alpha\\Badge256\\Delta.tga", Badge(2)},
          {"Badges\\Ger\\Badge256\\both.tga", Badge(2)},
          {"Badges\\Ger\\Badge256\\only.tga", Badge(3)},
          {"Badges\\Ger\\Badge256\\packed.tga", Badge(4), true}});

    EXPECT_EQ(test::Column(items, &SBadgeGroupItem::name),
              (std::vector<std::string>{" Kein Wappen", "alpha", "Beta", "Ger", "zeta"}));
    EXPECT_EQ(items.front().group, kNoBadgeGroup);
    // Loose and archived badges of a folder together, by file name without folder and extension.
    EXPECT_EQ(Names(BadgeItems(GroupOf(1), tools.BadgeArchive())),
              (std::vector<std::string>{"Delta", "echo", "Zulu"}));
    EXPECT_EQ(BadgeDisplayName("Ger\\Badge256\\Club.One.tga"), "Club.One");
    EXPECT_EQ(BadgeDisplayName("plain"), "plain");

    // A badge loose and archived is offered once and shown from its loose file.
    const int ger = ItemNamed("Ger");
    ASSERT_GE(ger, 0);
    EXPECT_EQ(Names(BadgeItems(GroupOf(ger), tools.BadgeArchive())),
              (std::vector<std::string>{"both", "only", "packed"}));

    for (const auto& [name, red] : {std::pair<std::string, int>{"both", 1}, {"only", 3}}) {
        const SBadgeSelection chosen{ger, EntryNamed(ger, name)};
        const auto badge = BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), chosen, 0);
        ASSERT_EQ(badge.kind, EBadgeChoice::kPath) << name;
        EXPECT_EQ(badge.path, "Ger\\Badge256\\" + name + ".tga");
        EXPECT_EQ(RedOf(LoadBadgePreview(tools, badge.path).bitmap), red) << name;
    }

    // A packed badge is shown; the preview tells why a badge is missing, without a message.
    EXPECT_EQ(RedOf(LoadBadgePreview(tools, "Ger\\Badge256\\packed.tga").bitmap), 4);

    const SBadgePreview empty = LoadBadgePreview(tools, "");
    EXPECT_FALSE(empty.bitmap);
    EXPECT_EQ(empty.fileText, "Keine Datei gew\xE4hlt");

    const SBadgePreview missing = LoadBadgePreview(tools, "Ger\\Badge256\\gone.tga");
    EXPECT_FALSE(missing.bitmap);
    EXPECT_EQ(missing.fileText,
              "Die Datei Badges\\Ger\\Badge256\\gone.tga konnte in dem BIG Archiv nicht "
              "gefunden werden");
    EXPECT_TRUE(ui.Texts(CScriptedUserInterface::Message::Kind::Error).empty());
}

TEST_F(BadgeChoiceTest, PreselectionIgnoresLetterCaseOkGivesTheTemplateOrRefusesLongPaths) {
    Loose("Ger/Badge256/a.tga", 1);
    Loose("Ger/Badge256/b.tga", 1);
    Loose("Aut/Badge256/c.tga", 1);
    const std::string longName(40, 'x');
    Loose("Ger/Badge256/" + longName + ".tga", 1);
    Init({});
    const int ger = ItemNamed("Ger");
    const auto found = PreselectBadge(groups, items, tools.BadgeArchive(), "GER\\badge256\\B.tga");
    EXPECT_EQ(found.groupItem, ger);
    EXPECT_EQ(found.entry, EntryNamed(ger, "b"));

    // The folder without that badge: the group, no badge.
    const auto folderOnly =
        PreselectBadge(groups, items, tools.BadgeArchive(), "Ger\\Badge256\\gone.tga");
    EXPECT_EQ(folderOnly.groupItem, ger);
    EXPECT_EQ(folderOnly.entry, -1);

    // No such folder, or no path: the first group in the list, no badge.
    for (const char* path : {"color\\badge256\\bl_sw.tga", ""}) {
        const auto other = PreselectBadge(groups, items, tools.BadgeArchive(), path);
        EXPECT_EQ(other.groupItem, ItemNamed("Aut")) << path;
        EXPECT_EQ(other.entry, -1) << path;
    }

    // OK gives the template for no badge, nothing without a badge, and refuses long paths.
    // " Kein Wappen": the template of the club's colour combination.
    for (const int combination : {19, 23}) {
        const auto none =
            BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {0, -1}, combination);
        EXPECT_EQ(none.kind, EBadgeChoice::kPath);
        EXPECT_EQ(none.path, DefaultBadgePath(combination));
    }
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {0, -1}, 19).path,
              "color\\badge256\\ro_ws.tga");

    // A group without a chosen badge acts as Cancel.
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, -1}, 0).kind,
              EBadgeChoice::kNothing);

    // 39 characters fit the record, more are refused whole.
    const auto tooLong =
        BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, EntryNamed(ger, longName)}, 0);
    EXPECT_EQ(tooLong.kind, EBadgeChoice::kTooLong);
    EXPECT_EQ(tooLong.path, "Ger\\Badge256\\" + longName + ".tga");
    const auto fits =
        BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, EntryNamed(ger, "a")}, 0);
    EXPECT_EQ(fits.kind, EBadgeChoice::kPath);
    EXPECT_LE(fits.path.size(), kMaxBadgePathLength);
}

TEST_F(BadgeChoiceTest, WithoutArchiveOrGroupNothingIsSelectedAndThePreviewTellsWhy) {
    test::WriteFile(install / "badges.big", "damaged");
    tools.Init(install.Path());
    groups = BuildBadgeGroups(tools.BadgeDirectory(), tools.BadgeArchive(), world);
    items = BadgeGroupItems(groups, world, kDefaultLanguage);
    ASSERT_EQ(items.size(), 1u);
    const auto selection =
        PreselectBadge(groups, items, tools.BadgeArchive(), "Ger\\Badge256\\a.tga");
    EXPECT_EQ(selection.groupItem, -1);
    EXPECT_EQ(selection.entry, -1);
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), selection, 3).kind,
              EBadgeChoice::kNothing);
    ASSERT_FALSE(tools.BadgeArchive().IsOpen());
    const SBadgePreview missing = LoadBadgePreview(tools, "Ger\\Badge256\\gone.tga");
    EXPECT_FALSE(missing.bitmap);
    EXPECT_EQ(missing.fileText, tools.BadgeArchive().LastError());
    EXPECT_FALSE(missing.fileText.empty());
}

}  // namespace
}  // namespace kw
