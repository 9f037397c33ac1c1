#pragma once

#include <span>
#include <string>
#include <vector>

namespace kw {

// One pairing of a generated schedule: 0-based team positions, -1 for the missing side of a bye.
struct SFixturePairing {
    int home = 0;
    int away = 0;

    friend bool operator==(const SFixturePairing&, const SFixturePairing&) = default;
};

// The checks every round-robin must pass, over the matchdays of one meeting (rows of `columns`
// pairings each, one behind the other). Pairings with a -1 side are byes and count for neither.
//
// Every pair of the n teams meets exactly once, in either direction, and no team meets itself.
bool EveryPairMeetsOnce(std::span<const SFixturePairing> cells, int columns, int teams);
// The longest run of home or of away matches of any team. A bye changes nothing: the run goes
// on across it.
int LongestRun(std::span<const SFixturePairing> cells, int columns, int teams);

// Generates a round-robin schedule. Its exact output matters beyond its own correctness: the
// 8- and 9-team fixture templates are taken from it, so the steps below are kept as they are.
class CFixtureCreator {
public:
    static constexpr int kNoTeam = -1;
    static constexpr int kMaxRun = 3;
    // No league holds more teams, nor a meetings count more meetings; larger input would only
    // ask for absurd amounts of memory.
    static constexpr int kMaxTeams = 100;
    static constexpr int kMaxMeetings = 255;

    enum class EFailure {
        kNone,
        // Fewer than 3 teams, fewer than 1 meeting, or more than a league can hold.
        kRefused,
        // Some pair does not meet exactly once in the first meeting.
        kPairs,
        // Some team would play more than three home or three away matches in a row.
        kRuns,
    };

    // Builds the table for n teams meeting m times. False when the input is refused or a check
    // fails; the table then stays as far as it was built.
    bool Generate(int teams, int meetings);
    EFailure Failure() const { return m_failure; }

    int Teams() const { return m_teams; }
    int Meetings() const { return m_meetings; }
    // T: matchdays of all meetings.
    int Rows() const { return m_rows; }
    // P: pairings per matchday.
    int Columns() const { return m_columns; }
    // R: matchdays of one meeting; an odd field plays as the next even one.
    int MatchdaysPerMeeting() const { return m_columns > 0 ? m_columns * 2 - 1 : 0; }
    // (-1, -1) outside the table.
    SFixturePairing Cell(int row, int column) const;
    // The rows of one meeting; empty outside.
    std::span<const SFixturePairing> Meeting(int meeting) const;

private:
    SFixturePairing& At(int row, int column) {
        return m_cells[static_cast<std::size_t>(row * m_columns + column)];
    }
    bool Fail(EFailure failure) {
        m_failure = failure;
        return false;
    }

    std::vector<SFixturePairing> m_cells;
    int m_teams = 0;
    int m_meetings = 0;
    int m_rows = 0;
    int m_columns = 0;
    EFailure m_failure = EFailure::kNone;
};

// The schedule as text: one line per matchday, each pairing as "home-away" with 1-based
// positions, pairings separated by one blank; the missing side of a bye is 0.
std::string FormatSchedule(const CFixtureCreator& creator);

}  // namespace kw
