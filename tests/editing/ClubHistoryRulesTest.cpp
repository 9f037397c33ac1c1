#include <gtest/gtest.h>

#include "editing/ClubHistoryRules.h"
#include "model/RecordResult.h"

namespace kw {
namespace {

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

TEST(ClubRecordTexts, ScoreOrAttendanceWithOpponentAndSeason) {
    const CRecordResult record = Record(7, 1, 45000, "Nordstadt", 1987);
    EXPECT_EQ(RecordTexts(record, false), (SRecordTexts{"7:1", "Nordstadt", "1987"}));
    EXPECT_EQ(RecordTexts(record, true), (SRecordTexts{"45000", "Nordstadt", "1987"}));
    EXPECT_EQ(RecordTexts(CRecordResult(), false), (SRecordTexts{"", "", "0"}));
    EXPECT_EQ(RecordTexts(CRecordResult(), true), (SRecordTexts{"", "", "0"}));
}

TEST(ClubRecordTexts, OnlyTheChangedPartIsWritten) {
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
}

TEST(ClubRecordTexts, AttendanceRecordWritesTheAttendanceAndKeepsTheScore) {
    CRecordResult record = Record(2, 2, 30000, "Nordstadt", 1990);
    const SRecordTexts loaded = RecordTexts(record, true);
    SRecordTexts typed = loaded;
    typed.result = "81250";
    ApplyRecordTexts(record, true, loaded, typed);
    EXPECT_EQ(record, Record(2, 2, 81250, "Nordstadt", 1990));
}

TEST(ClubRecordTexts, TypedNumbersAreLimitedNotWrapped) {
    CRecordResult record;
    const SRecordTexts loaded = RecordTexts(record, false);
    ApplyRecordTexts(record, false, loaded, {"300:1", "", "70000"});
    EXPECT_EQ(record.GoalsFor(), 127);
    EXPECT_EQ(record.GoalsAgainst(), 1);
    EXPECT_EQ(record.Season(), 65535);
    // Clearing the score gives 0:0, shown empty again.
    ApplyRecordTexts(record, false, RecordTexts(record, false), {"", "", "65535"});
    EXPECT_EQ(record.ScoreText(), "");
}

}  // namespace
}  // namespace kw
