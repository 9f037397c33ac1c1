#include "reports/ClubList.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

const CDBCompetition* LeagueOf(const CCountry& country, std::uint32_t clubId) {
    const CWorld& world = country.World();
    for (int index = 0; index < CCountry::kMaxListedLeagues; ++index) {
        const CDBCompetition* league =
            world.Competition(MakeCompetitionId(country.Number(), kLeagueType, index));
        if (league == nullptr) {
            break;
        }
        if (league->PositionOfTeam(clubId) >= 0) {
            return league;
        }
    }
    return nullptr;
}

// The strength as the list shows it, to two decimals.
long long ShownStrength(double strength) {
    return std::llround(strength * 100.0);
}

}  // namespace

std::vector<SClubListEntry> ClubListEntries(const CCountry& country, int language) {
    std::vector<SClubListEntry> entries;
    entries.reserve(country.Clubs().size());
    for (const auto& [id, club] : country.Clubs()) {
        SClubListEntry entry;
        entry.clubId = id;
        entry.nationalTeam = club->IsNationalTeam();
        entry.name = std::string(club->Name(language));
        if (!entry.nationalTeam) {
            if (const CDBCompetition* league = LeagueOf(country, id)) {
                entry.leagueId = league->Id();
                entry.leagueName = std::string(league->Names()[language].View());
            }
            entry.strength = ClubStrength(*club);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void SortClubList(std::vector<SClubListEntry>& entries, EClubListOrder order) {
    // Negative for "a first", positive for "b first", 0 when the order's key ties.
    const auto compareKey = [order](const SClubListEntry& a, const SClubListEntry& b) -> int {
        if (a.nationalTeam != b.nationalTeam) {
            return a.nationalTeam ? -1 : 1;
        }
        const auto stronger = [&] {
            const long long sa = ShownStrength(a.strength);
            const long long sb = ShownStrength(b.strength);
            return sa == sb ? 0 : (sa > sb ? -1 : 1);
        };
        switch (order) {
            case EClubListOrder::kName:
                return 0;
            case EClubListOrder::kLeague: {
                const bool aHas = a.leagueId != 0;
                const bool bHas = b.leagueId != 0;
                if (aHas != bHas) {
                    return aHas ? -1 : 1;
                }
                if (a.leagueId != b.leagueId) {
                    return a.leagueId < b.leagueId ? -1 : 1;
                }
                return stronger();
            }
            case EClubListOrder::kStrength:
                return stronger();
        }
        return 0;
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const SClubListEntry& a, const SClubListEntry& b) {
                         const int key = compareKey(a, b);
                         return key != 0 ? key < 0 : CollateText(a.name, b.name) < 0;
                     });
}

int ClubListRowToSelect(const std::vector<SClubListEntry>& entries,
                        std::vector<std::uint32_t> listedBefore, std::uint32_t selectedBefore,
                        int rowBefore) {
    if (entries.empty()) {
        return -1;
    }
    std::sort(listedBefore.begin(), listedBefore.end());
    const auto rowOf = [&entries](const auto& wanted) {
        const auto found = std::find_if(entries.begin(), entries.end(), wanted);
        return found != entries.end() ? static_cast<int>(found - entries.begin()) : -1;
    };
    if (!listedBefore.empty()) {
        const int added = rowOf([&listedBefore](const SClubListEntry& entry) {
            return !std::binary_search(listedBefore.begin(), listedBefore.end(), entry.clubId);
        });
        if (added >= 0) {
            return added;
        }
    }
    const int kept = rowOf(
        [selectedBefore](const SClubListEntry& entry) { return entry.clubId == selectedBefore; });
    return kept >= 0 ? kept : std::clamp(rowBefore, 0, static_cast<int>(entries.size()) - 1);
}

std::string ClubListRowText(const SClubListEntry& entry) {
    if (entry.nationalTeam) {
        return entry.name + "\t\t";
    }
    const std::string league = entry.leagueId != 0 ? entry.leagueName : "-";
    return entry.name + "\t" + league + "\t" + FormatPrintf("%2.2f", entry.strength);
}

}  // namespace kw
