#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/CompositionCommands.h"
#include "editing/LeagueComposition.h"
#include "editing/LeagueSystemRules.h"

namespace kw {

class CDatabaseDocument;
class CWorld;

// What the league-system page shows and what "Änderungen übernehmen" does, as edits of the
// document over the country.

// A level of the tree: its name in the language asked for and its leagues in index order.
struct SLevelRow {
    int level = 0;
    std::string name;  // Windows-1252
    std::vector<SLeagueRow> leagues;
};
// The levels 0..4 that have leagues.
std::vector<SLevelRow> LeagueSystemLevels(const CWorld& world, int country, int language);

// Whether applying would cost something the user should confirm: a level keeping fewer leagues
// than it has, or a league script taken up or given up (its competitions replaced).
bool ApplyNeedsConfirmation(const CWorld& world, int country, int script, int genericRow);

// "Änderungen übernehmen" as one edit: script `script` (from 1) or, without one, the generic row
// with the relegation counts the country has (each checked against the row). Row 0 and a missing
// script file are refused and record nothing; choosing the script in use changes nothing.
EApplyResult ApplyLeagueSystemEdit(CDatabaseDocument& document, int country, int script,
                                   int genericRow);

// The messages of the competition check's fault bits, in their order: "Spielplan ist nicht
// vollständig!", "Anzahl Spieltage ist nicht korrekt!", "Nicht genügend Vereine in der Liga!",
// "Reserveteams dürfen nicht in der Liga spielen!" (Windows-1252).
std::vector<std::string> CompetitionFaultTexts(std::uint32_t faults);

// A rebuild numbers the leagues anew, so links to leagues by number (relegation play-offs,
// script competitions) may miss afterwards: every competition of the country is checked in both
// calendars, and each fault found is one message after the competition's name in `language`.
SCompositionFaults CheckAfterRebuild(const CWorld& world, int country, int language);

}  // namespace kw
