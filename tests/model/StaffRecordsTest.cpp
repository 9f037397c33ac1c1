#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PersonsTestSupport.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/Sponsor.h"
#include "model/StaffEntry.h"

namespace kw {
namespace {

using test::JoinLines;
using test::Lines;
using test::WriteRecord;
using ::testing::ElementsAre;

// Writes the record, reads it back into a fresh one, and checks both the fields and the bytes
// of a second write.
template <typename Record>
void ExpectRoundTrip(const Record& source) {
    const std::string written = WriteRecord([&](CKLFile& file) { return source.Write(file); });
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    Record read;
    ASSERT_TRUE(read.Read(file));
    EXPECT_EQ(read, source);
    EXPECT_EQ(WriteRecord([&](CKLFile& out) { return read.Write(out); }), written);
}

// --- club staff in a person record

class ClubStaff : public test::PersonsTest {
protected:
    CPlayer& Trainer() {
        CPlayer& p = world.CreatePerson(0, true);
        p.Reset(1, 5);
        p.SetFirstName("Ewald");
        p.SetSurname("Kleinhold");
        p.SetBirthDate(CDate::FromYmd(1941, 3, 17));
        p.SetStaffByte(0, 3);
        p.SetStaffByte(1, 4);
        p.SetStaffByte(2, 5);
        p.SetLanguageLevel(0, 15);
        p.SetLanguageLevel(1, 8);
        p.SetLanguage(1, 12);
        p.SetContractByte(0, 7);
        p.SetContractByte(1, 2);
        return p;
    }

    CPlayer& ReadStaff(const std::string& text) {
        CKLFile file;
        EXPECT_TRUE(file.OpenForReadFromMemory(text));
        CPlayer& read = world.CreatePerson(0, true);
        EXPECT_TRUE(read.ReadStaff(file));
        return read;
    }

    static std::string WriteStaff(const CPlayer& p) {
        return WriteRecord([&](CKLFile& file) { return p.WriteStaff(file); });
    }
};

TEST_F(ClubStaff, WritesItsFieldsInOrderAndRoundTrips) {
    const CPlayer& trainer = Trainer();
    const std::string written = WriteStaff(trainer);
    EXPECT_THAT(Lines(written),
                ElementsAre("%INDEX%STAFF", "Ewald", "Kleinhold", "1", "%INDEX%DATE", "17", "3",
                            "1941", "%INDEXEND%DATE", "5", "4", "3", "15", "8", "0", "0", "9", "12",
                            "0", "0", "7", "5", "2", "%INDEXEND%STAFF"));
    CPlayer& read = ReadStaff(written);
    EXPECT_TRUE(read.HasSameData(trainer));
    EXPECT_EQ(WriteStaff(read), written);
}

TEST_F(ClubStaff, NegativeContractByte2SetsBit2OfTheOriginByte) {
    CPlayer& president = Trainer();
    president.SetKind(3);
    president.SetContractByte(1, 200);
    president.SetOriginByte(0x01);
    CPlayer& read = ReadStaff(WriteStaff(president));
    EXPECT_EQ(read.ContractBytes()[1], 200);
    EXPECT_EQ(read.OriginByte(), 0x04);

    president.SetContractByte(1, 127);
    EXPECT_EQ(ReadStaff(WriteStaff(president)).OriginByte(), 0x00);
}

TEST_F(ClubStaff, NamesAreTrimmedOfBlanksAndNonBreakingBlanks) {
    std::vector<std::string> lines = Lines(WriteStaff(Trainer()));
    lines.at(1) = "\xA0 Ewald \xA0";
    lines.at(2) = "  Klein  hold ";
    CPlayer& read = ReadStaff(JoinLines(lines));
    EXPECT_EQ(read.FirstName().View(), "Ewald");
    EXPECT_EQ(read.Surname().View(), "Klein  hold");  // inside, staff names stay as written
    EXPECT_EQ(read.ShortName(), "Klein  hold, E.");
}

TEST_F(ClubStaff, ACutStaffRecordKeepsItsNamesAndTheNextOneReads) {
    const CPlayer& trainer = Trainer();
    const std::string text =
        JoinLines({"%INDEX%STAFF", "Hans", "%INDEXEND%STAFF"}) + WriteStaff(trainer);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(text));
    CPlayer& cut = world.CreatePerson(0, true);
    cut.SetSurname("Alt");
    ASSERT_TRUE(cut.ReadStaff(file));
    EXPECT_EQ(cut.FirstName().View(), "Hans");
    EXPECT_EQ(cut.Surname().View(), "Alt");
    EXPECT_EQ(cut.Kind(), 0);
    EXPECT_EQ(cut.Nationality(), 0);
    EXPECT_THAT(cut.Languages(), ElementsAre(0, 0, 0, 0));
    EXPECT_THAT(cut.ContractBytes(), ElementsAre(0, 0, 3, 0));  // bytes 3 and 4 are not read
    CPlayer& next = world.CreatePerson(0, true);
    ASSERT_TRUE(next.ReadStaff(file));
    EXPECT_TRUE(next.HasSameData(trainer));
}

// --- country staff entries, managers, referees, sponsors

TEST(StaffEntry, WritesGradeBBeforeGradeAAndRoundTrips) {
    CStaffEntry entry;
    entry.SetFirstName("Hias");
    entry.SetSurname("Maler-Hinterhuber-Schmidt");  // 25 letters: cut to 24
    entry.SetJob(7);
    entry.SetGradeA(4);
    entry.SetGradeB(2);
    entry.SetFurtherByte(0, 11);
    entry.SetFurtherByte(1, 250);
    EXPECT_EQ(entry.Surname().View(), "Maler-Hinterhuber-Schmid");
    EXPECT_THAT(Lines(WriteRecord([&](CKLFile& file) { return entry.Write(file); })),
                ElementsAre("%INDEX%STAFF", "Hias", "Maler-Hinterhuber-Schmid", "7", "2", "4", "11",
                            "250", "%INDEXEND%STAFF"));
    ExpectRoundTrip(entry);
    EXPECT_EQ(entry.ShortName(), "Maler-Hinterhuber-Schmid, H.");
}

TEST(StaffEntry, ReadingTrimsNamesAndResetEmptiesEverything) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        JoinLines({"%INDEX%STAFF", " Hias\xA0", "\xA0Mahler", "1", "2", "3", "%INDEXEND%STAFF"})));
    CStaffEntry entry;
    ASSERT_TRUE(entry.Read(file));
    EXPECT_EQ(entry.FirstName().View(), "Hias");
    EXPECT_EQ(entry.Surname().View(), "Mahler");
    EXPECT_EQ(entry.GradeB(), 2);
    EXPECT_EQ(entry.GradeA(), 3);
    EXPECT_THAT(entry.FurtherBytes(), ElementsAre(0, 0));
    entry.Reset();
    EXPECT_EQ(entry, CStaffEntry());
    EXPECT_TRUE(entry.FirstName().Empty());
}

TEST(Manager, RoundTripsAndKeepsTextsOfACutRecord) {
    CManager manager;
    manager.SetFirstName("Udo");
    manager.SetSurname("W\xF6llner");
    manager.SetNickname("Onkel K\xE4the");
    manager.SetNationality(14);
    manager.SetBirthDate(CDate::FromYmd(1960, 4, 13));
    for (int i = 0; i < 4; ++i) {
        manager.SetTrainingValue(i, static_cast<std::uint8_t>(60 + i));
        manager.SetLanguage(i, static_cast<std::uint8_t>(i * 3));
    }
    manager.SetNationalExperience(5);
    manager.SetInternationalExperience(3);
    ExpectRoundTrip(manager);
    EXPECT_EQ(manager.ShortName(), "W\xF6llner, U.");

    const std::string text = JoinLines({"%INDEX%MANAGER", "Egon", "%INDEXEND%MANAGER"}) +
                             WriteRecord([&](CKLFile& file) { return manager.Write(file); });
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(text));
    CManager cut;
    cut.SetSurname("Vogtland");
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(cut.FirstName().View(), "Egon");
    EXPECT_EQ(cut.Surname().View(), "Vogtland");
    EXPECT_EQ(cut.Nationality(), 0);
    EXPECT_THAT(cut.TrainingValues(), ElementsAre(0, 0, 0, 0));
    CManager next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, manager);
}

TEST(Referee, NamesAreCutTo15And19AndTheCharacterIsSigned) {
    CReferee referee;
    referee.SetNames("Pierangelo-Maximilian", "Colliander-Mustermann");
    EXPECT_EQ(referee.FirstName().View(), "Pierangelo-Maxi");
    EXPECT_EQ(referee.Surname().View(), "Colliander-Musterma");
    referee.SetCharacter(-2);
    ExpectRoundTrip(referee);
    referee.SetCharacter(CReferee::kNoCharacter);
    ExpectRoundTrip(referee);
    EXPECT_EQ(referee.ShortName(), "Colliander-Musterma, P.");
    referee.SetNames("", "Kremer");
    EXPECT_EQ(referee.ShortName(), "Kremer");
    referee.SetNames("Marius", "");
    EXPECT_EQ(referee.ShortName(), "Marius");

    // A missing section leaves a new referee's values.
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(JoinLines({"%INDEX%SPONSOR", "%INDEXEND%SPONSOR"})));
    CReferee missing;
    EXPECT_FALSE(missing.Read(file));
    EXPECT_EQ(missing, CReferee());
}

TEST(Sponsor, RoundTripsAndReadsAtMost28And31Characters) {
    CSponsor sponsor;
    sponsor.SetName("Brauerei Kickwerk");
    sponsor.SetAmount(-250000);
    sponsor.SetSecondText("Hauptsponsor");
    sponsor.SetThirdText("Trikot");
    ExpectRoundTrip(sponsor);

    const std::string longText(40, 'x');
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        JoinLines({"%INDEX%SPONSOR", longText, "5", longText, longText, "%INDEXEND%SPONSOR"})));
    CSponsor read;
    ASSERT_TRUE(read.Read(file));
    EXPECT_EQ(read.Name().View(), std::string(28, 'x'));
    EXPECT_EQ(read.SecondText().View(), std::string(31, 'x'));
    EXPECT_EQ(read.ThirdText().View(), std::string(31, 'x'));
    EXPECT_EQ(read.Amount(), 5);

    // What an editor stores survives a save and a load unchanged.
    sponsor.SetName(longText);
    sponsor.SetSecondText(longText);
    sponsor.SetThirdText(longText);
    EXPECT_EQ(sponsor.Name().View().size(), 28u);
    EXPECT_EQ(sponsor.SecondText().View().size(), 31u);
    ExpectRoundTrip(sponsor);
}

}  // namespace
}  // namespace kw
