#include "editing/LeagueComposition.h"

#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueSystemRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

CDBLeagueBase* LeagueOf(CWorld& world, std::uint32_t leagueId) {
    return dynamic_cast<CDBLeagueBase*>(world.Competition(leagueId));
}

const CDBLeagueBase* LeagueOf(const CWorld& world, std::uint32_t leagueId) {
    return dynamic_cast<const CDBLeagueBase*>(world.Competition(leagueId));
}

bool InAnyLeague(const CWorld& world, int country, std::uint32_t team) {
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        if (league->PositionOfTeam(team) >= 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<const CDBCompetition*> CountryLeagues(const CWorld& world, int country) {
    std::vector<const CDBCompetition*> leagues;
    for (int index = 0; index < kCountryLeagueCount; ++index) {
        if (const CDBLeagueBase* league =
                LeagueOf(world, MakeCompetitionId(country, kLeagueType, index))) {
            leagues.push_back(league);
        }
    }
    return leagues;
}

std::string LeagueName(const CDBCompetition& league, int language) {
    const auto& names = league.Names();
    const std::string_view own = names[static_cast<std::size_t>(language) % names.size()].View();
    return std::string(own.empty() ? names[0].View() : own);
}

std::vector<std::uint32_t> TeamsWithoutLeague(const CWorld& world, int country, bool hideReserves) {
    std::vector<std::uint32_t> teams;
    for (const auto& entry : world.Country(country).Clubs()) {
        if (IsNationalTeam(entry.first)) {
            continue;
        }
        for (const bool reserve : {false, true}) {
            const std::uint32_t team = reserve ? entry.first | kSecondTeamFlag : entry.first;
            if ((!reserve || !hideReserves) && !InAnyLeague(world, country, team)) {
                teams.push_back(team);
            }
        }
    }
    return teams;
}

bool CanPlaceTeam(const CWorld& world, std::uint32_t leagueId, std::uint32_t team) {
    const CDBLeagueBase* league = LeagueOf(world, leagueId);
    return league != nullptr && (team & 0xFFFF) != 0 && !league->IsFull() &&
           league->PositionOfTeam(team) < 0;
}

bool PlaceTeam(CWorld& world, std::uint32_t leagueId, std::uint32_t team, int position) {
    if (!CanPlaceTeam(world, leagueId, team)) {
        return false;
    }
    for (const CDBCompetition* other : CountryLeagues(world, CompetitionCountry(leagueId))) {
        LeagueOf(world, other->Id())->RemoveTeam(team);
    }
    return LeagueOf(world, leagueId)->AddTeam(team, position);
}

bool RemoveTeamFromLeagues(CWorld& world, int country, std::uint32_t team) {
    bool removed = false;
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        removed |= LeagueOf(world, league->Id())->RemoveTeam(team);
    }
    return removed;
}

void ClearLeagueTeams(CWorld& world, std::uint32_t leagueId) {
    if (CDBLeagueBase* league = LeagueOf(world, leagueId)) {
        league->ClearTeams();
    }
}

void ClearAllLeagueTeams(CWorld& world, int country) {
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        ClearLeagueTeams(world, league->Id());
    }
}

SCompositionFaults CheckComposition(const CWorld& world, int country, int language) {
    SCompositionFaults faults;
    const int levelLimit = world.Country(country).Settings().leagueLevelLimit;
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        const std::uint32_t found = league->Check(world.Registry(), 0, levelLimit);
        const std::string name = LeagueName(*league, language);
        if ((found & kFaultTeamCount) != 0) {
            faults.messages.push_back(FormatPrintf(
                ShownText("kw::LeagueComposition", "%s: Nicht genügend Vereine in der Liga!")
                    .data(),
                name.c_str()));
        }
        if ((found & kFaultReserveTeams) != 0) {
            faults.messages.push_back(
                FormatPrintf(ShownText("kw::LeagueComposition",
                                       "%s: Reserveteams dürfen nicht in der Liga spielen!")
                                 .data(),
                             name.c_str()));
        }
    }
    faults.headed = faults.messages.size() > 1;
    return faults;
}

}  // namespace kw
