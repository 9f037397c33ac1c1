#include <gtest/gtest.h>

#include <memory>

#include "DemoDocumentTest.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "editing/CompositionCommands.h"
#include "editing/LeagueComposition.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

constexpr int kDemoCountry = 14;

// The league composition's rows and commands on the small demo, each change an edit of the
// document.
class CompositionCommandsTest : public test::DemoDocumentTest {
protected:
    std::uint32_t LeagueId(int index) const {
        return MakeCompetitionId(kDemoCountry, kLeagueType, index);
    }
    const CDBLeagueBase& League(int index) const {
        return dynamic_cast<const CDBLeagueBase&>(*World().Competition(LeagueId(index)));
    }
    const CClub& ClubOf(std::uint32_t team) const {
        return *World().Country(kDemoCountry).Club(team & kClubIdMask);
    }
    std::vector<std::uint32_t> Teams(const std::vector<SCompositionRow>& rows) const {
        std::vector<std::uint32_t> teams;
        for (const SCompositionRow& row : rows) {
            teams.push_back(row.team);
        }
        return teams;
    }
    // A first team of the country in no league: the demo places all, so the last of the last
    // league leaves it (one edit).
    std::uint32_t FreeFirstTeam() {
        const SLeagueRow last = LeagueRows(World(), kDemoCountry, kDefaultLanguage).back();
        const std::uint32_t team =
            LeagueTeamRows(World(), last.leagueId, true, kDefaultLanguage).back().team;
        EXPECT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, team));
        return team;
    }
};

TEST_F(CompositionCommandsTest, RowsShowTheLeaguesAndTheirTeamsInOrderWithNamesAndMarks) {
    const std::vector<SLeagueRow> leagues = LeagueRows(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_FALSE(leagues.empty());
    EXPECT_EQ(leagues.front().leagueId, LeagueId(0));
    EXPECT_EQ(leagues.front().name,
              LeagueName(*World().Competition(LeagueId(0)), kDefaultLanguage));

    const std::vector<SCompositionRow> rows =
        LeagueTeamRows(World(), LeagueId(0), false, kDefaultLanguage);
    ASSERT_EQ(rows.size(), League(0).Teams().size());
    EXPECT_EQ(Teams(rows), League(0).Teams());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        EXPECT_EQ(rows[index].position, static_cast<int>(index));
    }
    const std::uint32_t first = rows.front().team;
    ASSERT_TRUE(document.Perform("mark", SWorldScope::Countries({kDemoCountry}), [&](CWorld& w) {
        ApplySeasonMark(w.Country(kDemoCountry), first, ESeasonMark::kRelegated);
        ApplySeasonMark(w.Country(kDemoCountry), first, ESeasonMark::kCupFinalist);
        return true;
    }));
    const SCompositionRow marked =
        LeagueTeamRows(World(), LeagueId(0), false, kDefaultLanguage).front();
    EXPECT_EQ(marked.text,
              std::string(ClubOf(first).Name(kDefaultLanguage)) + "\tAbsteiger\tPokalfinalist");

    // A reserve team under the club's second-team name; hidden, it leaves no row, the others
    // keeping their league positions.
    const std::uint32_t reserve = FreeFirstTeam() | kSecondTeamFlag;
    const std::uint32_t last = leagues.back().leagueId;
    ASSERT_TRUE(DropTeamInLeague(document, last, reserve, 1));
    const std::vector<SCompositionRow> shown =
        LeagueTeamRows(World(), last, false, kDefaultLanguage);
    ASSERT_GT(shown.size(), 2u);
    EXPECT_EQ(shown[1].team, reserve);
    EXPECT_EQ(shown[1].text, ClubOf(reserve).SecondTeamName(kDefaultLanguage) + "\t\t");
    const std::vector<SCompositionRow> hidden =
        LeagueTeamRows(World(), last, true, kDefaultLanguage);
    ASSERT_EQ(hidden.size(), shown.size() - 1);
    EXPECT_EQ(hidden[1].team, shown[2].team);
    EXPECT_EQ(hidden[1].position, 2);
}

TEST_F(CompositionCommandsTest, RowsWithoutLeagueFollowTheTeamsWithoutLeague) {
    for (const bool hide : {false, true}) {
        const std::vector<SCompositionRow> rows =
            RowsWithoutLeague(World(), kDemoCountry, hide, kDefaultLanguage);
        EXPECT_EQ(rows.empty(), hide);
        EXPECT_EQ(Teams(rows), TeamsWithoutLeague(World(), kDemoCountry, hide));
        for (const SCompositionRow& row : rows) {
            EXPECT_EQ(row.position, -1);
            if (hide) {
                EXPECT_EQ(row.team & kSecondTeamFlag, 0u);
            }
        }
    }
}

TEST_F(CompositionCommandsTest, AddingDroppingAndRemovingAreEditsOnlyWhenSomethingChanges) {
    const std::string before = DumpWorldJson(World(), kDemoCountry);
    const std::uint32_t team = FreeFirstTeam();
    ClearLeague(document, LeagueId(0));
    const std::size_t start = Edits();

    ASSERT_TRUE(AddTeamToLeague(document, LeagueId(0), team));
    EXPECT_EQ(League(0).Teams(), std::vector<std::uint32_t>{team});
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), team));  // already in it
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), MakeClubId(kDemoCountry, 0)));
    EXPECT_EQ(Edits(), start + 1);

    // Into another league (the one it came from has room): it leaves the first one.
    const std::uint32_t last = LeagueRows(World(), kDemoCountry, kDefaultLanguage).back().leagueId;
    ASSERT_TRUE(DropTeamInLeague(document, last, team, 0));
    EXPECT_TRUE(League(0).Teams().empty());
    EXPECT_EQ(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, team);

    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, team));
    EXPECT_NE(LeagueTeamRows(World(), last, false, kDefaultLanguage).front().team, team);
    EXPECT_FALSE(DropTeamWithoutLeague(document, kDemoCountry, team));
    EXPECT_EQ(Edits(), start + 3);

    while (document.Undo()) {
    }
    EXPECT_EQ(DumpWorldJson(World(), kDemoCountry), before);
}

TEST_F(CompositionCommandsTest, AFullLeagueRefusesAndInsertingMovesTheLaterTeamsDown) {
    const std::uint32_t team = FreeFirstTeam();
    ASSERT_TRUE(League(0).IsFull());
    const std::vector<std::uint32_t> full = League(0).Teams();
    const std::size_t start = Edits();
    EXPECT_FALSE(AddTeamToLeague(document, LeagueId(0), team));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), team, 2));
    EXPECT_EQ(League(0).Teams(), full);
    EXPECT_EQ(Edits(), start);

    ASSERT_TRUE(DropTeamWithoutLeague(document, kDemoCountry, full[5]));
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), team, 2));
    std::vector<std::uint32_t> expected = full;
    expected.erase(expected.begin() + 5);
    expected.insert(expected.begin() + 2, team);
    EXPECT_EQ(League(0).Teams(), expected);
}

TEST_F(CompositionCommandsTest, DroppingATeamOfTheLeagueOnItReordersIt) {
    const std::vector<std::uint32_t> teams = League(0).Teams();
    ASSERT_GE(teams.size(), 6u);
    const auto Moved = [&teams](std::size_t from, std::size_t to) {
        std::vector<std::uint32_t> moved = teams;
        const std::uint32_t team = moved[from];
        moved.erase(moved.begin() + static_cast<std::ptrdiff_t>(from));
        moved.insert(moved.begin() + static_cast<std::ptrdiff_t>(to), team);
        return moved;
    };
    // On itself, on its successor, the last behind the last row: no change, no edit.
    const std::size_t start = Edits();
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams[2], 2));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams[2], 3));
    EXPECT_FALSE(DropTeamInLeague(document, LeagueId(0), teams.back(), -1));
    EXPECT_EQ(League(0).Teams(), teams);
    EXPECT_EQ(Edits(), start);
    // Down: it takes the place before the row it was dropped on.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[1], 4));
    EXPECT_EQ(League(0).Teams(), Moved(1, 3));
    document.Undo();
    // Up: it takes the row's place.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[4], 1));
    EXPECT_EQ(League(0).Teams(), Moved(4, 1));
    document.Undo();
    // Behind the last row: to the end.
    ASSERT_TRUE(DropTeamInLeague(document, LeagueId(0), teams[0], -1));
    EXPECT_EQ(League(0).Teams(), Moved(0, teams.size() - 1));
    document.Undo();
    EXPECT_EQ(League(0).Teams(), teams);
}

TEST_F(CompositionCommandsTest, ClearingEmptiesLeaguesOnceAndTheCheckNamesThem) {
    const std::vector<SLeagueRow> leagues = LeagueRows(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_GE(leagues.size(), 2u);
    const std::size_t start = Edits();
    ASSERT_TRUE(ClearLeague(document, LeagueId(0)));
    EXPECT_TRUE(League(0).Teams().empty());
    EXPECT_FALSE(League(1).Teams().empty());
    EXPECT_FALSE(ClearLeague(document, LeagueId(0)));
    const SCompositionFaults one = CheckComposition(World(), kDemoCountry, kDefaultLanguage);
    ASSERT_EQ(one.messages.size(), 1u);
    EXPECT_FALSE(one.headed);

    ASSERT_TRUE(ClearAllLeagues(document, kDemoCountry));
    for (const SLeagueRow& league : leagues) {
        EXPECT_TRUE(LeagueTeamRows(World(), league.leagueId, false, kDefaultLanguage).empty());
    }
    EXPECT_FALSE(ClearAllLeagues(document, kDemoCountry));
    EXPECT_EQ(Edits(), start + 2);
    EXPECT_EQ(CheckComposition(World(), kDemoCountry, kDefaultLanguage).messages.size(),
              leagues.size());
}

TEST_F(CompositionCommandsTest, SeasonMarksRecordAnEditOnlyWhenAFlagChanges) {
    // Two teams that do not hold the cup yet.
    std::vector<std::uint32_t> teams;
    for (const std::uint32_t team : League(0).Teams()) {
        if (CupMarkText(ClubOf(team), false) != "Pokalsieger") {
            teams.push_back(team);
        }
    }
    ASSERT_GE(teams.size(), 2u);
    const std::size_t start = Edits();
    ASSERT_TRUE(SetSeasonMark(document, kDemoCountry, teams[0], ESeasonMark::kCupWinner));
    ASSERT_TRUE(SetSeasonMark(document, kDemoCountry, teams[1], ESeasonMark::kCupWinner));
    EXPECT_EQ(CupMarkText(ClubOf(teams[0]), false), "");
    EXPECT_EQ(CupMarkText(ClubOf(teams[1]), false), "Pokalsieger");
    EXPECT_FALSE(SetSeasonMark(document, kDemoCountry, teams[1], ESeasonMark::kCupWinner));
    EXPECT_EQ(Edits(), start + 2);
}

}  // namespace
}  // namespace kw
