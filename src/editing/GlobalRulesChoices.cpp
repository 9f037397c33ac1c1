#include "editing/GlobalRulesChoices.h"

#include <algorithm>
#include <utility>

#include "document/DatabaseDocument.h"
#include "model/Rules.h"
#include "model/World.h"
#include "model/WorldPart.h"

namespace kw {

namespace {

constexpr std::array<SGlobalRule, kGlobalRuleCount> kGlobalRules = {{
    {"Punkte f\xFCr &Sieg", 0, EGlobalRuleKind::kPoints},
    {"Punkte f\xFCr Aus&w\xE4rtssieg", 1, EGlobalRuleKind::kPoints},
    {"Extrapunkt f\xFCr Sieg gegen &Titelverteidiger", 2, EGlobalRuleKind::kExtraPoint},
    {"Extrapunkt bei &mehr als 3 geschossenen Toren", 3, EGlobalRuleKind::kExtraPoint},
}};

constexpr std::array<std::string_view, 3> kPointsTexts = {"Zwei", "Drei", "Vier"};
constexpr std::array<std::string_view, 2> kExtraPointTexts = {"An", "Aus"};

}  // namespace

const std::array<SGlobalRule, kGlobalRuleCount>& GlobalRules() {
    return kGlobalRules;
}

std::span<const std::string_view> GlobalRuleChoiceTexts(EGlobalRuleKind kind) {
    if (kind == EGlobalRuleKind::kPoints) {
        return kPointsTexts;
    }
    return kExtraPointTexts;
}

int GlobalRuleChoice(EGlobalRuleKind kind, std::int32_t stored) {
    const auto last = static_cast<std::int32_t>(GlobalRuleChoiceTexts(kind).size()) - 1;
    return stored >= 0 && stored < last ? stored : last;
}

std::int32_t GlobalRuleValue(EGlobalRuleKind kind, int choice, std::int32_t stored) {
    const auto count = static_cast<int>(GlobalRuleChoiceTexts(kind).size());
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
    return document.Perform("Globale Einstellungen", std::move(scope), [&edited](CWorld& world) {
        if (world.Rules() == edited) {
            return false;
        }
        world.Rules().CopyFrom(edited);
        return true;
    });
}

}  // namespace kw
