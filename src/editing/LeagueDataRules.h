#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kw {

// "Ligadaten": the ranges of a league's fields.
inline constexpr int kMinLeagueSize = 8;
inline constexpr int kMaxLeagueSize = 24;
inline constexpr int kMinMeetings = 2;
inline constexpr int kMaxMeetings = 4;
inline constexpr int kMaxLeagueMatchdays = 46;
inline constexpr int kMaxSubstitutions = 12;
inline constexpr int kMaxSpectatorMultiplier = 200;
inline constexpr int kMaxTransferMultiplier = 250;
inline constexpr std::size_t kLeagueNameLength = 29;
inline constexpr std::size_t kLevelNameLength = 28;
inline constexpr std::size_t kMoneyDigits = 8;

// A league that would play more than 46 matchdays ((size rounded up to even − 1) × meetings)
// plays two meetings instead.
std::uint8_t MeetingsWithinMatchdayLimit(int size, std::uint8_t meetings);

// Reserve teams may play on level L while the league-level limit is at most L.
inline bool ReserveTeamsAllowed(std::uint8_t limit, int level) {
    return limit <= level;
}
// "Reservemannschaften erlaubt" switched for a level: on below the limit lowers the limit to the
// level; off at the limit raises it by one; anything else keeps it.
std::uint8_t SwitchReserveTeams(std::uint8_t limit, int level, bool allowed);

// The loan rules of a league, each a field of one of its two rule words. A field's value is the
// position in its list: "0", "1", ... and "-" last (the field's largest value).
struct SLoanRule {
    std::string_view label;  // Windows-1252, in the interface language
    int word;                // 1 or 2
    int shift;
    int width;
};
inline constexpr int kLoanRuleCount = 15;
// In the dialog's order; "Gleichzeitige Leihgeschäfte mit anderer Liga" shows the same field as
// "Leihgeschäfte mit anderer Liga" (no control uses bits 12..15 of the second word).
std::array<SLoanRule, kLoanRuleCount> LoanRules();

// The value the list shows for the field ("-" is the last).
int LoanRuleValue(const SLoanRule& rule, std::uint32_t word1, std::uint32_t word2);
// The field set to the value (held to the field's range); every other bit kept.
void SetLoanRuleValue(const SLoanRule& rule, int value, std::uint32_t& word1, std::uint32_t& word2);
// The number of entries of the field's list: 0..14 and "-", or 0..29 and "-".
int LoanRuleChoiceCount(const SLoanRule& rule);

}  // namespace kw
