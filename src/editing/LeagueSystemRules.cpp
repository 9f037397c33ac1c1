#include "editing/LeagueSystemRules.h"

#include <algorithm>
#include <memory>

#include "competition/Competition.h"
#include "competition/League.h"
#include "model/LeagueScript.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr std::uint8_t kAny = 0x3F;     // 0..5
constexpr std::uint8_t kEven = 0x15;    // 0, 2, 4
constexpr std::uint8_t kThrees = 0x09;  // 0, 3
constexpr std::uint8_t kFours = 0x11;   // 0, 4
constexpr std::uint8_t kFives = 0x21;   // 0, 5

constexpr std::array<SGenericLeagueSystem, kGenericSystemCount> kSystems = {{
    {"-", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {"1", {1, 0, 0, 0, 0}, {kAny, 0, 0, 0, 0}},
    {"1-1", {1, 1, 0, 0, 0}, {kAny, kAny, 0, 0, 0}},
    {"1-2", {1, 2, 0, 0, 0}, {kEven, kAny, 0, 0, 0}},
    {"1-3", {1, 3, 0, 0, 0}, {kThrees, kAny, 0, 0, 0}},
    {"1-4", {1, 4, 0, 0, 0}, {kFours, kAny, 0, 0, 0}},
    {"1-1-1", {1, 1, 1, 0, 0}, {kAny, kAny, kAny, 0, 0}},
    {"1-1-2", {1, 1, 2, 0, 0}, {kAny, kEven, kAny, 0, 0}},
    {"1-1-3", {1, 1, 3, 0, 0}, {kAny, kThrees, kAny, 0, 0}},
    {"1-1-4", {1, 1, 4, 0, 0}, {kAny, kFours, kAny, 0, 0}},
    {"1-1-5", {1, 1, 5, 0, 0}, {kAny, kFives, kAny, 0, 0}},
    {"1-2-2", {1, 2, 2, 0, 0}, {kEven, kAny, kAny, 0, 0}},
    {"1-2-4", {1, 2, 4, 0, 0}, {kEven, kEven, kAny, 0, 0}},
    {"1-2-8", {1, 2, 8, 0, 0}, {kEven, kFours, kAny, 0, 0}},
    {"1-4-4", {1, 4, 4, 0, 0}, {kFours, kAny, kAny, 0, 0}},
    {"1-1-1-1", {1, 1, 1, 1, 0}, {kAny, kAny, kAny, kAny, 0}},
    {"1-1-1-2", {1, 1, 1, 2, 0}, {kAny, kAny, kEven, kAny, 0}},
    {"1-1-1-3", {1, 1, 1, 3, 0}, {kAny, kAny, kThrees, kAny, 0}},
    {"1-1-1-4", {1, 1, 1, 4, 0}, {kAny, kAny, kFours, kAny, 0}},
    {"1-1-2-2", {1, 1, 2, 2, 0}, {kAny, kEven, kAny, kAny, 0}},
    {"1-1-2-4", {1, 1, 2, 4, 0}, {kAny, kEven, kEven, kAny, 0}},
    {"1-1-2-8", {1, 1, 2, 8, 0}, {kAny, kEven, kFours, kAny, 0}},
    {"1-1-2-10", {1, 1, 2, 10, 0}, {kAny, kEven, kFives, kAny, 0}},
    {"1-1-3-3", {1, 1, 3, 3, 0}, {kAny, kThrees, kAny, kAny, 0}},
    {"1-1-3-6", {1, 1, 3, 6, 0}, {kAny, kThrees, kEven, kAny, 0}},
    {"1-1-3-9", {1, 1, 3, 9, 0}, {kAny, kThrees, kThrees, kAny, 0}},
    {"1-1-4-4", {1, 1, 4, 4, 0}, {kAny, kFours, kAny, kAny, 0}},
    {"1-1-1-1-1", {1, 1, 1, 1, 1}, {kAny, kAny, kAny, kAny, kAny}},
    {"1-1-1-1-2", {1, 1, 1, 1, 2}, {kAny, kAny, kAny, kEven, kAny}},
    {"1-1-1-1-4", {1, 1, 1, 1, 4}, {kAny, kAny, kAny, kFours, kAny}},
    {"1-1-1-2-4", {1, 1, 1, 2, 4}, {kAny, kAny, kEven, kEven, kAny}},
    {"1-1-1-3-3", {1, 1, 1, 3, 3}, {kAny, kAny, kThrees, kAny, kAny}},
    {"1-1-1-4-4", {1, 1, 1, 4, 4}, {kAny, kAny, kFours, kAny, kAny}},
}};

// The country's leagues 0..19 that exist.
template <typename Visit>
void ForEachLeague(const CWorld& world, int country, Visit visit) {
    for (int index = 0; index < kCountryLeagueCount; ++index) {
        if (const CDBCompetition* node =
                world.Competition(MakeCompetitionId(country, kLeagueType, index))) {
            visit(*node);
        }
    }
}

}  // namespace

const std::array<SGenericLeagueSystem, kGenericSystemCount>& GenericLeagueSystems() {
    return kSystems;
}

std::array<int, kLevelCount> LeaguesPerLevel(const CWorld& world, int country) {
    std::array<int, kLevelCount> counts{};
    ForEachLeague(world, country, [&counts](const CDBCompetition& league) {
        if (league.Level() >= 0 && league.Level() < kLevelCount) {
            ++counts[static_cast<std::size_t>(league.Level())];
        }
    });
    return counts;
}

int PreselectedGenericSystem(const std::array<int, kLevelCount>& leaguesPerLevel) {
    const auto found = std::find_if(
        kSystems.begin(), kSystems.end(),
        [&](const SGenericLeagueSystem& system) { return system.leagues == leaguesPerLevel; });
    return found != kSystems.end() ? static_cast<int>(found - kSystems.begin()) : 0;
}

bool IsRelegationAllowed(const SGenericLeagueSystem& system, int level, int relegated) {
    if (level < 0 || level >= kLevelCount || relegated < 0 || relegated > kMaxRelegated) {
        return false;
    }
    return (system.relegationMasks[static_cast<std::size_t>(level)] & (1u << relegated)) != 0;
}

std::vector<int> AllowedRelegations(const SGenericLeagueSystem& system, int level) {
    std::vector<int> allowed;
    for (int relegated = 0; relegated <= kMaxRelegated; ++relegated) {
        if (IsRelegationAllowed(system, level, relegated)) {
            allowed.push_back(relegated);
        }
    }
    return allowed;
}

std::array<std::uint8_t, kLevelCount> RelegationsToApply(
    const SGenericLeagueSystem& system, const std::array<std::uint8_t, kLevelCount>& chosen) {
    std::array<std::uint8_t, kLevelCount> applied{};
    for (int level = 0; level < kLevelCount; ++level) {
        const auto at = static_cast<std::size_t>(level);
        applied[at] = IsRelegationAllowed(system, level, chosen[at]) ? chosen[at] : 0;
    }
    return applied;
}

EApplyResult ApplyLeagueSystem(CWorld& world, int country, int script, int genericRow,
                               const std::array<std::uint8_t, kLevelCount>& chosenRelegations) {
    if (script >= 1) {
        return SelectLeagueScript(world, country, script) ? EApplyResult::kApplied
                                                          : EApplyResult::kScriptMissing;
    }
    if (genericRow < 1 || genericRow >= kGenericSystemCount) {
        return EApplyResult::kNoSystemChosen;
    }
    // Leaving a script drops its competitions, but its leagues hand their data and teams on to
    // the generic system built in the same step.
    if (world.Country(country).LeagueScript() > 0) {
        std::vector<std::unique_ptr<CDBCompetition>> leagues;
        ForEachLeague(world, country, [&leagues](const CDBCompetition& league) {
            leagues.push_back(league.Clone());
        });
        SelectLeagueScript(world, country, 0);
        const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
        for (std::unique_ptr<CDBCompetition>& league : leagues) {
            world.RemoveCompetitionTree(league->Id());
            league->SetParentId(root);
            world.RegisterCompetition(std::move(league));
        }
    }
    const SGenericLeagueSystem& system = kSystems[static_cast<std::size_t>(genericRow)];
    RebuildLeagueSystem(world, country, system.leagues,
                        RelegationsToApply(system, chosenRelegations));
    return EApplyResult::kApplied;
}

int TeamsInLeagueSystem(const CWorld& world, int country) {
    int teams = 0;
    ForEachLeague(world, country, [&teams](const CDBCompetition& node) {
        if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
            teams += league->LeagueSize();
        }
    });
    return teams;
}

}  // namespace kw
