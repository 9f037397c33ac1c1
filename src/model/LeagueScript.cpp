#include "model/LeagueScript.h"

#include <vector>

#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "model/World.h"
#include "platform/Paths.h"
#include "platform/StringTable.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

namespace {

constexpr char kSectionPrefix[] = "LG";

// The subtree below the root, the root itself kept: the country's top nodes hang from its id.
void DropCompetitionsBelowRoot(CWorld& world, std::uint32_t rootId) {
    std::vector<std::uint32_t> tops;
    for (const auto& [id, node] : world.Competitions()) {
        if (id != rootId && node->ParentId() == rootId) {
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
        DropCompetitionsBelowRoot(world, rootId);
        target.SetLeagueScript(0);
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

}  // namespace kw
