#include "tools/PlayerSearch.h"

#include <utility>

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

bool NameMatches(std::string_view name, std::string_view criterion) {
    return MatchWildcard(FoldForSearch(name), criterion);
}

}  // namespace

CPlayerMatcher::CPlayerMatcher(const SSearchCriteria& criteria)
    : m_firstName(FoldForSearch(criteria.firstName)),
      m_surname(FoldForSearch(criteria.surname)),
      m_stageName(FoldForSearch(criteria.stageName)) {}

bool CPlayerMatcher::IsEmpty() const {
    return m_firstName.empty() && m_surname.empty() && m_stageName.empty();
}

bool CPlayerMatcher::Matches(const CPlayer& person) const {
    if (IsEmpty()) {
        return false;
    }
    if (!m_firstName.empty() && !NameMatches(person.FirstName().View(), m_firstName)) {
        return false;
    }
    if (!m_stageName.empty()) {
        const std::string_view nickname = person.Nickname().View();
        const std::string_view stageName = person.StageName().View();
        const bool byNickname = !nickname.empty() && NameMatches(nickname, m_stageName);
        const bool byStageName = !stageName.empty() && NameMatches(stageName, m_stageName);
        if (!byNickname && !byStageName) {
            return false;
        }
    }
    return m_surname.empty() || NameMatches(person.Surname().View(), m_surname);
}

void SearchWorld(const CWorld& world, const CPlayerMatcher& matcher,
                 const std::function<void(const SSearchHit&)>& found,
                 const std::function<bool()>& stop) {
    if (matcher.IsEmpty()) {
        return;
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world.Country(number).Clubs()) {
            const CClub& club = *entry.second;
            if (club.IsNationalTeam()) {
                continue;
            }
            for (const std::uint32_t id : club.PersonIds()) {
                const CPlayer* person = world.Person(id);
                if (person != nullptr && person->IsPlayer() && matcher.Matches(*person)) {
                    found(SSearchHit{id, club.Id()});
                }
            }
            if (stop()) {
                return;
            }
        }
    }
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        const CPlayer* person = world.Person(id);
        if (person != nullptr && person->IsPlayer() && matcher.Matches(*person)) {
            found(SSearchHit{id, 0});
        }
        if (stop()) {
            return;
        }
    }
}

std::vector<SSearchHit> FindPlayers(const CWorld& world, const SSearchCriteria& criteria) {
    std::vector<SSearchHit> hits;
    SearchWorld(
        world, CPlayerMatcher(criteria), [&hits](const SSearchHit& hit) { hits.push_back(hit); },
        [] { return false; });
    return hits;
}

CPlayerSearch::CPlayerSearch(const CWorld& world, HandoffFunction handoff)
    : m_world(world), m_handoff(std::move(handoff)) {}

CPlayerSearch::~CPlayerSearch() {
    Cancel();
}

unsigned CPlayerSearch::Start(const SSearchCriteria& criteria) {
    Cancel();
    m_criteria = criteria;
    unsigned run = 0;
    {
        const std::lock_guard lock(m_mutex);
        run = ++m_run;
        m_taken = false;
        m_running = true;
    }
    m_worker = std::thread([this, run, copy = m_criteria] { Run(run, copy); });
    return run;
}

unsigned CPlayerSearch::Restart() {
    return Start(m_criteria);
}

void CPlayerSearch::Taken(unsigned run) {
    {
        const std::lock_guard lock(m_mutex);
        if (run != m_run) {
            return;
        }
        m_taken = true;
    }
    m_wake.notify_all();
}

void CPlayerSearch::Cancel() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable()) {
        m_worker.join();
    }
    const std::lock_guard lock(m_mutex);
    m_stop = false;
    m_running = false;
}

bool CPlayerSearch::ChangeWorld(const std::function<bool()>& change) {
    Cancel();
    const bool changed = change();
    Restart();
    return changed;
}

unsigned CPlayerSearch::CurrentRun() const {
    const std::lock_guard lock(m_mutex);
    return m_run;
}

bool CPlayerSearch::IsRunning() const {
    const std::lock_guard lock(m_mutex);
    return m_running;
}

void CPlayerSearch::Run(unsigned run, const SSearchCriteria& criteria) {
    const CPlayerMatcher matcher(criteria);
    std::vector<SSearchHit> pending;
    // The first hit goes out at once, so the window fills without waiting a whole interval.
    auto lastHandoff = std::chrono::steady_clock::now() - kHandoffInterval;
    bool cancelled = false;
    SearchWorld(
        m_world, matcher,
        [&](const SSearchHit& hit) {
            pending.push_back(hit);
            if (!cancelled && std::chrono::steady_clock::now() - lastHandoff >= kHandoffInterval) {
                cancelled = !HandOver(run, pending, false);
                lastHandoff = std::chrono::steady_clock::now();
            }
        },
        [&] { return cancelled || m_stop.load(std::memory_order_relaxed); });
    if (!cancelled && !m_stop.load()) {
        HandOver(run, pending, true);
    }
    const std::lock_guard lock(m_mutex);
    m_running = false;
}

bool CPlayerSearch::HandOver(unsigned run, std::vector<SSearchHit>& hits, bool finished) {
    {
        const std::lock_guard lock(m_mutex);
        m_taken = false;
    }
    m_handoff(SSearchHandoff{run, std::exchange(hits, {}), finished});
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_taken || m_stop.load(); });
    return !m_stop.load();
}

}  // namespace kw
