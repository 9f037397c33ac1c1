#include "editing/LeagueDataRules.h"

#include <algorithm>

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// The labels are German (UTF-8, from literals, so zero-terminated); LoanRules shows them
// translated.
constexpr std::array<SLoanRule, kLoanRuleCount> kLoanRules = {{
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Geliehene Spieler (kurze Laufzeit)"), 1, 0, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Gleichzeitige gel. Spieler (kurze Laufzeit)"), 1, 4,
     4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Geliehene Spieler (lange Laufzeit)"), 1, 8, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Gleichzeitig gel. Spieler (lange Laufzeit)"), 1, 12,
     4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Geliehene Spieler pro Saison"), 1, 16, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Gleichzeitig geliehene Spieler pro Saison"), 1, 20,
     4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Verliehene Spieler pro Saison"), 1, 24, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Geliehene Spieler im Kader"), 1, 28, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Leihe mit gleicher Liga"), 2, 0, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Leihgeschäfte mit anderer Liga"), 2, 4, 4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Gleichzeitige Leihgeschäfte mit gleicher Liga"), 2, 8,
     4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Gleichzeitige Leihgeschäfte mit anderer Liga"), 2, 4,
     4},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Mindestanzahl einheimischer Spieler"), 2, 16, 5},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Mindestanzahl Spieler unter 21 Jahren"), 2, 21, 5},
    {KW_RESOURCE_TEXT("kw::LeagueDataRules", "Mindestanzahl Spieler unter 24 Jahren"), 2, 26, 5},
}};

std::uint32_t FieldMask(const SLoanRule& rule) {
    return ((1u << rule.width) - 1u) << rule.shift;
}

}  // namespace

std::uint8_t MeetingsWithinMatchdayLimit(int size, std::uint8_t meetings) {
    const int evenSize = size + (size % 2);
    return (evenSize - 1) * meetings > kMaxLeagueMatchdays ? std::uint8_t{kMinMeetings} : meetings;
}

std::uint8_t SwitchReserveTeams(std::uint8_t limit, int level, bool allowed) {
    if (allowed && level < limit) {
        return static_cast<std::uint8_t>(level);
    }
    if (!allowed && level == limit) {
        return static_cast<std::uint8_t>(limit + 1);
    }
    return limit;
}

std::array<SLoanRule, kLoanRuleCount> LoanRules() {
    std::array<SLoanRule, kLoanRuleCount> rules = kLoanRules;
    for (SLoanRule& rule : rules) {
        rule.label = ShownText("kw::LeagueDataRules", rule.label.data());
    }
    return rules;
}

int LoanRuleChoiceCount(const SLoanRule& rule) {
    // A four-bit field offers 0..14 and "-" (15), a five-bit one 0..29 and "-" (30).
    return rule.width == 4 ? 16 : 31;
}

int LoanRuleValue(const SLoanRule& rule, std::uint32_t word1, std::uint32_t word2) {
    const std::uint32_t word = rule.word == 1 ? word1 : word2;
    const auto value = static_cast<int>((word & FieldMask(rule)) >> rule.shift);
    // A five-bit field's 31 is beyond its list: it shows as "-".
    return std::min(value, LoanRuleChoiceCount(rule) - 1);
}

void SetLoanRuleValue(const SLoanRule& rule, int value, std::uint32_t& word1,
                      std::uint32_t& word2) {
    std::uint32_t& word = rule.word == 1 ? word1 : word2;
    const auto held =
        static_cast<std::uint32_t>(std::clamp(value, 0, LoanRuleChoiceCount(rule) - 1));
    word = (word & ~FieldMask(rule)) | (held << rule.shift);
}

}  // namespace kw
