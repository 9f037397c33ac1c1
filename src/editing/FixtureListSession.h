#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "competition/Fixturelist.h"

namespace kw {

class CDatabaseDocument;
class CDBLeague;
class CWorld;

// The fixture-list view edits copies of a country's league lists: each league's list is copied
// from the world when the view first shows it and kept while other leagues are chosen. Storing
// writes every copy that differs from its league's list as one edit, so OK is one undo step and a
// view only looked at records nothing; dropping the session discards the copies.
class CFixtureListSession {
public:
    explicit CFixtureListSession(int country) : m_country(country) {}

    int Country() const { return m_country; }

    // The copy of the league's list; nullptr when the id names no league of the country.
    CDBFixturelist* List(const CWorld& world, std::uint32_t leagueId);
    // The leagues whose copy differs from the world's list, in id order.
    std::vector<std::uint32_t> ChangedLeagues(const CWorld& world) const;
    // One `Perform` over the country that stores every changed copy; false, recording nothing,
    // when no copy differs.
    bool Store(CDatabaseDocument& document) const;

private:
    int m_country;
    std::map<std::uint32_t, CDBFixturelist> m_copies;
};

// The league of the country with that id; nullptr for anything else.
const CDBLeague* FixtureLeague(const CWorld& world, int country, std::uint32_t leagueId);

// The name of the team at a 1-based position of the league's team list (a reserve team under its
// club's second-team name) in `language`, Windows-1252; empty for a free place or a team the
// database lacks.
std::string FixtureTeamName(const CWorld& world, const CDBLeague& league, int position,
                            int language);

// A row of "Spielpaarungen": home name, "-", away name, separated by tabs.
std::string PairingText(const CWorld& world, const CDBLeague& league, int home, int away,
                        int language);

}  // namespace kw
