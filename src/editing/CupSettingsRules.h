#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kw {

class CCountry;
class CDBCup;
class CRules;
class CWorld;

// The rules of the country's cups page and the continental settings: prize money, cup modes and
// title holders.

// --- prize money: kind 0 "Prämie", kind 1 "Fernsehen" for the eight round slots
// "1. Runde" ... "Finale". The page edits these two kinds only.
inline constexpr int kPrizeKinds = 2;
inline constexpr int kPrizeRounds = 8;
inline constexpr int kPrizeFieldLength = 10;
using PrizeMatrix = std::array<std::array<std::int32_t, kPrizeRounds>, kPrizeKinds>;

// An amount typed into a prize field: leading blanks, then its digits up to the first other
// character. Ten digits do not all fit 32 bits, so the amount saturates at 2,147,483,647 instead
// of wrapping; a sign or no digits gives 0.
std::int32_t ParsePrizeMoney(std::string_view text);

PrizeMatrix ReadPrizeMoney(const CDBCup& cup);
// Copies both kinds into the cup's round values, amounts held to 0..2,147,483,647; the cup's
// further value kinds 2 and 3 stay as they are. True when a value changed.
bool StorePrizeMoney(CDBCup& cup, const PrizeMatrix& prizes);

// --- cup modes: the national cup, league cups 0..3 and the super cup.
enum class ECountryCup { National, League0, League1, League2, League3, Super };
// The cup node's id in the country.
std::uint32_t CountryCupId(int country, ECountryCup cup);
// The setting the country stores for the cup: its format number, 0 when it has none.
int CupSetting(const CCountry& country, ECountryCup cup);
// Stores the mode (a cup format, 0 for " Kein Pokal"). Only when it differs from the stored
// setting: that cup's node is removed with its dates, and for a mode other than 0 a new node with
// that format is created under the country's root (the root made first when missing). The other
// cups, their dates and prize money stay. True when the mode changed.
bool StoreCupMode(CWorld& world, int country, ECountryCup cup, int format);

// --- continental title holders. The first two competitions of a continent cannot have the same
// holder: choosing the club that holds the other of the two clears that other title.
inline constexpr int kExclusiveTitleCompetitions = 2;
void ChooseTitleHolder(CRules& rules, int continent, int competition, std::uint32_t club);

}  // namespace kw
