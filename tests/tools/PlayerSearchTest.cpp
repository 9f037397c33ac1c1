#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "SearchCriteriaFor.h"
#include "TestWorld.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "tools/PlayerSearch.h"

namespace kw {
namespace {

// The matcher on persons made by hand: names are Windows-1252 bytes.
class PlayerMatcherTest : public test::TestWorld {
protected:
    CPlayer& Person(std::string_view first, std::string_view surname,
                    std::string_view stageName = {}, std::string_view nickname = {}) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(0, 1);
        person.SetFirstName(first);
        person.SetSurname(surname);
        person.SetStageName(stageName);
        person.SetNickname(nickname);
        return person;
    }

    static bool Finds(const SSearchCriteria& criteria, const CPlayer& person) {
        return CPlayerMatcher(criteria).Matches(person);
    }
};

TEST_F(PlayerMatcherTest, CaseAccentsAndSharpSAreFoldedOnBothSides) {
    const CPlayer& mueller = Person("Hans", "M\xFCller");
    const CPlayer& muller = Person("Hans", "Muller");
    const CPlayer& strasse = Person("Jan",
                                    "Stra\xDF"
                                    "e");
    EXPECT_TRUE(Finds(test::BySurname("M\xDCLLER"), mueller));
    EXPECT_TRUE(Finds(test::BySurname("M\xDCLLER"), muller));
    EXPECT_TRUE(Finds(test::BySurname("muller"), mueller));
    EXPECT_TRUE(Finds(test::BySurname("m*r"), mueller));
    EXPECT_TRUE(Finds(test::BySurname("STRASSE"), strasse));
    EXPECT_TRUE(Finds(test::BySurname("stra\xDF"
                                      "e"),
                      Person("Ole", "Strasse")));
    EXPECT_TRUE(Finds(test::ByFirstName("h\xC4NS"), Person("H\xE4ns", "X")));
    EXPECT_FALSE(Finds(test::BySurname("M\xDCLLERS"), mueller));
}

TEST_F(PlayerMatcherTest, WildcardsAtEitherEndAndInTheMiddle) {
    const CPlayer& person = Person("Karl", "Schneider");
    EXPECT_TRUE(Finds(test::BySurname("schn*"), person));
    EXPECT_TRUE(Finds(test::BySurname("*der"), person));
    EXPECT_TRUE(Finds(test::BySurname("sch*der"), person));
    EXPECT_TRUE(Finds(test::BySurname("*neid*"), person));
    EXPECT_TRUE(Finds(test::BySurname("*"), person));
    EXPECT_TRUE(Finds(test::BySurname("schn?ider"), person));
    // Without a star the whole name has to match.
    EXPECT_FALSE(Finds(test::BySurname("schneid"), person));
    EXPECT_FALSE(Finds(test::BySurname("neider"), person));
    EXPECT_FALSE(Finds(test::BySurname("*x*"), person));
    EXPECT_FALSE(Finds(test::BySurname("sch*dex"), person));
}

TEST_F(PlayerMatcherTest, EmptyCriteriaDoNotRestrictButAllEmptyFindNothing) {
    const CPlayer& person = Person("Karl", "Schneider", "Kalle");
    EXPECT_TRUE(Finds(test::ByFirstName("karl"), person));
    EXPECT_TRUE(Finds(test::BySurname("schneider"), person));
    EXPECT_TRUE(Finds(SSearchCriteria{"k*", "s*", "kal*"}, person));
    // Every criterion given has to match.
    EXPECT_FALSE(Finds(SSearchCriteria{"karl", "meier", ""}, person));
    EXPECT_FALSE(Finds(SSearchCriteria{"otto", "schneider", ""}, person));

    const CPlayerMatcher empty(SSearchCriteria{});
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(empty.Matches(person));
    EXPECT_FALSE(CPlayerMatcher(test::BySurname("*")).IsEmpty());
}

TEST_F(PlayerMatcherTest, NicknameOrElseStageNameMeetsTheStageNameCriterion) {
    const CPlayer& both = Person("Fritz", "Berg", "Kanone", "Blitz");
    // A nickname that does not match does not exclude the stage name that does.
    EXPECT_TRUE(Finds(test::ByStageName("kanone"), both));
    EXPECT_TRUE(Finds(test::ByStageName("blit*"), both));
    EXPECT_FALSE(Finds(test::ByStageName("held"), both));
    EXPECT_TRUE(Finds(test::ByStageName("kanone"), Person("A", "B", "Kanone")));
    EXPECT_TRUE(Finds(test::ByStageName("blitz"), Person("A", "B", "", "Blitz")));
    // Neither name set: even "*" finds nothing, since the names must not be empty.
    EXPECT_FALSE(Finds(test::ByStageName("*"), Person("A", "B")));
    EXPECT_TRUE(Finds(test::ByStageName("*"), Person("A", "B", "", "X")));
}

// The search over the small demo, in the world's order.
class PlayerSearchOrderTest : public ::testing::Test {
protected:
    PlayerSearchOrderTest() : world(test::LoadSmallDemo()) {}

    // The first club with at least two players of the first country after `after` that has one.
    CClub& ClubAfterCountry(int after) {
        for (int number = after + 1; number <= kCountryCount; ++number) {
            for (const auto& entry : world->Country(number).Clubs()) {
                if (!entry.second->IsNationalTeam() && entry.second->FirstTeam().size() >= 2) {
                    return *entry.second;
                }
            }
        }
        throw std::runtime_error("no club with players");
    }

    std::unique_ptr<CWorld> world;
};

TEST_F(PlayerSearchOrderTest, CountriesThenClubsThenSquadOrderThenThePlayersWithoutClub) {
    ASSERT_GT(world->WithoutClub().Count(), 0);
    CClub& early = ClubAfterCountry(0);
    CClub& late = ClubAfterCountry(early.Country());
    CPlayer* lateFirst = late.FirstTeam()[0];
    CPlayer* earlySecond = early.FirstTeam()[1];
    CPlayer* earlyFirst = early.FirstTeam()[0];
    CPlayer* free = world->WithoutClub().At(0);
    // Named in reverse of the order the search must find them in.
    for (CPlayer* person : {free, lateFirst, earlySecond, earlyFirst}) {
        person->SetSurname("Qwertz");
    }
    free->SetKind(0);
    // A staff member of that name is no player.
    CPlayer& staff = world->CreatePerson(world->NextFreePersonId(), false);
    staff.Reset(1, 1);
    staff.SetSurname("Qwertz");
    ASSERT_TRUE(early.AddPerson(staff));

    const std::vector<SSearchHit> hits = FindPlayers(*world, test::BySurname("qwer*"));
    const std::vector<SSearchHit> expected = {{earlyFirst->Id(), early.Id()},
                                              {earlySecond->Id(), early.Id()},
                                              {lateFirst->Id(), late.Id()},
                                              {free->Id(), 0}};
    EXPECT_EQ(hits, expected);
    EXPECT_TRUE(FindPlayers(*world, {}).empty());
}

TEST_F(PlayerSearchOrderTest, AStopEndsTheRunEarly) {
    std::vector<SSearchHit> hits;
    int clubsSeen = 0;
    SearchWorld(
        *world, CPlayerMatcher(test::BySurname("*")),
        [&hits](const SSearchHit& hit) { hits.push_back(hit); },
        [&clubsSeen] { return ++clubsSeen == 1; });
    ASSERT_FALSE(hits.empty());
    // Only the first club was searched.
    for (const SSearchHit& hit : hits) {
        EXPECT_EQ(hit.clubId, hits.front().clubId);
    }
    EXPECT_LT(hits.size(), FindPlayers(*world, test::BySurname("*")).size());
}

}  // namespace
}  // namespace kw
