#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DemoInstallation.h"
#include "TestWorld.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "tools/PlayerSearch.h"
#include "tools/SearchResultOrder.h"

namespace kw {
namespace {

using ::testing::Each;
using ::testing::Field;
using ::testing::Ne;

// Criteria with one text set.
SSearchCriteria ByFirstName(std::string text) {
    return SSearchCriteria{std::move(text), {}, {}};
}
SSearchCriteria BySurname(std::string text) {
    return SSearchCriteria{{}, std::move(text), {}};
}
SSearchCriteria ByStageName(std::string text) {
    return SSearchCriteria{{}, {}, std::move(text)};
}

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
    EXPECT_TRUE(Finds(BySurname("M\xDCLLER"), mueller));
    EXPECT_TRUE(Finds(BySurname("M\xDCLLER"), muller));
    EXPECT_TRUE(Finds(BySurname("muller"), mueller));
    EXPECT_TRUE(Finds(BySurname("m*r"), mueller));
    EXPECT_TRUE(Finds(BySurname("STRASSE"), strasse));
    EXPECT_TRUE(Finds(BySurname("stra\xDF"
                                "e"),
                      Person("Ole", "Strasse")));
    EXPECT_TRUE(Finds(ByFirstName("h\xC4NS"), Person("H\xE4ns", "X")));
    EXPECT_FALSE(Finds(BySurname("M\xDCLLERS"), mueller));
}

TEST_F(PlayerMatcherTest, WildcardsAtEitherEndAndInTheMiddle) {
    const CPlayer& person = Person("Karl", "Schneider");
    EXPECT_TRUE(Finds(BySurname("schn*"), person));
    EXPECT_TRUE(Finds(BySurname("*der"), person));
    EXPECT_TRUE(Finds(BySurname("sch*der"), person));
    EXPECT_TRUE(Finds(BySurname("*neid*"), person));
    EXPECT_TRUE(Finds(BySurname("*"), person));
    EXPECT_TRUE(Finds(BySurname("schn?ider"), person));
    // Without a star the whole name has to match.
    EXPECT_FALSE(Finds(BySurname("schneid"), person));
    EXPECT_FALSE(Finds(BySurname("neider"), person));
    EXPECT_FALSE(Finds(BySurname("*x*"), person));
    EXPECT_FALSE(Finds(BySurname("sch*dex"), person));
}

TEST_F(PlayerMatcherTest, EmptyCriteriaDoNotRestrictButAllEmptyFindNothing) {
    const CPlayer& person = Person("Karl", "Schneider", "Kalle");
    EXPECT_TRUE(Finds(ByFirstName("karl"), person));
    EXPECT_TRUE(Finds(BySurname("schneider"), person));
    EXPECT_TRUE(Finds(SSearchCriteria{"k*", "s*", "kal*"}, person));
    // Every criterion given has to match.
    EXPECT_FALSE(Finds(SSearchCriteria{"karl", "meier", ""}, person));
    EXPECT_FALSE(Finds(SSearchCriteria{"otto", "schneider", ""}, person));

    const CPlayerMatcher empty(SSearchCriteria{});
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_FALSE(empty.Matches(person));
    EXPECT_FALSE(CPlayerMatcher(BySurname("*")).IsEmpty());
}

TEST_F(PlayerMatcherTest, NicknameOrElseStageNameMeetsTheStageNameCriterion) {
    const CPlayer& both = Person("Fritz", "Berg", "Kanone", "Blitz");
    // A nickname that does not match does not exclude the stage name that does.
    EXPECT_TRUE(Finds(ByStageName("kanone"), both));
    EXPECT_TRUE(Finds(ByStageName("blit*"), both));
    EXPECT_FALSE(Finds(ByStageName("held"), both));
    EXPECT_TRUE(Finds(ByStageName("kanone"), Person("A", "B", "Kanone")));
    EXPECT_TRUE(Finds(ByStageName("blitz"), Person("A", "B", "", "Blitz")));
    // Neither name set: even "*" finds nothing, since the names must not be empty.
    EXPECT_FALSE(Finds(ByStageName("*"), Person("A", "B")));
    EXPECT_TRUE(Finds(ByStageName("*"), Person("A", "B", "", "X")));
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

    const std::vector<SSearchHit> hits = FindPlayers(*world, BySurname("qwer*"));
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
        *world, CPlayerMatcher(BySurname("*")),
        [&hits](const SSearchHit& hit) { hits.push_back(hit); },
        [&clubsSeen] { return ++clubsSeen == 1; });
    ASSERT_FALSE(hits.empty());
    // Only the first club was searched.
    EXPECT_THAT(hits, Each(Field(&SSearchHit::clubId, hits.front().clubId)));
    EXPECT_LT(hits.size(), FindPlayers(*world, BySurname("*")).size());
}

using namespace std::chrono_literals;

// Collects the handoffs of a search as a window would: on another thread than the worker, and
// only taking them when the test says so.
class HandoffInbox {
public:
    void Receive(SSearchHandoff handoff) {
        {
            const std::lock_guard lock(m_mutex);
            m_handoffs.push_back(std::move(handoff));
        }
        m_arrived.notify_all();
    }

    // Waits up to `timeout` for the `count`th handoff.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout = 5s) {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, timeout, [&] { return m_handoffs.size() >= count; });
    }

    std::vector<SSearchHandoff> Handoffs() {
        const std::lock_guard lock(m_mutex);
        return m_handoffs;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<SSearchHandoff> m_handoffs;
};

class PlayerSearchWorkerTest : public ::testing::Test {
protected:
    PlayerSearchWorkerTest()
        : world(test::LoadSmallDemo()),
          search(*world, [this](SSearchHandoff handoff) { inbox.Receive(std::move(handoff)); }) {}

    // Takes every handoff of `run` as it arrives until the run has finished (handoffs of earlier
    // runs passed over); the hits in order.
    std::vector<SSearchHit> TakeAll(unsigned run) {
        std::vector<SSearchHit> hits;
        for (std::size_t index = 0;; ++index) {
            if (!inbox.WaitFor(index + 1)) {
                ADD_FAILURE() << "the run did not finish";
                return hits;
            }
            const SSearchHandoff handoff = inbox.Handoffs().at(index);
            if (handoff.run != run) {
                continue;
            }
            hits.insert(hits.end(), handoff.hits.begin(), handoff.hits.end());
            search.Taken(run);
            if (handoff.finished) {
                return hits;
            }
        }
    }

    std::unique_ptr<CWorld> world;
    HandoffInbox inbox;
    CPlayerSearch search;
};

TEST_F(PlayerSearchWorkerTest, HandsOverEveryHitOnceAndEndsWithAFinishedHandoff) {
    const SSearchCriteria criteria = BySurname("*");
    const unsigned run = search.Start(criteria);
    EXPECT_EQ(TakeAll(run), FindPlayers(*world, criteria));
    const std::vector<SSearchHandoff> handoffs = inbox.Handoffs();
    // The first hit goes out at once, without waiting for the interval.
    ASSERT_GE(handoffs.size(), 2u);
    EXPECT_EQ(handoffs.front().hits.size(), 1u);
    EXPECT_FALSE(handoffs.front().finished);
    search.Cancel();
    EXPECT_FALSE(search.IsRunning());
}

TEST_F(PlayerSearchWorkerTest, EmptyCriteriaEndAtOnceWithNothing) {
    const unsigned run = search.Start({});
    EXPECT_TRUE(TakeAll(run).empty());
    EXPECT_EQ(inbox.Handoffs().size(), 1u);
}

TEST_F(PlayerSearchWorkerTest, TheWorkerWaitsUntilItsHandoffIsTaken) {
    const unsigned run = search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(1));
    // Not taken: nothing more comes, however long the window is busy.
    EXPECT_FALSE(inbox.WaitFor(2, 150ms));
    EXPECT_TRUE(search.IsRunning());
    // A stale run's number does not release it either.
    search.Taken(run + 7);
    EXPECT_FALSE(inbox.WaitFor(2, 100ms));
    search.Taken(run);
    EXPECT_TRUE(inbox.WaitFor(2));
}

TEST_F(PlayerSearchWorkerTest, CancelStopsAWaitingWorkerAndJoinsIt) {
    search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(1));
    search.Cancel();
    EXPECT_FALSE(search.IsRunning());
    // Nothing arrives after the cancel, and the cancelled run never finished.
    EXPECT_FALSE(inbox.WaitFor(2, 100ms));
    EXPECT_FALSE(inbox.Handoffs().back().finished);
    // Cancelling twice, or with nothing running, is harmless.
    search.Cancel();
}

TEST_F(PlayerSearchWorkerTest, ANewSearchCancelsTheRunningOneAndCountsRuns) {
    const unsigned first = search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(1));
    const unsigned second = search.Start(ByFirstName("*"));
    EXPECT_GT(second, first);
    EXPECT_EQ(search.CurrentRun(), second);
    const std::vector<SSearchHit> hits = TakeAll(second);
    EXPECT_EQ(hits, FindPlayers(*world, ByFirstName("*")));
}

TEST_F(PlayerSearchWorkerTest, AChangeRunsOnlyWhileNoWorkerReadsAndStartsTheSearchAgain) {
    const unsigned first = search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(1));
    bool stoppedDuringChange = false;
    const std::uint32_t removed = inbox.Handoffs().front().hits.front().personId;
    const bool changed = search.ChangeWorld([&] {
        stoppedDuringChange = !search.IsRunning();
        for (int number = 1; number <= kCountryCount; ++number) {
            for (const auto& entry : world->Country(number).Clubs()) {
                entry.second->RemovePerson(removed);
            }
        }
        world->RemovePerson(removed);
        return true;
    });
    EXPECT_TRUE(changed);
    EXPECT_TRUE(stoppedDuringChange);
    const unsigned second = search.CurrentRun();
    EXPECT_GT(second, first);
    const std::vector<SSearchHit> hits = TakeAll(second);
    EXPECT_EQ(hits, FindPlayers(*world, BySurname("*")));
    EXPECT_THAT(hits, Each(Field(&SSearchHit::personId, Ne(removed))));
}

SSearchRow Row(std::uint32_t id, std::string first, std::string surname, std::string stage,
               int position, CDate birth, std::string club, std::string country) {
    SSearchRow row;
    row.hit = {id, id * 10};
    row.firstName = std::move(first);
    row.surname = std::move(surname);
    row.stageName = std::move(stage);
    row.position = position;
    row.birthDate = birth;
    row.clubName = std::move(club);
    row.countryName = std::move(country);
    return row;
}

std::vector<std::uint32_t> Ids(const std::vector<SSearchRow>& rows) {
    std::vector<std::uint32_t> ids;
    for (const SSearchRow& row : rows) {
        ids.push_back(row.hit.personId);
    }
    return ids;
}

class SearchResultOrderTest : public ::testing::Test {
protected:
    std::vector<SSearchRow> Sorted(int column, bool descending) const {
        CSearchOrder order;
        order.Click(column);
        if (descending != order.Descending()) {
            order.Click(column);
        }
        std::vector<SSearchRow> sorted = rows;
        SortSearchRows(sorted, order);
        return sorted;
    }

    // Ids 1..4 in search order. "Öztürk" sorts as "Ozturk", before "Peters".
    std::vector<SSearchRow> rows = {
        Row(1, "Zeno", "Peters", "", 12, CDate::FromYmd(1985, 3, 1), "Brackwasser", "Nordland"),
        Row(2, "Adam", "\xD6zt\xFCrk", "Oz", 1, CDate::FromYmd(1990, 1, 1), "Auenkicker",
            "Ostland"),
        Row(3, "Bert", "Peters", "Blitz", 17, CDate::FromYmd(1979, 12, 31), "", ""),
        Row(4, "\xC4gidius", "Abel", "", 4, CDate::FromYmd(1985, 3, 2), "Zebra", "Ostland"),
    };
};

TEST_F(SearchResultOrderTest, ClicksChooseTheColumnAndASecondClickReverses) {
    CSearchOrder order;
    EXPECT_EQ(order.Column(), searchcolumn::kSurname);
    EXPECT_FALSE(order.Descending());
    order.Click(searchcolumn::kSurname);
    EXPECT_TRUE(order.Descending());
    order.Click(searchcolumn::kClub);
    EXPECT_EQ(order.Column(), searchcolumn::kClub);
    EXPECT_FALSE(order.Descending());
    order.Click(searchcolumn::kClub);
    order.Click(searchcolumn::kClub);
    EXPECT_FALSE(order.Descending());
}

TEST_F(SearchResultOrderTest, EachColumnSortsByItsKeyAndEqualKeysKeepTheSearchOrder) {
    using V = std::vector<std::uint32_t>;
    // Initial: by surname, folded ("Ä" as "A", "Ö" as "O"); the two "Peters" in search order.
    std::vector<SSearchRow> initial = rows;
    SortSearchRows(initial, CSearchOrder());
    EXPECT_EQ(Ids(initial), (V{4, 2, 1, 3}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kSurname, true)), (V{1, 3, 2, 4}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kFirstName, false)), (V{2, 4, 3, 1}));
    // Empty stage names first.
    EXPECT_EQ(Ids(Sorted(searchcolumn::kStageName, false)), (V{1, 4, 3, 2}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kPosition, false)), (V{2, 4, 1, 3}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kBirthDate, false)), (V{3, 1, 4, 2}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kBirthDate, true)), (V{2, 4, 1, 3}));
    // Club and country as plain text: no club first.
    EXPECT_EQ(Ids(Sorted(searchcolumn::kClub, false)), (V{3, 2, 1, 4}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kCountry, false)), (V{3, 1, 2, 4}));
}

TEST(SearchRows, TakeTheNamesOfThePersonItsClubAndTheClubsCountry) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const CClub* club = nullptr;
    for (int number = 1; number <= kCountryCount && club == nullptr; ++number) {
        for (const auto& entry : world->Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam() && !entry.second->FirstTeam().empty()) {
                club = entry.second.get();
                break;
            }
        }
    }
    ASSERT_NE(club, nullptr);
    const CPlayer& player = *club->FirstTeam().front();
    const int language = 1;
    const SSearchRow row = MakeSearchRow(*world, {player.Id(), club->Id()}, language);
    EXPECT_EQ(std::tuple(row.firstName, row.surname, row.stageName, row.position, row.birthDate,
                         row.clubName, row.countryName),
              std::tuple(player.FirstName().View(), player.Surname().View(),
                         player.StageName().View(), player.MainPosition(), player.BirthDate(),
                         club->Name(language), world->Country(club->Country()).Name(language)));
    EXPECT_FALSE(row.countryName.empty());

    ASSERT_GT(world->WithoutClub().Count(), 0);
    const std::uint32_t free = world->WithoutClub().Ids().front();
    const SSearchRow freeRow = MakeSearchRow(*world, {free, 0}, language);
    EXPECT_EQ(freeRow.surname, world->Person(free)->Surname().View());
    EXPECT_TRUE(freeRow.clubName.empty());
    EXPECT_TRUE(freeRow.countryName.empty());
}

}  // namespace
}  // namespace kw
