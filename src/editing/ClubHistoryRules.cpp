#include "editing/ClubHistoryRules.h"

#include "model/RecordResult.h"

namespace kw {

SRecordTexts RecordTexts(const CRecordResult& record, bool attendance) {
    return {attendance ? record.AttendanceText() : record.ScoreText(),
            std::string(record.Opponent().View()), record.SeasonText()};
}

void ApplyRecordTexts(CRecordResult& record, bool attendance, const SRecordTexts& loaded,
                      const SRecordTexts& typed) {
    // The record's own editor parsing reads all three; only the changed parts are taken over.
    CRecordResult parsed = record;
    if (attendance) {
        parsed.SetAttendanceFromEditor(typed.result, typed.opponent, typed.season);
    } else {
        parsed.SetFromEditor(typed.result, typed.opponent, typed.season);
    }
    if (typed.result != loaded.result) {
        if (attendance) {
            record.SetAttendance(parsed.Attendance());
        } else {
            record.SetGoalsFor(parsed.GoalsFor());
            record.SetGoalsAgainst(parsed.GoalsAgainst());
        }
    }
    if (typed.opponent != loaded.opponent) {
        record.SetOpponent(typed.opponent);
    }
    if (typed.season != loaded.season) {
        record.SetSeason(parsed.Season());
    }
}

}  // namespace kw
