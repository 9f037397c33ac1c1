#include "competition/League.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "competition/CompetitionRegistry.h"
#include "competition/CompetitionText.h"
#include "storage/Identifiers.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kTeamsTag[] = "TEAMS";
constexpr char kFixtureTag[] = "FIXTURE";

// Hexadecimal digits after leading blanks, up to the first other character.
std::uint32_t ParseHex(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            break;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace

// --- CDBLeagueBase

CDBLeagueBase::CDBLeagueBase(std::uint32_t id, int kind, std::uint32_t parentId)
    : CDBCompetition(id, kind, parentId) {}

std::uint32_t CDBLeagueBase::Team(int position) const {
    return position >= 0 && position < TeamCount() ? m_teams[static_cast<std::size_t>(position)]
                                                   : 0;
}

bool CDBLeagueBase::IsFull() const {
    return TeamCount() >= std::min<std::int32_t>(m_size, kMaxTeams);
}

bool CDBLeagueBase::AddTeam(std::uint32_t team, int position) {
    if (ClubIndex(team) == 0 || IsFull() || PositionOfTeam(team) >= 0) {
        return false;
    }
    if (position < 0 || position > TeamCount()) {
        position = TeamCount();
    }
    m_teams.insert(m_teams.begin() + position, team);
    return true;
}

bool CDBLeagueBase::RemoveTeam(std::uint32_t team) {
    const auto found = std::find(m_teams.begin(), m_teams.end(), team);
    if (found == m_teams.end()) {
        return false;
    }
    m_teams.erase(found);
    return true;
}

void CDBLeagueBase::MapTeams(const TeamMap& teams) {
    std::transform(m_teams.begin(), m_teams.end(), m_teams.begin(), teams);
    std::erase(m_teams, 0u);
}

int CDBLeagueBase::PositionOfTeam(std::uint32_t team) const {
    const auto found = std::find(m_teams.begin(), m_teams.end(), team);
    return found == m_teams.end() ? -1 : static_cast<int>(found - m_teams.begin());
}

void CDBLeagueBase::SetLeagueSize(std::int32_t size) {
    m_size = std::clamp<std::int32_t>(size, 0, kMaxTeams);
}

bool CDBLeagueBase::HasSameData(const CDBCompetition& other) const {
    if (!CDBCompetition::HasSameData(other)) {
        return false;
    }
    const auto& league = static_cast<const CDBLeagueBase&>(other);
    return m_teams == league.m_teams && m_size == league.m_size &&
           m_signingFlags == league.m_signingFlags && m_loanRules1 == league.m_loanRules1 &&
           m_loanRules2 == league.m_loanRules2;
}

// --- CDBLeague

CDBLeague::CDBLeague(std::uint32_t id, std::uint32_t parentId)
    : CDBLeagueBase(id, kLeagueKind, parentId) {
    // A league is always written, and so read back, as the first group round.
    SetRoundName(10);
    FitFixtures();
}

void CDBLeague::FitFixtures() {
    m_fixtures.Resize(LeagueMatchdays(), LeagueSize() / 2);
}

void CDBLeague::SetLeagueSize(std::int32_t size) {
    CDBLeagueBase::SetLeagueSize(size);
    FitFixtures();
}

void CDBLeague::SetMeetings(std::uint8_t meetings) {
    m_meetings = meetings;
    FitFixtures();
}

int CDBLeague::LeagueMatchdays() const {
    const int even = (std::clamp<std::int32_t>(LeagueSize(), 0, kMaxTeams) + 1) & ~1;
    return even < 2 ? 0 : (even - 1) * m_meetings;
}

int CDBLeague::MatchdayCount(const CCompetitionRegistry&) const {
    return LeagueMatchdays();
}

std::uint32_t CDBLeague::OwnFaults(const CCompetitionRegistry& registry, int calendar,
                                   int levelLimit) const {
    std::uint32_t faults = CDBCompetition::OwnFaults(registry, calendar, levelLimit);
    if (!m_fixtures.IsComplete()) {
        faults |= kFaultFixtureIncomplete;
    }
    if (SourceCount() == 0 && TeamCount() != LeagueSize()) {
        faults |= kFaultTeamCount;
    }
    const bool realCountry = Country() >= 1 && Country() <= 205;
    const bool reserveTeams = std::any_of(Teams().begin(), Teams().end(), [](std::uint32_t team) {
        return (team & kSecondTeamFlag) != 0;
    });
    if (realCountry && Level() < levelLimit && reserveTeams) {
        faults |= kFaultReserveTeams;
    }
    return faults;
}

bool CDBLeague::WriteText(CKLFile& file, const CCompetitionRegistry& registry,
                          int exportCountry) const {
    bool ok = WriteHead(file, exportCountry) && WriteNames(file) &&
              file.WriteNumber(LeagueSize()) &&
              file.WriteNumber(static_cast<std::int32_t>(Level())) &&
              file.WriteText(ValueToKeywords(RelegationRuleKeywords(), m_relegationRule)) &&
              file.WriteNumber(static_cast<std::int32_t>(m_leagueSetting)) &&
              file.WriteNumber(static_cast<std::int32_t>(m_meetings)) &&
              file.WriteText(KeywordName(RoundKeywords(), 10)) &&
              file.WriteNumber(static_cast<std::int32_t>(m_spectatorMultiplier)) &&
              file.WriteNumber(static_cast<std::int32_t>(m_transferMultiplier)) &&
              file.WriteFormatted(";");

    std::string teams;
    for (const std::uint32_t team : Teams()) {
        if (!teams.empty()) {
            teams += ',';
        }
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%x", registry.ExportClubId(team));
        teams += buffer;
    }
    ok = ok && file.BeginSection(kTeamsTag) && file.WriteText(teams) &&
         file.EndSection(kTeamsTag) && file.WriteFormatted(";") &&
         WriteCalendars(file, kLastDay, LeagueMatchdays()) && file.WriteFormatted(";");

    ok = ok && file.BeginSection(kFixtureTag);
    for (int row = 0; ok && row < m_fixtures.Rows(); ++row) {
        std::string line;
        for (int column = 0; column < m_fixtures.Columns(); ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            m_fixtures.GetPairing(row, column, home, away);
            if (!line.empty()) {
                line += ',';
            }
            line += std::to_string(home) + ',' + std::to_string(away);
        }
        ok = file.WriteText(line);
    }
    ok = ok && file.EndSection(kFixtureTag);

    for (const std::int32_t value : FourValues()) {
        ok = ok && file.WriteNumber(value);
    }
    return ok && file.WriteNumber(static_cast<std::int32_t>(SigningFlags())) &&
           file.WriteNumber(static_cast<std::int32_t>(LoanRules1())) &&
           file.WriteNumber(static_cast<std::int32_t>(LoanRules2())) &&
           WriteTail(file, registry, exportCountry);
}

void CDBLeague::ReadText(CKLFile& file, CCompetitionRegistry& registry) {
    ReadNames(file, false);
    std::int32_t size = 0;
    file.ReadNumber(size);
    CDBLeagueBase::SetLeagueSize(size);
    std::int8_t level = 0;
    file.ReadNumber(level);
    SetLevel(level);
    std::string line;
    file.ReadLine(line);
    m_relegationRule = static_cast<std::uint8_t>(LookupKeywordList(RelegationRuleKeywords(), line));
    file.ReadNumber(m_leagueSetting);
    file.ReadNumber(m_meetings);
    line.clear();
    file.ReadLine(line);
    SetRoundName(static_cast<std::int8_t>(LookupKeyword(RoundKeywords(), line)));
    file.ReadNumber(m_spectatorMultiplier);
    file.ReadNumber(m_transferMultiplier);
    // The schedule follows size and meetings, whatever it held before.
    m_fixtures.Allocate(LeagueMatchdays(), LeagueSize() / 2);

    ClearTeams();
    if (file.FindSection(kTeamsTag)) {
        line.clear();
        file.ReadLine(line);
        std::string_view rest = line;
        bool first = true;
        while (!IsFull()) {
            const std::size_t comma = rest.find(',');
            const std::uint32_t team = ParseHex(rest.substr(0, comma));
            // After the first id, an id without a country byte is no team.
            if (first || ClubCountry(team) != 0) {
                AddTeam(team);
            }
            first = false;
            if (comma == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(comma + 1);
        }
        file.SkipToSectionEnd(kTeamsTag);
    }

    ReadCalendars(file, kLastDay, LeagueMatchdays());

    if (file.FindSection(kFixtureTag)) {
        const auto pairs = static_cast<std::size_t>(m_fixtures.Columns());
        for (int row = 0; row < m_fixtures.Rows(); ++row) {
            line.clear();
            if (!file.ReadLine(line)) {
                break;
            }
            const std::vector<std::int32_t> numbers = SplitNumbers(line, 2 * pairs);
            for (std::size_t column = 0; 2 * column + 1 < numbers.size(); ++column) {
                m_fixtures.SetPairing(row, static_cast<int>(column),
                                      static_cast<std::uint8_t>(numbers[2 * column]),
                                      static_cast<std::uint8_t>(numbers[2 * column + 1]));
            }
        }
        file.SkipToSectionEnd(kFixtureTag);
    }

    Values values{};
    for (std::int32_t& value : values) {
        file.ReadNumber(value);
    }
    SetFourValues(values);
    std::uint8_t flags = 0;
    file.ReadNumber(flags);
    SetSigningFlags(flags);
    std::uint32_t rules = 0;
    file.ReadNumber(rules);
    SetLoanRules1(rules);
    file.ReadNumber(rules);
    SetLoanRules2(rules);
    ReadTail(file, registry);
}

bool CDBLeague::HasSameData(const CDBCompetition& other) const {
    if (!CDBLeagueBase::HasSameData(other)) {
        return false;
    }
    const auto& league = static_cast<const CDBLeague&>(other);
    return m_fixtures == league.m_fixtures && m_leadingValues == league.m_leadingValues &&
           m_meetings == league.m_meetings && m_relegationRule == league.m_relegationRule &&
           m_leagueSetting == league.m_leagueSetting &&
           m_spectatorMultiplier == league.m_spectatorMultiplier &&
           m_transferMultiplier == league.m_transferMultiplier &&
           m_trailingValues == league.m_trailingValues;
}

}  // namespace kw
