#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "PersonsTestSupport.h"
#include "model/Player.h"

namespace kw {
namespace {

using test::JoinLines;
using test::Lines;
using test::WithoutSection;
using test::WriteRecord;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr std::uint32_t kClub1 = MakeClubId(5, 1);
constexpr std::uint32_t kClub2 = MakeClubId(5, 2);
constexpr std::uint32_t kClub7 = MakeClubId(5, 7);
constexpr std::uint32_t kNationalTeam7 = MakeClubId(7, kNationalTeamIndex);

// Every field of the PLAYER record with a value that differs from its default.
void FillEveryField(CPlayer& p) {
    p.SetSpecialFace(4711);
    p.SetSecondExternalNumber(-12);
    p.SetTeamFlag(-1);
    p.SetNationality(5);
    p.SetSecondNationality(14);
    p.SetOriginByte(0x81);
    p.SetFirstName("J\xFCrgen");
    p.SetSurname("M\374ller-L\374denscheidt");
    p.SetStageName("Kanone");
    p.SetNickname("Der Blitz");
    p.SetBirthDate(CDate::FromYmd(1978, 11, 23));
    p.SetFootAndForm(0xC0 | (2 << 3) | 3);
    p.SetStatusByte(17);
    const std::uint8_t positions[] = {17, 16, 0, 13, 14, 0};
    for (int slot = 0; slot < kPositionSlots; ++slot) {
        p.SetPosition(slot, positions[slot]);
    }
    for (int i = 0; i < kAbilityCount; ++i) {
        p.SetAbility(i, static_cast<std::uint8_t>(i * 7 % 100));
    }
    p.SetRoleCode(19);
    p.SetMorale(88);
    p.SetTacticalTraining(6);
    const std::uint8_t looks[] = {4, 3, 12, 6, 191, 84};
    for (int i = 0; i < kLookCount; ++i) {
        p.SetLook(i, looks[i]);
    }
    p.SetNationalExperience(5);
    p.SetInternationalExperience(3);
    p.SetShirtNumber(0, 9);
    p.SetShirtNumber(1, 21);
    p.SetCurrentClub(kClub1);
    p.SetPreviousClub(kNationalTeam7);
    p.SetClubSince(2004);
    p.SetContractUntil(2012);
    p.SetCareerCounter(0, 1000000);
    p.SetCareerCounter(1, -3);
    p.SetCareerCounter(2, 7);
    p.SetFurtherCounter(0, 2);
    p.SetFurtherCounter(1, 250);
    const std::uint8_t levels[] = {15, 7, 0, 3};
    const std::uint8_t languages[] = {9, 1, 2, 0};
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        p.SetLanguageLevel(slot, levels[slot]);
        p.SetLanguage(slot, languages[slot]);
    }
    p.SetFirstClub(kClub2 | kSecondTeamFlag);
    p.SetFourthClub(kClub1);
    p.SetContractValue(250000);
    const std::uint8_t contract[] = {1, 2, 3, 0x24};
    for (int i = 0; i < 4; ++i) {
        p.SetContractByte(i, contract[i]);
    }
    p.SetLoanClub(kClub2);
    p.SetContractStart(CDate::FromYmd(2007, 7, 1));
    p.SetContractEnd(CDate::FromYmd(2011, 6, 30));
    p.SetNationalTeamByte(0, 0x05);
    p.SetNationalTeamByte(1, 3);
    p.SetFurtherDate(0, CDate::FromYmd(2005, 8, 1));
    p.SetFurtherDate(1, CDate::FromYmd(2005, 9, 15));
    p.SetShoeType(4);
    p.SetSleeves(1);
    p.History() = {
        {1, 0, kClub1, CDate::FromYmd(1996, 7, 1), CDate::FromYmd(2000, 6, 30), 120, 33},
        {1, 1, kClub1, CDate::FromYmd(2000, 7, 1), CDate::FromYmd(2004, 6, 30), 90, 12},
        {2, 0, kNationalTeam7, CDate::FromYmd(1998, 1, 1), CDate(), 40, 5},
    };
    p.SetNote("Erste Zeile\r\nZweite Zeile");
    p.SetYouthFlag(1);
}

class PlayerRecord : public test::PersonsTest {
protected:
    CPlayer& Fresh() { return world.CreatePerson(0, true); }

    // Reads the records of the text one after another into fresh persons.
    // Reads `count` records, gated on `version` as a file of that version would be.
    std::vector<CPlayer*> ReadAll(const std::string& text, int count,
                                  std::uint32_t version = kDataVersion) {
        CKLFile file;
        EXPECT_TRUE(file.OpenForReadFromMemory(text));
        file.SetRecordVersion(version);
        std::vector<CPlayer*> persons;
        for (int i = 0; i < count; ++i) {
            CPlayer& person = Fresh();
            EXPECT_TRUE(person.Read(file)) << "record " << i;
            persons.push_back(&person);
        }
        return persons;
    }

    std::string Write(const CPlayer& person) {
        return WriteRecord([&](CKLFile& file) { return person.Write(file); });
    }
};

// --- creation and copying

TEST_F(PlayerRecord, NewPersonsCarryTheDefaultsAreNumberedByThePersonCountAndRoundTrip) {
    const CPlayer& first = world.CreatePerson(0, true);
    const CPlayer& second = world.CreatePerson(0, true);
    EXPECT_EQ(first.FirstName().View(), "Vorname 1");
    EXPECT_EQ(first.Surname().View(), "Nachname 1");
    EXPECT_EQ(second.FirstName().View(), "Vorname 2");
    EXPECT_EQ(second.Surname().View(), "Nachname 2");

    const CPlayer& p = first;
    EXPECT_EQ(p.Kind(), 0);
    EXPECT_EQ(p.Nationality(), 0);
    EXPECT_TRUE(p.StageName().Empty());
    EXPECT_EQ(p.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(p.FootAndForm(), 2);
    EXPECT_THAT(p.Abilities(), ::testing::Each(40));
    EXPECT_EQ(p.RoleCode(), 0);
    EXPECT_EQ(p.Morale(), 100);
    EXPECT_THAT(p.ShirtNumbers(), ElementsAre(10, 10));
    EXPECT_THAT(p.Positions(), ElementsAre(0, 0, 0, 0, 0, 0));
    EXPECT_THAT(p.Looks(), ElementsAre(2, 1, 5, 1, 180, 75));
    EXPECT_EQ(p.ClubSince(), 2005);
    EXPECT_EQ(p.ContractUntil(), 2006);
    EXPECT_THAT(p.ContractBytes(), ElementsAre(0, 2, 3, 0));
    EXPECT_EQ(p.ContractStart(), CDate::FromYmd(2005, 7, 1));
    EXPECT_EQ(p.ContractEnd(), CDate::FromYmd(2006, 6, 30));
    EXPECT_FALSE(p.FurtherDates()[0].IsSet());
    EXPECT_FALSE(p.FurtherDates()[1].IsSet());
    EXPECT_EQ(p.ShoeType(), 2);
    EXPECT_EQ(p.Sleeves(), 0);
    EXPECT_TRUE(p.History().empty());
    EXPECT_TRUE(p.Note().empty());

    // Round-tripped with its unset dates.
    const std::string written = Write(p);
    CPlayer& read = *ReadAll(written, 1)[0];
    EXPECT_TRUE(read.HasSameData(p));
    EXPECT_FALSE(read.FurtherDates()[1].IsSet());
    EXPECT_EQ(Write(read), written);
}

TEST_F(PlayerRecord, ResetTakesKindCountryAndTheCountrysFirstLanguage) {
    world.CreatePerson(0, true);
    CPlayer& p = world.CreatePerson(0, true);
    FillEveryField(p);
    p.Reset(4, 5);
    EXPECT_EQ(p.Kind(), 4);
    EXPECT_EQ(p.Nationality(), 5);
    EXPECT_THAT(p.Languages(), ElementsAre(9, 0, 0, 0));
    // Two persons are registered: the name numbers are count + 1.
    EXPECT_EQ(p.FirstName().View(), "Vorname 3");
    EXPECT_EQ(p.SpecialFace(), 0);
    EXPECT_TRUE(p.History().empty());
    EXPECT_TRUE(p.Note().empty());
}

TEST_F(PlayerRecord, CopyFromTakesEveryDataFieldButKeepsTheId) {
    CPlayer& source = Fresh();
    FillEveryField(source);
    source.SetExportClub(kClub2);
    source.SetExportByte(3);
    source.SetStaffByte(2, 6);
    CPlayer& copy = Fresh();
    copy.CopyFrom(source, -1);
    EXPECT_TRUE(copy.HasSameData(source));
    EXPECT_NE(copy.Id(), source.Id());
    EXPECT_EQ(copy.ExportClub(), kClub2);
    EXPECT_EQ(copy.History(), source.History());
}

// --- the PLAYER record

TEST_F(PlayerRecord, RoundTripsEveryFieldAndWritesTheSameBytesAgain) {
    CPlayer& source = Fresh();
    FillEveryField(source);
    const std::string written = Write(source);

    CPlayer& read = *ReadAll(written, 1)[0];
    EXPECT_TRUE(read.HasSameData(source));
    EXPECT_EQ(read.History(), source.History());
    EXPECT_EQ(read.Note(), "Erste Zeile\r\nZweite Zeile");
    EXPECT_EQ(Write(read), written);
}

TEST_F(PlayerRecord, WritesTheFieldsInRecordOrder) {
    CPlayer& p = Fresh();
    FillEveryField(p);
    std::vector<std::string> expected;
    const auto add = [&](auto... values) { (expected.push_back(std::string(values)), ...); };
    const auto date = [&](int d, int m, int y) {
        add("%INDEX%DATE", std::to_string(d), std::to_string(m), std::to_string(y),
            "%INDEXEND%DATE");
    };
    add("%INDEX%PLAYER", "J\xFCrgen", "M\xFCller-L\374denscheidt", "Kanone", "Der Blitz", "0", "-1",
        "5", "14", "129");
    date(23, 11, 1978);
    add("211", "17", "17", "16", "0", "13", "14", "0");
    for (int i = 0; i < kAbilityCount; ++i) {
        expected.push_back(std::to_string(i * 7 % 100));
    }
    add("19", "88", "6", "4", "3", "12", "6", "191", "84", "5", "3", "9", "21", "4711", "-12");
    // Current club 5:1 (running number 1), previous club the national team of country 7.
    add("5", "327681", "7", "524287", "2004", "2012", "1000000", "-3", "7", "2", "250");
    add("15", "7", "0", "3", "9", "1", "2", "0");
    // First club: 5:2 with the second-team flag; fourth club 5:1.
    add("5", "17104898", "5", "327681", "250000", "1", "2", "3", "36", "5", "327682");
    date(1, 7, 2007);
    date(30, 6, 2011);
    add("5", "3");
    date(1, 8, 2005);
    date(15, 9, 2005);
    add("4", "1", "%INDEX%HIST", "3");
    add("1", "5", "327681");
    date(1, 7, 1996);
    date(30, 6, 2000);
    add("120", "33", "0", "1", "5", "327681");
    date(1, 7, 2000);
    date(30, 6, 2004);
    add("90", "12", "1", "2", "7", "524287");
    date(1, 1, 1998);
    date(0, 0, 0);
    add("40", "5", "0", "%INDEXEND%HIST", "Erste Zeile\tZweite Zeile", "1", "%INDEXEND%PLAYER");

    EXPECT_THAT(Lines(Write(p)), ElementsAreArray(expected));
}

TEST_F(PlayerRecord, ClubReferencesGoThroughTheCompactNumbering) {
    CPlayer& p = Fresh();
    p.SetCurrentClub(kClub7);                  // third club of country 5
    p.SetPreviousClub(MakeClubId(5, 9));       // no such club
    p.SetFirstClub(kClub7 | kSecondTeamFlag);  // its second team
    p.SetLoanClub(MakeClubId(6, 1));           // no such club either
    const std::vector<std::string> lines = Lines(Write(p));
    const auto at = [&](std::size_t index) { return lines.at(index); };
    // Current and previous club follow the special face and second external number.
    EXPECT_EQ(at(81), "5");
    EXPECT_EQ(at(82), std::to_string(MakeClubId(5, 3)));
    EXPECT_EQ(at(83), "0");
    EXPECT_EQ(at(84), "0");
    EXPECT_EQ(at(100), "5");
    EXPECT_EQ(at(101), std::to_string(MakeClubId(5, 3) | kSecondTeamFlag));
    EXPECT_EQ(at(109), "0");
    EXPECT_EQ(at(110), "0");

    // Read back as stored: the running numbers are the indexes of the loaded database.
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_EQ(read.CurrentClub(), MakeClubId(5, 3));
    EXPECT_EQ(read.PreviousClub(), 0u);
    EXPECT_EQ(read.FirstClub(), MakeClubId(5, 3) | kSecondTeamFlag);
    EXPECT_EQ(read.LoanClub(), 0u);
}

TEST_F(PlayerRecord, ReadingCombinesCountryLineAndIdLineExceptForCurrentAndPreviousClub) {
    CPlayer& p = Fresh();
    std::vector<std::string> lines = Lines(Write(p));
    // Hand-made file whose id lines hold bare running numbers.
    lines.at(81) = "5";
    lines.at(82) = "2";
    lines.at(100) = "5";
    lines.at(101) = "2";
    lines.at(109) = "6";
    lines.at(110) = "4";
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_EQ(read.CurrentClub(), 2u);
    EXPECT_EQ(read.FirstClub(), MakeClubId(5, 2));
    EXPECT_EQ(read.LoanClub(), MakeClubId(6, 4));
}

TEST_F(PlayerRecord, NoteLinesTravelAsTabsAndComeBackAsCrLf) {
    CPlayer& p = Fresh();
    p.SetNote("eins\r\nzwei\ndrei");
    const std::string written = Write(p);
    EXPECT_NE(written.find("\r\neins\tzwei\tdrei\r\n"), std::string::npos);
    EXPECT_EQ(ReadAll(written, 1)[0]->Note(), "eins\r\nzwei\r\ndrei");
}

// Names lose blanks; foot 5 is no foot: the byte becomes foot 0 with value 3, bits 6 and 7
// kept; a second national-team byte sets bit 2 of the first.
TEST_F(PlayerRecord, ReadingCleansNamesAndMendsTheFootByteAndTheNationalTeamBit) {
    std::vector<std::string> lines = Lines(Write(Fresh()));
    lines.at(1) = "\xA0  Hans \t  Peter\xA0 ";
    lines.at(2) = "  van   der Berg";
    lines.at(15) = std::to_string(0x80 | (5 << 3) | 1);
    lines.at(121) = "1";
    lines.at(122) = "7";
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_EQ(read.FirstName().View(), "Hans Peter");
    EXPECT_EQ(read.Surname().View(), "van der Berg");
    EXPECT_EQ(read.FootAndForm(), 0x80 | 3);
    EXPECT_THAT(read.NationalTeamBytes(), ElementsAre(0x05, 7));

    lines.at(15) = std::to_string((1 << 3) | 6);  // value 6 is beyond 4
    EXPECT_EQ(ReadAll(JoinLines(lines), 1)[0]->FootAndForm(), 3);
}

// --- history

TEST_F(PlayerRecord, ConsecutiveStationsOfOneClubMergeWithSummedGamesAndGoals) {
    CPlayer& p = Fresh();
    const CDate d1 = CDate::FromYmd(1999, 7, 1);
    const CDate d2 = CDate::FromYmd(2000, 6, 30);
    const CDate d3 = CDate::FromYmd(2001, 6, 30);
    const CDate d4 = CDate::FromYmd(2002, 6, 30);
    p.History() = {
        {1, 0, kClub1, d1, d2, 30, 4},
        {1, 0, kClub1, d2, d3, 28, 6},                    // same kind, club, flag: merges
        {1, 0, kClub1 | kSecondTeamFlag, d3, d4, 10, 1},  // its second team is the same club
        {1, 2, kClub1, d4, d4, 5, 0},                     // flag set: a new station
        {1, 1, kClub1, d4, d4, 6, 1},                     // flag set again: merges
        {2, 1, kClub1, d4, d4, 7, 0},                     // another kind
        {2, 1, kClub2, d4, d4, 8, 0},                     // another club
    };
    const std::vector<SHistoryEntry> history = ReadAll(Write(p), 1)[0]->History();
    ASSERT_EQ(history.size(), 4u);
    EXPECT_EQ(history[0], (SHistoryEntry{1, 0, kClub1, d1, d4, 68, 11}));
    EXPECT_EQ(history[1], (SHistoryEntry{1, 2, kClub1, d4, d4, 11, 1}));
    EXPECT_EQ(history[2].club, kClub1);
    EXPECT_EQ(history[2].kind, 2);
    EXPECT_EQ(history[3].club, kClub2);

    // Merged games and goals stop at the largest 16-bit count.
    p.History() = {{1, 0, kClub1, CDate(), CDate(), 60000, 65000},
                   {1, 0, kClub1, CDate(), CDate(), 10000, 1000}};
    const std::vector<SHistoryEntry> merged = ReadAll(Write(p), 1)[0]->History();
    ASSERT_EQ(merged.size(), 1u);
    EXPECT_EQ(merged[0].games, 65535);
    EXPECT_EQ(merged[0].goals, 65535);
}

TEST_F(PlayerRecord, AHistoryCountBeyondTheEntriesStopsAtTheFirstMissingOne) {
    CPlayer& p = Fresh();
    p.History() = {{3, 0, kClub1, CDate(), CDate(), 1, 2}};
    p.SetYouthFlag(1);
    std::vector<std::string> lines = Lines(Write(p));
    const auto count = std::find(lines.begin(), lines.end(), "%INDEX%HIST") + 1;
    *count = "2000000000";
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    ASSERT_EQ(read.History().size(), 1u);
    EXPECT_EQ(read.History()[0].games, 1);
    EXPECT_EQ(read.YouthFlag(), 1);
}

// --- records of older versions

// An old-layout record (major below 8198) as the previous editor wrote it.
std::vector<std::string> OldRecord(int mainPosition) {
    std::vector<std::string> lines = {"%INDEX%PLAYER", "Hans", "M\xFCller", "", ""};
    const auto add = [&](auto... values) { (lines.push_back(std::string(values)), ...); };
    add("0", "0", "5", "0", "0", "%INDEX%DATE", "15", "3", "1975", "%INDEXEND%DATE");
    add(std::to_string((2 << 3) | 2), "0");  // old foot 2 is "right"; value 2
    add(std::to_string(mainPosition), "0", "0", "0", "0", "0");
    add("9", "9", "9", "9");  // the four dropped bytes
    for (int i = 0; i < 30; ++i) {
        lines.push_back(std::to_string(50 + i));
    }
    add("3");                                             // tactical training
    add("4", "99", "2", "7", "1", "185", "80");           // looks with the dropped byte
    add("3", "1", "9", "19", "1234");                     // experience, shirts, special face
    add("5", "327681", "0", "0", "2005", "2008");         // clubs, years
    add("1", "2", "3", "4", "5");                         // counters
    add("3", "2", "1", "0", "9", "1", "0", "0");          // languages
    add("0", "0", "0", "0", "1000", "0", "2", "3", "0");  // first, fourth club, contract
    add("0", "0");                                        // loan club
    const auto date = [&](const char* d, const char* m, const char* y) {
        add("%INDEX%DATE", d, m, y, "%INDEXEND%DATE");
    };
    date("1", "7", "2004");
    date("30", "6", "2008");
    add("0", "0");
    date("0", "0", "0");
    date("0", "0", "0");
    add("1", "0", "%INDEX%HIST", "2", "1", "5", "327681");
    date("1", "7", "1995");
    date("30", "6", "1999");
    add("100", "20", "0", "1", "5", "327681");
    date("1", "7", "1999");
    date("30", "6", "2003");
    add("50", "7", "0", "%INDEXEND%HIST", "Zeile 1\tZeile 2", "%INDEXEND%PLAYER");
    return lines;
}

TEST_F(PlayerRecord, OldRecordGetsMappedAndDerivedAbilitiesAndARoleFromItsPosition) {
    CPlayer& p =
        *ReadAll(JoinLines(OldRecord(position::kStriker)), 1, MakeRecordVersion(8197, 0xFFFF))[0];

    // Old values 50..77 at their new places; the rest derived. Leadership: 30 years old on
    // 1 July 2005 gives 30 + 3 * 10.
    const std::array<std::uint8_t, kAbilityCount> expected = {
        52, 53, 57, 58, 59, 64, 66, 67, 68, 69,  // 0..9
        50, 50, 60, 56, 65, 51, 60, 59, 54, 55,  // 10..19
        62, 63, 57, 51, 62, 61, 59, 66, 65, 66,  // 20..29
        62, 62, 75, 59, 60, 71, 75, 73, 72, 76,  // 30..39
        77, 70, 74};
    EXPECT_EQ(p.Abilities(), expected);
    EXPECT_THAT(p.RoleCode(), ::testing::AnyOf(14, 15, 16, 17, 18, 19, 20, 21));
    EXPECT_EQ(p.Morale(), 100);  // not in old records: the default stays
    EXPECT_EQ(p.Foot(), 1);
    EXPECT_EQ(p.FootAndForm() & 0x07, 2);
    EXPECT_THAT(p.Looks(), ElementsAre(4, 2, 7, 1, 185, 80));
    EXPECT_EQ(p.SpecialFace(), 1234);
    EXPECT_EQ(p.SecondExternalNumber(), 0);
    EXPECT_EQ(p.CurrentClub(), kClub1);
    EXPECT_EQ(p.ClubSince(), 2005);
    EXPECT_EQ(p.ContractValue(), 1000);
    EXPECT_THAT(p.ContractBytes(), ElementsAre(0, 2, 3, 0));
    EXPECT_EQ(p.ShoeType(), 1);
    ASSERT_EQ(p.History().size(), 1u);
    EXPECT_EQ(p.History()[0].games, 150);
    EXPECT_EQ(p.History()[0].until, CDate::FromYmd(2003, 6, 30));
    EXPECT_EQ(p.Note(), "Zeile 1\r\nZeile 2");
    EXPECT_EQ(p.YouthFlag(), 0);
}

TEST_F(PlayerRecord, OldRecordsDrawTheirRoleFromTheListOfTheirPosition) {
    const std::vector<std::set<int>> lists = {{1, 2, 4, 5},
                                              {1, 2, 3, 4, 5},
                                              {9, 10, 11, 12, 13},
                                              {6, 7, 9, 10, 11, 12, 5},
                                              {14, 15, 16, 17, 18, 20, 21, 19}};
    const int listOf[kLastPosition + 1] = {0, 0, 1, 1, 0, 0, 1, 1, 0, 3, 2, 2, 3, 4, 4, 3, 4, 4};
    for (int pos = 0; pos <= kLastPosition; ++pos) {
        const std::set<int>& allowed = lists[static_cast<std::size_t>(listOf[pos])];
        std::set<int> drawn;
        for (int i = 0; i < 60; ++i) {
            drawn.insert(ReadAll(JoinLines(OldRecord(pos)), 1, MakeRecordVersion(8197, 0xFFFF))[0]
                             ->RoleCode());
        }
        // Every code drawn is on the list and, over 60 draws, every code of the list appears.
        EXPECT_EQ(drawn, allowed) << "position " << pos;
    }
}

TEST_F(PlayerRecord, VersionGatesOfHistoryNoteAndYouthFlag) {
    CPlayer& source = Fresh();
    source.History() = {{1, 0, kClub1, CDate(), CDate(), 3, 1}};
    source.SetNote("Notiz");
    source.SetYouthFlag(1);
    const std::string written = Write(source);

    // 8198 reads everything (the current layout).
    CPlayer& current = *ReadAll(written, 1)[0];
    EXPECT_EQ(current.YouthFlag(), 1);
    EXPECT_EQ(current.History().size(), 1u);

    // Major 8195 knows neither history nor note: both keep what the person held. The old
    // layout of the abilities makes the rest meaningless here, only the gates matter.
    CPlayer& oldest = *ReadAll(written, 1, MakeRecordVersion(8195, 0xFFFF))[0];
    EXPECT_TRUE(oldest.History().empty());
    EXPECT_TRUE(oldest.Note().empty());
    EXPECT_EQ(oldest.YouthFlag(), 0);
}

// --- damaged records

TEST_F(PlayerRecord, ACutRecordReadsZerosKeepsItsTextsAndTheNextRecordStillReads) {
    CPlayer& next = Fresh();
    FillEveryField(next);
    const std::string text =
        JoinLines({"%INDEX%PLAYER", "Karl", "Kurz", "%INDEXEND%PLAYER"}) + Write(next);

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(text));
    CPlayer& cut = Fresh();
    cut.SetStageName("Alt");
    cut.SetNote("bleibt");
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(cut.FirstName().View(), "Karl");
    EXPECT_EQ(cut.Surname().View(), "Kurz");
    EXPECT_EQ(cut.StageName().View(), "Alt");
    EXPECT_EQ(cut.Note(), "bleibt");
    EXPECT_EQ(cut.Nationality(), 0);
    EXPECT_EQ(cut.FootAndForm(), 0);
    EXPECT_EQ(cut.Morale(), 0);
    EXPECT_EQ(cut.Ability(0), 0);
    EXPECT_EQ(cut.Ability(42), 0);
    EXPECT_THAT(cut.ShirtNumbers(), ElementsAre(0, 0));
    EXPECT_THAT(cut.Looks(), ElementsAre(0, 0, 0, 0, 0, 0));
    EXPECT_THAT(cut.ContractBytes(), ElementsAre(0, 0, 0, 0));
    EXPECT_EQ(cut.ClubSince(), 0);
    EXPECT_FALSE(cut.FurtherDates()[0].IsSet());
    // The clamping date reader's value for a missing section.
    EXPECT_EQ(cut.BirthDate(), CDate::FromYmd(2000, 1, 1));

    CPlayer& after = Fresh();
    ASSERT_TRUE(after.Read(file));
    EXPECT_TRUE(after.HasSameData(next));

    // Normalisation then corrects what reading could not: never reported, just mended.
    cut.Normalise(5);
    EXPECT_EQ(cut.Nationality(), 5);
    EXPECT_EQ(cut.MainPosition(), 1);
    EXPECT_GE(cut.ShirtNumbers()[0], 2);
    EXPECT_EQ(cut.Looks()[look::kHeight], 180);
    EXPECT_EQ(cut.ClubSince(), 1980);
    EXPECT_EQ(cut.ContractUntil(), 2006);
}

TEST_F(PlayerRecord, AMissingHistorySectionLeavesTheHistoryAndTheRestStillReads) {
    CPlayer& source = Fresh();
    FillEveryField(source);
    const std::string text = WithoutSection(Write(source), "HIST") + Write(source);
    const std::vector<CPlayer*> read = ReadAll(text, 2);
    EXPECT_TRUE(read[0]->History().empty());
    EXPECT_EQ(read[0]->Note(), source.Note());
    EXPECT_EQ(read[0]->YouthFlag(), 1);
    EXPECT_EQ(read[0]->ShoeType(), 4);
    EXPECT_TRUE(read[1]->HasSameData(source));
}

TEST_F(PlayerRecord, AMissingLastDateReadsAsNoDateAndTheFollowingNumbersStillRead) {
    const auto withoutDate = [](std::string text, const std::string& date) {
        const std::size_t at = text.find("%INDEX%DATE\r\n" + date);
        EXPECT_NE(at, std::string::npos) << date;
        return text.erase(at, text.find("%INDEXEND%DATE\r\n", at) + 16 - at);
    };
    CPlayer& source = Fresh();
    FillEveryField(source);
    source.History().resize(1);
    // Drop the history entry's "until" date: its games, goals and flag must still read.
    const std::string text = withoutDate(Write(source), "30\r\n6\r\n2000\r\n");
    CPlayer& read = *ReadAll(text + Write(source), 2)[0];
    ASSERT_EQ(read.History().size(), 1u);
    EXPECT_FALSE(read.History()[0].until.IsSet());
    EXPECT_EQ(read.History()[0].games, 120);
    EXPECT_EQ(read.History()[0].goals, 33);
    EXPECT_EQ(read.Note(), source.Note());

    // The second further date, when no history entry follows it.
    source.History().clear();
    const std::string second = withoutDate(Write(source), "15\r\n9\r\n2005\r\n");
    const std::vector<CPlayer*> both = ReadAll(second + Write(source), 2);
    EXPECT_FALSE(both[0]->FurtherDates()[1].IsSet());
    EXPECT_EQ(both[0]->ShoeType(), 4);
    EXPECT_EQ(both[0]->Sleeves(), 1);
    EXPECT_TRUE(both[1]->HasSameData(source));
}

TEST_F(PlayerRecord, AMissingSectionLeavesThePersonAsItWas) {
    CPlayer& p = Fresh();
    FillEveryField(p);
    CPlayer& before = Fresh();
    before.CopyFrom(p);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(JoinLines({"%INDEX%OTHER", "1", "%INDEXEND%OTHER"})));
    EXPECT_FALSE(p.Read(file));
    EXPECT_TRUE(p.HasSameData(before));
}

TEST_F(PlayerRecord, OnlyKnownNamesOfPositionsFeetAndAbilities) {
    EXPECT_EQ(PositionCode(1), "GK");
    EXPECT_EQ(PositionCode(8), "ANC");
    EXPECT_EQ(PositionCode(17), "ST");
    EXPECT_EQ(PositionCode(0), "");
    EXPECT_EQ(PositionCode(18), "");
    EXPECT_EQ(FootName(2), "left");
    EXPECT_EQ(FootName(3), "");
    EXPECT_EQ(AbilityLabel(7), "Freist\xF6\337e");
    EXPECT_EQ(AbilityLabel(34), "F\xFChrungsqualit\xE4ten");
    EXPECT_EQ(AbilityLabel(39), "Stellungsspiel");
    EXPECT_EQ(AbilityLabel(43), "");
}

}  // namespace
}  // namespace kw
