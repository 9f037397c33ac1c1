#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace kw {

class CDBFixturelist;
class CDBLeague;

// The schedule a league of n teams (8 to 24) gets when the user asks for a computer-generated
// one: 2R rows (R matchdays per meeting, an odd field played as the next even one) of n bytes,
// positions 1-based. A row of an even field holds n/2 pairings (home, away); a row of an odd
// field holds (n - 1)/2 pairings and then the team that has no match that day. Within each half
// of R rows every pair meets once.
class CFixtureTemplate {
public:
    static constexpr int kFirstTeams = 8;
    static constexpr int kLastTeams = 24;

    CFixtureTemplate(int teams, std::vector<std::uint8_t> bytes)
        : m_teams(teams), m_bytes(std::move(bytes)) {}

    int Teams() const { return m_teams; }
    int MatchdaysPerMeeting() const { return ((m_teams + 1) & ~1) - 1; }
    int Rows() const { return static_cast<int>(m_bytes.size()) / m_teams; }
    int Pairings() const { return m_teams / 2; }
    // n bytes; empty outside the template.
    std::span<const std::uint8_t> Row(int row) const;

private:
    int m_teams;
    std::vector<std::uint8_t> m_bytes;
};

// The template for n teams; nothing outside 8..24. The 8- and 9-team templates are taken from
// the fixture creator each time, the others are fixed tables.
std::optional<CFixtureTemplate> FixtureTemplate(int teams);

// Fills a fixture list from the template of n teams for m meetings: meeting k takes the
// template's first half when k is even and its second half when k is odd, its R rows going to
// the next R rows of the list, pairing c to column c. The list is sized to R x m rows and
// n / 2 columns first. False (and the list untouched) when there is no template for n.
bool FillFromTemplate(CDBFixturelist& list, int teams, int meetings);
// The league's list, for its size and meetings.
bool FillFromTemplate(CDBLeague& league);

}  // namespace kw
