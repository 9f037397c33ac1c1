#include "editing/CompositionCommands.h"

#include <algorithm>
#include <functional>
#include <map>

#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "editing/LeagueComposition.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

const CDBLeagueBase* LeagueOf(const CWorld& world, std::uint32_t leagueId) {
    return dynamic_cast<const CDBLeagueBase*>(world.Competition(leagueId));
}

bool IsReserve(std::uint32_t team) {
    return (team & kSecondTeamFlag) != 0;
}

// A league may list a team of a country the database does not have: it shows no name.
const CClub* ClubOfTeam(const CWorld& world, std::uint32_t team) {
    const int country = ClubCountry(team);
    return ValidCountry(country) == country ? world.Country(country).Club(team & kClubIdMask)
                                            : nullptr;
}

SCompositionRow RowOf(const CWorld& world, std::uint32_t team, int position, int language) {
    SCompositionRow row{team, position, {}};
    const CClub* club = ClubOfTeam(world, team);
    if (club == nullptr) {
        row.text = "\t\t";
        return row;
    }
    const bool reserve = IsReserve(team);
    row.text = (reserve ? club->SecondTeamName(language) : std::string(club->Name(language))) +
               '\t' + std::string(LeagueMarkText(*club, reserve)) + '\t' +
               std::string(CupMarkText(*club, reserve));
    return row;
}

bool Change(CDatabaseDocument& document, int country,
            const std::function<bool(CWorld&)>& operation) {
    return document.Perform(std::string(ShownText("kw::Edit", "Ligazusammensetzung")),
                            SWorldScope::Countries({country}), operation);
}

// The status flags of the country's clubs, to tell whether a mark changed anything.
std::map<std::uint32_t, std::uint16_t> StatusFlags(const CCountry& country) {
    std::map<std::uint32_t, std::uint16_t> flags;
    for (const auto& entry : country.Clubs()) {
        flags.emplace(entry.first, entry.second->StatusFlags());
    }
    return flags;
}

}  // namespace

std::vector<SLeagueRow> LeagueRows(const CWorld& world, int country, int language) {
    std::vector<SLeagueRow> rows;
    for (const CDBCompetition* league : CountryLeagues(world, country)) {
        rows.push_back({league->Id(), LeagueName(*league, language)});
    }
    return rows;
}

std::vector<SCompositionRow> LeagueTeamRows(const CWorld& world, std::uint32_t leagueId,
                                            bool hideReserves, int language) {
    std::vector<SCompositionRow> rows;
    const CDBLeagueBase* league = LeagueOf(world, leagueId);
    if (league == nullptr) {
        return rows;
    }
    for (int position = 0; position < league->TeamCount(); ++position) {
        const std::uint32_t team = league->Team(position);
        if (!hideReserves || !IsReserve(team)) {
            rows.push_back(RowOf(world, team, position, language));
        }
    }
    return rows;
}

std::vector<SCompositionRow> RowsWithoutLeague(const CWorld& world, int country, bool hideReserves,
                                               int language) {
    std::vector<SCompositionRow> rows;
    for (const std::uint32_t team : TeamsWithoutLeague(world, country, hideReserves)) {
        rows.push_back(RowOf(world, team, -1, language));
    }
    return rows;
}

bool AddTeamToLeague(CDatabaseDocument& document, std::uint32_t leagueId, std::uint32_t team) {
    if (!CanPlaceTeam(document.World(), leagueId, team)) {
        return false;
    }
    return Change(document, CompetitionCountry(leagueId),
                  [leagueId, team](CWorld& world) { return PlaceTeam(world, leagueId, team, -1); });
}

bool DropTeamInLeague(CDatabaseDocument& document, std::uint32_t leagueId, std::uint32_t team,
                      int position) {
    const CDBLeagueBase* league = LeagueOf(document.World(), leagueId);
    if (league == nullptr) {
        return false;
    }
    const int from = league->PositionOfTeam(team);
    if (from < 0) {
        return CanPlaceTeam(document.World(), leagueId, team) &&
               Change(document, CompetitionCountry(leagueId),
                      [leagueId, team, position](CWorld& world) {
                          return PlaceTeam(world, leagueId, team, position);
                      });
    }
    const int count = league->TeamCount();
    // Dropped on the row of a later team: that team moves up by one once the dragged one left.
    int to = position < 0 || position >= count ? count - 1 : position;
    if (to > from && position >= 0 && position < count) {
        to -= 1;
    }
    // Taken out and put back: an overfull league (its size lowered) would not take it back.
    if (to == from || count - 1 >= std::min(league->LeagueSize(), CDBLeagueBase::kMaxTeams)) {
        return false;
    }
    return Change(document, CompetitionCountry(leagueId), [leagueId, team, to](CWorld& world) {
        auto* target = dynamic_cast<CDBLeagueBase*>(world.Competition(leagueId));
        return target->RemoveTeam(team) && target->AddTeam(team, to);
    });
}

bool DropTeamWithoutLeague(CDatabaseDocument& document, int country, std::uint32_t team) {
    return Change(document, country, [country, team](CWorld& world) {
        return RemoveTeamFromLeagues(world, country, team);
    });
}

bool ClearLeague(CDatabaseDocument& document, std::uint32_t leagueId) {
    const CDBLeagueBase* league = LeagueOf(document.World(), leagueId);
    if (league == nullptr || league->TeamCount() == 0) {
        return false;
    }
    return Change(document, CompetitionCountry(leagueId), [leagueId](CWorld& world) {
        ClearLeagueTeams(world, leagueId);
        return true;
    });
}

bool ClearAllLeagues(CDatabaseDocument& document, int country) {
    bool anyTeam = false;
    for (const CDBCompetition* league : CountryLeagues(document.World(), country)) {
        anyTeam |= LeagueOf(document.World(), league->Id())->TeamCount() > 0;
    }
    if (!anyTeam) {
        return false;
    }
    return Change(document, country, [country](CWorld& world) {
        ClearAllLeagueTeams(world, country);
        return true;
    });
}

bool SetSeasonMark(CDatabaseDocument& document, int country, std::uint32_t team, ESeasonMark mark) {
    return Change(document, country, [country, team, mark](CWorld& world) {
        CCountry& owner = world.Country(country);
        const auto before = StatusFlags(owner);
        ApplySeasonMark(owner, team, mark);
        return StatusFlags(owner) != before;
    });
}

}  // namespace kw
