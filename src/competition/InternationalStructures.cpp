#include "competition/InternationalStructures.h"

#include <memory>
#include <string>

#include "competition/CompetitionList.h"
#include "competition/CompetitionRegistry.h"
#include "platform/Paths.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {

int ReadInternationalStructures(CCompetitionRegistry& registry,
                                const std::filesystem::path& installDirectory,
                                InternationalDayTables& days) {
    for (SDayOccupancy& table : days) {
        table.Clear();
    }
    if (registry.Competition(kInternationalRootId) == nullptr) {
        registry.RegisterCompetition(std::make_unique<CDBRoot>(kInternationalCountry));
    }
    int read = 0;
    for (std::size_t i = 0; i < kInternationalFiles.size(); ++i) {
        const SInternationalFile& entry = kInternationalFiles[i];
        const auto path = FindExisting(installDirectory, "script/" + std::string(entry.fileName));
        CKLFile file;
        if (!path || !file.OpenForRead(*path)) {
            continue;
        }
        // The structure files keep the layout of data version 0.
        file.SetRecordVersion(0);
        read += ReadCompetitionList(file, registry, kInternationalRootId, entry.prefix, &days[i]);
    }
    return read;
}

}  // namespace kw
