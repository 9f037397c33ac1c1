#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/SquadChoices.h"
#include "model/PlayerSummaryValues.h"

namespace kw {

class CClub;
class CPlayer;

// The player comparison's list of a club: its players (person kind 0) in the club's order, each
// "%s (%2.1f)" with the short name and the strength at the main position (Windows-1252).
std::vector<SChoiceEntry> ComparisonPlayers(const CClub& club);

// The sixteen summary values as the comparison shows them, with one decimal.
std::array<std::string, kSummaryValueCount> SummaryValueTexts(const CPlayer& player);

}  // namespace kw
