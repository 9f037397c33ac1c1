#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "TempDir.h"
#include "model/RecordResult.h"
#include "storage/KLFile.h"

namespace kw {
namespace {

using test::ReadFile;
using test::TempDir;

std::string WriteRecords(const std::vector<CRecordResult>& records) {
    const TempDir folder;
    CKLFile file;
    EXPECT_TRUE(file.OpenForWrite(folder / "records.sav"));
    for (const CRecordResult& record : records) {
        EXPECT_TRUE(record.Write(file));
    }
    EXPECT_TRUE(file.Close());
    return ReadFile(folder / "records.sav");
}

CRecordResult MakeRecord(std::int8_t goalsFor, std::int8_t goalsAgainst, std::int32_t attendance,
                         std::string_view opponent, std::uint16_t season) {
    CRecordResult record;
    record.SetGoalsFor(goalsFor);
    record.SetGoalsAgainst(goalsAgainst);
    record.SetAttendance(attendance);
    record.SetOpponent(opponent);
    record.SetSeason(season);
    return record;
}

// Negative goals and opponents that look like markers or comments survive too.
TEST(RecordResultSection, WritesTheFiveValuesAndRoundTrips) {
    const std::vector<CRecordResult> records = {
        MakeRecord(9, 0, 0, "FC S\374dstadt", 1978), MakeRecord(0, 0, 81234, "FC Wolkenberg", 2004),
        MakeRecord(-3, 127, -1, "%INDEXEND%RECORD", 65535), MakeRecord(1, 2, 3, ";Kommentar", 0)};
    const std::string written = WriteRecords(records);
    EXPECT_EQ(written.substr(0, written.find("%INDEX%RECORD", 1)),
              "%INDEX%RECORD\r\n9\r\n0\r\n0\r\nFC S\374dstadt\r\n1978\r\n%INDEXEND%RECORD\r\n");

    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(written));
    std::vector<CRecordResult> read(records.size());
    for (CRecordResult& record : read) {
        ASSERT_TRUE(record.Read(file));
    }
    EXPECT_EQ(read, records);
    EXPECT_EQ(WriteRecords(read), written);
}

TEST(RecordResultSection, RecordCutShortReadsZerosKeepsTextAndLeavesTheNextIntact) {
    CKLFile file;
    ASSERT_TRUE(
        file.OpenForReadFromMemory("%INDEX%RECORD\n4\n2\n%INDEXEND%RECORD\n"
                                   "%INDEX%RECORD\n1\n0\n500\nNebelhafen\n1999\n"
                                   "%INDEXEND%RECORD\n"));
    CRecordResult cut = MakeRecord(7, 7, 99, "Alt", 5);
    ASSERT_TRUE(cut.Read(file));
    EXPECT_EQ(cut.GoalsFor(), 4);
    EXPECT_EQ(cut.GoalsAgainst(), 2);
    EXPECT_EQ(cut.Attendance(), 0);
    EXPECT_EQ(cut.Opponent().View(), "Alt");
    EXPECT_EQ(cut.Season(), 0);

    CRecordResult next;
    ASSERT_TRUE(next.Read(file));
    EXPECT_EQ(next, MakeRecord(1, 0, 500, "Nebelhafen", 1999));
}

TEST(RecordResultSection, MissingSectionZeroesNumbersAndKeepsTheOpponent) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory("%INDEX%DATE\n1\n1\n2000\n%INDEXEND%DATE\n"));
    CRecordResult record = MakeRecord(3, 1, 10, "Alt", 1990);
    EXPECT_FALSE(record.Read(file));
    EXPECT_EQ(record, MakeRecord(0, 0, 0, "Alt", 0));
}

TEST(RecordResultEditor, FormsTheEditorTexts) {
    EXPECT_EQ(MakeRecord(3, 1, 0, "", 1998).ScoreText(), "3:1");
    EXPECT_EQ(MakeRecord(0, 2, 0, "", 1998).ScoreText(), "0:2");
    EXPECT_EQ(MakeRecord(0, 0, 0, "", 1998).ScoreText(), "");
    EXPECT_EQ(MakeRecord(0, 0, 0, "", 0).AttendanceText(), "");
    EXPECT_EQ(MakeRecord(0, 0, 45000, "", 0).AttendanceText(), "45000");
    EXPECT_EQ(MakeRecord(0, 0, 0, "", 1998).SeasonText(), "1998");
    EXPECT_EQ(MakeRecord(0, 0, 0, "", 0).SeasonText(), "0");
}

TEST(RecordResultEditor, ParsesScoreOpponentAndSeason) {
    CRecordResult record;
    record.SetFromEditor("5:2", "Wolkenberg", "1987");
    EXPECT_EQ(record, MakeRecord(5, 2, 0, "Wolkenberg", 1987));
    record.SetFromEditor(" 4 : 3 ", "", " 2001x");
    EXPECT_EQ(record.GoalsFor(), 4);
    EXPECT_EQ(record.GoalsAgainst(), 3);
    EXPECT_EQ(record.Season(), 2001);
    // No colon: the one number is the first; nothing typed is no result.
    record.SetFromEditor("7", "", "");
    EXPECT_EQ(record.ScoreText(), "7:0");
    record.SetFromEditor("", "", "");
    EXPECT_EQ(record.ScoreText(), "");
    EXPECT_EQ(record.Season(), 0);
    // The score round-trips through its own text.
    const CRecordResult shown = MakeRecord(12, 11, 0, "X", 1);
    record.SetFromEditor(shown.ScoreText(), "X", shown.SeasonText());
    EXPECT_EQ(record, shown);
}

TEST(RecordResultEditor, TypedNumbersAreLimitedInsteadOfWrapping) {
    CRecordResult record;
    // 300 would wrap to 44 in the goal byte.
    record.SetFromEditor("300:-5", std::string(40, 'O'), "70000");
    EXPECT_EQ(record.GoalsFor(), 127);
    EXPECT_EQ(record.GoalsAgainst(), 0);
    EXPECT_EQ(record.Season(), 65535);
    EXPECT_EQ(record.Opponent().View().size(), 29u);

    record.SetAttendanceFromEditor("99999999999", "Gast", "2005");
    EXPECT_EQ(record.Attendance(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(record.Opponent().View(), "Gast");
    EXPECT_EQ(record.Season(), 2005);
    record.SetAttendanceFromEditor("-500", "", "");
    EXPECT_EQ(record.Attendance(), 0);
    EXPECT_EQ(record.AttendanceText(), "");
    record.SetAttendanceFromEditor("61000", "", "");
    EXPECT_EQ(record.AttendanceText(), "61000");
}

}  // namespace
}  // namespace kw
