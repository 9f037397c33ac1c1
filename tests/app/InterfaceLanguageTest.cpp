#include "app/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace kw {
namespace {

struct SLanguageCase {
    std::optional<EInterfaceLanguage> chosen;
    std::string_view locale;
    EInterfaceLanguage expected;
};

class InterfaceLanguageChoice : public testing::TestWithParam<SLanguageCase> {};

TEST_P(InterfaceLanguageChoice, FollowsTheChoiceElseTheLocalesLanguage) {
    const SLanguageCase& c = GetParam();
    EXPECT_EQ(ChooseInterfaceLanguage(c.chosen, c.locale), c.expected) << c.locale;
}

constexpr auto kGerman = EInterfaceLanguage::kGerman;
constexpr auto kEnglish = EInterfaceLanguage::kEnglish;

INSTANTIATE_TEST_SUITE_P(
    Locales, InterfaceLanguageChoice,
    testing::Values(SLanguageCase{std::nullopt, "de_DE.UTF-8", kGerman},
                    SLanguageCase{std::nullopt, "de_CH.UTF-8@euro", kGerman},
                    SLanguageCase{std::nullopt, "de-AT", kGerman},
                    SLanguageCase{std::nullopt, "de", kGerman},
                    // Only the language part counts: a locale merely starting with "de" is not.
                    SLanguageCase{std::nullopt, "dei_XX", kEnglish},
                    SLanguageCase{std::nullopt, "nl_DE.UTF-8", kEnglish},
                    SLanguageCase{std::nullopt, "C", kEnglish},
                    SLanguageCase{std::nullopt, "", kEnglish},
                    SLanguageCase{kGerman, "en_GB.UTF-8", kGerman},
                    SLanguageCase{kEnglish, "de_DE.UTF-8", kEnglish}));

TEST(InterfaceLanguageCode, StoredCodesReadBackAndUnknownOnesLeaveTheChoiceOpen) {
    for (const EInterfaceLanguage language : {kGerman, kEnglish}) {
        EXPECT_EQ(InterfaceLanguageFromCode(InterfaceLanguageCode(language)), language);
    }
    for (const std::string_view stored : {"", "fr", "DE", "de_DE"}) {
        EXPECT_FALSE(InterfaceLanguageFromCode(stored).has_value()) << stored;
    }
}

}  // namespace
}  // namespace kw
