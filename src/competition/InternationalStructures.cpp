#include "competition/InternationalStructures.h"

#include <memory>
#include <string>

#include "competition/CompetitionList.h"
#include "competition/VersionScope.h"
#include "model/World.h"
#include "platform/Paths.h"
#include "storage/KLFile.h"

namespace kw {

int ReadInternationalStructures(CWorld& world, InternationalDayTables& days) {
    for (SDayOccupancy& table : days) {
        table.Clear();
    }
    if (world.Competition(kInternationalRootId) == nullptr) {
        world.RegisterCompetition(std::make_unique<CDBRoot>(kInternationalCountry));
    }
    const CLoadedVersionScope version(0);
    int read = 0;
    for (std::size_t i = 0; i < kInternationalFiles.size(); ++i) {
        const SInternationalFile& entry = kInternationalFiles[i];
        const auto path =
            FindExisting(world.InstallDirectory(), "script/" + std::string(entry.fileName));
        CKLFile file;
        if (!path || !file.OpenForRead(*path)) {
            continue;
        }
        read += ReadCompetitionList(file, world, kInternationalRootId, entry.prefix, &days[i]);
    }
    return read;
}

}  // namespace kw
