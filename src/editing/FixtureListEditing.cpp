#include "editing/FixtureListEditing.h"

#include <cstdint>

#include "competition/FixtureTemplates.h"
#include "competition/Fixturelist.h"

namespace kw {

namespace {

SPairingRow PairingAt(const CDBFixturelist& list, int matchday, int column) {
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    list.GetPairing(matchday, column, home, away);
    return {column, home, away};
}

bool PlaysOn(const CDBFixturelist& list, int matchday, int position) {
    for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
        if (row.home == position || row.away == position) {
            return true;
        }
    }
    return false;
}

// The first column whose chosen place is free; -1 when there is none.
int FirstFree(const CDBFixturelist& list, int matchday, bool home) {
    for (const SPairingRow& row : MatchdayPairings(list, matchday)) {
        if ((home ? row.home : row.away) == 0) {
            return row.column;
        }
    }
    return -1;
}

}  // namespace

int MatchdayCount(const CDBFixturelist& list) {
    return list.Rows();
}

bool HasMatchday(const CDBFixturelist& list, int matchday) {
    return matchday >= 0 && matchday < list.Rows();
}

std::vector<SPairingRow> MatchdayPairings(const CDBFixturelist& list, int matchday) {
    std::vector<SPairingRow> rows;
    if (HasMatchday(list, matchday)) {
        for (int column = 0; column < list.Columns(); ++column) {
            rows.push_back(PairingAt(list, matchday, column));
        }
    }
    return rows;
}

std::vector<int> TeamsWithoutPairing(const CDBFixturelist& list, int matchday, int teamCount) {
    std::vector<int> teams;
    if (HasMatchday(list, matchday)) {
        for (int position = 1; position <= teamCount; ++position) {
            if (!PlaysOn(list, matchday, position)) {
                teams.push_back(position);
            }
        }
    }
    return teams;
}

bool PlaceTeamOnMatchday(CDBFixturelist& list, int matchday, int position) {
    // A cell holds a byte: a position beyond it could never be told apart from another team.
    if (!HasMatchday(list, matchday) || position < 1 || position > UINT8_MAX ||
        PlaysOn(list, matchday, position)) {
        return false;
    }
    const auto team = static_cast<std::uint8_t>(position);
    if (const int column = FirstFree(list, matchday, true); column >= 0) {
        const SPairingRow row = PairingAt(list, matchday, column);
        list.SetPairing(matchday, column, team, static_cast<std::uint8_t>(row.away));
        return true;
    }
    if (const int column = FirstFree(list, matchday, false); column >= 0) {
        const SPairingRow row = PairingAt(list, matchday, column);
        list.SetPairing(matchday, column, static_cast<std::uint8_t>(row.home), team);
        return true;
    }
    return false;
}

bool FreePairing(CDBFixturelist& list, int matchday, int column) {
    std::uint8_t home = 0;
    std::uint8_t away = 0;
    if (!list.GetPairing(matchday, column, home, away) || (home == 0 && away == 0)) {
        return false;
    }
    list.SetPairing(matchday, column, 0, 0);
    return true;
}

bool CanGenerateFixtures(int leagueSize) {
    return FixtureTemplate(leagueSize).has_value();
}

bool GenerateFixtures(CDBFixturelist& list, int leagueSize, int meetings) {
    return FillFromTemplate(list, leagueSize, meetings);
}

bool CanMirrorFirstHalf(const CDBFixturelist& list) {
    return list.Rows() > 0 && list.Rows() % 2 == 0;
}

bool MirrorFirstHalf(CDBFixturelist& list) {
    if (!CanMirrorFirstHalf(list)) {
        return false;
    }
    const int half = list.Rows() / 2;
    for (int row = 0; row < half; ++row) {
        for (int column = 0; column < list.Columns(); ++column) {
            const SPairingRow first = PairingAt(list, row, column);
            list.SetPairing(row + half, column, static_cast<std::uint8_t>(first.away),
                            static_cast<std::uint8_t>(first.home));
        }
    }
    return true;
}

}  // namespace kw
