#include "editing/FixtureListSession.h"

#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

const CDBLeague* FixtureLeague(const CWorld& world, int country, std::uint32_t leagueId) {
    if (CompetitionCountry(leagueId) != country) {
        return nullptr;
    }
    return dynamic_cast<const CDBLeague*>(world.Competition(leagueId));
}

CDBFixturelist* CFixtureListSession::List(const CWorld& world, std::uint32_t leagueId) {
    if (const auto found = m_copies.find(leagueId); found != m_copies.end()) {
        return &found->second;
    }
    const CDBLeague* league = FixtureLeague(world, m_country, leagueId);
    if (league == nullptr) {
        return nullptr;
    }
    return &m_copies.emplace(leagueId, league->Fixtures()).first->second;
}

std::vector<std::uint32_t> CFixtureListSession::ChangedLeagues(const CWorld& world) const {
    std::vector<std::uint32_t> changed;
    for (const auto& entry : m_copies) {
        const CDBLeague* league = FixtureLeague(world, m_country, entry.first);
        if (league != nullptr && !(league->Fixtures() == entry.second)) {
            changed.push_back(entry.first);
        }
    }
    return changed;
}

bool CFixtureListSession::Store(CDatabaseDocument& document) const {
    const std::vector<std::uint32_t> changed = ChangedLeagues(document.World());
    if (changed.empty()) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Spielplan")),
                            SWorldScope::Countries({m_country}), [this, &changed](CWorld& world) {
                                for (const std::uint32_t id : changed) {
                                    auto* league = dynamic_cast<CDBLeague*>(world.Competition(id));
                                    league->Fixtures().Assign(m_copies.at(id));
                                }
                                return true;
                            });
}

std::string FixtureTeamName(const CWorld& world, const CDBLeague& league, int position,
                            int language) {
    const std::uint32_t team = league.Team(position - 1);
    const int country = ClubCountry(team);
    if (team == 0 || country < 1 || country > kCountryCount) {
        return {};
    }
    const CClub* club = world.Country(country).Club(team & kClubIdMask);
    if (club == nullptr) {
        return {};
    }
    return (team & kSecondTeamFlag) != 0 ? club->SecondTeamName(language)
                                         : std::string(club->Name(language));
}

std::string PairingText(const CWorld& world, const CDBLeague& league, int home, int away,
                        int language) {
    return FixtureTeamName(world, league, home, language) + "\t-\t" +
           FixtureTeamName(world, league, away, language);
}

}  // namespace kw
