#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "DemoInstallation.h"
#include "SearchCriteriaFor.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "tools/PlayerSearch.h"

namespace kw {
namespace {

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
    const SSearchCriteria criteria = test::BySurname("*");
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
    const unsigned run = search.Start(test::BySurname("*"));
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
    search.Start(test::BySurname("*"));
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
    const unsigned first = search.Start(test::BySurname("*"));
    ASSERT_TRUE(inbox.WaitFor(1));
    const unsigned second = search.Start(test::ByFirstName("*"));
    EXPECT_GT(second, first);
    EXPECT_EQ(search.CurrentRun(), second);
    const std::vector<SSearchHit> hits = TakeAll(second);
    EXPECT_EQ(hits, FindPlayers(*world, test::ByFirstName("*")));
}

TEST_F(PlayerSearchWorkerTest, AChangeRunsOnlyWhileNoWorkerReadsAndStartsTheSearchAgain) {
    const unsigned first = search.Start(test::BySurname("*"));
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
    EXPECT_EQ(hits, FindPlayers(*world, test::BySurname("*")));
    for (const SSearchHit& hit : hits) {
        EXPECT_NE(hit.personId, removed);
    }
}

}  // namespace
}  // namespace kw
