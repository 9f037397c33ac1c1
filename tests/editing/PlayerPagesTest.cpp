#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DemoDocumentTest.h"
#include "DemoInstallation.h"
#include "RowTable.h"
#include "TestWorld.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "competition/Competition.h"
#include "editing/DateFields.h"
#include "editing/LanguageList.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerAbilities.h"
#include "editing/PlayerCharacterRules.h"
#include "editing/PlayerComparison.h"
#include "editing/PlayerContractRules.h"
#include "editing/PlayerDuplicates.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/PlayerLookRules.h"
#include "editing/PlayerPositionRules.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/LEcuyerRandom.h"
#include "platform/Random.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/KLFile.h"
#include "storage/OneLineText.h"

namespace kw {
namespace {

TEST(PersonalDataRules, DaysHeldToTheMonthNationalitiesAndLanguagesOriginBitsPanelTexts) {
    test::ExpectCalls(SecondNationalityToStore,
                      test::Calls<std::uint8_t, std::uint8_t, std::uint8_t>{
                          {14, 14, 0}, {14, 20, 20}, {14, 0, 0}});
    // Languages follow the nationalities and keep what was spoken.
    constexpr std::uint8_t kGerman = 19;
    constexpr std::uint8_t kEnglish = 14;
    constexpr std::uint8_t kSpanish = 43;
    constexpr std::uint8_t kFrench = 17;
    // {spoken before, first and second nationality's language, spoken after}
    test::ExpectCalls(
        LanguagesForNationalities,
        test::Calls<LanguageSlots, std::uint8_t, std::uint8_t, LanguageSlots>{
            // A German who also speaks English becomes Spanish: Spanish first, the rest after it.
            {{kGerman, kEnglish, 0, 0}, kSpanish, 0, {kSpanish, kGerman, kEnglish, 0}},
            // A second nationality's language comes second; one the player spoke is not repeated.
            {{kGerman, kEnglish, 0, 0}, kGerman, kEnglish, {kGerman, kEnglish, 0, 0}},
            {{kFrench, 0, kEnglish, 0}, kSpanish, kGerman, {kSpanish, kGerman, kFrench, kEnglish}},
            // Both countries share the language: it appears once.
            {{0, 0, 0, 0}, kSpanish, kSpanish, {kSpanish, 0, 0, 0}},
            // Four slots only: the last languages spoken fall out.
            {{kGerman, kEnglish, kFrench, 5}, kSpanish, 9, {kSpanish, 9, kGerman, kEnglish}},
            // A country without a main language adds none.
            {{kGerman, 0, 0, 0}, 0, 0, {kGerman, 0, 0, 0}}});
    // Sixty-three languages with none first.
    EXPECT_EQ(LanguageListName(0), " keine");
    EXPECT_EQ(LanguageListName(kLanguageListCount - 1), "Usbekisch");
    EXPECT_TRUE(LanguageListName(kLanguageListCount).empty());

    // Origin flags are two bits that leave the others; the panel texts cover their ranges.
    constexpr std::uint8_t kStaffBit = 0x04;
    std::uint8_t origin = kStaffBit;
    origin = WithOriginBit(origin, kHomeGrownBit, true);
    origin = WithOriginBit(origin, kBasqueBit, true);
    EXPECT_EQ(origin, kStaffBit | kHomeGrownBit | kBasqueBit);
    origin = WithOriginBit(origin, kHomeGrownBit, false);
    EXPECT_EQ(origin, kStaffBit | kBasqueBit);
    EXPECT_EQ(WithOriginBit(0xFF, kBasqueBit, false), 0xFF & ~kBasqueBit);
    // {text of the last value, text beyond it}
    const std::vector<std::pair<std::string_view, std::string_view>> ranges = {
        {TalentText(4), TalentText(5)},
        {TeammateEffectText(kTeammateEffectCount - 1), TeammateEffectText(kTeammateEffectCount)},
        {NationalExperienceText(6), NationalExperienceText(7)},
        {InternationalExperienceText(4), InternationalExperienceText(5)},
        {InternationalExperienceText(0), InternationalExperienceText(-1)}};
    for (const auto& [last, beyond] : ranges) {
        EXPECT_FALSE(last.empty());
        EXPECT_TRUE(beyond.empty()) << beyond;
    }

    // The day is held to the month's length, with Gregorian leap years.
    const test::Calls<int, int, int, int> days = {
        {31, 4, 2005, 30}, {29, 2, 1900, 28}, {29, 2, 2000, 29}, {29, 2, 2004, 29},
        {29, 2, 2005, 28}, {0, 5, 2005, 1},   {15, 6, 2005, 15}};
    test::ExpectCalls(ClampDay, days);
    // Every month's last day is followed by the first of the next month in the calendar.
    for (int year : {1900, 1984, 2000, 2004, 2005}) {
        for (int month = 1; month <= 12; ++month) {
            const int last = DaysInMonth(month, year);
            const CDate after(CDate::FromYmd(year, month, last).Value() + 1);
            EXPECT_EQ(after.Day(), 1) << year << "-" << month;
            EXPECT_EQ(after.Month(), month % 12 + 1) << year << "-" << month;
        }
    }
}

using PersonalDataWorldTest = test::TestWorld;

CDate Ymd(int year, int month, int day) {
    return CDate::FromYmd(year, month, day);
}

TEST(PlayerPageRules, PositionsTypesNoteSeasonStartPeriodsYearsBarAmountsAndDates) {
    const struct {
        std::uint8_t bit;
        ESeasonStart state;
        bool dates, loanClub, matches;
    } states[] = {{0x00, ESeasonStart::kNone, false, false, false},
                  {0x04, ESeasonStart::kInjury, true, false, false},
                  {0x08, ESeasonStart::kLeagueBan, false, false, true},
                  {0x10, ESeasonStart::kCareerEnd, false, false, false},
                  {0x20, ESeasonStart::kOnLoan, true, true, false}};
    for (const auto& row : states) {
        SCOPED_TRACE(static_cast<int>(row.state));
        EXPECT_EQ(SeasonStartOf(row.bit), row.state);
        EXPECT_EQ(SeasonStartOf(WithSeasonStart(0xFF, row.state)), row.state);
        // The state enables its fields.
        const SSeasonStartControls controls = ControlsFor(row.state);
        EXPECT_EQ(std::tuple(controls.dates, controls.loanClub, controls.matches),
                  std::tuple(row.dates, row.loanClub, row.matches));
        EXPECT_EQ(UsesInjuryPeriod(row.state), row.state == ESeasonStart::kInjury);
    }
    // Bits outside 2..5 are no state; loading keeps bit 5, then 3, then 2, then 4.
    const test::Rows<std::uint8_t, ESeasonStart> loaded = {{0xC3, ESeasonStart::kNone},
                                                           {0x3C, ESeasonStart::kOnLoan},
                                                           {0x1C, ESeasonStart::kLeagueBan},
                                                           {0x14, ESeasonStart::kInjury}};
    test::ExpectRows(SeasonStartOf, loaded);
    // Choosing a state replaces the other state bits only.
    test::ExpectCalls(WithSeasonStart, test::Calls<std::uint8_t, ESeasonStart, std::uint8_t>{
                                           {0xC3 | 0x08, ESeasonStart::kOnLoan, 0xC3 | 0x20},
                                           {0x3C, ESeasonStart::kNone, 0x00},
                                           {0x01, ESeasonStart::kInjury, 0x05}});

    // Early periods are shown reset and the years bar runs to 2015.
    const SContractPeriod early{Ymd(2004, 8, 1), Ymd(2005, 6, 30)};
    EXPECT_EQ(InjuryPeriodAsShown(early), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2005, 11, 1)}));
    EXPECT_EQ(OtherPeriodAsShown(early), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2006, 6, 30)}));
    // An unset period ends before any date.
    EXPECT_EQ(InjuryPeriodAsShown({}), (SContractPeriod{Ymd(2005, 7, 1), Ymd(2005, 11, 1)}));
    // Ending on 1 July 2005 or later keeps the period, whenever it started.
    const SContractPeriod onTheDay{Ymd(2003, 1, 5), Ymd(2005, 7, 1)};
    EXPECT_EQ(InjuryPeriodAsShown(onTheDay), onTheDay);
    EXPECT_EQ(OtherPeriodAsShown(onTheDay), onTheDay);
    // The contract years bar runs from the current year to 2015; past 2015 it holds 2015 alone
    // rather than a range that runs backwards.
    const auto bar = [](int current) {
        const SYearRange range = ContractEndYears(current);
        return std::pair(range.first, range.last);
    };
    test::ExpectRows(
        bar, test::Rows<int, std::pair<int, int>>{{2005, {2005, 2015}}, {2026, {2015, 2015}}});
    test::ExpectCalls(
        ContractEndIsDrawn,
        test::Calls<int, int, bool>{{2005, 2005, true}, {2004, 2005, true}, {2006, 2005, false}});
    // Typed amounts are their leading digits, at most nine.
    const test::Rows<std::string_view, std::int32_t> amounts = {
        {"250000", 250000},        {"  42", 42}, {"42 Euro", 42}, {"999999999", 999999999},
        {"1234567890", 123456789}, {"viel", 0},  {"", 0},         {"-5", 0}};
    test::ExpectRows(AmountOfText, amounts);
    // The date fields hold their ranges and the day the month's length.
    const SYearRange years{1980, 2005};
    test::ExpectCalls(DateOfFields, test::Calls<SDateFields, SYearRange, CDate>{
                                        {{31, 4, 2001}, years, Ymd(2001, 4, 30)},
                                        {{29, 2, 1900}, {1800, 2100}, Ymd(1900, 2, 28)},
                                        {{29, 2, 2000}, years, Ymd(2000, 2, 29)},
                                        {{40, 13, 2010}, years, Ymd(2005, 12, 31)},
                                        {{0, 0, 1970}, years, Ymd(1980, 1, 1)}});
    EXPECT_EQ(FieldsOfDate(Ymd(1995, 3, 17), years), (SDateFields{17, 3, 1995}));
    EXPECT_EQ(FieldsOfDate(Ymd(2007, 3, 17), years).year, 2005);
    EXPECT_EQ(DateListText(Ymd(2005, 7, 1)), "01.07.2005");
    EXPECT_EQ(DateListText(CDate()), "");

    // Positions are stored once and shown tab separated; only kept types; the note is cut.
    using position::kCentralMidfield;
    using position::kCentreBack;
    using position::kDefensiveMidfield;
    using position::kRightMidfield;
    using position::kRightWing;
    test::ExpectRows(PositionsToStore,
                     test::Rows<PositionSlots, PositionSlots>{
                         {{kCentreBack, kDefensiveMidfield, kCentreBack, kCentralMidfield,
                           kDefensiveMidfield, 0},
                          {kCentreBack, kDefensiveMidfield, kCentralMidfield, 0, 0, 0}},
                         // Gaps close up as well.
                         {{kRightMidfield, 0, kCentralMidfield, 0, kRightWing, 0},
                          {kRightMidfield, kCentralMidfield, kRightWing, 0, 0, 0}},
                         // The main position is never none, and codes beyond the last are none.
                         {{0, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}},
                         {{40, 18, 17, 200, 0, 3}, {17, 3, 0, 0, 0, 0}},
                         // Nothing to remove: unchanged.
                         {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}});
    // Position and strength are tab separated.
    test::ExpectCalls(PositionStrengthText, test::Calls<int, double, std::string>{
                                                {position::kGoalkeeper, 75.3, "TO\t75.3"},
                                                {position::kStriker, 5.0, "ST\t5.0"},
                                                {position::kNone, 0.0, " keine\t0.0"}});

    // Only kept player types can be chosen; the note is cut to the file line.
    EXPECT_FALSE(PlayerTypeText(kPlayerTypeCount - 1).empty());
    EXPECT_TRUE(PlayerTypeText(kPlayerTypeCount).empty());
    const test::Rows<int, bool> storable = {{0, true}, {21, true}, {22, false}, {-1, false}};
    test::ExpectRows(IsStorablePlayerType, storable);
    // The note travels between field and record, cut to the file line.
    const test::Rows<std::string, std::string> notes = {
        {"erste\nzweite", "erste\r\nzweite"},
        {"erste\r\nzweite", "erste\r\nzweite"},
        {"a\tb", "a b"},
        {NoteForEditor("x\r\ny\r\n"), "x\r\ny\r\n"}};
    test::ExpectRows(NoteFromEditor, notes);
    EXPECT_EQ(NoteForEditor("erste\r\nzweite"), "erste\nzweite");
    // A long note is cut to what the file line keeps.
    std::string typed;
    for (int line = 0; line < 300; ++line) {
        typed += "Zeile\n";
    }
    const std::string note = NoteFromEditor(typed);
    EXPECT_EQ(MultiLineToLine(note).size(), CKLFile::kMaxLine);
    EXPECT_EQ(note.substr(0, 12), "Zeile\r\nZeile");
    // What fits is kept whole.
    EXPECT_EQ(NoteFromEditor(std::string(CKLFile::kMaxLine, 'x')).size(), CKLFile::kMaxLine);
}

class ContractPlayerTest : public test::TestWorld {
protected:
    ContractPlayerTest() : player(world.CreatePerson(77, true)) {}
    CPlayer& player;
};

TEST_F(ContractPlayerTest, PeriodsAreTheFurtherAndContractDatesEarlyOnesResetClubNamesCut) {
    SetInjuryPeriod(player, {Ymd(2005, 8, 2), Ymd(2005, 9, 3)});
    SetOtherPeriod(player, {Ymd(2005, 7, 1), Ymd(2007, 6, 30)});
    EXPECT_EQ(std::tuple(player.FurtherDates()[0], player.FurtherDates()[1], player.ContractStart(),
                         player.ContractEnd()),
              std::tuple(Ymd(2005, 8, 2), Ymd(2005, 9, 3), Ymd(2005, 7, 1), Ymd(2007, 6, 30)));
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

    // Club names are cut to thirty characters.
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

SHistoryEntry Station(std::uint32_t club, CDate from, std::uint16_t games = 0) {
    SHistoryEntry entry;
    entry.club = club;
    entry.from = from;
    entry.until = from;
    entry.games = games;
    return entry;
}

TEST_F(PersonalDataWorldTest, NationalitiesBirthDateAndTheCareerStoredAndShown) {
    const CDate early = CDate::FromYmd(1995, 7, 1);
    const CDate middle = CDate::FromYmd(1999, 7, 1);
    const CDate late = CDate::FromYmd(2003, 1, 1);
    const std::vector<SHistoryEntry> career = {Station(1, late), Station(2, early),
                                               Station(3, middle), Station(4, early),
                                               Station(5, CDate())};
    const std::vector<std::size_t> order = CareerDisplayOrder(career);
    // The unset date comes first; the two stations of 1995 keep their stored order.
    EXPECT_EQ(order, (std::vector<std::size_t>{4, 1, 3, 2, 0}));
    EXPECT_TRUE(CareerDisplayOrder({}).empty());
    // Only the fields the user changed are written.
    SHistoryEntry loaded = Station(10, CDate::FromYmd(2000, 1, 1), 20);
    loaded.goals = 3;
    SHistoryEntry edited = loaded;
    edited.goals = 5;
    edited.flag = 1;
    // The record changed meanwhile in fields the user did not touch: they are kept.
    SHistoryEntry target = loaded;
    target.games = 1500;
    target.kind = 4;
    WriteChangedEntryFields(loaded, edited, target);
    EXPECT_EQ(std::tuple(target.goals, target.flag, target.games, target.kind, target.club),
              std::tuple(5, 1, 1500, 4, 10u));

    SHistoryEntry untouched = target;
    WriteChangedEntryFields(loaded, loaded, untouched);
    EXPECT_EQ(untouched, target);

    // Rows name the club, the dates, the counts and the loan.
    CClub& club = world.Country(5).AddClub(2);
    club.SetName(kDefaultLanguage, "Hafenstadt");
    SHistoryEntry entry = Station(club.Id(), CDate::FromYmd(2001, 7, 1), 34);
    entry.until = CDate::FromYmd(2003, 6, 30);
    entry.goals = 7;
    EXPECT_EQ(CareerRowText(world, entry, kDefaultLanguage),
              "Hafenstadt\t01.07.2001\t30.06.2003\t34\t7\t ");
    entry.flag = 1;
    entry.club = 0;
    entry.until = CDate();
    EXPECT_EQ(CareerRowText(world, entry, kDefaultLanguage), "\t01.07.2001\t\t34\t7\tx");

    // Chosen nationalities bring their languages, a birth date the national experience.
    world.Country(20).SetAttributes(43, 3, 0);
    world.Country(21).SetAttributes(17, 3, 0);
    EXPECT_EQ(MainLanguageOf(world, 20), 43);  // the country's first attribute
    EXPECT_EQ(MainLanguageOf(world, 0), 0);
    EXPECT_EQ(MainLanguageOf(world, kCountryCount + 1), 0);
    CPlayer& player = world.CreatePerson(0, true);
    player.Reset(0, kDefaultCountry);
    player.SetLanguage(0, 19);
    StoreNationalities(world, player, 20, 20);
    EXPECT_EQ(player.Nationality(), 20);
    EXPECT_EQ(player.SecondNationality(), 0);
    EXPECT_EQ(player.Languages(), (LanguageSlots{43, 19, 0, 0}));
    StoreNationalities(world, player, 20, 21);
    EXPECT_EQ(player.SecondNationality(), 21);
    EXPECT_EQ(player.Languages(), (LanguageSlots{43, 17, 19, 0}));

    // 25 on the day the page measures from, the season start of the game's year: a player of
    // 24 to 29 has national experience 4.
    EXPECT_EQ(GameToday(), CDate::FromYmd(2006, 7, 1));
    const CDate birth = CDate::FromYmd(1980, 10, 6);
    StoreBirthDate(player, birth, GameToday());
    EXPECT_EQ(player.BirthDate(), birth);
    EXPECT_EQ(player.NationalExperience(), 4);
    CPlayer& trainer = world.CreatePerson(0, true);
    trainer.Reset(personkind::kTrainer, kDefaultCountry);
    trainer.SetNationalExperience(1);
    StoreBirthDate(trainer, birth, GameToday());
    EXPECT_EQ(trainer.BirthDate(), birth);
    EXPECT_EQ(trainer.NationalExperience(), 1);
}

namespace fs = std::filesystem;

std::string TextOf(const std::vector<SEditChoice>& choices, int value) {
    for (const SEditChoice& choice : choices) {
        if (choice.value == value) {
            return choice.text;
        }
    }
    return "<missing>";
}

std::vector<int> ValuesOf(const std::vector<SEditChoice>& choices) {
    return test::Column(choices, &SEditChoice::value);
}

TEST(LookChoicesTest, FacesInGroupOrderCountedPerGroupNameThenHairAndBeards) {
    const std::vector<SEditChoice> faces = FaceChoices();
    ASSERT_EQ(faces.size(), 90u);
    // Every face 1..90 exactly once.
    std::vector<int> values = ValuesOf(faces);
    std::sort(values.begin(), values.end());
    std::vector<int> each(90);
    std::iota(each.begin(), each.end(), 1);
    EXPECT_EQ(values, each);
    EXPECT_EQ(faces.front(), (SEditChoice{"Europ\xE4"
                                          "er 1",
                                          1}));
    // The Latin faces 20..25 come before the African 14..19.
    EXPECT_EQ(faces[13], (SEditChoice{"Latino 1", 20}));
    EXPECT_EQ(faces[19], (SEditChoice{"Afrikanisch 1", 14}));
    const test::Rows<int, std::string> texts = {{26, "Europ\344er 8"}, {35, "Latino 7"},
                                                {47, "Kaukasisch 1"},  {59, "Afrikanisch 7"},
                                                {69, "Asiatisch 7"},   {85, "Arabisch 6"}};
    test::ExpectRows([&faces](int face) { return TextOf(faces, face); }, texts);
    EXPECT_EQ(faces.back(), (SEditChoice{"Europ\xE4"
                                         "er 21",
                                         90}));
    const std::vector<SEditChoice> colours = HairColourChoices();
    EXPECT_EQ(ValuesOf(colours), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(colours[2].text, "Dunkelblond");
    const std::vector<SEditChoice> cuts = HairCutChoices();
    ASSERT_EQ(cuts.size(), 38u);
    EXPECT_EQ(cuts.front(), (SEditChoice{"Haare 1", 1}));
    EXPECT_EQ(cuts.back(), (SEditChoice{"Haare 38", 38}));
    const std::vector<SEditChoice> beards = BeardChoices();
    EXPECT_EQ(ValuesOf(beards), (std::vector<int>{1, 2, 5, 3, 4, 6}));
    EXPECT_EQ(beards[2].text, "Spitzbart (vollst\xE4ndig)");
    EXPECT_EQ(beards[3].text, "Schnauzbart");
}

class PlayerPictureTest : public test::TestWorld {
protected:
    PlayerPictureTest() : player(world.CreatePerson(4711, true)) {
        player.SetSurname("M\xFChlau");
        player.SetFirstName("Theodor");
        player.SetBirthDate(CDate::FromYmd(1983, 9, 5));
    }

    void WriteTga(const std::string& relative, int width, int height) {
        const fs::path path = install.Path() / relative;
        fs::create_directories(path.parent_path());
        const auto bytes =
            EncodeTga(SImage(width, height, Argb(200, 30, 30)), 24, TgaCoding::Uncompressed);
        test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
    }

    CPlayer& player;
};

TEST_F(PlayerPictureTest, CandidatesInTheOrderTheyAreTriedTheFirstThatLoadsIsShown) {
    EXPECT_EQ(PlayerPictureCandidates(player),
              (std::vector<std::string>{"user/picture/M\xC3\xBChlauTh050983.tga",
                                        "user/picture/M\xC3\xBChlau05091983.tga",
                                        "art/picture/emp-4711.tga", "art/picture/emp-4711.tpi"}));
    // A one-letter first name gives its one letter.
    player.SetFirstName("T");
    EXPECT_EQ(PlayerPictureCandidates(player).front(), "user/picture/M\xC3\xBChlauT050983.tga");
    // Surnames that name another folder give only the id pictures.
    for (const char* surname : {"../../etc", "a/b", "a\\b", ""}) {
        player.SetSurname(surname);
        EXPECT_EQ(
            PlayerPictureCandidates(player),
            (std::vector<std::string>{"art/picture/emp-4711.tga", "art/picture/emp-4711.tpi"}))
            << surname;
    }
    // The first candidate that loads is shown, in any letter case.
    player.SetSurname("M\xFChlau");
    player.SetFirstName("Theodor");
    EXPECT_FALSE(FindPlayerPicture(install.Path(), player).has_value());
    WriteTga("ART/Picture/EMP-4711.TGA", 160, 160);
    auto found = FindPlayerPicture(install.Path(), player);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path.filename(), "EMP-4711.TGA");
    EXPECT_TRUE(found->HasPictureSize());

    // A user picture comes first, even of another size; a broken one is passed over.
    WriteTga("user/picture/M\xC3\xBChlau05091983.tga", 100, 120);
    test::WriteFile(install.Path() / "user/picture/M\xC3\xBChlauTh050983.tga", "no picture");
    found = FindPlayerPicture(install.Path(), player);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path.filename(), "M\xC3\xBChlau05091983.tga");
    EXPECT_EQ(found->picture.Width(), 100);
    EXPECT_EQ(found->picture.Height(), 120);
    EXPECT_FALSE(found->HasPictureSize());
}

TEST(PlayerAbilities, StepsAgeExperiencePotentialTargetStrengthAndGeneratedAbilities) {
    // 5 × 0.1 rounds half up to 1; 25 × 0.1 = 2.5 to 3.
    const test::Rows<std::uint8_t, std::uint8_t> up = {{95, 99}, {3, 4}, {25, 28}};
    const test::Rows<std::uint8_t, std::uint8_t> down = {{1, 0}, {15, 13}, {5, 4}};
    test::ExpectRows(AbilityMoreTenPercent, up);
    test::ExpectRows(AbilityLessTenPercent, down);
    for (int value = 0; value <= 99; ++value) {
        const auto v = static_cast<std::uint8_t>(value);
        const int less = AbilityLessTenPercent(v);
        const int more = AbilityMoreTenPercent(v);
        if (value == 0) {
            EXPECT_EQ(less, 0);
            EXPECT_EQ(more, 0);
            continue;
        }
        EXPECT_LT(less, value);
        EXPECT_GE(less, 0);
        EXPECT_LE(more, 99);
        EXPECT_TRUE(more > value || value == 99) << value;
    }

    // Age counts full years, experience follows it and youth adds to the potential.
    const CDate birth = Ymd(1984, 7, 15);
    const test::Calls<CDate, CDate, int> ages = {{birth, Ymd(2005, 7, 14), 20},
                                                 {birth, Ymd(2005, 7, 15), 21},
                                                 {birth, Ymd(2005, 6, 30), 20},
                                                 {CDate(), Ymd(2005, 1, 1), 0},
                                                 {Ymd(2010, 1, 1), Ymd(2005, 1, 1), 0}};
    test::ExpectCalls(AgeOn, ages);

    test::ExpectRows(NationalExperienceForAge, test::Rows<int, int>{{0, 0},
                                                                    {18, 0},
                                                                    {19, 1},
                                                                    {20, 2},
                                                                    {21, 3},
                                                                    {23, 3},
                                                                    {24, 4},
                                                                    {29, 4},
                                                                    {30, 5},
                                                                    {33, 5},
                                                                    {34, 6},
                                                                    {45, 6}});
    // The potential adds a youth bonus that talent enlarges.
    // Age 20: bonus (22 - 20) × 4 + 14 = 22, with talent 2 worth 22 × 1.4 = 30.8. Age 24:
    // (26 - 24) × 2 + 6 = 10; age 28: 32 - 28 = 4; from 32 on nothing.
    const test::Calls<double, int, int, int> potentials = {
        {60.0, 2, 20, 91}, {60.0, 0, 24, 70},  {60.0, 0, 28, 64}, {60.4, 4, 32, 60},
        {60.5, 4, 40, 61}, {90.0, 4, 17, 100}, {-5.0, 0, 32, 0}};
    test::ExpectCalls(CalculatePotential, potentials);

    // The target strength corrects for age and levels; generated abilities reach it.
    CLEcuyerRandom random;
    STargetStrength young;
    young.age = 21;
    // No club: 70, a 21-year-old 25 % less, a 34-year-old 20 % less.
    EXPECT_DOUBLE_EQ(TargetStrength(young, random), 70.0 * 0.75);
    STargetStrength old;
    old.age = 34;
    EXPECT_NEAR(TargetStrength(old, random), 70.0 * 0.8, 1e-4);

    // With a club the random part r (0..10) is drawn: (5 × talent + r + 90) × average / 100.
    STargetStrength star{true, 4, 100, 27, 0};
    CLEcuyerRandom same;
    const int r = same.Below(11);
    CLEcuyerRandom drawing;
    EXPECT_DOUBLE_EQ(TargetStrength(star, drawing), std::min(90.0, 110.0 + r));
    star.lowerLevels = 2;
    EXPECT_DOUBLE_EQ(TargetStrength(star, drawing), 90.0 * 0.8 * 0.8);
    STargetStrength weak{true, 0, 10, 27, 3};
    EXPECT_DOUBLE_EQ(TargetStrength(weak, drawing), 20.0);

    // Generated abilities reach the target at their position.
    for (int position = 0; position <= kLastPosition; ++position) {
        for (double target : {20.0, 45.0, 70.0, 90.0}) {
            const Abilities abilities = GenerateAbilities(position, target, random);
            EXPECT_LE(*std::max_element(abilities.begin(), abilities.end()), 99);
            if (position != 0) {
                EXPECT_NEAR(StrengthAt(abilities, position), target, 1.0)
                    << "position " << position << " target " << target;
            }
        }
    }
    // A goalkeeper's goalkeeping is better than a striker's of the same strength.
    const Abilities keeper = GenerateAbilities(position::kGoalkeeper, 70.0, random);
    const Abilities striker = GenerateAbilities(position::kStriker, 70.0, random);
    EXPECT_GT(keeper[41], striker[41]);
    EXPECT_GT(striker[6], keeper[6]);
    // The same generator state gives the same player.
    CLEcuyerRandom first;
    CLEcuyerRandom second;
    EXPECT_EQ(GenerateAbilities(position::kCentreBack, 55.0, first),
              GenerateAbilities(position::kCentreBack, 55.0, second));
}

using PlayerAbilitiesDemo = test::DemoDocumentTest;

TEST_F(PlayerAbilitiesDemo, LevelsFromTheTopScalingWithoutClubAndUndoOfTheGeneratorsAdvance) {
    const CCountry& country = World().Country(kDefaultCountry);
    int checked = 0;
    const CDBCompetition* last = nullptr;
    for (int index = 0; index < 20; ++index) {
        const CDBCompetition* league =
            World().Competition(MakeCompetitionId(country.Number(), kLeagueType, index));
        if (league == nullptr) {
            break;
        }
        last = league;
        for (const auto& entry : country.Clubs()) {
            if (league->PositionOfTeam(entry.first) >= 0) {
                // The demo numbers its levels from 0 without gaps.
                EXPECT_EQ(LowerLevelsAbove(country, entry.first), league->Level());
                ++checked;
                break;
            }
        }
    }
    EXPECT_GE(checked, 2);
    // The national team plays in no league: it passes every level.
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(LowerLevelsAbove(country, MakeClubId(country.Number(), kNationalTeamIndex)),
              last->Level());
    // The random calculation scales a player without club to 70, corrected for age.
    CPlayer& player = *ClubWithPlayers(kDefaultCountry).FirstTeam().front();
    player.SetPosition(0, position::kCentralMidfield);
    player.SetBirthDate(CDate::FromYmd(1984, 1, 1));
    CLEcuyerRandom random;
    RandomiseAbilities(player, nullptr, 0, CDate::FromYmd(2005, 7, 1), random);
    EXPECT_NEAR(PlayerStrength(player), 70.0 * 0.75, 1.0);

    // Undo takes the draw back with the generator's advance.
    const std::uint32_t id = ClubWithPlayers().FirstTeam().front()->Id();
    const auto draw = [&] { ASSERT_TRUE(DrawRandomAbilities(document, id, GameToday())); };
    const std::string before = Dump();
    draw();
    const std::string first = Dump();
    draw();
    const std::string second = Dump();
    EXPECT_EQ(Edits(), 2u);
    EXPECT_NE(first, before);
    EXPECT_NE(second, first);
    // Undone, the generator stands where it stood before the draw: drawing again draws the same.
    ASSERT_TRUE(document.Undo());
    draw();
    EXPECT_EQ(Dump(), second);
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    // Redone, it stands after the draw again.
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(Dump(), first);
    draw();
    EXPECT_EQ(Dump(), second);
}

class SquadRulesTest : public test::TestWorld {
protected:
    SquadRulesTest() : club(*world.Country(kDefaultCountry).CreateClub()) {}

    CPlayer& Add(int kind, int team, std::string_view surname = "Meier",
                 std::string_view firstName = "Jan") {
        CPlayer& person = world.CreatePerson(0, true);
        person.Reset(kind, kDefaultCountry);
        person.SetTeamFlag(static_cast<std::int8_t>(team));
        person.SetSurname(surname);
        person.SetFirstName(firstName);
        EXPECT_TRUE(club.AddPerson(person));
        return person;
    }
    void AddPlayers(int count, int team = 0) {
        for (int i = 0; i < count; ++i) {
            Add(personkind::kPlayer, team);
        }
    }

    CClub& club;
};

TEST_F(SquadRulesTest, CheckListsEveryFaultInItsOrder) {
    AddPlayers(13);
    Add(personkind::kTrainer, 0);
    Add(personkind::kTrainer, 0);
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadFewPlayers, ids::kSquadTrainers}));

    AddPlayers(1);
    Add(personkind::kManager, 0);
    Add(personkind::kManager, 0);
    Add(personkind::kPresident, 0);
    Add(personkind::kPresident, 0);
    Add(personkind::kPlayer, 0, "", "Jan");
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadIncompleteName, ids::kSquadTrainers,
                                                  ids::kSquadManagers, ids::kSquadPresidents}));
}

TEST_F(SquadRulesTest, SecondTeamPlayersDoNotCountButAPresidentThereIsAFault) {
    AddPlayers(14, 1);
    Add(personkind::kTrainer, 1);
    Add(personkind::kTrainer, 1);
    Add(personkind::kPresident, 1);
    EXPECT_EQ(CheckSquad(club),
              (std::vector<int>{ids::kSquadFewPlayers, ids::kSquadSecondTeamPresident}));
    AddPlayers(14);
    Add(personkind::kTrainer, 0);
    Add(personkind::kPresident, 0);
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadSecondTeamPresident}));
}

TEST_F(SquadRulesTest, RowsShowOneTeamsPlayersSortByEachColumnAndFollowTheSelection) {
    CPlayer& zorn = Add(personkind::kPlayer, 0, "Zorn", "Al");
    CPlayer& abel = Add(personkind::kPlayer, 0, "Abel", "Ole");
    CPlayer& abelToo = Add(personkind::kPlayer, 0, "Abel", "Ben");
    Add(personkind::kPlayer, 1, "Reserve", "Rolf");
    Add(personkind::kTrainer, 0, "Coach", "Carl");
    zorn.SetPosition(0, position::kStriker);
    abel.SetPosition(0, position::kGoalkeeper);
    abelToo.SetPosition(0, position::kNone);
    zorn.SetAbility(6, 99);

    std::vector<SSquadRow> rows = SquadRows(club, false, 0);
    ASSERT_EQ(rows.size(), 3u);
    SortSquadRows(rows, ESquadOrder::kName);
    EXPECT_EQ(test::Column(rows, &SSquadRow::personId),
              (std::vector<std::uint32_t>{abelToo.Id(), abel.Id(), zorn.Id()}));
    SortSquadRows(rows, ESquadOrder::kPosition);
    EXPECT_EQ(rows[0].personId, abelToo.Id());
    EXPECT_EQ(rows[2].personId, zorn.Id());
    SortSquadRows(rows, ESquadOrder::kStrength);
    EXPECT_GE(rows[0].strength, rows[1].strength);
    EXPECT_GE(rows[1].strength, rows[2].strength);

    const SSquadRow& striker = *std::find_if(
        rows.begin(), rows.end(), [&](const SSquadRow& r) { return r.personId == zorn.Id(); });
    EXPECT_EQ(SquadRowText(striker), "Zorn, A.\tST\t" + world.Country(kDefaultCountry).Name(0) +
                                         '\t' + std::to_string(static_cast<int>(striker.strength)));
    EXPECT_EQ(PositionAbbreviation(position::kNone), "-");
    EXPECT_EQ(PositionAbbreviation(18), "-");
    EXPECT_EQ(PositionAbbreviation(position::kGoalkeeper), "TO");

    ASSERT_EQ(SquadRows(club, true, 0).size(), 1u);
    EXPECT_DOUBLE_EQ(AverageSquadStrength({}), 0.0);
    // Reselection follows the person, then the index, then the end.
    const std::vector<SSquadRow> listed = SquadRows(club, false, 0);
    EXPECT_EQ(RowToReselect(listed, abel.Id(), 0), 1);
    EXPECT_EQ(RowToReselect(listed, 999999, 2), 2);
    EXPECT_EQ(RowToReselect(listed, 999999, 7), 2);
    EXPECT_EQ(RowToReselect(listed, 999999, -1), 2);
    EXPECT_EQ(RowToReselect({}, abel.Id(), 0), -1);
}

TEST(SquadRules, LooksAmongAllowedValuesBodiesNearTheAveragesPositionSelectedOrGoal) {
    SCountrySettings country;
    country.faces = (1u << 3) | (1u << 26);  // faces 3, 26, 35, 58, 67, 90
    country.hairColours = 1u << 2;
    country.haircuts = 1u << 7;  // haircuts 7 and 7 + 32
    country.beards = (1u << 5) | (1u << 1);
    CRandom random;
    std::set<int> faces;
    for (int i = 0; i < 200; ++i) {
        const auto look = DrawNewPlayerLook(country, random);
        ASSERT_TRUE(look.has_value());
        faces.insert(look->face);
        EXPECT_EQ(look->hairColour, 2);
        EXPECT_EQ(look->haircut, 7);
        EXPECT_TRUE(look->beard == 1 || look->beard == 5);
    }
    EXPECT_EQ(faces, (std::set<int>{3, 26, 35, 58, 67, 90}));
    country.beards = 1u;  // only value 32, which beards do not reach
    EXPECT_FALSE(DrawNewPlayerLook(country, random).has_value());
    // New players take the selected position or keep goal.
    EXPECT_EQ(NewPlayerMainPosition(position::kNone), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(18), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(-3), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(position::kStriker), position::kStriker);

    // Bodies stay within three and six percent of the averages.
    CRandom fresh;
    // The first draws of the generator are known: 41, 18467 (odd: positive), 6334, 26500.
    const SBody first = DrawNewPlayerBody(180, 75, fresh);
    const double height = 180 + 41 * 0.03 / 32767 * 180;
    const double base = 75 * height / 180;
    EXPECT_EQ(first.height, static_cast<int>(height));
    EXPECT_EQ(first.weight, static_cast<int>(base - 6334 * 0.06 / 32767 * base));
    // A country without averages gets a plausible player, not a division by zero.
    for (int i = 0; i < 550; ++i) {
        const SBody body =
            i < 500 ? DrawNewPlayerBody(180, 75, fresh) : DrawNewPlayerBody(0, 0, fresh);
        EXPECT_GE(body.height, 174);
        EXPECT_LE(body.height, 185);
        EXPECT_GE(body.weight, 66);
        EXPECT_LE(body.weight, 84);
    }
}

constexpr int kLanguages = 5;

class PlayerDuplicatesTest : public test::TestWorld {
protected:
    PlayerDuplicatesTest() {
        for (const int number : {5, 7, 9}) {
            for (int language = 0; language < kLanguages; ++language) {
                world.Country(number).SetName(language, "Land " + std::to_string(number));
            }
        }
    }

    CClub& Club(int country, std::uint16_t index, const std::string& name) {
        CClub& club = world.Country(country).AddClub(index);
        for (int language = 0; language < kLanguages; ++language) {
            club.SetName(language, name);
        }
        return club;
    }

    CPlayer& Player(CClub& club, const std::string& surname, const std::string& firstName,
                    CDate birthDate = CDate::FromYmd(1980, 1, 1), int kind = 0) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetSurname(surname);
        person.SetFirstName(firstName);
        person.SetBirthDate(birthDate);
        club.AddPerson(person);
        return person;
    }

    std::vector<SDuplicatePair> Pairs(const SDuplicateFilter& filter = {}) const {
        return FindDuplicatePairs(DuplicateCandidates(world), filter);
    }

    static SDuplicateFilter CountryScope(int country) {
        return {EDuplicateScope::Country, country, 0, false};
    }
    static SDuplicateFilter ClubScope(std::uint32_t club) {
        return {EDuplicateScope::Club, 0, club, false};
    }
};

TEST_F(PlayerDuplicatesTest, SameNameIsOnePairWithinItsScopesThreeGiveNeighbourPairsInWorldOrder) {
    CClub& north = Club(5, 1, "Nord");
    CClub& south = Club(7, 1,
                        "S\xFC"
                        "d");
    Club(9, 1, "Dritter");
    const CPlayer& first = Player(north, "Meyer", "Jan");
    const CPlayer& second = Player(south, "Meyer", "Jan");
    Player(south, "Meyer", "Jens");

    const std::vector<SDuplicatePair> all = Pairs();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].first.player, &first);
    EXPECT_EQ(all[0].second.player, &second);
    EXPECT_EQ(all[0].first.country, 5);
    EXPECT_EQ(all[0].second.club, &south);

    EXPECT_TRUE(Pairs(CountryScope(9)).empty());
    EXPECT_EQ(Pairs(CountryScope(5)).size(), 1u);
    EXPECT_EQ(Pairs(CountryScope(7)).size(), 1u);
    EXPECT_EQ(Pairs(ClubScope(south.Id())).size(), 1u);
    // The second-team bit does not make it another club.
    EXPECT_EQ(Pairs(ClubScope(north.Id() | kSecondTeamFlag)).size(), 1u);
    EXPECT_TRUE(Pairs(ClubScope(world.Country(9).Club(MakeClubId(9, 1))->Id())).empty());

    // Three of a name give two pairs of neighbours in world order: country 5 club 1, country 5
    // club 3, country 7 club 2; they come before the later name.
    CClub& last = Club(7, 2, "A");
    CClub& middle = Club(5, 3, "C");
    const CPlayer& third = Player(last, "Klein", "Uwe");
    const CPlayer& one = Player(north, "Klein", "Uwe");
    const CPlayer& two = Player(middle, "Klein", "Uwe");
    const std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first.player, &one);
    EXPECT_EQ(pairs[0].second.player, &two);
    EXPECT_EQ(pairs[1].first.player, &two);
    EXPECT_EQ(pairs[1].second.player, &third);
    // Only the pair touching the club at the end.
    const std::vector<SDuplicatePair> scoped = Pairs(ClubScope(last.Id()));
    ASSERT_EQ(scoped.size(), 1u);
    EXPECT_EQ(scoped[0].second.player, &third);
}

TEST_F(PlayerDuplicatesTest, NamesComparedByteByByteAmongClubPlayersTheBirthDateCheckSameDay) {
    CClub& club = Club(5, 1, "Nord");
    CClub& other = Club(7, 1, "Ost");
    Player(club, "Meyer", "Jan");
    Player(other, "meyer", "Jan");
    Player(club, "M\xFCller", "Hans");
    Player(other, "Muller", "Hans");
    Player(club, "Schmidt", "Jan");
    Player(other, "Schmidt", "jan");
    // Only players of clubs are candidates: not a coach of the same name, a national team player
    // or a player without club.
    Player(club, "Meyer", "Jan", CDate::FromYmd(1980, 1, 1), 1);
    Player(world.Country(9).NationalTeam(), "Meyer", "Jan");
    CPlayer& free = world.CreatePerson(world.NextFreePersonId(), false);
    free.Reset(0, 5);
    free.SetSurname("Meyer");
    free.SetFirstName("Jan");
    world.WithoutClub().Append(free);
    EXPECT_TRUE(Pairs().empty());

    // The candidates stand in byte order: "M" < "S" < "m", "Mu" < "M\xFC".
    const std::vector<SDuplicateCandidate> candidates = DuplicateCandidates(world);
    std::vector<std::string> surnames;
    for (const SDuplicateCandidate& candidate : candidates) {
        surnames.emplace_back(candidate.player->Surname().View());
    }
    EXPECT_EQ(surnames, (std::vector<std::string>{"Meyer", "Muller", "M\xFCller", "Schmidt",
                                                  "Schmidt", "meyer"}));
    EXPECT_EQ(candidates[3].player->FirstName().View(), "Jan");
    EXPECT_EQ(candidates[4].player->FirstName().View(), "jan");

    // The birth date check keeps only pairs born on the same day.
    Player(club, "Wolf", "Jan", CDate::FromYmd(1985, 3, 4));
    Player(other, "Wolf", "Jan", CDate::FromYmd(1985, 3, 5));
    Player(club, "Weber", "Tim", CDate::FromYmd(1990, 7, 1));
    Player(other, "Weber", "Tim", CDate::FromYmd(1990, 7, 1));
    EXPECT_EQ(Pairs().size(), 2u);
    SDuplicateFilter sameDay;
    sameDay.sameBirthDate = true;
    const std::vector<SDuplicatePair> pairs = Pairs(sameDay);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first.player->Surname().View(), "Weber");
    // Together with a scope both must hold.
    sameDay.scope = EDuplicateScope::Country;
    sameDay.country = 9;
    EXPECT_TRUE(Pairs(sameDay).empty());
}

TEST_F(PlayerDuplicatesTest, RowsScopesFollowingTheShownClubAndTheComparisonListWithStrength) {
    CClub& north = Club(5, 1, "Nord");
    CClub& east = Club(7, 1, "Ost");
    CPlayer& first = Player(north, "M\xFCller", "Jan", CDate::FromYmd(1985, 3, 4));
    CPlayer& second = Player(east, "M\xFCller", "Jan", CDate::FromYmd(1979, 12, 31));
    first.SetPosition(0, 1);
    second.SetPosition(0, 17);

    const std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 1u);
    const DuplicateRowTexts cells = DuplicateRowCells(pairs[0], world, kDefaultLanguage);
    EXPECT_EQ(cells, (DuplicateRowTexts{"M\xFCller, Jan", "Nord (Land 5)", "Ost (Land 7)",
                                        "04.03.1985", "31.12.1979", "TO", "ST"}));

    const DuplicateRowTexts headings = DuplicateColumnHeadings();
    EXPECT_EQ(headings, (DuplicateRowTexts{"Name", "Verein", "Verein", "Geburtstag", "Geburtstag",
                                           "Pos", "Pos"}));
    // The offered scopes follow the shown country and club.
    const auto offered = [this](int country, std::uint32_t club) {
        const SDuplicateScopes scopes = OfferedDuplicateScopes(world, country, club);
        return std::tuple(scopes.country, scopes.club, scopes.preselected);
    };
    using Offer = std::tuple<bool, bool, EDuplicateScope>;
    test::ExpectCalls(
        offered,
        test::Calls<int, std::uint32_t, Offer>{
            {0, 0, {false, false, EDuplicateScope::All}},
            {5, 0, {true, false, EDuplicateScope::Country}},
            {5, world.Country(5).NationalTeam().Id(), {true, false, EDuplicateScope::Country}},
            {5, north.Id(), {true, true, EDuplicateScope::Club}},
            // A club of another country is not the shown country's club.
            {7, north.Id(), {true, false, EDuplicateScope::Country}}});
    EXPECT_FALSE(OfferedDuplicateScopes(world, 207, north.Id()).country);

    // The comparison list holds the players in club order with their strength.
    CClub& club = Club(5, 2, "Sued");
    CPlayer& striker = Player(club, "Weber", "Jan");
    Player(club, "Trainer", "Jan", CDate::FromYmd(1980, 1, 1), 1);
    CPlayer& keeper = Player(club, "Adler", "Jan");
    striker.SetPosition(0, 17);
    keeper.SetPosition(0, 1);
    keeper.SetAbility(41, 99);

    const std::vector<SChoiceEntry> entries = ComparisonPlayers(club);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].value, striker.Id());
    EXPECT_EQ(entries[1].value, keeper.Id());
    // Every ability at 40 of 99: 40.4 everywhere; the keeper's saves lift his goal strength.
    EXPECT_EQ(entries[0].text, "Weber, J. (40.4)");
    EXPECT_GT(PlayerStrength(keeper), PlayerStrength(striker));
    EXPECT_EQ(entries[1].text, "Adler, J. (" + FormatPrintf("%2.1f", PlayerStrength(keeper)) + ")");
    // The values carry one decimal; the keeper's saves lift "Reflexe" and "Flugparaden".
    const auto texts = SummaryValueTexts(keeper);
    EXPECT_EQ(texts[0], "40.4");
    // Reflexe: (5 * 99 + 2 * 40 + 2 * 40) / 9 of 99.
    EXPECT_EQ(texts[10], "73.5");
}

TEST_F(PlayerDuplicatesTest, RowsSortByTheClickedColumnASecondClickReversing) {
    CClub& alpha = Club(5, 1, "Alpha");
    CClub& beta = Club(7, 1, "Beta");
    CClub& alphaAbroad = Club(9, 1, "Alpha");
    // Three pairs, their first players in Beta, Alpha of country 9 and Alpha of country 5; the
    // names in byte order Adler < Zander < \xC4rger (0xC4), folded \xC4 counts as A.
    Player(beta, "Zander", "Kai", CDate::FromYmd(1970, 1, 1)).SetPosition(0, 4);
    Player(alphaAbroad, "Zander", "Kai", CDate::FromYmd(1991, 1, 1)).SetPosition(0, 2);
    Player(alphaAbroad, "Adler", "Ole", CDate::FromYmd(1980, 1, 1)).SetPosition(0, 17);
    Player(alphaAbroad, "Adler", "Ole", CDate::FromYmd(1990, 1, 1)).SetPosition(0, 1);
    Player(alpha, "\xC4rger", "Udo", CDate::FromYmd(1985, 1, 1)).SetPosition(0, 9);
    Player(alphaAbroad, "\xC4rger", "Udo", CDate::FromYmd(1975, 1, 1)).SetPosition(0, 9);

    std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 3u);
    const auto surnames = [&pairs] {
        std::vector<std::string> names;
        for (const SDuplicatePair& pair : pairs) {
            names.emplace_back(pair.first.player->Surname().View());
        }
        return names;
    };
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Adler", "Zander", "\xC4rger"}));

    CDuplicateOrder order;
    EXPECT_EQ(order.Column(), 0);
    EXPECT_TRUE(order.Ascending());
    const auto sorted = [&] {
        order.Sort(pairs, world, kDefaultLanguage);
        return surnames();
    };
    const auto clicked = [&](int column) {
        order.ClickColumn(column);
        return sorted();
    };
    using Names = std::vector<std::string>;
    // Name, folded: the umlaut sorts as its letter.
    EXPECT_EQ(sorted(), (Names{"Adler", "\xC4rger", "Zander"}));
    // First club, then its country: Alpha (Land 5), Alpha (Land 9), Beta.
    EXPECT_EQ(clicked(1), (Names{"\xC4rger", "Adler", "Zander"}));
    EXPECT_EQ(clicked(1), (Names{"Zander", "Adler", "\xC4rger"}));
    // Second birth date: 1975, 1990, 1991; second position: 1, 2, 9.
    EXPECT_EQ(clicked(4), (Names{"\xC4rger", "Adler", "Zander"}));
    EXPECT_EQ(clicked(6), (Names{"Adler", "Zander", "\xC4rger"}));
    // First position 4, 9, 17; then descending.
    order.ClickColumn(5);
    EXPECT_EQ(clicked(5), (Names{"Adler", "\xC4rger", "Zander"}));
    EXPECT_EQ(order.Column(), 5);
    EXPECT_FALSE(order.Ascending());
}

// The demo: every club player is a candidate once, and two builds give the same rows.
TEST(PlayerDuplicatesDemoTest, CandidatesCoverEveryClubPlayerAndRowsAreDeterministic) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const std::unique_ptr<CWorld> again = test::LoadSmallDemo();
    std::size_t players = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world->Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                players += static_cast<std::size_t>(entry.second->PlayerCount());
            }
        }
    }
    const std::vector<SDuplicateCandidate> candidates = DuplicateCandidates(*world);
    EXPECT_EQ(candidates.size(), players);
    ASSERT_GT(players, 0u);
    EXPECT_TRUE(
        std::is_sorted(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
            return a.player->Surname().View() < b.player->Surname().View();
        }));

    const auto rows = [](const CWorld& source) {
        std::vector<DuplicateRowTexts> texts;
        for (const SDuplicatePair& pair :
             FindDuplicatePairs(DuplicateCandidates(source), SDuplicateFilter{})) {
            texts.push_back(DuplicateRowCells(pair, source, kDefaultLanguage));
        }
        return texts;
    };
    EXPECT_EQ(rows(*world), rows(*again));
}

}  // namespace
}  // namespace kw
