#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/LeagueDataEdit.h"
#include "editing/LeagueSystemRules.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// "Ligadaten" on the small demo: what OK stores, as one edit of the document.
class LeagueDataEditTest : public test::DemoDocumentTest {
protected:
    SCountrySettings& Settings() {
        return document.WorldForOperations().Country(kDemoCountry).Settings();
    }
    static std::uint32_t LeagueId(int index) {
        return MakeCompetitionId(kDemoCountry, kLeagueType, index);
    }
    const CDBLeague& League(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    CDBLeague& EditableLeague(int index) {
        return dynamic_cast<CDBLeague&>(
            *document.WorldForOperations().Competition(LeagueId(index)));
    }
    SLeagueData Read(int index) const {
        const std::optional<SLeagueData> data =
            ReadLeagueData(World(), LeagueId(index), kDefaultLanguage);
        EXPECT_TRUE(data.has_value());
        return data.value_or(SLeagueData{});
    }
    // The structure "1-2" built by hand, without the document.
    void BuildOneTwo() {
        ASSERT_EQ(ApplyLeagueSystem(document.WorldForOperations(), kDemoCountry, 0, 3, {}),
                  EApplyResult::kApplied);
        ASSERT_EQ(LeaguesPerLevel(World(), kDemoCountry),
                  (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
    }
};

TEST_F(LeagueDataEditTest, ReadsTheLeagueAndItsLevelAndTheReserveSwitchMovesTheLimit) {
    Settings().tieBreak[0] = 1;
    Settings().nonEuropeanLimit[0] = 4;
    Settings().leagueLevelLimit = 1;
    EditableLeague(0).SetValue(2, 777);
    const SLeagueData data = Read(0);
    EXPECT_EQ(data.size, League(0).LeagueSize());
    EXPECT_EQ(data.meetings, League(0).Meetings());
    EXPECT_EQ(data.values[1], 777);
    EXPECT_EQ(data.tieBreak, 1);
    EXPECT_EQ(data.nonEuropeanLimit, 4);
    EXPECT_FALSE(data.reserveTeams);
    EXPECT_FALSE(ReadLeagueData(World(), MakeCompetitionId(kDemoCountry, kLeagueType, 19),
                                kDefaultLanguage));
    EXPECT_FALSE(
        ReadLeagueData(World(), MakeCompetitionId(kDemoCountry, kPoolType, 0), kDefaultLanguage));

    // The reserve teams switch moves the level limit.
    Settings().leagueLevelLimit = 3;
    const SLeagueData shown = Read(0);
    ASSERT_FALSE(shown.reserveTeams);
    SLeagueData edited = shown;
    edited.reserveTeams = true;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(World().Country(kDemoCountry).Settings().leagueLevelLimit, 0);
    EXPECT_TRUE(Read(0).reserveTeams);
}

TEST_F(LeagueDataEditTest, TooManyMatchdaysFallBackToTwoMeetings) {
    const SLeagueData shown = Read(0);
    SLeagueData edited = shown;
    edited.size = 24;
    edited.meetings = 3;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(League(0).LeagueSize(), 24);
    // 23 x 3 = 69 matchdays pass 46; 23 x 2 = 46 is the limit.
    EXPECT_EQ(League(0).Meetings(), 2);
    EXPECT_EQ(League(0).LeagueMatchdays(), 46);

    // 15 x 3 = 45 fits.
    const SLeagueData small = Read(0);
    edited = small;
    edited.size = 16;
    edited.meetings = 3;
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), small, edited));
    EXPECT_EQ(League(0).Meetings(), 3);
    EXPECT_EQ(League(0).Fixtures().Rows(), 45);
    EXPECT_EQ(document.History().Count(), 2u);
}

TEST_F(LeagueDataEditTest, RelegationOnlyAsTheMatchingSystemAllows) {
    BuildOneTwo();
    EXPECT_EQ(RelegationChoices(World(), LeagueId(0)), (std::vector<int>{0, 2, 4}));
    EXPECT_EQ(RelegationChoices(World(), LeagueId(1)), (std::vector<int>{0, 1, 2, 3, 4, 5}));

    const SLeagueData shown = Read(0);
    SLeagueData edited = shown;
    edited.relegated = 3;
    StoreLeagueData(document, LeagueId(0), shown, edited);
    EXPECT_EQ(World().Country(kDemoCountry).Settings().relegated[0], 0);

    edited = Read(0);
    edited.relegated = 4;
    StoreLeagueData(document, LeagueId(0), Read(0), edited);
    EXPECT_EQ(World().Country(kDemoCountry).Settings().relegated[0], 4);
    // The structure stays as it is: OK does not rebuild.
    EXPECT_EQ(LeaguesPerLevel(World(), kDemoCountry),
              (std::array<int, kLevelCount>{1, 2, 0, 0, 0}));
}

TEST_F(LeagueDataEditTest, OnlyChangedValuesAreStoredAndNoChangeRecordsNothing) {
    EditableLeague(0).SetSpectatorMultiplier(0);
    EditableLeague(0).SetBaseSetting(40);
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    const SLeagueData shown = Read(0);
    EXPECT_FALSE(StoreLeagueData(document, LeagueId(0), shown, shown));
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);

    SLeagueData edited = shown;
    edited.name = "Eine sehr lange Ligabezeichnung mit Zusatz";
    edited.values = {1000, 50, 12345678};
    edited.signingFlags = static_cast<std::uint8_t>(shown.signingFlags ^ 4);
    ASSERT_TRUE(StoreLeagueData(document, LeagueId(0), shown, edited));
    EXPECT_EQ(League(0).SpectatorMultiplier(), 0);
    EXPECT_EQ(League(0).BaseSetting(), 40);
    EXPECT_EQ(League(0).Names()[kDefaultLanguage].View(), edited.name.substr(0, 29));
    EXPECT_EQ(League(0).Value(1), 1000);
    EXPECT_EQ(League(0).Value(3), 12345678);
    EXPECT_EQ(League(0).SigningFlags(), edited.signingFlags);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Ligadaten"));
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST(MoneyFromTextTest, LeadingDigitsHeldToThirtyTwoBits) {
    EXPECT_EQ(MoneyFromText("12345678"), 12345678);
    EXPECT_EQ(MoneyFromText("12ab"), 12);
    EXPECT_EQ(MoneyFromText(""), 0);
    EXPECT_EQ(MoneyFromText("x1"), 0);
    EXPECT_EQ(MoneyFromText("-250"), -250);
    EXPECT_EQ(MoneyFromText("99999999999"), INT_MAX);
    EXPECT_EQ(MoneyFromText("-99999999999"), INT_MIN);
}

}  // namespace
}  // namespace kw
