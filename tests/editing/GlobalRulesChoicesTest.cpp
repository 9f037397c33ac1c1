#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/GlobalRulesChoices.h"
#include "exports/WorldDump.h"
#include "model/Rules.h"
#include "model/World.h"

namespace kw {
namespace {

constexpr std::int32_t kMinValue = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxValue = std::numeric_limits<std::int32_t>::max();

std::vector<std::string_view> Texts(EGlobalRuleKind kind) {
    const auto texts = GlobalRuleChoiceTexts(kind);
    return {texts.begin(), texts.end()};
}

TEST(GlobalRulesChoices, TheFourRulesAreTheRecordsFirstFourWithTheirLists) {
    const auto& rules = GlobalRules();
    EXPECT_EQ(rules[0].label, "Punkte f\xFCr &Sieg");
    EXPECT_EQ(rules[1].label, "Punkte f\xFCr Aus&w\xE4rtssieg");
    EXPECT_EQ(rules[2].label, "Extrapunkt f\xFCr Sieg gegen &Titelverteidiger");
    EXPECT_EQ(rules[3].label, "Extrapunkt bei &mehr als 3 geschossenen Toren");
    for (int index = 0; index < kGlobalRuleCount; ++index) {
        const SGlobalRule& rule = rules[static_cast<std::size_t>(index)];
        EXPECT_EQ(rule.rule, index);
        EXPECT_EQ(rule.kind, index < 2 ? EGlobalRuleKind::kPoints : EGlobalRuleKind::kExtraPoint);
    }
    EXPECT_EQ(Texts(EGlobalRuleKind::kPoints),
              (std::vector<std::string_view>{"Zwei", "Drei", "Vier"}));
    EXPECT_EQ(Texts(EGlobalRuleKind::kExtraPoint), (std::vector<std::string_view>{"An", "Aus"}));
}

TEST(GlobalRulesChoices, ValuesBeyondTheListShowAsItsLastChoiceAndAreKeptUntilAnotherIsPicked) {
    for (const std::int32_t value : {0, 1, 2, 3, 7, -1, kMinValue, kMaxValue}) {
        const bool inList = value >= 0 && value <= 2;
        EXPECT_EQ(GlobalRuleChoice(EGlobalRuleKind::kPoints, value), inList ? value : 2) << value;
        EXPECT_EQ(GlobalRuleChoice(EGlobalRuleKind::kExtraPoint, value), value == 0 ? 0 : 1)
            << value;
    }
    // A stored value is kept until another choice is picked.
    // The choice a value already shows as writes the value back unchanged.
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 2, 7), 7);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 2, -5), -5);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, 7), 7);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, kMinValue), kMinValue);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 1, 1), 1);
    // Another choice stores its own number.
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 0, 7), 0);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 1, 7), 1);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 2, 0), 2);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 0, 7), 0);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, 0), 1);
    // No choice at all keeps what is stored.
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, -1, 7), 7);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kPoints, 3, 1), 1);
    EXPECT_EQ(GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 2, 0), 0);
    // Whatever is stored, the value for a choice shows as that choice again.
    for (const EGlobalRuleKind kind : {EGlobalRuleKind::kPoints, EGlobalRuleKind::kExtraPoint}) {
        for (const std::int32_t stored : {0, 1, 2, 7, -1, kMaxValue}) {
            for (int choice = 0; choice < static_cast<int>(Texts(kind).size()); ++choice) {
                EXPECT_EQ(GlobalRuleChoice(kind, GlobalRuleValue(kind, choice, stored)), choice);
            }
        }
    }
}

TEST(GlobalRulesChoices, TheSubstitutionsBarHoldsZeroToSevenAndKeepsAValueBeyondUnlessMoved) {
    EXPECT_EQ(SubstitutionsBarPosition(0), 0);
    EXPECT_EQ(SubstitutionsBarPosition(6), 6);
    EXPECT_EQ(SubstitutionsBarPosition(7), 7);
    EXPECT_EQ(SubstitutionsBarPosition(12), 7);
    EXPECT_EQ(SubstitutionsBarPosition(-3), 0);
    EXPECT_EQ(SubstitutionsValue(3, 6), 3);
    EXPECT_EQ(SubstitutionsValue(6, 6), 6);
    EXPECT_EQ(SubstitutionsValue(7, 12), 12);
    EXPECT_EQ(SubstitutionsValue(6, 12), 6);
    EXPECT_EQ(SubstitutionsValue(0, -3), -3);
    EXPECT_EQ(SubstitutionsValue(9, 2), 7);
    EXPECT_EQ(SubstitutionsValue(-1, 2), 0);
}

class GlobalRulesWorld : public ::testing::Test {
protected:
    GlobalRulesWorld() {
        auto world = std::make_unique<CWorld>(install.Path());
        world->InitialiseCountries();
        world->Rules().SetRuleValue(0, 1);
        world->Rules().SetRuleValue(2, 7);
        world->Rules().SetRuleValue(4, 99);
        document = std::make_unique<CDatabaseDocument>(std::move(world));
    }

    test::TempDir install;
    std::unique_ptr<CDatabaseDocument> document;
};

TEST_F(GlobalRulesWorld, StoringIsOneUndoableEditOfTheRulesAndEqualRulesRecordNothing) {
    const std::string before = DumpWorldJson(document->World());
    CRules copy;
    copy.CopyFrom(document->World().Rules());
    EXPECT_FALSE(StoreGlobalRules(*document, copy));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(document->World()), before);

    copy.SetRuleValue(1, GlobalRuleValue(EGlobalRuleKind::kPoints, 2, copy.RuleValue(1)));
    copy.SetRuleValue(3, GlobalRuleValue(EGlobalRuleKind::kExtraPoint, 1, copy.RuleValue(3)));
    copy.SetSubstitutions(SubstitutionsValue(2, copy.Substitutions()));
    EXPECT_TRUE(StoreGlobalRules(*document, copy));
    EXPECT_EQ(document->History().Count(), 1u);
    const CRules& stored = document->World().Rules();
    EXPECT_EQ(stored.RuleValue(0), 1);
    EXPECT_EQ(stored.RuleValue(1), 2);
    EXPECT_EQ(stored.RuleValue(2), 7);
    EXPECT_EQ(stored.RuleValue(3), 1);
    EXPECT_EQ(stored.RuleValue(4), 99);
    EXPECT_EQ(stored.Substitutions(), 2);
    EXPECT_NE(DumpWorldJson(document->World()), before);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(document->World().Rules(), copy);
}

}  // namespace
}  // namespace kw
