#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ReferenceCheck.h"
#include "TempDir.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "editing/SearchCommands.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "tools/PlayerSearch.h"

namespace kw {
namespace {

using namespace std::chrono_literals;

// A window that takes every handoff at once, so the worker never pauses, and remembers the hits of
// the run it is told to watch.
class TakingWindow {
public:
    explicit TakingWindow(CPlayerSearch*& search) : m_search(search) {}

    void Receive(const SSearchHandoff& handoff) {
        {
            const std::lock_guard lock(m_mutex);
            ++m_handoffs;
            if (handoff.run == m_watched) {
                m_hits.insert(m_hits.end(), handoff.hits.begin(), handoff.hits.end());
                m_finished = handoff.finished;
            }
        }
        m_changed.notify_all();
        m_search->Taken(handoff.run);
    }

    void Watch(unsigned run) {
        const std::lock_guard lock(m_mutex);
        m_watched = run;
        m_hits.clear();
        m_finished = false;
    }

    bool WaitForFirstHandoff() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 60s, [this] { return m_handoffs > 0; });
    }

    bool WaitUntilFinished() {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 300s, [this] { return m_finished; });
    }

    std::vector<SSearchHit> Hits() {
        const std::lock_guard lock(m_mutex);
        return m_hits;
    }

private:
    CPlayerSearch*& m_search;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    unsigned m_watched = 0;
    int m_handoffs = 0;
    bool m_finished = false;
    std::vector<SSearchHit> m_hits;
};

// A delete issued while a search over a big database runs (the full demo: making the huge one
// takes minutes under ThreadSanitizer): the search is stopped and joined before the database
// changes and starts again afterwards. Also run under ThreadSanitizer, which would report the
// worker reading a person while it is deleted.
TEST(SearchWhileDeleting, TheWorkerIsStoppedBeforeTheChangeAndRestartedAfterIt) {
    test::TempDir install;
    CSilentProgress progress;
    ASSERT_TRUE(
        demo::GenerateDemoInstallation(install.Path(), demo::EDemoScale::kFull, 1, progress).ok);
    auto world = std::make_unique<CWorld>(install.Path());
    world->InitialiseCountries();
    ASSERT_TRUE(world->Load(install.Path() / "database", progress));
    CDatabaseDocument document(std::move(world));

    CPlayerSearch* searchPointer = nullptr;
    TakingWindow window(searchPointer);
    CPlayerSearch search(document.World(),
                         [&window](SSearchHandoff handoff) { window.Receive(handoff); });
    searchPointer = &search;
    const SSearchCriteria everyone{{}, "*", {}};
    window.Watch(search.Start(everyone));
    ASSERT_TRUE(window.WaitForFirstHandoff());

    // A player the worker has not reached yet: the last of the found ones' clubs is far behind.
    const std::vector<SSearchHit> all = FindPlayers(document.World(), everyone);
    ASSERT_FALSE(all.empty());
    const std::uint32_t victim = all.back().personId;
    bool stoppedForTheChange = false;
    // The restarted run hands over its first hit at once: watch it before it exists.
    window.Watch(search.CurrentRun() + 1);
    ASSERT_TRUE(search.ChangeWorld([&] {
        stoppedForTheChange = !search.IsRunning();
        return DeleteSearchedPlayer(document, victim);
    }));
    EXPECT_TRUE(stoppedForTheChange);
    ASSERT_TRUE(window.WaitUntilFinished());
    search.Cancel();

    const std::vector<SSearchHit> after = window.Hits();
    EXPECT_EQ(after.size() + 1, all.size());
    for (const SSearchHit& hit : after) {
        EXPECT_NE(hit.personId, victim);
    }
    const std::vector<std::string> faults = test::ReferenceFaults(document.World());
    EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults.front());
}

}  // namespace
}  // namespace kw
