#include <gtest/gtest.h>

#include <memory>

#include "DemoDocumentTest.h"
#include "editing/ManagerRecord.h"
#include "editing/NationalCoachRules.h"
#include "model/Manager.h"

namespace kw {
namespace {

CManager MakeCoach() {
    CManager coach;
    coach.SetSurname("Trainer");
    coach.SetFirstName("Hans");
    coach.SetNickname("Der Alte");
    coach.SetNationality(14);
    coach.SetBirthDate(CDate::FromYmd(1960, 5, 17));
    return coach;
}

TEST(NationalCoachRulesTest, ValuesReadBackAndTypedNamesAreCutToTheRecordsFields) {
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
    EXPECT_EQ(coach.FirstName().View(), "Abcdefghijklmno");
    EXPECT_EQ(coach.Surname().View(), "Zyxwvutsrqponmlkjih");
    EXPECT_EQ(coach.Nickname().View(), "Spitzname mit neunz");
}

TEST(NationalCoachRulesTest, OnlyChangedValuesAreWritten) {
    CManager coach = MakeCoach();
    // A nationality no list offers and a birth date the fields cannot show.
    coach.SetNationality(4711);
    coach.SetBirthDate(CDate());
    const SCoachPersonalValues stored = ReadCoachPersonalValues(coach);
    // What the controls showed after the load: the date's fallback, no nationality chosen.
    SCoachPersonalValues loaded = stored;
    loaded.birthDate = CDate::FromYmd(1960, 1, 1);
    SCoachPersonalValues edited = loaded;
    EXPECT_FALSE(StoreChangedCoachPersonalValues(coach, loaded, edited));
    EXPECT_EQ(coach.Nationality(), 4711);
    EXPECT_EQ(coach.BirthDate(), CDate());

    edited.nickname = "Neu";
    EXPECT_TRUE(StoreChangedCoachPersonalValues(coach, loaded, edited));
    EXPECT_EQ(coach.Nickname().View(), "Neu");
    EXPECT_EQ(coach.Nationality(), 4711);
    EXPECT_EQ(coach.BirthDate(), CDate());
    EXPECT_EQ(coach.Surname().View(), "Trainer");

    edited.birthDate = CDate::FromYmd(1956, 2, 29);
    edited.nationality = 19;
    EXPECT_TRUE(StoreChangedCoachPersonalValues(coach, loaded, edited));
    EXPECT_EQ(coach.BirthDate(), CDate::FromYmd(1956, 2, 29));
    EXPECT_EQ(coach.Nationality(), 19);
}

// The national coach as an edit of a document on the small demo.
class NationalCoachEditTest : public test::DemoDocumentTest {
protected:
    const CManager& Coach(int country) const {
        return document.World().Country(country).Settings().nationalCoach;
    }
};

TEST_F(NationalCoachEditTest, PersonalValuesAndPanelValuesAreOneUndoableEdit) {
    const int country = 14;
    const std::string before = Dump();
    const SCoachPersonalValues loaded = ReadCoachPersonalValues(Coach(country));
    SCoachPersonalValues edited = loaded;
    edited.surname = "Neuer Name";
    const auto ability = static_cast<std::uint8_t>(Coach(country).TrainingValues()[1] == 9 ? 4 : 9);
    ASSERT_TRUE(
        EditNationalCoach(document, country, loaded, edited,
                          [ability](IManagerRecord& record) { record.SetAbility(1, ability); }));
    EXPECT_EQ(Coach(country).Surname().View(), "Neuer Name");
    EXPECT_EQ(Coach(country).TrainingValues()[1], ability);
    EXPECT_EQ(Coach(country).FirstName().View(), loaded.firstName);
    EXPECT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

TEST_F(NationalCoachEditTest, NothingChangedOrNoCountryRecordsNothing) {
    const std::string before = Dump();
    const SCoachPersonalValues loaded = ReadCoachPersonalValues(Coach(14));
    EXPECT_FALSE(EditNationalCoach(document, 14, loaded, loaded, [](IManagerRecord& record) {
        record.SetExperience(record.NationalExperience(), record.InternationalExperience());
    }));
    SCoachPersonalValues edited = loaded;
    edited.surname = "X";
    bool written = false;
    EXPECT_FALSE(EditNationalCoach(document, 0, loaded, edited,
                                   [&written](IManagerRecord&) { written = true; }));
    EXPECT_FALSE(EditNationalCoach(document, kCountryCount + 1, loaded, edited,
                                   [&written](IManagerRecord&) { written = true; }));
    EXPECT_FALSE(written);
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(Dump(), before);
}

}  // namespace
}  // namespace kw
