#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "competition/Competition.h"
#include "competition/Fixturelist.h"

namespace kw {

// A node with a team list of fixed capacity and a league size.
class CDBLeagueBase : public CDBCompetition {
public:
    static constexpr int kMaxTeams = 100;
    static constexpr std::int32_t kDefaultSize = 18;

    CDBLeagueBase(std::uint32_t id, int kind, std::uint32_t parentId);

    const std::vector<std::uint32_t>& Teams() const { return m_teams; }
    int TeamCount() const { return static_cast<int>(m_teams.size()); }
    // 0 outside the list.
    std::uint32_t Team(int position) const;
    // The league holds as many teams as its size (and never more than 100).
    bool IsFull() const;
    // Inserted at `position` (appended when outside the list). Refused for an id whose index
    // (low 16 bits) is 0, when the league is full, or when the team is in it already.
    bool AddTeam(std::uint32_t team, int position = -1);
    // Closes the gap; false when the team is not in the league.
    bool RemoveTeam(std::uint32_t team);
    void ClearTeams() { m_teams.clear(); }
    // Index in the team list; -1 when absent.
    int PositionOfTeam(std::uint32_t team) const override;

    std::int32_t LeagueSize() const { return m_size; }
    // Clamped to 0..100, the capacity of the team list.
    virtual void SetLeagueSize(std::int32_t size);

    // Bit 0: unemployed domestic players may be signed at any time, bit 1 foreign ones, bit 2
    // loaned-out players may be called back at any time.
    std::uint8_t SigningFlags() const { return m_signingFlags; }
    void SetSigningFlags(std::uint8_t flags) { m_signingFlags = flags; }
    // Loan rules: eight 4-bit fields.
    std::uint32_t LoanRules1() const { return m_loanRules1; }
    void SetLoanRules1(std::uint32_t rules) { m_loanRules1 = rules; }
    // Three 4-bit fields at bits 0..11 and three 5-bit fields at bits 16..30.
    std::uint32_t LoanRules2() const { return m_loanRules2; }
    void SetLoanRules2(std::uint32_t rules) { m_loanRules2 = rules; }

    bool HasSameData(const CDBCompetition& other) const override;

protected:
    void MapTeams(const TeamMap& teams) override;

private:
    std::vector<std::uint32_t> m_teams;
    std::int32_t m_size = kDefaultSize;
    std::uint8_t m_signingFlags = 3;
    std::uint32_t m_loanRules1 = 0xFFFFFFFF;
    std::uint32_t m_loanRules2 = 65535;
};

// A league: its teams, schedule and rules.
class CDBLeague : public CDBLeagueBase {
public:
    static constexpr int kLastDay = CDBCompetition::kSeasonDays - 1;

    CDBLeague(std::uint32_t id, std::uint32_t parentId);
    std::unique_ptr<CDBCompetition> Clone() const override {
        return std::make_unique<CDBLeague>(*this);
    }

    // The fixture list always has one row per matchday and size / 2 columns; changing the size
    // or the meetings resizes it, keeping the pairings both sizes share.
    CDBFixturelist& Fixtures() { return m_fixtures; }
    const CDBFixturelist& Fixtures() const { return m_fixtures; }
    void SetLeagueSize(std::int32_t size) override;

    // How often each pair meets.
    std::uint8_t Meetings() const { return m_meetings; }
    void SetMeetings(std::uint8_t meetings);
    // An odd size is played as the next even size: (even size - 1) x meetings.
    int LeagueMatchdays() const;
    int MatchdayCount(const CCompetitionRegistry& registry) const override;

    // REL_RULE value with its flags.
    std::uint8_t RelegationRule() const { return m_relegationRule; }
    void SetRelegationRule(std::uint8_t rule) { m_relegationRule = rule; }
    std::uint8_t LeagueSetting() const { return m_leagueSetting; }
    void SetLeagueSetting(std::uint8_t setting) { m_leagueSetting = setting; }
    std::uint8_t SpectatorMultiplier() const { return m_spectatorMultiplier; }
    void SetSpectatorMultiplier(std::uint8_t value) { m_spectatorMultiplier = value; }
    std::uint8_t TransferMultiplier() const { return m_transferMultiplier; }
    void SetTransferMultiplier(std::uint8_t value) { m_transferMultiplier = value; }
    std::array<std::int32_t, 2>& LeadingValues() { return m_leadingValues; }
    const std::array<std::int32_t, 2>& LeadingValues() const { return m_leadingValues; }
    std::array<std::int32_t, 2>& TrailingValues() { return m_trailingValues; }
    const std::array<std::int32_t, 2>& TrailingValues() const { return m_trailingValues; }

    bool WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                   int exportCountry) const override;
    void ReadText(CKLFile& file, CCompetitionRegistry& registry) override;
    bool HasSameData(const CDBCompetition& other) const override;

protected:
    std::uint32_t OwnFaults(const CCompetitionRegistry& registry, int calendar,
                            int levelLimit) const override;

private:
    void FitFixtures();

    CDBFixturelist m_fixtures;
    std::array<std::int32_t, 2> m_leadingValues{3, 3};
    std::uint8_t m_meetings = 2;
    std::uint8_t m_relegationRule = 0;
    std::uint8_t m_leagueSetting = 0;
    std::uint8_t m_spectatorMultiplier = 10;
    std::uint8_t m_transferMultiplier = 100;
    std::array<std::int32_t, 2> m_trailingValues{};
};

}  // namespace kw
