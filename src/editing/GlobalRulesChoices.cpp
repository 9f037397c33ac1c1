#include "editing/GlobalRulesChoices.h"

#include <algorithm>
#include <span>
#include <utility>

#include "document/DatabaseDocument.h"
#include "model/Rules.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/ResourceTable.h"

namespace kw {

namespace {

// The labels (German, UTF-8, from literals, so zero-terminated) carry their mnemonics;
// GlobalRules shows them translated.
constexpr std::array<SGlobalRule, kGlobalRuleCount> kGlobalRules = {{
    {KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Punkte für &Sieg"), 0, EGlobalRuleKind::kPoints},
    {KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Punkte für Aus&wärtssieg"), 1,
     EGlobalRuleKind::kPoints},
    {KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Extrapunkt für Sieg gegen &Titelverteidiger"), 2,
     EGlobalRuleKind::kExtraPoint},
    {KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Extrapunkt bei &mehr als 3 geschossenen Toren"), 3,
     EGlobalRuleKind::kExtraPoint},
}};

constexpr std::array<const char*, 3> kPointsTexts = {
    KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Zwei"),
    KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Drei"),
    KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Vier"),
};
constexpr std::array<const char*, 2> kExtraPointTexts = {
    KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "An"),
    KW_RESOURCE_TEXT("kw::GlobalRulesChoices", "Aus"),
};

std::span<const char* const> ChoiceTexts(EGlobalRuleKind kind) {
    if (kind == EGlobalRuleKind::kPoints) {
        return kPointsTexts;
    }
    return kExtraPointTexts;
}

}  // namespace

std::array<SGlobalRule, kGlobalRuleCount> GlobalRules() {
    std::array<SGlobalRule, kGlobalRuleCount> rules = kGlobalRules;
    for (SGlobalRule& rule : rules) {
        rule.label = ShownText("kw::GlobalRulesChoices", rule.label.data());
    }
    return rules;
}

std::vector<std::string_view> GlobalRuleChoiceTexts(EGlobalRuleKind kind) {
    std::vector<std::string_view> shown;
    for (const char* text : ChoiceTexts(kind)) {
        shown.push_back(ShownText("kw::GlobalRulesChoices", text));
    }
    return shown;
}

int GlobalRuleChoice(EGlobalRuleKind kind, std::int32_t stored) {
    const auto last = static_cast<std::int32_t>(ChoiceTexts(kind).size()) - 1;
    return stored >= 0 && stored < last ? stored : last;
}

std::int32_t GlobalRuleValue(EGlobalRuleKind kind, int choice, std::int32_t stored) {
    const auto count = static_cast<int>(ChoiceTexts(kind).size());
    if (choice < 0 || choice >= count || choice == GlobalRuleChoice(kind, stored)) {
        return stored;
    }
    return choice;
}

int SubstitutionsBarPosition(std::int32_t stored) {
    return std::clamp(stored, std::int32_t{0}, CRules::kMaxSubstitutions);
}

std::int32_t SubstitutionsValue(int position, std::int32_t stored) {
    const std::int32_t held = std::clamp(position, 0, CRules::kMaxSubstitutions);
    return held == SubstitutionsBarPosition(stored) ? stored : held;
}

bool StoreGlobalRules(CDatabaseDocument& document, const CRules& edited) {
    SWorldScope scope;
    scope.rules = true;
    return document.Perform(std::string(ShownText("kw::Edit", "Globale Einstellungen")),
                            std::move(scope), [&edited](CWorld& world) {
                                if (world.Rules() == edited) {
                                    return false;
                                }
                                world.Rules().CopyFrom(edited);
                                return true;
                            });
}

}  // namespace kw
