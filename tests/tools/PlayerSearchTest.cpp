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
};

// The matcher on persons made by hand (names are Windows-1252 bytes): case, accents and "ß" are
// folded on both sides; wildcards at either end and in the middle, and without a star the whole
// name has to match; every criterion given has to match; the stage name criterion is met by the
// nickname or else the stage name, never by an empty one.
TEST_F(PlayerMatcherTest, FindsByFoldedNamesWildcardsAndEveryCriterionGiven) {
    const struct {
        SSearchCriteria criteria;
        const char* first;
        const char* surname;
        const char* stageName;
        const char* nickname;
        bool finds;
    } cases[] = {
        {BySurname("M\xDCLLER"), "Hans", "M\xFCller", "", "", true},
        {BySurname("M\xDCLLER"), "Hans", "Muller", "", "", true},
        {BySurname("muller"), "Hans", "M\xFCller", "", "", true},
        {BySurname("m*r"), "Hans", "M\xFCller", "", "", true},
        {BySurname("M\xDCLLERS"), "Hans", "M\xFCller", "", "", false},
        {BySurname("STRASSE"), "Jan", "Stra\337e", "", "", true},
        {BySurname("stra\337e"), "Ole", "Strasse", "", "", true},
        {ByFirstName("h\xC4NS"), "H\xE4ns", "X", "", "", true},
        {ByFirstName("karl"), "Karl", "Schneider", "Kalle", "", true},
        {SSearchCriteria{"k*", "s*", "kal*"}, "Karl", "Schneider", "Kalle", "", true},
        {SSearchCriteria{"karl", "meier", ""}, "Karl", "Schneider", "", "", false},
        {SSearchCriteria{"otto", "schneider", ""}, "Karl", "Schneider", "", "", false},
        {SSearchCriteria{}, "Karl", "Schneider", "Kalle", "", false},
        // A nickname that does not match does not exclude the stage name that does.
        {ByStageName("kanone"), "Fritz", "Berg", "Kanone", "Blitz", true},
        {ByStageName("blit*"), "Fritz", "Berg", "Kanone", "Blitz", true},
        {ByStageName("held"), "Fritz", "Berg", "Kanone", "Blitz", false},
        {ByStageName("kanone"), "A", "B", "Kanone", "", true},
        {ByStageName("blitz"), "A", "B", "", "Blitz", true},
        {ByStageName("*"), "A", "B", "", "", false},
        {ByStageName("*"), "A", "B", "", "X", true},
    };
    for (const auto& c : cases) {
        const CPlayer& person = Person(c.first, c.surname, c.stageName, c.nickname);
        EXPECT_EQ(CPlayerMatcher(c.criteria).Matches(person), c.finds)
            << c.criteria.firstName << "/" << c.criteria.surname << "/" << c.criteria.stageName
            << " on " << c.first << " " << c.surname;
    }
    const CPlayer& karl = Person("Karl", "Schneider");
    for (const char* surname : {"schn*", "*der", "sch*der", "*neid*", "*", "schn?ider"}) {
        EXPECT_TRUE(CPlayerMatcher(BySurname(surname)).Matches(karl)) << surname;
    }
    for (const char* surname : {"schneid", "neider", "*x*", "sch*dex"}) {
        EXPECT_FALSE(CPlayerMatcher(BySurname(surname)).Matches(karl)) << surname;
    }
    EXPECT_TRUE(CPlayerMatcher(SSearchCriteria{}).IsEmpty());
    EXPECT_FALSE(CPlayerMatcher(BySurname("*")).IsEmpty());
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

TEST_F(PlayerSearchOrderTest, CountriesThenClubsThenSquadOrderThenWithoutClubAndTheirRows) {
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

    // A stop after the first club ends the run early.
    std::vector<SSearchHit> stopped;
    int clubsSeen = 0;
    SearchWorld(
        *world, CPlayerMatcher(BySurname("*")),
        [&stopped](const SSearchHit& hit) { stopped.push_back(hit); },
        [&clubsSeen] { return ++clubsSeen == 1; });
    ASSERT_FALSE(stopped.empty());
    EXPECT_THAT(stopped, Each(Field(&SSearchHit::clubId, stopped.front().clubId)));
    EXPECT_LT(stopped.size(), FindPlayers(*world, BySurname("*")).size());

    // A result row takes the names of the person, its club and the club's country.
    const int language = 1;
    const SSearchRow row = MakeSearchRow(*world, {earlyFirst->Id(), early.Id()}, language);
    EXPECT_EQ(std::tuple(row.firstName, row.surname, row.stageName, row.position, row.birthDate,
                         row.clubName, row.countryName),
              std::tuple(earlyFirst->FirstName().View(), earlyFirst->Surname().View(),
                         earlyFirst->StageName().View(), earlyFirst->MainPosition(),
                         earlyFirst->BirthDate(), early.Name(language),
                         world->Country(early.Country()).Name(language)));
    EXPECT_FALSE(row.countryName.empty());
    const SSearchRow freeRow = MakeSearchRow(*world, {free->Id(), 0}, language);
    EXPECT_EQ(freeRow.surname, free->Surname().View());
    EXPECT_TRUE(freeRow.clubName.empty());
    EXPECT_TRUE(freeRow.countryName.empty());
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

TEST_F(PlayerSearchWorkerTest, HandsOverEveryHitOnceWaitsUntilTakenAndStopsWhenCancelled) {
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

    // Empty criteria end at once with nothing.
    const std::size_t before = inbox.Handoffs().size();
    EXPECT_TRUE(TakeAll(search.Start({})).empty());
    EXPECT_EQ(inbox.Handoffs().size(), before + 1);

    // The worker waits until its handoff is taken; a new search cancels the running one; a
    // cancel stops a waiting worker and joins it.
    const unsigned first = search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(before + 2));
    // Not taken: nothing more comes, however long the window is busy.
    EXPECT_FALSE(inbox.WaitFor(before + 3, 150ms));
    EXPECT_TRUE(search.IsRunning());
    // A stale run's number does not release it either.
    search.Taken(first + 7);
    EXPECT_FALSE(inbox.WaitFor(before + 3, 100ms));
    search.Taken(first);
    EXPECT_TRUE(inbox.WaitFor(before + 3));

    const unsigned second = search.Start(ByFirstName("*"));
    EXPECT_GT(second, first);
    EXPECT_EQ(search.CurrentRun(), second);
    EXPECT_EQ(TakeAll(second), FindPlayers(*world, ByFirstName("*")));

    // Counted before the start: the run's first hit goes out at once.
    const std::size_t count = inbox.Handoffs().size() + 1;
    search.Start(BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(count));
    search.Cancel();
    EXPECT_FALSE(search.IsRunning());
    // Nothing arrives after the cancel, and the cancelled run never finished.
    EXPECT_FALSE(inbox.WaitFor(count + 1, 100ms));
    EXPECT_FALSE(inbox.Handoffs().back().finished);
    // Cancelling twice, or with nothing running, is harmless.
    search.Cancel();
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
        {{1, 10}, "Zeno", "Peters", "", 12, CDate::FromYmd(1985, 3, 1), "Brackwasser", "Nordland"},
        {{2, 20}, "Adam", "\xD6zt\xFCrk", "Oz", 1, CDate::FromYmd(1990, 1, 1), "Aue", "Ostland"},
        {{3, 30}, "Bert", "Peters", "Blitz", 17, CDate::FromYmd(1979, 12, 31), "", ""},
        {{4, 40}, "\xC4gidius", "Abel", "", 4, CDate::FromYmd(1985, 3, 2), "Zebra", "Ostland"},
    };
};

TEST_F(SearchResultOrderTest, ClicksChooseAndReverseTheColumnThatSortsTheRows) {
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

    // Each column sorts by its key, and equal keys keep the search order.
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

}  // namespace
}  // namespace kw
