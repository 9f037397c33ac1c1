#pragma once

#include <array>
#include <cstdint>

#include "model/Player.h"

namespace kw {

class CClub;

// The player's strength: how good his 43 abilities make him at each of the 17 positions.
//
// Every position weighs the abilities that matter there with 1 (useful) to 5 (essential) and
// ignores the rest (weight 0): the goalkeeping abilities 35 to 42 count only in goal, tackling,
// marking, heading and positioning dominate the defenders, passing, stamina and vision the
// midfielders, pace, crossing and dribbling the wide players, finishing, shooting and heading the
// forwards; mental abilities (composure, concentration, decisions, teamwork, leadership) give
// each position a share. The strength at a position is the weighted average of the abilities,
// each taken as at most 99, scaled from 0..99 to 0..100:
//
//     strength(p) = 100 / 99 * sum(w[p][i] * a[i]) / sum(w[p][i])
//
// so a player with every ability at 99 has strength 100 everywhere and one with all abilities at
// 0 has 0. Position 0 (none) and unknown codes have strength 0. Lists show it with one or two
// decimals.
//
// The player's strength is the strength at his first main position. His talent (0 "Normal" to
// 4 "Gigantisch") lives in bits 0 to 2 of the foot and form byte, which reading keeps within 0..4.
//
// A club's strength (the average-strength column of the main window's club list and the squad
// statistics) is the plain average of the player strengths of its first team: the persons of
// person kind 0 with team flag 0, each at his first main position. Second-team players and
// staff do not count; a club without first-team players has strength 0.

// Weight 0..5 of an ability at a position; 0 for position 0, unknown positions and abilities.
int PositionWeight(int position, int ability);

// Strength 0..100 at the position from the given abilities.
double StrengthAt(const std::array<std::uint8_t, kAbilityCount>& abilities, int position);
double StrengthAt(const CPlayer& player, int position);
// The strength at the first main position.
double PlayerStrength(const CPlayer& player);
// The best strength over the 17 positions, and the position that gives it (the first one among
// equals; 0 and strength 0 when no position gives a positive strength).
struct SBestPosition {
    int position = 0;
    double strength = 0.0;
};
SBestPosition BestStrength(const CPlayer& player);

// Average strength 0..100 of the club's first-team players; 0 without any.
double ClubStrength(const CClub& club);

inline constexpr int kMaxTalent = 4;
// 0 to 4; a stored value above 4 counts as 4.
int Talent(const CPlayer& player);
// Clamped to 0..4; the foot and the flags of the byte stay.
void SetTalent(CPlayer& player, int talent);

}  // namespace kw
