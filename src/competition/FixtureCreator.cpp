#include "competition/FixtureCreator.h"

#include <algorithm>
#include <utility>

namespace kw {

namespace {

bool IsBye(const SFixturePairing& pairing) {
    return pairing.home == CFixtureCreator::kNoTeam || pairing.away == CFixtureCreator::kNoTeam;
}

bool Inside(int team, int teams) {
    return team >= 0 && team < teams;
}

}  // namespace

bool EveryPairMeetsOnce(std::span<const SFixturePairing> cells, int columns, int teams) {
    if (teams < 1 || columns < 1) {
        return false;
    }
    const auto n = static_cast<std::size_t>(teams);
    std::vector<int> count(n * n, 0);
    for (const SFixturePairing& pairing : cells) {
        if (IsBye(pairing)) {
            continue;
        }
        // A position outside the field is no pairing of this round-robin.
        if (!Inside(pairing.home, teams) || !Inside(pairing.away, teams)) {
            return false;
        }
        ++count[static_cast<std::size_t>(pairing.home) * n +
                static_cast<std::size_t>(pairing.away)];
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (count[i * n + i] != 0) {
            return false;
        }
        for (std::size_t j = i + 1; j < n; ++j) {
            if (count[i * n + j] + count[j * n + i] != 1) {
                return false;
            }
        }
    }
    return true;
}

int LongestRun(std::span<const SFixturePairing> cells, int columns, int teams) {
    if (columns < 1) {
        return 0;
    }
    const std::size_t rows = cells.size() / static_cast<std::size_t>(columns);
    int longest = 0;
    for (int team = 0; team < teams; ++team) {
        int home = 0;
        int away = 0;
        for (std::size_t row = 0; row < rows; ++row) {
            const auto first = cells.begin() + static_cast<std::ptrdiff_t>(row * columns);
            const auto match = std::find_if(first, first + columns, [&](const SFixturePairing& p) {
                return !IsBye(p) && (p.home == team || p.away == team);
            });
            if (match == first + columns) {
                continue;
            }
            if (match->home == team) {
                ++home;
                away = 0;
            } else {
                ++away;
                home = 0;
            }
            longest = std::max({longest, home, away});
        }
    }
    return longest;
}

bool CFixtureCreator::Generate(int teams, int meetings) {
    m_cells.clear();
    m_teams = teams;
    m_meetings = meetings;
    m_rows = 0;
    m_columns = 0;
    m_failure = EFailure::kNone;
    if (teams < 3 || meetings < 1 || teams > kMaxTeams || meetings > kMaxMeetings) {
        return Fail(EFailure::kRefused);
    }

    const int even = (teams + 1) & ~1;
    const int perMeeting = even - 1;
    m_columns = even / 2;
    m_rows = perMeeting * meetings;
    m_cells.assign(static_cast<std::size_t>(m_rows * m_columns), SFixturePairing{});
    const int last = m_columns - 1;

    // Matchday 0: neighbours meet; the odd field's last team has no opponent.
    for (int k = 0; k < m_columns; ++k) {
        const int away = 2 * k + 1;
        At(0, k) = SFixturePairing{2 * k, away < teams ? away : kNoTeam};
    }
    // Circle rotation: position 0 stays home of pairing 0, everybody else moves one place on.
    for (int r = 1; r < perMeeting; ++r) {
        At(r, 0).home = At(r - 1, 0).home;
        At(r, 0).away = m_columns > 1 ? At(r - 1, 1).home : kNoTeam;
        At(r, last).home = At(r - 1, last).away;
        for (int k = 1; k <= last - 1; ++k) {
            At(r, k).home = At(r - 1, k + 1).home;
        }
        for (int k = 1; k <= last; ++k) {
            At(r, k).away = At(r - 1, k - 1).away;
        }
    }
    // The team without a match always stands in the last pairing.
    if (teams % 2 != 0) {
        for (int r = 0; r < perMeeting; ++r) {
            for (int k = 0; k < m_columns; ++k) {
                if (IsBye(At(r, k))) {
                    std::swap(At(r, k), At(r, last));
                    break;
                }
            }
        }
    }
    // Home and away change sides on every other matchday.
    for (int r = 0; r < perMeeting; r += 2) {
        for (int k = 0; k < m_columns; ++k) {
            std::swap(At(r, k).home, At(r, k).away);
        }
    }

    const std::span<const SFixturePairing> first = Meeting(0);
    if (!EveryPairMeetsOnce(first, m_columns, teams)) {
        return Fail(EFailure::kPairs);
    }
    if (LongestRun(first, m_columns, teams) > kMaxRun) {
        return Fail(EFailure::kRuns);
    }
    // Each further meeting mirrors the one before.
    for (int meeting = 1; meeting < meetings; ++meeting) {
        for (int r = 0; r < perMeeting; ++r) {
            for (int k = 0; k < m_columns; ++k) {
                const SFixturePairing before = At((meeting - 1) * perMeeting + r, k);
                At(meeting * perMeeting + r, k) = SFixturePairing{before.away, before.home};
            }
        }
    }
    return true;
}

SFixturePairing CFixtureCreator::Cell(int row, int column) const {
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns) {
        return SFixturePairing{kNoTeam, kNoTeam};
    }
    return m_cells[static_cast<std::size_t>(row * m_columns + column)];
}

std::span<const SFixturePairing> CFixtureCreator::Meeting(int meeting) const {
    if (meeting < 0 || meeting >= m_meetings || m_cells.empty()) {
        return {};
    }
    const auto size = static_cast<std::size_t>(MatchdaysPerMeeting() * m_columns);
    return std::span<const SFixturePairing>(m_cells).subspan(
        static_cast<std::size_t>(meeting) * size, size);
}

std::string FormatSchedule(const CFixtureCreator& creator) {
    std::string text;
    for (int row = 0; row < creator.Rows(); ++row) {
        for (int column = 0; column < creator.Columns(); ++column) {
            const SFixturePairing pairing = creator.Cell(row, column);
            if (column > 0) {
                text += ' ';
            }
            text += std::to_string(pairing.home + 1) + '-' + std::to_string(pairing.away + 1);
        }
        text += '\n';
    }
    return text;
}

}  // namespace kw
