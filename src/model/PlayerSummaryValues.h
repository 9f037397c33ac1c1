#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/Player.h"

namespace kw {

// The sixteen summary values the player comparison shows: what a player's 43 abilities amount
// to in one skill each. They are built the way the strength model builds a position's strength
// (model/PlayerStrength.h): every value weighs the abilities it rests on with 1 (a little) to 5
// (the ability itself) and ignores the rest, and is the weighted average of those abilities,
// each taken as at most 99, scaled from 0..99 to 0..100:
//
//     value(v) = 100 / 99 * sum(w[v][i] * a[i]) / sum(w[v][i])
//
// So every value lies within 0..100, rises with each ability it uses and with no other. The
// weights (ability names as in the abilities table):
//
// clang-format off
//  "Passspiel"          Passspiel 5, Lange Pässe 3, Kreativität 2, Ballkontrolle 1,
//                       Entscheidungen 1
//  "Kopfball"           Kopfball 5, Sprungkraft 3, Stellungsspiel 1, Robustheit 1
//  "Schussstärke"       Schusskraft 5, Fernschüsse 3, Robustheit 1
//  "Schussgenauigkeit"  Torriecher 5, Fernschüsse 2, Ruhe 2, Technik 1, Elfmeter 1
//  "Antritt"            Antritt 5, Beweglichkeit 2
//  "Schnelligkeit"      Schnelligkeit 5, Antritt 1, Ausdauer 1
//  "Def. Zweikampf"     Tackling 5, Manndeckung 4, Robustheit 2, Aggressivität 2,
//                       Stellungsspiel 1
//  "Off. Zweikampf"     Dribbling 5, Ballkontrolle 3, Robustheit 2, Beweglichkeit 2, Genius 1
//  "Technik"            Technik 5, Ballkontrolle 4, Dribbling 2, Genius 1
//  "Flanken"            Flanken 5, Ecken 2, Lange Pässe 1
//  "Reflexe"            Paraden 5, Beweglichkeit 2, Konzentration 2
//  "Flugparaden"        Paraden 3, Sprungkraft 3, Beweglichkeit 3, Fangsicherheit 2
//  "Strafraumbeherr."   Strafraumbeherrschung 5, Fausten 2, Fangsicherheit 2, Sprungkraft 1,
//                       Führungsqualitäten 1
//  "Eins gegen eins"    Mann gegen Mann 5, Stellungsspiel (Torwart) 2, Ruhe 2
//  "Abstöße"            Abstöße 5, Lange Pässe 1
//  "Abwürfe"            Abwürfe 5, Entscheidungen 1
// clang-format on
//
// The goalkeeping values (from "Reflexe" on) rest mainly on the goalkeeping abilities 35 to 42,
// which the strength model weighs only in goal: a goalkeeper shows high ones, a field player low.

inline constexpr int kSummaryValueCount = 16;

// The label of value 0..15 in the order above, as windows show it: in the interface language
// (Windows-1252). Empty outside.
std::string_view SummaryValueLabel(int value);
// Weight 0..5 of the ability in the value; 0 outside the ranges.
int SummaryValueWeight(int value, int ability);

using SummaryValues = std::array<double, kSummaryValueCount>;
// The sixteen values 0..100 from the abilities.
SummaryValues PlayerSummaryValues(const std::array<std::uint8_t, kAbilityCount>& abilities);
SummaryValues PlayerSummaryValues(const CPlayer& player);

}  // namespace kw
