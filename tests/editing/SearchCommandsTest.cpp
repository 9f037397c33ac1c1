#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "demo/DemoGenerator.h"
#include "document/DatabaseDocument.h"
#include "editing/SearchCommands.h"
#include "editing/SquadCommands.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "storage/Identifiers.h"
#include "tools/PlayerSearch.h"

namespace kw {
namespace {

// The result list's commands on the small demo, each checked against the reference invariant.
class SearchCommandsTest : public test::DemoClubsTest {
protected:
    std::uint32_t FreePlayer() const {
        if (document.World().WithoutClub().Count() == 0) {
            throw std::runtime_error("the demo has no players without club");
        }
        return document.World().WithoutClub().Ids().front();
    }
};

TEST_F(SearchCommandsTest, FetchTransferAndDeleteMoveOrRemoveThePlayerAndUndoTakesThemBack) {
    ExpectReferencesSound();
    const std::uint32_t abroadId = abroad->Id();
    CPlayer& player = *abroad->FirstTeam().front();
    const std::uint32_t id = player.Id();
    player.SetContractUntil(2001);
    player.SetShirtNumber(0, 9);
    player.SetTeamFlag(1);
    const std::uint32_t free = FreePlayer();
    Live().Person(free)->SetContractUntil(2009);
    const std::string before = Dump();
    EXPECT_EQ(HoldingClubId(document.World(), id), abroad->Id());
    EXPECT_EQ(HoldingClubId(document.World(), free), 0u);

    ASSERT_TRUE(FetchSearchedPlayer(document, id, home->Id()));
    ExpectReferencesSound();
    EXPECT_TRUE(home->HasPerson(id));
    EXPECT_FALSE(abroad->HasPerson(id));
    EXPECT_EQ(HoldingClubId(document.World(), id), home->Id());
    EXPECT_EQ(player.ShirtNumbers()[0], 0);
    EXPECT_EQ(player.ContractUntil(), 2003);
    // Into the first team, as the target's id names it.
    EXPECT_EQ(player.TeamFlag(), 0);

    // A player without club joins the target and leaves the list; a later contract stays and the
    // second team is chosen by bit 24.
    ASSERT_TRUE(TransferSearchedPlayer(document, free, home->Id() | kSecondTeamFlag));
    ExpectReferencesSound();
    EXPECT_TRUE(home->HasPerson(free));
    EXPECT_FALSE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.World().Person(free)->ContractUntil(), 2009);
    EXPECT_EQ(document.World().Person(free)->TeamFlag(), 1);
    EXPECT_EQ(document.History().Count(), 2u);

    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectReferencesSound();

    // Delete takes the player out of his club or the list and the world.
    ASSERT_TRUE(DeleteSearchedPlayer(document, id));
    ExpectReferencesSound();
    EXPECT_FALSE(FindLiveClub(Live(), abroadId)->HasPerson(id));
    EXPECT_EQ(document.World().Person(id), nullptr);
    ASSERT_TRUE(DeleteSearchedPlayer(document, free));
    ExpectReferencesSound();
    EXPECT_FALSE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.World().Person(free), nullptr);
    // Deleted twice: nothing happens the second time.
    EXPECT_FALSE(DeleteSearchedPlayer(document, id));
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
    ExpectReferencesSound();
}

TEST_F(SearchCommandsTest, AMoveIsOfferedExactlyWhenTheCommandMakesItAFullClubLosesNobody) {
    const std::uint32_t player = abroad->FirstTeam().front()->Id();
    const std::uint32_t homeId = home->Id();
    // The own club, also named with the second-team bit, a national team, a club or a person that
    // is not there refuse.
    const struct {
        std::uint32_t person;
        std::uint32_t target;
        bool moves;
    } cases[] = {{player, home->Id(), true},
                 {FreePlayer(), home->Id() | kSecondTeamFlag, true},
                 {player, abroad->Id(), false},
                 {player, abroad->Id() | kSecondTeamFlag, false},
                 {player, Live().Country(home->Country()).NationalTeam().Id(), false},
                 {player, MakeClubId(home->Country(), 0x7FFE), false},
                 {player, 0, false},
                 {0xFFFFFFF0u, home->Id(), false}};
    for (const auto& move : cases) {
        EXPECT_EQ(CanMoveSearchedPlayer(document.World(), move.person, move.target), move.moves);
        EXPECT_EQ(FetchSearchedPlayer(document, move.person, move.target), move.moves);
        if (move.moves) {
            ASSERT_TRUE(document.Undo());
        }
    }
    EXPECT_FALSE(DeleteSearchedPlayer(document, 0xFFFFFFF0u));

    // A full club refuses without destroying anyone, from a club and from the free players.
    FillClub(*FindLiveClub(Live(), homeId), CClub::kMaxPersons);
    const std::string full = Dump();
    const std::size_t edits = document.History().Count();
    const std::uint32_t free = FreePlayer();
    EXPECT_FALSE(CanMoveSearchedPlayer(document.World(), free, homeId));
    EXPECT_FALSE(FetchSearchedPlayer(document, player, homeId));
    EXPECT_FALSE(TransferSearchedPlayer(document, free, homeId));
    EXPECT_EQ(Dump(), full);
    EXPECT_NE(document.World().Person(player), nullptr);
    EXPECT_TRUE(document.World().WithoutClub().Contains(free));
    EXPECT_EQ(document.History().Count(), edits);
    ExpectReferencesSound();
}

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
    EXPECT_TRUE(std::none_of(after.begin(), after.end(),
                             [victim](const SSearchHit& hit) { return hit.personId == victim; }));
    const std::vector<std::string> faults = test::ReferenceFaults(document.World());
    EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults.front());
}

}  // namespace
}  // namespace kw
