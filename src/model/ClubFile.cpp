#include "model/ClubFile.h"

#include "model/Club.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kClubFileTag[] = "CLUB0";

}  // namespace

bool SaveClubFile(const CClub& club, const std::filesystem::path& path) {
    // The numbering is emptied after every database save and goes stale as clubs come and go;
    // written through an empty or stale one, every club reference would become 0 or wrong.
    CWorld& world = club.World();
    if (world.IsLoaded()) {
        for (int number = 1; number <= kCountryCount; ++number) {
            world.Country(number).RebuildNumbering();
        }
    }
    CKLFile file;
    if (!file.OpenForWrite(path)) {
        return false;
    }
    const bool written = club.Write(file, 0);
    return file.Close() && written;
}

bool LoadClubFile(CClub& club, const std::filesystem::path& path) {
    CKLFile file;
    if (!file.OpenForRead(path) || !file.FindSection(kClubFileTag)) {
        return false;
    }
    // From the start again, now that the file is known to hold a club.
    if (!file.OpenForRead(path)) {
        return false;
    }
    club.ClearPersons();
    club.Read(file, 0, clubread::kKeepStadium | clubread::kKeepBadge);
    club.Normalise();
    return true;
}

}  // namespace kw
