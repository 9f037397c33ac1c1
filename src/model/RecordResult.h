#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/FixedText.h"

namespace kw {

class CKLFile;

// One of a club's five record results (home win, home defeat, away win, away defeat,
// attendance): the score, the attendance, the opponent's name and the season.
class CRecordResult {
public:
    // The opponent is a club name; the game's file keeps fewer characters of it.
    static constexpr std::size_t kOpponentSize = 30;

    std::int8_t GoalsFor() const { return m_goalsFor; }
    void SetGoalsFor(std::int8_t goals) { m_goalsFor = goals; }
    std::int8_t GoalsAgainst() const { return m_goalsAgainst; }
    void SetGoalsAgainst(std::int8_t goals) { m_goalsAgainst = goals; }
    std::int32_t Attendance() const { return m_attendance; }
    void SetAttendance(std::int32_t attendance) { m_attendance = attendance; }
    const CFixedText<kOpponentSize>& Opponent() const { return m_opponent; }
    void SetOpponent(std::string_view opponent) { m_opponent.Set(opponent); }
    std::uint16_t Season() const { return m_season; }
    void SetSeason(std::uint16_t season) { m_season = season; }

    // Editor forms: "3:1" (empty for 0:0), the attendance (empty for 0) and the season.
    std::string ScoreText() const;
    std::string AttendanceText() const;
    std::string SeasonText() const;

    // From the editor's fields. Typed numbers are limited to what the fields can hold (goals
    // 0..127, attendance 0 and up, season 0..65535) instead of wrapping around.
    void SetFromEditor(std::string_view score, std::string_view opponent, std::string_view season);
    void SetAttendanceFromEditor(std::string_view attendance, std::string_view opponent,
                                 std::string_view season);

    // RECORD section: goals for, goals against, attendance, opponent, season.
    bool Write(CKLFile& file) const;
    // Missing numbers read as 0 and a missing opponent keeps the text held. Without a RECORD
    // section here the numbers become 0 as well and the result is false.
    bool Read(CKLFile& file);

    friend bool operator==(const CRecordResult&, const CRecordResult&) = default;

private:
    std::int8_t m_goalsFor = 0;
    std::int8_t m_goalsAgainst = 0;
    std::int32_t m_attendance = 0;
    CFixedText<kOpponentSize> m_opponent;
    std::uint16_t m_season = 0;
};

}  // namespace kw
