#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "editing/DateFields.h"

namespace kw {

class CWorld;
struct SHistoryEntry;

// The history page's national-team flags: bits of national-team byte 1 (bit 2 of that byte is
// the record's own, set when national-team byte 2 is).
inline constexpr int kNationalFlagsByte = 0;
inline constexpr std::uint8_t kInNationalTeamBit = 0x01;
inline constexpr std::uint8_t kNationalTeamRetiredBit = 0x02;

// The fields of a career entry.
inline constexpr SYearRange kCareerYears{1980, 2005};
inline constexpr int kMaxLeagueGames = 1999;
inline constexpr int kMaxCareerGoals = 999;
// "Start des Vertrages".
inline constexpr SYearRange kContractStartYears{1980, 2015};

// The order the career list shows the entries in: indexes into the record's list, by start date,
// earliest first; entries with the same start date keep their stored order. The record itself
// keeps its order.
std::vector<std::size_t> CareerDisplayOrder(std::span<const SHistoryEntry> career);

// A row of the career list: "club\tstart\tend\tgames\tgoals\tx" (a blank instead of "x" when the
// player was not on loan), the club named in `language`.
std::string CareerRowText(const CWorld& world, const SHistoryEntry& entry, int language);

// Writes into `target` the fields of `edited` that differ from `loaded` (what the user changed
// since the page was loaded); the others keep the target's values.
void WriteChangedEntryFields(const SHistoryEntry& loaded, const SHistoryEntry& edited,
                             SHistoryEntry& target);

}  // namespace kw
