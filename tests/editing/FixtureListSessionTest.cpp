#include <gtest/gtest.h>

#include <memory>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/FixtureListEditing.h"
#include "editing/FixtureListSession.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// The fixture-list view's copies on the small demo, stored as edits of the document.
class FixtureListSessionTest : public test::DemoDocumentTest {
protected:
    static std::uint32_t LeagueId(int index) {
        return MakeCompetitionId(kDemoCountry, kLeagueType, index);
    }
    const CDBLeague& League(int index) const {
        return dynamic_cast<const CDBLeague&>(*World().Competition(LeagueId(index)));
    }
    std::string CountryDump() const { return DumpWorldJson(World(), kDemoCountry); }
};

TEST_F(FixtureListSessionTest, CopiesAreMadeOnceAndLeaveTheWorldAlone) {
    CFixtureListSession session(kDemoCountry);
    CDBFixturelist* first = session.List(World(), LeagueId(0));
    ASSERT_NE(first, nullptr);
    ASSERT_GT(first->Rows(), 0);
    EXPECT_EQ(*first, League(0).Fixtures());
    const std::string before = CountryDump();
    first->ClearAll();
    EXPECT_EQ(CountryDump(), before);
    // Chosen again after another league: the same edited copy.
    ASSERT_NE(session.List(World(), LeagueId(1)), nullptr);
    EXPECT_EQ(session.List(World(), LeagueId(0)), first);
    EXPECT_EQ(session.ChangedLeagues(World()), std::vector<std::uint32_t>{LeagueId(0)});
    // Another country's league and a cup are no leagues of this session.
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry + 1, kLeagueType, 0)), nullptr);
    EXPECT_EQ(session.List(World(), MakeCompetitionId(kDemoCountry, kFaCupType, 0)), nullptr);
}

TEST_F(FixtureListSessionTest, UnchangedCopiesRecordNothingAndChangesOfTwoLeaguesOneUndoStep) {
    const std::string before = CountryDump();
    CFixtureListSession session(kDemoCountry);
    CDBFixturelist* first = session.List(World(), LeagueId(0));
    CDBFixturelist* second = session.List(World(), LeagueId(1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    // Changed and changed back: equal to the world again.
    const CDBFixturelist original = *first;
    first->ClearRow(0);
    *first = original;
    EXPECT_FALSE(session.Store(document));
    EXPECT_FALSE(document.History().CanUndo());
    EXPECT_FALSE(document.IsModified());

    first->ClearAll();
    ASSERT_TRUE(FreePairing(*second, 0, 0));
    const CDBFixturelist firstCopy = *first;
    const CDBFixturelist secondCopy = *second;

    ASSERT_TRUE(session.Store(document));
    EXPECT_EQ(League(0).Fixtures(), firstCopy);
    EXPECT_EQ(League(1).Fixtures(), secondCopy);
    EXPECT_EQ(document.History().Count(), 1u);
    EXPECT_EQ(document.UndoDescription(), std::optional<std::string>("Spielplan"));
    EXPECT_TRUE(session.ChangedLeagues(World()).empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(CountryDump(), before);
}

TEST_F(FixtureListSessionTest, PairingsShowTheNamesOfTheLeaguesTeamsAndReserveTeams) {
    const CDBLeague& league = League(0);
    ASSERT_GE(league.TeamCount(), 2);
    const CClub* home = World().Country(kDemoCountry).Club(league.Team(0));
    const CClub* away = World().Country(kDemoCountry).Club(league.Team(1));
    ASSERT_NE(home, nullptr);
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(PairingText(World(), league, 1, 2, kDefaultLanguage),
              std::string(home->Name(kDefaultLanguage)) + "\t-\t" +
                  std::string(away->Name(kDefaultLanguage)));
    // Free places and positions beyond the team list show no name.
    EXPECT_EQ(PairingText(World(), league, 0, 2, kDefaultLanguage),
              "\t-\t" + std::string(away->Name(kDefaultLanguage)));
    EXPECT_EQ(FixtureTeamName(World(), league, league.TeamCount() + 1, kDefaultLanguage), "");
    EXPECT_EQ(FixtureTeamName(World(), league, -3, kDefaultLanguage), "");
    // A reserve team shows its second-team name.
    CDBLeague reserves(LeagueId(7), 0);
    ASSERT_TRUE(reserves.AddTeam(league.Team(0) | kSecondTeamFlag));
    EXPECT_EQ(FixtureTeamName(World(), reserves, 1, kDefaultLanguage),
              home->SecondTeamName(kDefaultLanguage));
}

}  // namespace
}  // namespace kw
