#include <gtest/gtest.h>

#include <string>

#include "TestWorld.h"
#include "editing/DateFields.h"
#include "editing/LanguageList.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerCharacterRules.h"
#include "editing/PlayerPositionRules.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "platform/Cp1252.h"
#include "storage/KLFile.h"
#include "storage/OneLineText.h"

namespace kw {
namespace {

TEST(PersonalDataRules, DayIsHeldToTheMonthsLengthWithGregorianLeapYears) {
    EXPECT_EQ(ClampDay(31, 4, 2005), 30);
    EXPECT_EQ(ClampDay(29, 2, 1900), 28);
    EXPECT_EQ(ClampDay(29, 2, 2000), 29);
    EXPECT_EQ(ClampDay(29, 2, 2004), 29);
    EXPECT_EQ(ClampDay(29, 2, 2005), 28);
    EXPECT_EQ(ClampDay(0, 5, 2005), 1);
    EXPECT_EQ(ClampDay(15, 6, 2005), 15);
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

TEST(PersonalDataRules, SecondNationalityEqualToTheFirstIsNoneLanguagesFollowThem) {
    EXPECT_EQ(SecondNationalityToStore(14, 14), 0);
    EXPECT_EQ(SecondNationalityToStore(14, 20), 20);
    EXPECT_EQ(SecondNationalityToStore(14, 0), 0);
    // Languages follow the nationalities and keep what was spoken.
    constexpr std::uint8_t kGerman = 19;
    constexpr std::uint8_t kEnglish = 14;
    constexpr std::uint8_t kSpanish = 43;
    constexpr std::uint8_t kFrench = 17;
    // A German who also speaks English becomes Spanish: Spanish first, the rest after it.
    EXPECT_EQ(LanguagesForNationalities({kGerman, kEnglish, 0, 0}, kSpanish, 0),
              (LanguageSlots{kSpanish, kGerman, kEnglish, 0}));
    // A second nationality's language comes second; one the player spoke is not repeated.
    EXPECT_EQ(LanguagesForNationalities({kGerman, kEnglish, 0, 0}, kGerman, kEnglish),
              (LanguageSlots{kGerman, kEnglish, 0, 0}));
    EXPECT_EQ(LanguagesForNationalities({kFrench, 0, kEnglish, 0}, kSpanish, kGerman),
              (LanguageSlots{kSpanish, kGerman, kFrench, kEnglish}));
    // Both countries share the language: it appears once.
    EXPECT_EQ(LanguagesForNationalities({0, 0, 0, 0}, kSpanish, kSpanish),
              (LanguageSlots{kSpanish, 0, 0, 0}));
    // Four slots only: the last languages spoken fall out.
    EXPECT_EQ(LanguagesForNationalities({kGerman, kEnglish, kFrench, 5}, kSpanish, 9),
              (LanguageSlots{kSpanish, 9, kGerman, kEnglish}));
    // A country without a main language adds none.
    EXPECT_EQ(LanguagesForNationalities({kGerman, 0, 0, 0}, 0, 0),
              (LanguageSlots{kGerman, 0, 0, 0}));
}

TEST(PersonalDataRules, OriginFlagsAreTwoBitsThatLeaveTheOthersAlone) {
    constexpr std::uint8_t kStaffBit = 0x04;
    std::uint8_t origin = kStaffBit;
    origin = WithOriginBit(origin, kHomeGrownBit, true);
    origin = WithOriginBit(origin, kBasqueBit, true);
    EXPECT_EQ(origin, kStaffBit | kHomeGrownBit | kBasqueBit);
    origin = WithOriginBit(origin, kHomeGrownBit, false);
    EXPECT_EQ(origin, kStaffBit | kBasqueBit);
    EXPECT_EQ(WithOriginBit(0xFF, kBasqueBit, false), 0xFF & ~kBasqueBit);
}

TEST(PersonalDataRules, PanelTextsCoverTheirRangesOnly) {
    EXPECT_EQ(Cp1252ToUtf8(TalentText(0)), "Normal");
    EXPECT_EQ(Cp1252ToUtf8(TalentText(4)), "Gigantisch");
    EXPECT_TRUE(TalentText(5).empty());
    EXPECT_EQ(TeammateEffectText(0), "-");
    EXPECT_EQ(Cp1252ToUtf8(TeammateEffectText(9)), "+5% auf alle Spieler im Mannschaftsteil");
    EXPECT_TRUE(TeammateEffectText(kTeammateEffectCount).empty());
    EXPECT_EQ(Cp1252ToUtf8(NationalExperienceText(0)), "kaum Erfahrung");
    EXPECT_EQ(Cp1252ToUtf8(NationalExperienceText(6)), "alter Haudegen");
    EXPECT_TRUE(NationalExperienceText(7).empty());
    EXPECT_EQ(Cp1252ToUtf8(InternationalExperienceText(3)), "groß");
    EXPECT_TRUE(InternationalExperienceText(5).empty());
    EXPECT_TRUE(InternationalExperienceText(-1).empty());
}

class PersonalDataWorldTest : public test::TestWorld {};

TEST_F(PersonalDataWorldTest, ChosenNationalitiesBringTheirLanguagesABirthDateTheExperience) {
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

TEST(PlayerPositionRules, RepeatedPositionsAreRemovedTheRestMoveUpAndRowsAreTabSeparated) {
    using position::kCentralMidfield;
    using position::kCentreBack;
    using position::kDefensiveMidfield;
    using position::kRightMidfield;
    using position::kRightWing;
    EXPECT_EQ(PositionsToStore({kCentreBack, kDefensiveMidfield, kCentreBack, kCentralMidfield,
                                kDefensiveMidfield, 0}),
              (PositionSlots{kCentreBack, kDefensiveMidfield, kCentralMidfield, 0, 0, 0}));
    // Gaps close up as well.
    EXPECT_EQ(PositionsToStore({kRightMidfield, 0, kCentralMidfield, 0, kRightWing, 0}),
              (PositionSlots{kRightMidfield, kCentralMidfield, kRightWing, 0, 0, 0}));
    // The main position is never none, and codes beyond the last are none.
    EXPECT_EQ(PositionsToStore({0, 1, 0, 0, 0, 0}), (PositionSlots{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(PositionsToStore({40, 18, 17, 200, 0, 3}), (PositionSlots{17, 3, 0, 0, 0, 0}));
    // Nothing to remove: unchanged.
    const PositionSlots distinct{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(PositionsToStore(distinct), distinct);
    // Position and strength are tab separated.
    EXPECT_EQ(PositionStrengthText(position::kGoalkeeper, 75.3), "TO\t75.3");
    EXPECT_EQ(PositionStrengthText(position::kStriker, 5.0), "ST\t5.0");
    EXPECT_EQ(PositionStrengthText(position::kNone, 0.0), " keine\t0.0");
}

TEST(PlayerCharacterRules, OnlyTheTypesTheGameKeepsCanBeChosen) {
    EXPECT_EQ(Cp1252ToUtf8(PlayerTypeText(0)), "Katze");
    EXPECT_EQ(Cp1252ToUtf8(PlayerTypeText(kPlayerTypeCount - 1)), "Fußballgott");
    EXPECT_TRUE(PlayerTypeText(kPlayerTypeCount).empty());
    EXPECT_TRUE(IsStorablePlayerType(0));
    EXPECT_TRUE(IsStorablePlayerType(21));
    EXPECT_FALSE(IsStorablePlayerType(22));
    EXPECT_FALSE(IsStorablePlayerType(-1));
}

TEST(PlayerCharacterRules, NoteTravelsBetweenFieldAndRecordCutToTheFileLine) {
    EXPECT_EQ(NoteFromEditor("erste\nzweite"), "erste\r\nzweite");
    EXPECT_EQ(NoteFromEditor("erste\r\nzweite"), "erste\r\nzweite");
    EXPECT_EQ(NoteFromEditor("a\tb"), "a b");
    EXPECT_EQ(NoteForEditor("erste\r\nzweite"), "erste\nzweite");
    EXPECT_EQ(NoteFromEditor(NoteForEditor("x\r\ny\r\n")), "x\r\ny\r\n");
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

TEST(LanguageList, SixtyThreeLanguagesWithNoneFirst) {
    EXPECT_EQ(LanguageListName(0), " keine");
    EXPECT_EQ(LanguageListName(14), "Englisch");
    EXPECT_EQ(LanguageListName(19), "Deutsch");
    EXPECT_EQ(Cp1252ToUtf8(LanguageListName(45)), "Türkisch");
    EXPECT_EQ(LanguageListName(kLanguageListCount - 1), "Usbekisch");
    EXPECT_TRUE(LanguageListName(kLanguageListCount).empty());
}

}  // namespace
}  // namespace kw
