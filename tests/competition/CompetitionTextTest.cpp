#include <gtest/gtest.h>

#include "competition/Competition.h"
#include "competition/CompetitionText.h"

namespace kw {
namespace {

TEST(KeywordLookup, LongestMatchingRowWins) {
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI3"), 3);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI2"), 2);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_QUALI"), 1);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "ROUND_GROUP2"), 11);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), "EURO_SUPERCUP, 1 }"), kEuroSupercupType);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), "RELEGATION"), kRelegationType);
}

TEST(KeywordLookup, SkipsLeadingBlanksAndGivesZeroForUnknownText) {
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "  \tROUND_FINAL"), 15);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), "FINAL"), 0);
    EXPECT_EQ(LookupKeyword(RoundKeywords(), ""), 0);
    EXPECT_EQ(LookupKeyword(CompetitionTypeKeywords(), " , 3 }"), 0);
}

TEST(KeywordLookup, ListsAreOredAndAliasesRead) {
    EXPECT_EQ(LookupKeywordList(RelegationRuleKeywords(), "REL_RULE_2,REL_RULE_TAKE_POINTS"), 130);
    EXPECT_EQ(LookupKeywordList(MatchFlagKeywords(), "BEG_WITH_2_LEG, BEG_WITH_EXTRA_TIME"), 10);
    EXPECT_EQ(LookupKeywordList(MatchFlagKeywords(), "0"), 0);
    EXPECT_EQ(LookupKeywordList(PoolSortKeywords(), "POOL_SORT_RANDOM,POOL_RESERVE_TEAMS"),
              10 | 32768);
}

TEST(KeywordWriting, EnumerationThenFlags) {
    EXPECT_EQ(ValueToKeywords(RelegationRuleKeywords(), 2 | 128),
              "REL_RULE_2,REL_RULE_TAKE_POINTS");
    EXPECT_EQ(ValueToKeywords(RelegationRuleKeywords(), 0), "REL_RULE_0");
    EXPECT_EQ(ValueToKeywords(PoolSortKeywords(), 0), "");
    EXPECT_EQ(ValueToKeywords(PoolSortKeywords(), 12 | 32768),
              "POOL_SORT_NORTH_SOUTH,POOL_RESERVE_TEAMS");
}

TEST(KeywordWriting, FlagBitsAreNamedByTheirFirstRow) {
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 0), "0");
    // Bits 0 and 1 are named by the LEG rows, never by their WITH aliases.
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 2 | 8), "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME");
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 268435456u | 536870912u),
              "BEG_NO_SHUFFLE, BEG_NO_PREMIERLEAGUE_TEAMS");
    // A bit without a row has no name, so nothing is named.
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 128), "0");
    EXPECT_EQ(ValueToFlagNames(MatchFlagKeywords(), 128 | 4), "BEG_WITH_REPLAY");
}

TEST(CompetitionIdText, FormsAndParsesIds) {
    const std::uint32_t id = MakeCompetitionId(5, kLeagueType, 3);
    EXPECT_EQ(id, 0x05010003u);
    EXPECT_EQ(FormatCompetitionId(id), "{ 5, LEAGUE, 3 }");
    EXPECT_EQ(ParseCompetitionId("{ 5, LEAGUE, 3 }", 9), id);
    EXPECT_EQ(ParseCompetitionId("GET_CHAMP, {0, UEFA_CUP, 2)", 9),
              MakeCompetitionId(0, kUefaCupType, 2));
    EXPECT_EQ(MakeCompetitionId(kInternationalCountry, kRootType, 0), kInternationalRootId);
}

TEST(CompetitionIdText, NegativeCountryIsTheDefaultAndDamagedIdsStayInRange) {
    EXPECT_EQ(ParseCompetitionId("{ -1, POOL, 1 }", 7), MakeCompetitionId(7, kPoolType, 1));
    EXPECT_EQ(ParseCompetitionId("no brace", 7), 0u);
    // Oversized fields cannot spill into each other.
    const std::uint32_t id = ParseCompetitionId("{ 300, LEAGUE, 70000 }", 7);
    EXPECT_EQ(CompetitionType(id), kLeagueType);
    EXPECT_EQ(CompetitionIndex(id), 70000 & 0xFFFF);
    EXPECT_EQ(ParseCompetitionId("{", 7), MakeCompetitionId(0, 0, 0));
}

TEST(CompetitionIdText, EmptyListIsZeroAndReadsBackEmpty) {
    EXPECT_EQ(FormatCompetitionIdList({}), "0");
    EXPECT_TRUE(ParseCompetitionIdList("0", 5, 10).empty());
    const std::vector<std::uint32_t> ids = {MakeCompetitionId(5, kLeagueType, 0),
                                            MakeCompetitionId(0, kChampionsLeagueType, 1)};
    const std::string line = FormatCompetitionIdList(ids);
    EXPECT_EQ(line, "{ 5, LEAGUE, 0 },{ 0, CHAMPIONSLEAGUE, 1 }");
    EXPECT_EQ(ParseCompetitionIdList(line, 5, 10), ids);
}

TEST(CompetitionIdText, ListsKeepAtMostTheLimit) {
    std::string line;
    for (int i = 0; i < 12; ++i) {
        line += "{ -1, LEAGUE, " + std::to_string(i) + " },";
    }
    const std::vector<std::uint32_t> ids = ParseCompetitionIdList(line, 4, 10);
    ASSERT_EQ(ids.size(), 10u);
    EXPECT_EQ(ids.back(), MakeCompetitionId(4, kLeagueType, 9));
    // A damaged id does not swallow the next one.
    EXPECT_EQ(ParseCompetitionIdList("{ 5, LEAGUE{ 5, POOL, 2 }", 5, 10).back(),
              MakeCompetitionId(5, kPoolType, 2));
}

}  // namespace
}  // namespace kw
