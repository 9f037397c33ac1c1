#include "app/DefaultArchive.h"

#include "model/Country.h"
#include "model/World.h"

namespace kw {

std::filesystem::path DefaultArchivePath(const std::filesystem::path& databaseDirectory) {
    return databaseDirectory / "default.tdb";
}

bool ShouldWriteDefaultArchive(const CWorld& world, bool loaded, bool archiveExists) {
    if (archiveExists || !loaded || !world.DamagedCountries().empty()) {
        return false;
    }
    for (int number = 1; number <= kCountryCount; ++number) {
        if (world.Country(number).ClubCount() > 0) {
            return true;
        }
    }
    return false;
}

}  // namespace kw
