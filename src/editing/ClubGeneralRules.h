#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

class CClub;
class CPlayer;
class CWorld;

// What the general page of the club editor computes; the page only shows and collects.

// --- starting money: a spin of positions 0..2200, one step 100 000, position 200 is 0.
inline constexpr int kMoneySpinMinimum = 0;
inline constexpr int kMoneySpinMaximum = 2200;
inline constexpr int kMoneySpinZero = 200;
inline constexpr std::int32_t kMoneyStep = 100000;

// (p - 200) * 100 000 for a position clamped to the spin's range.
std::int32_t MoneyFromSpinPosition(int position);
// The position that shows `money`: money / 100 000 + 200, cut towards zero and kept in the
// spin's range, so a sum that is no multiple of the step lands on the step next to it.
int SpinPositionFromMoney(std::int32_t money);
// The money a typed text stands for: its digits, negative when a '-' comes before the first one;
// the thousands points and blanks of FormatThousands are ignored. Saturates at the 32-bit range.
std::int32_t ParseMoneyText(std::string_view text);

// --- founding year and prestige.
inline constexpr int kFoundingYearMinimum = 1800;
inline constexpr int kFoundingYearMaximum = 2005;
inline constexpr int kMaxPrestige = 20;

// --- the three point deductions the radio buttons offer.
inline constexpr std::uint8_t kPointDeductions[] = {0, 3, 6};

// A number typed into one of the digit fields: leading blanks, then decimal digits up to the
// first other character; 0 without any. Saturates at the largest 32-bit value.
std::int32_t ReadDecimalNumber(std::string_view text);

// How many characters a text field lets the user type: what the page allows, but never more
// than the record's field holds beside its terminating zero.
constexpr int TypingLimit(int pageLimit, std::size_t capacity) {
    const int held = static_cast<int>(capacity) - 1;
    return pageLimit < held ? pageLimit : held;
}

// The fan sites as the multi-line field typed them, made the one line the record keeps (the club
// file has no line breaks): each line break, CR LF counted once, becomes a blank; then cut to
// `limit` characters.
std::string FanSitesFromEditor(std::string_view typed, std::size_t limit);

// --- the club choices of the friendly club and rival combos.
struct SClubChoice {
    std::uint32_t id = 0;  // 0: " nicht vorhanden "
    std::string name;      // Windows-1252
};
// " nicht vorhanden " with 0 first, then every other club of the club's country (not the club
// itself, not the national team) by its name in `language` (CollateText), equal names by id.
std::vector<SClubChoice> ClubChoices(const CWorld& world, const CClub& club, int language);
// Position of `id` among the choices; -1 when the list lacks it (a club of another country or
// one that no longer exists).
int ChoiceIndex(const std::vector<SClubChoice>& choices, std::uint32_t id);

// --- the team statistics lines: players and their average strength, first and second team.
struct STeamStatistics {
    int players = 0;
    double averageStrength = 0.0;  // 0 for a team without players
};
STeamStatistics TeamStatistics(const std::vector<CPlayer*>& team);
// "%d" and "%2.2f".
std::string FormatPlayerCount(const STeamStatistics& statistics);
std::string FormatAverageStrength(const STeamStatistics& statistics);

// --- article and sentence buttons.
// The article `choice` of the language, empty when the list has no such entry.
std::string_view ArticleText(int language, std::uint8_t choice);
// Sentence form `choice` of list 0 or 1 with the name in place of "%s"; empty when the list has
// no such form.
std::string SentenceText(int list, int language, std::uint8_t choice, std::string_view name);

// --- the status bit of "Spielt nicht im IT Cup".
std::uint16_t WithNoItCup(std::uint16_t flags, bool noItCup);

}  // namespace kw
