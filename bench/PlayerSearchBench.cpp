// The player search on the `huge` demo: the whole search for a wildcard surname on its worker
// (each handoff taken at once, as a window that keeps up would) and the time until the first
// hits reach the window; the plain search on one thread beside them.
#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "DemoInstallations.h"
#include "model/World.h"
#include "tools/PlayerSearch.h"

namespace {

using kw::demo::EDemoScale;
using Clock = std::chrono::steady_clock;

const kw::SSearchCriteria kSurnameM{{}, "M*", {}};

const kw::CWorld& HugeWorld() {
    static const std::unique_ptr<kw::CWorld> world = kw::bench::LoadDemoWorld(EDemoScale::kHuge);
    return *world;
}

// Waits for the first handoff and for the finished one of a run.
class CHandoffClock {
public:
    void Arrived(const kw::SSearchHandoff& handoff) {
        {
            const std::lock_guard lock(m_mutex);
            if (m_first == Clock::time_point{}) {
                m_first = Clock::now();
            }
            m_hits += handoff.hits.size();
            m_finished = m_finished || handoff.finished;
        }
        m_changed.notify_all();
    }

    void Reset() {
        const std::lock_guard lock(m_mutex);
        m_first = {};
        m_hits = 0;
        m_finished = false;
    }

    Clock::time_point WaitForFirst() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_first != Clock::time_point{}; });
        return m_first;
    }

    std::size_t WaitUntilFinished() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_finished; });
        return m_hits;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    Clock::time_point m_first;
    std::size_t m_hits = 0;
    bool m_finished = false;
};

void BM_PlayerSearchComplete(benchmark::State& state) {
    const kw::CWorld& world = HugeWorld();
    CHandoffClock clock;
    kw::CPlayerSearch* search = nullptr;
    kw::CPlayerSearch worker(world, [&clock, &search](kw::SSearchHandoff handoff) {
        clock.Arrived(handoff);
        search->Taken(handoff.run);
    });
    search = &worker;
    std::size_t hits = 0;
    for (auto _ : state) {
        clock.Reset();
        const Clock::time_point start = Clock::now();
        worker.Start(kSurnameM);
        hits = clock.WaitUntilFinished();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    worker.Cancel();
    state.counters["hits"] = static_cast<double>(hits);
    state.counters["persons"] = static_cast<double>(world.Persons().size());
}
BENCHMARK(BM_PlayerSearchComplete)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PlayerSearchFirstHandoff(benchmark::State& state) {
    const kw::CWorld& world = HugeWorld();
    CHandoffClock clock;
    kw::CPlayerSearch* search = nullptr;
    kw::CPlayerSearch worker(world, [&clock, &search](kw::SSearchHandoff handoff) {
        clock.Arrived(handoff);
        search->Taken(handoff.run);
    });
    search = &worker;
    for (auto _ : state) {
        clock.Reset();
        const Clock::time_point start = Clock::now();
        worker.Start(kSurnameM);
        const Clock::time_point first = clock.WaitForFirst();
        state.SetIterationTime(std::chrono::duration<double>(first - start).count());
        worker.Cancel();
    }
}
BENCHMARK(BM_PlayerSearchFirstHandoff)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_FindPlayersOneThread(benchmark::State& state) {
    const kw::CWorld& world = HugeWorld();
    for (auto _ : state) {
        benchmark::DoNotOptimize(kw::FindPlayers(world, kSurnameM));
    }
}
BENCHMARK(BM_FindPlayersOneThread)->Unit(benchmark::kMillisecond);

}  // namespace
