#include "model/PlayerStrength.h"

#include <algorithm>
#include <vector>

#include "model/Club.h"

namespace kw {

namespace {

using Weights = std::array<std::uint8_t, kAbilityCount>;

// Rows by position code 1..17; columns by ability:
//  0 shot power      1 long shots     2 dribbling      3 technique      4 crossing
//  5 creativity      6 finishing      7 free kicks     8 corners        9 penalties
// 10 passing        11 long passes   12 flair         13 tackling      14 marking
// 15 heading        16 ball control  17 forward runs  18 acceleration  19 pace
// 20 stamina        21 strength      22 agility       23 jumping       24 work rate
// 25 positioning    26 aggression    27 composure     28 concentration 29 decisions
// 30 determination  31 teamwork      32 consistency   33 intimidation  34 leadership
// 35 command of area 36 handling     37 goal kicks    38 one on one    39 goalkeeper positioning
// 40 punching       41 saves         42 throwing
// clang-format off
constexpr std::array<Weights, kLastPosition> kWeights = {{
    //   0  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 38 39 40 41 42
    /* GK  */
    {{   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 2, 2, 1, 0, 0, 1, 0, 1, 4, 5, 2, 4, 5, 2, 5, 2}},
    /* RB  */
    {{   0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 2, 0, 0, 4, 4, 1, 1, 1, 2, 3, 3, 1, 1, 0, 2, 3, 1, 1, 2, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* LB  */
    {{   0, 0, 0, 1, 2, 0, 0, 0, 0, 0, 2, 0, 0, 4, 4, 1, 1, 1, 2, 3, 3, 1, 1, 0, 2, 3, 1, 1, 2, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* CD  */
    {{   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 5, 5, 4, 1, 0, 1, 2, 1, 3, 0, 3, 0, 4, 2, 2, 3, 2, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* SW  */
    {{   0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 3, 3, 0, 4, 3, 3, 2, 0, 1, 2, 0, 2, 0, 2, 0, 5, 0, 3, 3, 3, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* RWB */
    {{   0, 0, 2, 1, 3, 0, 0, 0, 0, 0, 2, 0, 0, 3, 3, 0, 2, 2, 3, 3, 4, 0, 1, 0, 3, 2, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* LWB */
    {{   0, 0, 2, 1, 3, 0, 0, 0, 0, 0, 2, 0, 0, 3, 3, 0, 2, 2, 3, 3, 4, 0, 1, 0, 3, 2, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* ANC */
    {{   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 2, 0, 4, 4, 2, 1, 0, 0, 0, 2, 3, 0, 1, 2, 4, 2, 2, 3, 3, 0, 2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* DM  */
    {{   0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 3, 0, 4, 3, 1, 2, 0, 0, 0, 3, 2, 0, 0, 3, 3, 2, 1, 2, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* RM  */
    {{   0, 1, 3, 3, 4, 1, 0, 0, 1, 0, 3, 0, 0, 1, 0, 0, 3, 2, 3, 3, 3, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* LM  */
    {{   0, 1, 3, 3, 4, 1, 0, 0, 1, 0, 3, 0, 0, 1, 0, 0, 3, 2, 3, 3, 3, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* CM  */
    {{   0, 2, 1, 3, 0, 3, 0, 0, 0, 0, 5, 3, 1, 2, 0, 0, 3, 2, 0, 0, 3, 0, 0, 0, 3, 1, 0, 1, 0, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* RW  */
    {{   1, 1, 4, 3, 4, 2, 2, 0, 0, 0, 1, 0, 2, 0, 0, 0, 3, 2, 4, 4, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* LW  */
    {{   1, 1, 4, 3, 4, 2, 2, 0, 0, 0, 1, 0, 2, 0, 0, 0, 3, 2, 4, 4, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* AM  */
    {{   1, 3, 3, 4, 0, 4, 2, 1, 0, 0, 4, 1, 3, 0, 0, 0, 4, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* CF  */
    {{   2, 2, 3, 3, 0, 3, 4, 0, 0, 0, 2, 0, 2, 0, 0, 1, 3, 0, 3, 2, 0, 0, 1, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    /* ST  */
    {{   4, 2, 2, 1, 0, 0, 5, 0, 0, 1, 0, 0, 0, 0, 0, 4, 2, 0, 3, 3, 0, 2, 0, 2, 0, 4, 0, 3, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
}};
// clang-format on

constexpr int TotalWeight(const Weights& weights) {
    int total = 0;
    for (const std::uint8_t weight : weights) {
        total += weight;
    }
    return total;
}

constexpr bool EveryPositionWeighsSomething() {
    for (const Weights& weights : kWeights) {
        if (TotalWeight(weights) == 0) {
            return false;
        }
    }
    return true;
}
static_assert(EveryPositionWeighsSomething(), "a position without weights has no strength");

constexpr double kMaxAbilityValue = 99.0;

}  // namespace

int PositionWeight(int position, int ability) {
    if (position < 1 || position > kLastPosition || ability < 0 || ability >= kAbilityCount) {
        return 0;
    }
    return kWeights[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(ability)];
}

double StrengthAt(const std::array<std::uint8_t, kAbilityCount>& abilities, int position) {
    if (position < 1 || position > kLastPosition) {
        return 0.0;
    }
    const Weights& weights = kWeights[static_cast<std::size_t>(position - 1)];
    int weighted = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        weighted += weights[i] * std::min<int>(abilities[i], 99);
    }
    return 100.0 * weighted / (kMaxAbilityValue * TotalWeight(weights));
}

double StrengthAt(const CPlayer& player, int position) {
    return StrengthAt(player.Abilities(), position);
}

double PlayerStrength(const CPlayer& player) {
    return StrengthAt(player, player.MainPosition());
}

SBestPosition BestStrength(const CPlayer& player) {
    SBestPosition best;
    for (int position = 1; position <= kLastPosition; ++position) {
        const double strength = StrengthAt(player, position);
        if (strength > best.strength) {
            best = {position, strength};
        }
    }
    return best;
}

double ClubStrength(const CClub& club) {
    const std::vector<CPlayer*> players = club.FirstTeam();
    if (players.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (const CPlayer* player : players) {
        sum += PlayerStrength(*player);
    }
    return sum / static_cast<double>(players.size());
}

int Talent(const CPlayer& player) {
    return std::min(player.FootAndForm() & 0x07, kMaxTalent);
}

void SetTalent(CPlayer& player, int talent) {
    const int value = std::clamp(talent, 0, kMaxTalent);
    player.SetFootAndForm(static_cast<std::uint8_t>((player.FootAndForm() & ~0x07) | value));
}

}  // namespace kw
