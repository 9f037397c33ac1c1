#pragma once

#include <vector>

namespace kw {

class CDBFixturelist;

// "Spielplan": what the fixture-list view shows of one matchday of a league's list and what its
// commands do to the list. Teams are 1-based positions in the league's team list, 0 a free place.

// One row of "Spielpaarungen": the pairing's column and its two places.
struct SPairingRow {
    int column = 0;
    int home = 0;
    int away = 0;

    friend bool operator==(const SPairingRow&, const SPairingRow&) = default;
};

// The matchdays the view can show, 0..count - 1: a list without rows has none, so the view shows
// no matchday rather than a matchday 1 that does not exist.
int MatchdayCount(const CDBFixturelist& list);
bool HasMatchday(const CDBFixturelist& list, int matchday);

// The pairings of the matchday in column order; empty for a matchday the list does not have.
std::vector<SPairingRow> MatchdayPairings(const CDBFixturelist& list, int matchday);

// "Vereine": the positions 1..teamCount that play in no pairing of the matchday, in order; none
// for a matchday the list does not have.
std::vector<int> TeamsWithoutPairing(const CDBFixturelist& list, int matchday, int teamCount);

// Puts the team into the first pairing of the matchday whose home place is free, else into the
// first whose away place is free. False, changing nothing, when every place is taken, the team
// plays on the matchday already, or the matchday or position is not in the list.
bool PlaceTeamOnMatchday(CDBFixturelist& list, int matchday, int position);

// Frees both places of one pairing; false when it was free already or is not in the list.
bool FreePairing(CDBFixturelist& list, int matchday, int column);

// "Vom Computer generierter Spielplan": the whole list from the template of the league's size
// with its meetings. False, leaving the list as it was, when there is no template of that size.
bool CanGenerateFixtures(int leagueSize);
bool GenerateFixtures(CDBFixturelist& list, int leagueSize, int meetings);

// "Rückrunde wie Hinrunde": with `rows` matchdays, matchday r + rows/2 gets the pairings of
// matchday r (r < rows/2) with home and away exchanged. An odd number of matchdays has no second
// half (a single meeting, or three): nothing changes and the result is false, since the literal
// rule would overwrite part of the first round with repeats of its own pairings.
bool CanMirrorFirstHalf(const CDBFixturelist& list);
bool MirrorFirstHalf(CDBFixturelist& list);

}  // namespace kw
