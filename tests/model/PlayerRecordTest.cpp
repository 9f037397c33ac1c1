#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "DemoInstallation.h"
#include "KLText.h"
#include "TestWorld.h"
#include "model/Date.h"
#include "model/Manager.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/PlayerSummaryValues.h"
#include "model/Referee.h"
#include "model/Sponsor.h"
#include "model/StaffEntry.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw {
namespace {

// Removes the first section with that tag whose values begin with `values` (start line to end
// line) from a written text.
std::string WithoutSection(std::string text, std::string_view tag, std::string_view values = "") {
    const std::string start = "%INDEX%" + std::string(tag) + "\r\n" + std::string(values);
    const std::string end = "%INDEXEND%" + std::string(tag) + "\r\n";
    const std::size_t from = text.find(start);
    const std::size_t to = text.find(end, from);
    EXPECT_NE(from, std::string::npos);
    EXPECT_NE(to, std::string::npos);
    if (from != std::string::npos && to != std::string::npos) {
        text.erase(from, to + end.size() - from);
    }
    return text;
}

// The database of TestWorld with clubs 5:1 and 5:2 (so their compact numbers equal their
// indexes) and 5:7 (written as 3).
class PersonsTest : public test::TestWorld {
protected:
    PersonsTest() {
        world.Country(5).SetAttributes(9, 0, 0);
        world.Country(5).AddClub(1);
        world.Country(5).AddClub(2);
        world.Country(5).AddClub(7);
        world.Country(5).RebuildNumbering();
    }
};

using test::JoinLines;
using test::Lines;
using test::WriteRecord;
using ::testing::AllOf;
using ::testing::DoubleEq;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::Ge;
using ::testing::Le;

constexpr std::uint32_t kPlayerClub1 = MakeClubId(5, 1);
constexpr std::uint32_t kPlayerClub2 = MakeClubId(5, 2);
constexpr std::uint32_t kPlayerClub7 = MakeClubId(5, 7);
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
    p.SetCurrentClub(kPlayerClub1);
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
    p.SetFirstClub(kPlayerClub2 | kSecondTeamFlag);
    p.SetFourthClub(kPlayerClub1);
    p.SetContractValue(250000);
    const std::uint8_t contract[] = {1, 2, 3, 0x24};
    for (int i = 0; i < 4; ++i) {
        p.SetContractByte(i, contract[i]);
    }
    p.SetLoanClub(kPlayerClub2);
    p.SetContractStart(CDate::FromYmd(2007, 7, 1));
    p.SetContractEnd(CDate::FromYmd(2011, 6, 30));
    p.SetNationalTeamByte(0, 0x05);
    p.SetNationalTeamByte(1, 3);
    p.SetFurtherDate(0, CDate::FromYmd(2005, 8, 1));
    p.SetFurtherDate(1, CDate::FromYmd(2005, 9, 15));
    p.SetShoeType(4);
    p.SetSleeves(1);
    p.History() = {
        {1, 0, kPlayerClub1, CDate::FromYmd(1996, 7, 1), CDate::FromYmd(2000, 6, 30), 120, 33},
        {1, 1, kPlayerClub1, CDate::FromYmd(2000, 7, 1), CDate::FromYmd(2004, 6, 30), 90, 12},
        {2, 0, kNationalTeam7, CDate::FromYmd(1998, 1, 1), CDate(), 40, 5},
    };
    p.SetNote("Erste Zeile\r\nZweite Zeile");
    p.SetYouthFlag(1);
}

class PlayerRecord : public PersonsTest {
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

// --- creation and copying

TEST_F(PlayerRecord, NewPersonsCarryTheDefaultsRoundTripAndAreCopiedAndReset) {
    const CPlayer& p = world.CreatePerson(0, true);
    const CPlayer& second = world.CreatePerson(0, true);
    EXPECT_EQ(std::string(p.FirstName().View()) + "/" + std::string(second.Surname().View()),
              "Vorname 1/Nachname 2");
    // Kind, nationality, foot and form, role, morale, years, shoes and sleeves.
    EXPECT_EQ(std::tuple(p.Kind(), p.Nationality(), p.FootAndForm(), p.RoleCode(), p.Morale(),
                         p.ClubSince(), p.ContractUntil(), p.ShoeType(), p.Sleeves()),
              std::tuple(0, 0, 2, 0, 100, 2005, 2006, 2, 0));
    EXPECT_EQ(std::tuple(p.BirthDate(), p.ContractStart(), p.ContractEnd()),
              std::tuple(CDate::FromYmd(1980, 1, 1), CDate::FromYmd(2005, 7, 1),
                         CDate::FromYmd(2006, 6, 30)));
    EXPECT_FALSE(p.FurtherDates()[0].IsSet() || p.FurtherDates()[1].IsSet());
    EXPECT_THAT(p.Abilities(), Each(40));
    EXPECT_THAT(p.ShirtNumbers(), ElementsAre(10, 10));
    EXPECT_THAT(p.Positions(), Each(0));
    EXPECT_THAT(p.Looks(), ElementsAre(2, 1, 5, 1, 180, 75));
    EXPECT_THAT(p.ContractBytes(), ElementsAre(0, 2, 3, 0));
    EXPECT_TRUE(p.StageName().Empty() && p.History().empty() && p.Note().empty());

    // Round-tripped with its unset dates.
    const std::string written = Write(p);
    CPlayer& read = *ReadAll(written, 1)[0];
    EXPECT_TRUE(read.HasSameData(p));
    EXPECT_FALSE(read.FurtherDates()[1].IsSet());
    EXPECT_EQ(Write(read), written);

    // CopyFrom takes every data field but keeps the id.
    CPlayer& source = Fresh();
    FillEveryField(source);
    source.SetExportClub(kPlayerClub2);
    source.SetExportByte(3);
    source.SetStaffByte(2, 6);
    CPlayer& copy = Fresh();
    copy.CopyFrom(source, -1);
    EXPECT_TRUE(copy.HasSameData(source));
    EXPECT_NE(copy.Id(), source.Id());
    EXPECT_EQ(copy.ExportClub(), kPlayerClub2);
    EXPECT_EQ(copy.History(), source.History());

    // Reset takes kind, country and the country's first language; five persons are registered:
    // the name numbers are count + 1.
    copy.Reset(4, 5);
    EXPECT_EQ(
        std::tuple(copy.Kind(), copy.Nationality(), copy.FirstName().View(), copy.SpecialFace()),
        std::tuple(4, 5, "Vorname 6", 0));
    EXPECT_THAT(copy.Languages(), ElementsAre(9, 0, 0, 0));
    EXPECT_TRUE(copy.History().empty() && copy.Note().empty());
}

// --- the PLAYER record

TEST_F(PlayerRecord, WritesTheFieldsInRecordOrderAndRoundTripsEveryOne) {
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

    const std::string written = Write(p);
    EXPECT_THAT(Lines(written), ElementsAreArray(expected));

    CPlayer& read = *ReadAll(written, 1)[0];
    EXPECT_TRUE(read.HasSameData(p));
    EXPECT_EQ(read.History(), p.History());
    EXPECT_EQ(read.Note(), "Erste Zeile\r\nZweite Zeile");
    EXPECT_EQ(Write(read), written);
}

// Note lines travel as tabs and come back as CR LF.
TEST_F(PlayerRecord, ClubReferencesNoteNamesFootAndNationalTeamBytesAreReadAndMended) {
    CPlayer& p = Fresh();
    p.SetNote("eins\r\nzwei\ndrei");
    p.SetCurrentClub(kPlayerClub7);                  // third club of country 5
    p.SetPreviousClub(MakeClubId(5, 9));             // no such club
    p.SetFirstClub(kPlayerClub7 | kSecondTeamFlag);  // its second team
    p.SetLoanClub(MakeClubId(6, 1));                 // no such club either
    const std::string written = Write(p);
    EXPECT_NE(written.find("\r\neins\tzwei\tdrei\r\n"), std::string::npos);
    std::vector<std::string> lines = Lines(written);
    // Current and previous club follow the special face and second external number; first club
    // at 100, loan club at 109.
    std::vector<std::string> clubLines;
    for (std::size_t index : {81, 82, 83, 84, 100, 101, 109, 110}) {
        clubLines.push_back(lines.at(index));
    }
    EXPECT_EQ(clubLines, (std::vector<std::string>{
                             "5", std::to_string(MakeClubId(5, 3)), "0", "0", "5",
                             std::to_string(MakeClubId(5, 3) | kSecondTeamFlag), "0", "0"}));

    // Read back as stored: the running numbers are the indexes of the loaded database.
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_THAT(
        (std::vector{read.CurrentClub(), read.PreviousClub(), read.FirstClub(), read.LoanClub()}),
        ElementsAre(MakeClubId(5, 3), 0u, MakeClubId(5, 3) | kSecondTeamFlag, 0u));
    EXPECT_EQ(read.Note(), "eins\r\nzwei\r\ndrei");

    // A hand-made file whose id lines hold bare running numbers: the country line and the id
    // line combine, except for the current and previous club.
    lines.at(81) = "5";
    lines.at(82) = "2";
    lines.at(100) = "5";
    lines.at(101) = "2";
    lines.at(109) = "6";
    lines.at(110) = "4";
    CPlayer& bare = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_THAT((std::vector{bare.CurrentClub(), bare.FirstClub(), bare.LoanClub()}),
                ElementsAre(2u, MakeClubId(5, 2), MakeClubId(6, 4)));

    // Names lose blanks; foot 5 is no foot: the byte becomes foot 0 with value 3, bits 6 and 7
    // kept; a second national-team byte sets bit 2 of the first.
    lines.at(1) = "\xA0  Hans \t  Peter\xA0 ";
    lines.at(2) = "  van   der Berg";
    lines.at(15) = std::to_string(0x80 | (5 << 3) | 1);
    lines.at(121) = "1";
    lines.at(122) = "7";
    CPlayer& cleaned = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_EQ(std::tuple(cleaned.FirstName().View(), cleaned.Surname().View()),
              std::tuple("Hans Peter", "van der Berg"));
    EXPECT_EQ(cleaned.FootAndForm(), 0x80 | 3);
    EXPECT_THAT(cleaned.NationalTeamBytes(), ElementsAre(0x05, 7));

    lines.at(15) = std::to_string((1 << 3) | 6);  // value 6 is beyond 4
    EXPECT_EQ(ReadAll(JoinLines(lines), 1)[0]->FootAndForm(), 3);
    // Only known positions and feet have names.
    EXPECT_EQ((std::vector<std::string_view>{PositionCode(1), PositionCode(17), PositionCode(0),
                                             PositionCode(18), FootName(2), FootName(3)}),
              (std::vector<std::string_view>{"GK", "ST", "", "", "left", ""}));
}

// --- history

TEST_F(PlayerRecord, ConsecutiveStationsOfOneClubMergeAndACountBeyondTheEntriesStops) {
    CPlayer& p = Fresh();
    const CDate d1 = CDate::FromYmd(1999, 7, 1);
    const CDate d2 = CDate::FromYmd(2000, 6, 30);
    const CDate d3 = CDate::FromYmd(2001, 6, 30);
    const CDate d4 = CDate::FromYmd(2002, 6, 30);
    p.History() = {
        {1, 0, kPlayerClub1, d1, d2, 30, 4},
        {1, 0, kPlayerClub1, d2, d3, 28, 6},                    // same kind, club, flag: merges
        {1, 0, kPlayerClub1 | kSecondTeamFlag, d3, d4, 10, 1},  // its second team is the same club
        {1, 2, kPlayerClub1, d4, d4, 5, 0},                     // flag set: a new station
        {1, 1, kPlayerClub1, d4, d4, 6, 1},                     // flag set again: merges
        {2, 1, kPlayerClub1, d4, d4, 7, 0},                     // another kind
        {2, 1, kPlayerClub2, d4, d4, 8, 0},                     // another club
    };
    const std::vector<SHistoryEntry> history = ReadAll(Write(p), 1)[0]->History();
    EXPECT_THAT(history, ElementsAre(SHistoryEntry{1, 0, kPlayerClub1, d1, d4, 68, 11},
                                     SHistoryEntry{1, 2, kPlayerClub1, d4, d4, 11, 1},
                                     SHistoryEntry{2, 1, kPlayerClub1, d4, d4, 7, 0},
                                     SHistoryEntry{2, 1, kPlayerClub2, d4, d4, 8, 0}));

    // Merged games and goals stop at the largest 16-bit count.
    p.History() = {{1, 0, kPlayerClub1, CDate(), CDate(), 60000, 65000},
                   {1, 0, kPlayerClub1, CDate(), CDate(), 10000, 1000}};
    const std::vector<SHistoryEntry> merged = ReadAll(Write(p), 1)[0]->History();
    EXPECT_THAT(merged,
                ElementsAre(SHistoryEntry{1, 0, kPlayerClub1, CDate(), CDate(), 65535, 65535}));

    // A count beyond the entries stops at the first missing one.
    p.History() = {{3, 0, kPlayerClub1, CDate(), CDate(), 1, 2}};
    p.SetYouthFlag(1);
    std::vector<std::string> lines = Lines(Write(p));
    const auto count = std::find(lines.begin(), lines.end(), "%INDEX%HIST") + 1;
    *count = "2000000000";
    CPlayer& read = *ReadAll(JoinLines(lines), 1)[0];
    EXPECT_EQ(read.History(), p.History());
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

// Then the version gates of history, note and youth flag.
TEST_F(PlayerRecord, OldRecordsGetMappedAndDerivedAbilitiesARoleAndSkipWhatTheyLack) {
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
    // Morale is not in old records: the default stays.
    EXPECT_EQ(std::tuple(p.Morale(), p.Foot(), p.FootAndForm() & 0x07, p.SpecialFace(),
                         p.SecondExternalNumber(), p.CurrentClub(), p.ClubSince(),
                         p.ContractValue(), p.ShoeType(), p.Note(), p.YouthFlag()),
              std::tuple(100, 1, 2, 1234, 0, kPlayerClub1, 2005, 1000, 1, "Zeile 1\r\nZeile 2", 0));
    EXPECT_THAT(p.Looks(), ElementsAre(4, 2, 7, 1, 185, 80));
    EXPECT_THAT(p.ContractBytes(), ElementsAre(0, 2, 3, 0));
    EXPECT_THAT(p.History(),
                ElementsAre(SHistoryEntry{1, 0, kPlayerClub1, CDate::FromYmd(1995, 7, 1),
                                          CDate::FromYmd(2003, 6, 30), 150, 27}));

    // Old records draw their role from the list of their position.
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

    CPlayer& source = Fresh();
    source.History() = {{1, 0, kPlayerClub1, CDate(), CDate(), 3, 1}};
    source.SetNote("Notiz");
    source.SetYouthFlag(1);
    const std::string written = Write(source);

    // The current layout reads them all (the round trip of every field shows it). Major 8195 knows
    // neither history nor note: both keep what the person held. The old layout of the abilities
    // makes the rest meaningless here, only the gates matter.
    CPlayer& oldest = *ReadAll(written, 1, MakeRecordVersion(8195, 0xFFFF))[0];
    EXPECT_TRUE(oldest.History().empty());
    EXPECT_TRUE(oldest.Note().empty());
    EXPECT_EQ(oldest.YouthFlag(), 0);
}

// --- damaged records

TEST_F(PlayerRecord, ACutRecordOrAMissingSectionLeavesTheFollowingValuesReadable) {
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
    EXPECT_EQ(std::tuple(std::string(cut.FirstName().View()), std::string(cut.Surname().View()),
                         std::string(cut.StageName().View()), cut.Note()),
              std::tuple("Karl", "Kurz", "Alt", "bleibt"));
    EXPECT_EQ(std::tuple(cut.Nationality(), cut.FootAndForm(), cut.Morale(), cut.ClubSince()),
              std::tuple(0, 0, 0, 0));
    EXPECT_THAT(cut.Abilities(), Each(0));
    EXPECT_THAT(cut.ShirtNumbers(), Each(0));
    EXPECT_THAT(cut.Looks(), Each(0));
    EXPECT_THAT(cut.ContractBytes(), Each(0));
    EXPECT_FALSE(cut.FurtherDates()[0].IsSet());
    // The clamping date reader's value for a missing section.
    EXPECT_EQ(cut.BirthDate(), CDate::FromYmd(2000, 1, 1));

    CPlayer& after = Fresh();
    ASSERT_TRUE(after.Read(file));
    EXPECT_TRUE(after.HasSameData(next));
    // No section left: the person stays as it was.
    EXPECT_FALSE(after.Read(file));
    EXPECT_TRUE(after.HasSameData(next));

    // Normalisation then corrects what reading could not: never reported, just mended.
    cut.Normalise(5);
    EXPECT_EQ(cut.Nationality(), 5);
    EXPECT_EQ(cut.MainPosition(), 1);
    EXPECT_GE(cut.ShirtNumbers()[0], 2);
    EXPECT_EQ(std::tuple(cut.Looks()[look::kHeight], cut.ClubSince(), cut.ContractUntil()),
              std::tuple(180, 1980, 2006));

    // A missing history leaves the history; a missing last date reads as no date. The numbers
    // after them and the next record still read.
    CPlayer& source = next;
    const std::vector<CPlayer*> noHistory =
        ReadAll(WithoutSection(Write(source), "HIST") + Write(source), 2);
    EXPECT_TRUE(noHistory[0]->History().empty());
    EXPECT_EQ(std::tuple(noHistory[0]->Note(), noHistory[0]->YouthFlag(), noHistory[0]->ShoeType()),
              std::tuple(source.Note(), 1, 4));
    EXPECT_TRUE(noHistory[1]->HasSameData(source));

    // Drop the history entry's "until" date: its games, goals and flag must still read.
    source.History().resize(1);
    const std::string noUntil = WithoutSection(Write(source), "DATE", "30\r\n6\r\n2000\r\n");
    CPlayer& read = *ReadAll(noUntil + Write(source), 2)[0];
    ASSERT_EQ(read.History().size(), 1u);
    EXPECT_FALSE(read.History()[0].until.IsSet());
    EXPECT_EQ(std::tuple(read.History()[0].games, read.History()[0].goals, read.Note()),
              std::tuple(120, 33, source.Note()));

    // The second further date, when no history entry follows it.
    source.History().clear();
    const std::string second = WithoutSection(Write(source), "DATE", "15\r\n9\r\n2005\r\n");
    const std::vector<CPlayer*> both = ReadAll(second + Write(source), 2);
    EXPECT_FALSE(both[0]->FurtherDates()[1].IsSet());
    EXPECT_EQ(both[0]->ShoeType(), 4);
    EXPECT_EQ(both[0]->Sleeves(), 1);
    EXPECT_TRUE(both[1]->HasSameData(source));
}

class PlayerNormalise : public PersonsTest {
protected:
    PlayerNormalise() : p(world.CreatePerson(0, true)) { p.SetPosition(0, 4); }

    void SetPositions(std::array<std::uint8_t, kPositionSlots> codes) {
        for (int slot = 0; slot < kPositionSlots; ++slot) {
            p.SetPosition(slot, codes[static_cast<std::size_t>(slot)]);
        }
    }
    std::uint8_t Options() const { return p.ContractBytes()[3]; }

    CPlayer& p;
};

TEST_F(PlayerNormalise, ShirtNumbersNationalityClubYearsAndContractOptionsAreMended) {
    bool sawLow = false;
    bool sawHigh = false;
    for (int i = 0; i < 500; ++i) {
        p.SetShirtNumber(0, 0);
        p.SetShirtNumber(1, 150);
        p.Normalise(5);
        const int drawn = p.ShirtNumbers()[0];
        ASSERT_GE(drawn, 2);
        ASSERT_LE(drawn, 46);
        sawLow |= drawn < 10;
        sawHigh |= drawn > 40;
        EXPECT_EQ(p.ShirtNumbers()[1], 99);
    }
    EXPECT_TRUE(sawLow && sawHigh);

    // An invalid nationality becomes the club's country.
    for (const auto& [given, clubCountry, kept] :
         {std::tuple(0, 5, 5), {207, 6, 6}, {206, 5, 206}}) {
        p.SetNationality(static_cast<std::uint8_t>(given));
        p.Normalise(clubCountry);
        EXPECT_EQ(p.Nationality(), kept) << given;
    }

    // Club years are measured against the game's year 2006, whatever the clock says.
    const auto years = [&](std::uint16_t since, std::uint16_t until) {
        p.SetClubSince(since);
        p.SetContractUntil(until);
        p.Normalise(5);
        return std::pair<int, int>(p.ClubSince(), p.ContractUntil());
    };
    EXPECT_EQ(years(2000, 2012), std::pair(2000, 2012));
    EXPECT_EQ(years(2007, 2005), std::pair(1980, 2006));
    EXPECT_EQ(years(1979, 2020), std::pair(1980, 2015));
    for (int until = 2006; until <= 2010; ++until) {
        EXPECT_EQ(years(2006, until), std::pair(2006, until));
    }

    // Only one contract option survives, in its order of precedence.
    const auto normalised = [&](std::uint8_t options) {
        p.SetContractByte(3, options);
        p.Normalise(5);
        return Options();
    };
    // Bits 0, 1, 6 and 7 are no options and stay.
    EXPECT_EQ(normalised(0xC3 | 0x20 | 0x08), 0xC3 | 0x20);
    EXPECT_EQ(normalised(0x08 | 0x04 | 0x10), 0x08);
    EXPECT_EQ(normalised(0x10), 0x10);
    // Bit 2 wins over bit 4 but holds only with a running national-team period: here none.
    EXPECT_EQ(normalised(0x04 | 0x10), 0x00);
    EXPECT_EQ(normalised(0x04), 0x00);

    // The national-team option holds while its second date is after 10 July 2005.
    const auto withPeriod = [&](std::uint8_t options, CDate until, std::uint8_t period) {
        p.SetNationalTeamByte(1, period);
        p.SetFurtherDate(1, until);
        return normalised(options);
    };
    const CDate eleventh = CDate::FromYmd(2005, 7, 11);
    EXPECT_EQ(withPeriod(0x04, eleventh, 2), 0x04);
    // Set again from the national-team data even when it was not set, beside a kept option.
    EXPECT_EQ(withPeriod(0x00, eleventh, 2), 0x04);
    EXPECT_EQ(withPeriod(0x20, eleventh, 2), 0x24);
    EXPECT_EQ(withPeriod(0x04, CDate::FromYmd(2005, 7, 10), 2), 0x00);
    EXPECT_EQ(withPeriod(0x04, CDate::FromYmd(2006, 1, 1), 0), 0x00);
}

// A valid person is left alone; then every field out of range, then each at the edge of its range
// or otherwise valid.
TEST_F(PlayerNormalise, FieldsAreBroughtIntoRangeAndValidOnesKept) {
    p.SetShirtNumber(0, 7);
    p.SetNationality(5);
    p.SetCurrentClub(MakeClubId(5, 1));
    p.SetNickname("Blitz");
    SetPositions({17, 16, 0, 13, 0, 0});
    CPlayer& before = world.CreatePerson(0, true);
    before.CopyFrom(p);
    p.Normalise(5);
    EXPECT_TRUE(p.HasSameData(before));

    p.SetNickname("?Unbekannt");
    p.SetAbility(0, 150);
    p.SetAbility(42, 100);
    p.SetAbility(20, 99);
    p.SetShoeType(9);
    p.SetLook(look::kHeight, 99);
    p.SetLook(look::kWeight, 39);
    p.SetNationalExperience(-1);
    p.SetInternationalExperience(5);
    p.SetLanguageLevel(0, 16);
    p.SetLanguageLevel(3, 255);
    p.SetLanguageLevel(1, 15);
    p.SetCurrentClub(MakeClubId(5, 9));
    p.SetPreviousClub(MakeClubId(0, 1));
    p.SetFirstClub(MakeClubId(5, 9));  // not checked
    p.Normalise(5);
    EXPECT_EQ(std::tuple(p.Nickname().View(), p.Ability(0), p.Ability(42), p.Ability(20),
                         p.ShoeType(), p.Looks()[look::kHeight], p.Looks()[look::kWeight]),
              std::tuple("", 99, 99, 99, 5, 180, 75));
    EXPECT_EQ(std::tuple(p.NationalExperience(), p.InternationalExperience(), p.CurrentClub(),
                         p.PreviousClub(), p.FirstClub()),
              std::tuple(0, 4, 0u, 0u, MakeClubId(5, 9)));
    EXPECT_THAT(p.LanguageLevels(), ElementsAre(15, 15, 0, 15));

    p.SetNickname("Der ?");
    p.SetLook(look::kHeight, 100);
    p.SetLook(look::kWeight, 40);
    p.SetNationalExperience(9);
    p.SetInternationalExperience(-3);
    p.SetCurrentClub(MakeClubId(5, 2) | kSecondTeamFlag);
    p.SetPreviousClub(MakeClubId(7, kNationalTeamIndex));
    p.Normalise(5);
    EXPECT_EQ(std::tuple(p.Nickname().View(), p.Looks()[look::kHeight], p.Looks()[look::kWeight],
                         p.NationalExperience(), p.InternationalExperience(), p.CurrentClub(),
                         p.PreviousClub()),
              std::tuple("Der ?", 100, 40, 6, 0, MakeClubId(5, 2) | kSecondTeamFlag,
                         MakeClubId(7, kNationalTeamIndex)));

    // Positions are clamped; a second main position equal to the first is cleared, a secondary
    // equal to a main stays.
    const auto positions = [&](std::array<std::uint8_t, kPositionSlots> codes) {
        SetPositions(codes);
        p.Normalise(5);
        return p.Positions();
    };
    EXPECT_THAT(positions({0, 30, 0, 5, 5, 200}), ElementsAre(1, 17, 0, 5, 0, 17));
    EXPECT_THAT(positions({4, 4, 4, 4, 9, 9}), ElementsAre(4, 0, 0, 4, 9, 0));
    EXPECT_THAT(positions({17, 3, 17, 12, 13, 12}), ElementsAre(17, 3, 0, 12, 13, 0));
}

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

TEST_F(PlayerRecord, StaffRecordWritesItsFieldsInOrderRoundTripsAndIsReadMended) {
    const CPlayer& trainer = Trainer();
    const std::string written = WriteStaff(trainer);
    EXPECT_THAT(Lines(written),
                ElementsAre("%INDEX%STAFF", "Ewald", "Kleinhold", "1", "%INDEX%DATE", "17", "3",
                            "1941", "%INDEXEND%DATE", "5", "4", "3", "15", "8", "0", "0", "9", "12",
                            "0", "0", "7", "5", "2", "%INDEXEND%STAFF"));
    CPlayer& read = ReadStaff(written);
    EXPECT_TRUE(read.HasSameData(trainer));
    EXPECT_EQ(WriteStaff(read), written);

    // A cut record keeps its names and the next one reads.
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(JoinLines({"%INDEX%STAFF", "Hans", "%INDEXEND%STAFF"}) +
                                           written));
    CPlayer& cut = world.CreatePerson(0, true);
    cut.SetSurname("Alt");
    ASSERT_TRUE(cut.ReadStaff(file));
    EXPECT_EQ(
        std::tuple(cut.FirstName().View(), cut.Surname().View(), cut.Kind(), cut.Nationality()),
        std::tuple("Hans", "Alt", 0, 0));
    EXPECT_THAT(cut.Languages(), ElementsAre(0, 0, 0, 0));
    EXPECT_THAT(cut.ContractBytes(), ElementsAre(0, 0, 3, 0));  // bytes 3 and 4 are not read
    CPlayer& next = world.CreatePerson(0, true);
    ASSERT_TRUE(next.ReadStaff(file));
    EXPECT_TRUE(next.HasSameData(trainer));

    // Names are trimmed of blanks and non-breaking blanks; inside, staff names stay as written.
    // A negative contract byte 2 sets bit 2 of the origin byte.
    CPlayer& president = Trainer();
    president.SetKind(3);
    president.SetContractByte(1, 200);
    president.SetOriginByte(0x01);
    std::vector<std::string> lines = Lines(WriteStaff(president));
    lines.at(1) = "\xA0 Ewald \xA0";
    lines.at(2) = "  Klein  hold ";
    CPlayer& mended = ReadStaff(JoinLines(lines));
    EXPECT_EQ(std::tuple(mended.FirstName().View(), mended.Surname().View(), mended.ShortName(),
                         mended.ContractBytes()[1], mended.OriginByte()),
              std::tuple("Ewald", "Klein  hold", "Klein  hold, E.", 200, 0x04));

    president.SetContractByte(1, 127);
    EXPECT_EQ(ReadStaff(WriteStaff(president)).OriginByte(), 0x00);
}

// --- country staff entries, managers, referees, sponsors

TEST(StaffEntry, WritesGradeBBeforeGradeARoundTripsAndReadsTrimmedNames) {
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

    // Reading trims the names; a cut record zeroes the further bytes; reset empties everything.
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        JoinLines({"%INDEX%STAFF", " Hias\xA0", "\xA0Mahler", "1", "2", "3", "%INDEXEND%STAFF"})));
    ASSERT_TRUE(entry.Read(file));
    EXPECT_EQ(std::tuple(entry.FirstName().View(), entry.Surname().View(), entry.GradeB(),
                         entry.GradeA()),
              std::tuple("Hias", "Mahler", 2, 3));
    EXPECT_THAT(entry.FurtherBytes(), ElementsAre(0, 0));
    entry.Reset();
    EXPECT_EQ(entry, CStaffEntry());
    EXPECT_TRUE(entry.FirstName().Empty());
}

TEST(ManagerAndReferee, RoundTripKeepTextsOfACutRecordAndCutTheirNames) {
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
    EXPECT_EQ(std::tuple(cut.FirstName().View(), cut.Surname().View(), cut.Nationality()),
              std::tuple("Egon", "Vogtland", 0));
    EXPECT_THAT(cut.TrainingValues(), ElementsAre(0, 0, 0, 0));
    CManager next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, manager);

    // Referee names are cut to 15 and 19 characters; the character is signed.
    CReferee referee;
    referee.SetNames("Bartolomeo-Maximilian", "Wendelheim-Mustermann");
    EXPECT_EQ(std::tuple(referee.FirstName().View(), referee.Surname().View()),
              std::tuple("Bartolomeo-Maxi", "Wendelheim-Musterma"));
    referee.SetCharacter(-2);
    ExpectRoundTrip(referee);
    referee.SetCharacter(CReferee::kNoCharacter);
    ExpectRoundTrip(referee);
    EXPECT_EQ(referee.ShortName(), "Wendelheim-Musterma, B.");

    // A missing section leaves a new referee's values.
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
    EXPECT_EQ(std::tuple(read.Name().View().size(), read.SecondText().View().size(),
                         read.ThirdText().View().size(), read.Amount()),
              std::tuple(28u, 31u, 31u, 5));

    // What an editor stores survives a save and a load unchanged.
    sponsor.SetName(longText);
    sponsor.SetSecondText(longText);
    sponsor.SetThirdText(longText);
    EXPECT_EQ(sponsor.Name().View().size(), 28u);
    EXPECT_EQ(sponsor.SecondText().View().size(), 31u);
    ExpectRoundTrip(sponsor);
}

using Abilities = std::array<std::uint8_t, kAbilityCount>;

constexpr int kGoalkeeping[] = {35, 36, 37, 38, 39, 40, 41, 42};
constexpr int kStriking[] = {0, 1, 2, 3, 6, 15, 16, 18, 19, 25, 27};
constexpr int kDefending[] = {13, 14, 15, 21, 23, 25, 28};

template <std::size_t N>
Abilities Profile(const int (&strong)[N], std::uint8_t high, std::uint8_t low) {
    Abilities abilities;
    abilities.fill(low);
    for (const int index : strong) {
        abilities[static_cast<std::size_t>(index)] = high;
    }
    return abilities;
}

// A goalkeeper is strong in goal and weak up front, a striker the other way round, a defender
// stronger at the back than anywhere else.
TEST(PlayerStrength, EachProfileIsStrongAtItsOwnPositionWithinZeroToHundred) {
    const Abilities keeper = Profile(kGoalkeeping, 90, 30);
    EXPECT_GT(StrengthAt(keeper, position::kGoalkeeper), 70.0);
    EXPECT_LT(StrengthAt(keeper, position::kStriker), 35.0);
    // Goalkeeping counts nowhere else.
    for (int pos = position::kRightBack; pos <= kLastPosition; ++pos) {
        EXPECT_NEAR(StrengthAt(keeper, pos), 30.0 * 100.0 / 99.0, 1e-9) << PositionCode(pos);
    }

    const Abilities striker = Profile(kStriking, 90, 30);
    EXPECT_GT(StrengthAt(striker, position::kStriker), 75.0);
    EXPECT_LT(StrengthAt(striker, position::kGoalkeeper), 40.0);
    EXPECT_GT(StrengthAt(striker, position::kStriker), StrengthAt(striker, position::kCentreBack));

    const Abilities defender = Profile(kDefending, 90, 35);
    const double centreBack = StrengthAt(defender, position::kCentreBack);
    for (const int other : {position::kStriker, position::kRightWing, position::kAttackingMidfield,
                            position::kGoalkeeper}) {
        EXPECT_GT(centreBack, StrengthAt(defender, other)) << PositionCode(other);
    }

    // The range is 0 to 100; abilities above 99 count as 99.
    Abilities all;
    for (int pos = 1; pos <= kLastPosition; ++pos) {
        all.fill(99);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 100.0) << PositionCode(pos);
        all.fill(255);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 100.0) << PositionCode(pos);
        all.fill(0);
        EXPECT_DOUBLE_EQ(StrengthAt(all, pos), 0.0) << PositionCode(pos);
    }
    all.fill(99);
    EXPECT_DOUBLE_EQ(StrengthAt(all, position::kNone), 0.0);
    EXPECT_DOUBLE_EQ(StrengthAt(all, kLastPosition + 1), 0.0);
    EXPECT_DOUBLE_EQ(StrengthAt(all, -1), 0.0);
    EXPECT_EQ(
        PositionWeight(position::kNone, 6) + PositionWeight(position::kStriker, kAbilityCount), 0);
}

TEST_F(PlayerRecord, StrengthIsTheOneAtTheFirstMainPositionAndTalentInTheFootAndFormByte) {
    CPlayer& p = world.CreatePerson(0, true);
    const Abilities keeper = Profile(kGoalkeeping, 95, 20);
    for (int i = 0; i < kAbilityCount; ++i) {
        p.SetAbility(i, keeper[static_cast<std::size_t>(i)]);
    }
    p.SetPosition(0, position::kStriker);
    p.SetPosition(3, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), StrengthAt(keeper, position::kStriker));
    p.SetPosition(0, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), StrengthAt(keeper, position::kGoalkeeper));

    const SBestPosition best = BestStrength(p);
    EXPECT_EQ(best.position, position::kGoalkeeper);
    EXPECT_DOUBLE_EQ(best.strength, StrengthAt(keeper, position::kGoalkeeper));

    // With no main position the strength is 0; with all abilities 0 there is no best position.
    p.SetPosition(0, position::kNone);
    EXPECT_DOUBLE_EQ(PlayerStrength(p), 0.0);
    for (int i = 0; i < kAbilityCount; ++i) {
        p.SetAbility(i, 0);
    }
    EXPECT_EQ(std::tuple(BestStrength(p).position, BestStrength(p).strength), std::tuple(0, 0.0));

    // The talent lives in the low bits of the foot and form byte.
    EXPECT_EQ(Talent(p), 2);  // the default byte 2
    p.SetFootAndForm(0xC0 | (2 << 3) | 3);
    EXPECT_EQ(Talent(p), 3);
    SetTalent(p, 9);
    EXPECT_EQ(Talent(p), 4);
    EXPECT_EQ(p.FootAndForm(), 0xC0 | (2 << 3) | 4);
    SetTalent(p, -1);
    EXPECT_EQ(Talent(p), 0);
    EXPECT_EQ(p.Foot(), 2);
    // A stored value beyond 4 (before reading mended it) still counts as the top class.
    p.SetFootAndForm(7);
    EXPECT_EQ(Talent(p), 4);
}

constexpr int kReflexes = 10;
constexpr int kGoalkeeper = 1;
constexpr int kStriker = 17;

Abilities Uniform(std::uint8_t value) {
    Abilities abilities{};
    abilities.fill(value);
    return abilities;
}

// Every value has a label of its own and rests on some abilities, and its main ability is one
// the strength model weighs at some position: the values speak of what the strengths are made of.
TEST(PlayerSummaryValuesTest, EveryValueIsLabelledWeighedInRangeAndRisesWithItsAbilities) {
    std::set<std::string_view> labels;
    for (int value = 0; value < kSummaryValueCount; ++value) {
        EXPECT_TRUE(labels.insert(SummaryValueLabel(value)).second) << value;
        int heaviest = -1;
        int heaviestWeight = 0;
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            const int weight = SummaryValueWeight(value, ability);
            EXPECT_GE(weight, 0);
            EXPECT_LE(weight, 5);
            if (weight > heaviestWeight) {
                heaviest = ability;
                heaviestWeight = weight;
            }
        }
        ASSERT_GE(heaviest, 0) << SummaryValueLabel(value);
        bool weighed = false;
        for (int position = 1; position <= kLastPosition; ++position) {
            weighed = weighed || PositionWeight(position, heaviest) > 0;
        }
        EXPECT_TRUE(weighed) << SummaryValueLabel(value);
    }
    EXPECT_FALSE(labels.contains(""));
    EXPECT_TRUE(SummaryValueLabel(-1).empty() && SummaryValueLabel(kSummaryValueCount).empty());
    EXPECT_EQ(SummaryValueWeight(kSummaryValueCount, 0), 0);
    EXPECT_EQ(SummaryValueWeight(0, kAbilityCount), 0);

    // Values stay within 0 to 100; raising one ability raises exactly the values that use it and
    // leaves the others alone.
    for (const std::uint8_t level : {1, 50, 98, 100}) {
        EXPECT_THAT(PlayerSummaryValues(Uniform(level)), Each(AllOf(Ge(0.0), Le(100.0))));
    }
    EXPECT_THAT(PlayerSummaryValues(Uniform(0)), Each(DoubleEq(0.0)));
    EXPECT_THAT(PlayerSummaryValues(Uniform(99)), Each(DoubleEq(100.0)));
    // Above 99 counts as 99, as in the strengths.
    EXPECT_EQ(PlayerSummaryValues(Uniform(255)), PlayerSummaryValues(Uniform(99)));
    for (const std::uint8_t level : {0, 40, 98}) {
        const SummaryValues before = PlayerSummaryValues(Uniform(level));
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            Abilities raised = Uniform(level);
            raised[static_cast<std::size_t>(ability)] = static_cast<std::uint8_t>(level + 1);
            const SummaryValues after = PlayerSummaryValues(raised);
            for (int value = 0; value < kSummaryValueCount; ++value) {
                const auto v = static_cast<std::size_t>(value);
                if (SummaryValueWeight(value, ability) > 0) {
                    EXPECT_GT(after[v], before[v]) << SummaryValueLabel(value) << " " << ability;
                } else {
                    EXPECT_DOUBLE_EQ(after[v], before[v])
                        << SummaryValueLabel(value) << " " << ability;
                }
            }
        }
    }
}

TEST(PlayerSummaryValuesTest, AGoalkeepersReflexesBeatAStrikers) {
    // Built: each as strong as can be at his own position and weak elsewhere.
    Abilities keeper = Uniform(30);
    Abilities striker = Uniform(30);
    for (int ability = 0; ability < kAbilityCount; ++ability) {
        if (PositionWeight(kGoalkeeper, ability) > 0) {
            keeper[static_cast<std::size_t>(ability)] = 90;
        }
        if (PositionWeight(kStriker, ability) > 0) {
            striker[static_cast<std::size_t>(ability)] = 90;
        }
    }
    EXPECT_GT(PlayerSummaryValues(keeper)[kReflexes], PlayerSummaryValues(striker)[kReflexes]);

    // The demo's goalkeepers against its strikers, on average.
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    double keepers = 0.0;
    double strikers = 0.0;
    int keeperCount = 0;
    int strikerCount = 0;
    for (const auto& entry : world->Persons()) {
        const CPlayer& player = *entry.second;
        if (!player.IsPlayer()) {
            continue;
        }
        const double reflexes = PlayerSummaryValues(player)[kReflexes];
        if (player.MainPosition() == kGoalkeeper) {
            keepers += reflexes;
            ++keeperCount;
        } else if (player.MainPosition() == kStriker) {
            strikers += reflexes;
            ++strikerCount;
        }
    }
    ASSERT_GT(keeperCount, 0);
    ASSERT_GT(strikerCount, 0);
    EXPECT_GT(keepers / keeperCount, strikers / strikerCount + 10.0);
}

TEST(Date, JulianDayWeekdaySplitAndIsoTextAcrossLeapYearsAndCenturies) {
    const CDate newYear = CDate::FromYmd(2000, 1, 1);
    EXPECT_EQ(newYear.Value(), 2451545);
    EXPECT_EQ(newYear.Weekday(), 5);  // Saturday
    EXPECT_EQ(newYear.Text(), "Sa 1/1");
    EXPECT_EQ(CDate::FromYmd(2006, 6, 9).Text(), "Fr 9/6");
    // Days before the calendar's origin (a history date with a bogus year) still name a weekday.
    const CDate ancient = CDate::FromYmd(-9000, 1, 1);
    EXPECT_LT(ancient.Value(), 0);
    EXPECT_GE(ancient.Weekday(), 0);
    EXPECT_LE(ancient.Weekday(), 6);
    EXPECT_EQ(CDate(ancient.Value() + 7).Weekday(), ancient.Weekday());

    for (int year : {1700, 1899, 1900, 1999, 2000, 2004, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15, 28}) {
                const CDate::Ymd split = CDate::FromYmd(year, month, day).Split();
                EXPECT_EQ(std::tuple(split.year, split.month, split.day),
                          std::tuple(year, month, day));
            }
        }
    }
    EXPECT_EQ(CDate::FromYmd(2000, 3, 1).Value() - CDate::FromYmd(2000, 2, 28).Value(), 2);
    EXPECT_EQ(CDate::FromYmd(1900, 3, 1).Value() - CDate::FromYmd(1900, 2, 28).Value(), 1);

    // The fast digits and printf's "%04d-%02d-%02d" agree on every kind of year, also the ones a
    // damaged file can bring: before year 1000, before year 0 and after 9999.
    EXPECT_EQ(CDate().IsoText(), "");
    for (const CDate date : {CDate::FromYmd(2006, 7, 9), CDate::FromYmd(1999, 12, 31),
                             CDate::FromYmd(812, 1, 5), CDate(1), CDate(-400000), CDate(4000000)}) {
        const CDate::Ymd ymd = date.Split();
        char expected[40];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
        EXPECT_EQ(date.IsoText(), expected) << date.Value();
    }
}

// A date and no date round-trip; the clamping reader brings values into range, the history reader
// takes them as they are.
TEST(Date, SectionsRoundTripAndAreReadClampedOrAsTheyAreOrNotAtAll) {
    const CDate date = CDate::FromYmd(1978, 11, 23);
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        WriteRecord([&](CKLFile& out) { return date.Write(out) && CDate().Write(out); })));
    EXPECT_EQ(CDate::Read(file), date);
    EXPECT_EQ(CDate::Read(file), CDate());

    auto read = [&file](const char* day, const char* month, const char* year, bool history) {
        EXPECT_TRUE(file.OpenForReadFromMemory(std::string("%INDEX%DATE\n") + day + "\n" + month +
                                               "\n" + year + "\n%INDEXEND%DATE\n"));
        return history ? CDate::ReadHistory(file) : CDate::Read(file);
    };
    EXPECT_EQ(std::tuple(read("5", "6", "85", false).Split().year,
                         read("5", "13", "1990", false).Split().month,
                         read("32", "2", "1990", false).Split().day,
                         read("3", "2", "1650", false).Split().year,
                         read("3", "2", "2101", false).Split().year),
              std::tuple(1985, 1, 1, 2000, 2000));
    EXPECT_EQ(read("12", "3", "85", true), CDate::FromYmd(85, 3, 12));

    // Missing lines and sections keep the defaults, and later values read on.
    ASSERT_TRUE(file.OpenForReadFromMemory(
        "%INDEX%REC\n%INDEX%DATE\n7\n%INDEXEND%DATE\n42\n%INDEXEND%REC\n"));
    ASSERT_TRUE(file.FindSection("REC"));
    EXPECT_EQ(CDate::Read(file), CDate::FromYmd(2000, 1, 7));
    // The section is gone now: the clamping reader gives its default, the history reader no
    // date, and neither consumes the value after it.
    EXPECT_EQ(CDate::Read(file), CDate::FromYmd(2000, 1, 1));
    EXPECT_EQ(CDate::ReadHistory(file), CDate());
    std::int32_t value = 0;
    EXPECT_TRUE(file.ReadNumber(value));
    EXPECT_EQ(value, 42);
}

}  // namespace
}  // namespace kw
