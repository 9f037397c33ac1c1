#include "model/LeagueScript.h"

#include <memory>
#include <vector>

#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "competition/League.h"
#include "model/World.h"
#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kSectionPrefix[] = "LG";
// A country's leagues are numbered 0..19.
constexpr int kLeagueSlots = 20;

// The country's top nodes (those hanging from the root, which itself is kept) that `drop`
// picks, each with its subtree.
template <typename Pick>
void DropTopNodes(CWorld& world, std::uint32_t rootId, Pick drop) {
    std::vector<std::uint32_t> tops;
    for (const auto& [id, node] : world.Competitions()) {
        if (id != rootId && node->ParentId() == rootId && drop(*node)) {
            tops.push_back(id);
        }
    }
    for (const std::uint32_t id : tops) {
        world.RemoveCompetitionTree(id);
    }
}

}  // namespace

std::optional<std::filesystem::path> LeagueScriptPath(const CWorld& world, int number) {
    return FindExisting(world.InstallDirectory(), FormatPrintf("script/Lg%d.txt", number));
}

bool SelectLeagueScript(CWorld& world, int country, int number) {
    // The number is kept in 16 bits.
    if (country < 1 || country > kCountryCount || number > 0xFFFF) {
        return false;
    }
    CCountry& target = world.Country(country);
    const int current = target.LeagueScript();
    // Rebuilding the competitions from the country's league system belongs to the league-system
    // editing; without a script there is nothing to drop.
    if (current <= 0 && number < 1) {
        return true;
    }
    if (number == current) {
        return true;
    }
    CKLFile file;
    if (number > 0) {
        const auto path = LeagueScriptPath(world, number);
        if (!path || !file.OpenForRead(*path)) {
            return false;
        }
    }
    const std::uint32_t rootId = MakeCompetitionId(country, kRootType, 0);
    if (current > 0) {
        DropTopNodes(world, rootId, [](const CDBCompetition&) { return true; });
        target.SetLeagueScript(0);
    } else if (number > 0) {
        // The script replaces a league system built without one: its leagues and level pools
        // go, or those the script does not number would stay beside the script's. Cups stay.
        DropTopNodes(world, rootId, [](const CDBCompetition& node) {
            return node.Type() == kLeagueType || node.Type() == kPoolType;
        });
    }
    if (number > 0) {
        // The script files are kept in the layout of data version 0, like the international
        // structures.
        file.SetRecordVersion(0);
        ReadCompetitionList(file, world.Registry(), rootId, kSectionPrefix);
        target.RefreshDerivedData();
        target.SetLeagueScript(static_cast<std::uint16_t>(number));
    }
    return true;
}

void RebuildLeagueSystem(CWorld& world, int country, const std::array<int, kLevelCount>& leagues,
                         const std::array<std::uint8_t, kLevelCount>& relegated) {
    if (country < 1 || country > kCountryCount) {
        return;
    }
    constexpr std::size_t kOldPerLevel = 10;
    const std::uint32_t root = MakeCompetitionId(country, kRootType, 0);
    // Out of the registry first: the new leagues take the numbers the old ones had.
    std::array<std::vector<std::unique_ptr<CDBCompetition>>, kLevelCount> old;
    for (int index = 0; index < kLeagueSlots; ++index) {
        std::unique_ptr<CDBCompetition> league =
            world.Registry().TakeCompetition(MakeCompetitionId(country, kLeagueType, index));
        if (league != nullptr && league->Level() >= 0 && league->Level() < kLevelCount &&
            old[static_cast<std::size_t>(league->Level())].size() < kOldPerLevel) {
            old[static_cast<std::size_t>(league->Level())].push_back(std::move(league));
        }
    }
    CCountry& target = world.Country(country);
    int running = 0;
    for (int level = 0; level < kLevelCount && leagues[static_cast<std::size_t>(level)] >= 1;
         ++level) {
        const auto& before = old[static_cast<std::size_t>(level)];
        target.Settings().relegated[static_cast<std::size_t>(level)] =
            relegated[static_cast<std::size_t>(level)];
        for (int i = 0; i < leagues[static_cast<std::size_t>(level)] && running < kLeagueSlots;
             ++i) {
            const std::uint32_t id = MakeCompetitionId(country, kLeagueType, running++);
            std::unique_ptr<CDBCompetition> league;
            if (static_cast<std::size_t>(i) < before.size()) {
                league = before[static_cast<std::size_t>(i)]->CloneAs(id);
            } else {
                auto fresh = std::make_unique<CDBLeague>(id, root);
                if (!before.empty()) {
                    league = before.front()->CloneAs(id);
                    league->Names() = fresh->Names();
                    if (auto* teams = dynamic_cast<CDBLeagueBase*>(league.get())) {
                        teams->ClearTeams();
                    }
                } else {
                    league = std::move(fresh);
                }
            }
            league->SetParentId(root);
            league->SetLevel(static_cast<std::int8_t>(level));
            world.RegisterCompetition(std::move(league));
        }
    }
    for (int level = 0; level < kLevelCount; ++level) {
        world.RemoveCompetitionTree(MakeCompetitionId(country, kPoolType, level));
    }
    target.RebuildLevelPools();
}

}  // namespace kw
