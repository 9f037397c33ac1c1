#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace kw {

class CPlayer;
class CWorld;

// The three texts of the player search as the user typed them (Windows-1252). Kept between two
// searches so that the next one starts with them.
struct SSearchCriteria {
    std::string firstName;
    std::string surname;
    std::string stageName;  // matched against the nickname, then the stage name
};

// The criteria folded and upper-cased once, applied to one person at a time.
class CPlayerMatcher {
public:
    explicit CPlayerMatcher(const SSearchCriteria& criteria);

    // All three criteria empty: such a search finds nothing.
    bool IsEmpty() const;
    // Every non-empty criterion must match its name ('*' and '?' as wildcards); the stage-name
    // criterion is met by a non-empty matching nickname or else a non-empty matching stage name.
    bool Matches(const CPlayer& person) const;

private:
    std::string m_firstName;
    std::string m_surname;
    std::string m_stageName;
};

// One found player and the club holding him (0 for a player without club).
struct SSearchHit {
    std::uint32_t personId = 0;
    std::uint32_t clubId = 0;

    friend bool operator==(const SSearchHit&, const SSearchHit&) = default;
};

// The search over the world in its fixed order: countries 1 to 206, their clubs in order (national
// teams, which only list players of other clubs, left out), each club's players in squad order,
// then the players without club. Each match is handed to `found`; the run ends early once `stop`
// returns true (checked after each club and each player without club).
void SearchWorld(const CWorld& world, const CPlayerMatcher& matcher,
                 const std::function<void(const SSearchHit&)>& found,
                 const std::function<bool()>& stop);
// The whole search at once.
std::vector<SSearchHit> FindPlayers(const CWorld& world, const SSearchCriteria& criteria);

// What the running search hands to its window: the hits found since the previous handoff, and
// whether the run has ended. `run` tells a handoff of a cancelled run from the current one.
struct SSearchHandoff {
    unsigned run = 0;
    std::vector<SSearchHit> hits;
    bool finished = false;
};

// The search on a worker thread. The worker only reads the world, so nothing may change the world
// while it runs: every change goes through ChangeWorld, which stops and joins the worker first and
// starts a new run afterwards. At least every kHandoffInterval while hits come in, and at the
// end, the worker hands its new hits to `handoff` (called on the worker thread) and waits until
// the consumer calls Taken with that run's number or the search is cancelled.
class CPlayerSearch {
public:
    static constexpr std::chrono::milliseconds kHandoffInterval{50};
    using HandoffFunction = std::function<void(SSearchHandoff)>;

    CPlayerSearch(const CWorld& world, HandoffFunction handoff);
    ~CPlayerSearch();
    CPlayerSearch(const CPlayerSearch&) = delete;
    CPlayerSearch& operator=(const CPlayerSearch&) = delete;

    // Cancels a running search and starts one with these criteria; returns the new run's number.
    unsigned Start(const SSearchCriteria& criteria);
    // Cancels and starts again with the last criteria (after a change of the world).
    unsigned Restart();
    // The consumer has taken the handoff of `run`; the worker goes on. Stale runs are ignored.
    void Taken(unsigned run);
    // Stops the worker and waits for it to end. Nothing happens without a running search.
    void Cancel();
    // Cancel, then `change` (which may change the world), then a new run. Returns what `change`
    // returned.
    bool ChangeWorld(const std::function<bool()>& change);

    unsigned CurrentRun() const;
    bool IsRunning() const;

private:
    void Run(unsigned run, const SSearchCriteria& criteria);
    // Hands the hits over and waits; false when the search was cancelled meanwhile.
    bool HandOver(unsigned run, std::vector<SSearchHit>& hits, bool finished);

    const CWorld& m_world;
    HandoffFunction m_handoff;
    SSearchCriteria m_criteria;
    std::thread m_worker;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    unsigned m_run = 0;
    std::atomic<bool> m_stop = false;  // also read without the lock by the searching loop
    bool m_taken = false;
    bool m_running = false;
};

}  // namespace kw
