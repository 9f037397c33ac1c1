#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kw {

class CDatabaseDocument;
class CRules;

// "Globale Einstellungen": the four rules offered as lists and the substitutions in friendlies.
// A list shows a stored value under one of its choices, though the value itself may lie beyond
// the list; such a value is written back only when the user picks another choice, so an OK
// without edits leaves every byte as it was.
enum class EGlobalRuleKind {
    kPoints,     // 0 "Zwei", 1 "Drei", any other value "Vier"
    kExtraPoint  // 0 "An", any other value "Aus"
};

struct SGlobalRule {
    std::string_view label;  // Windows-1252, in the interface language, with its mnemonic
    int rule;                // the rules record's rule value
    EGlobalRuleKind kind;
};
inline constexpr int kGlobalRuleCount = 4;
std::array<SGlobalRule, kGlobalRuleCount> GlobalRules();

// The list's entries (Windows-1252, in the interface language), in the order of their choice
// numbers.
std::vector<std::string_view> GlobalRuleChoiceTexts(EGlobalRuleKind kind);
// The choice a stored value shows as.
int GlobalRuleChoice(EGlobalRuleKind kind, std::int32_t stored);
// The value to store for a choice: the stored one while it still shows as that choice, otherwise
// the choice's own number. A choice outside the list keeps the stored value.
std::int32_t GlobalRuleValue(EGlobalRuleKind kind, int choice, std::int32_t stored);

// The substitutions bar runs over 0..7; a stored value beyond that stands at the nearer end and
// is kept unless the bar is moved to another position.
int SubstitutionsBarPosition(std::int32_t stored);
std::int32_t SubstitutionsValue(int position, std::int32_t stored);

// "Globale Einstellungen" confirmed: the world's rules become `edited` as one edit of the
// document. Nothing is recorded when they equal the stored rules.
bool StoreGlobalRules(CDatabaseDocument& document, const CRules& edited);

}  // namespace kw
