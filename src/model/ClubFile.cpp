#include "model/ClubFile.h"

#include "model/Club.h"
#include "model/World.h"
#include "storage/KLFile.h"

namespace kw {

namespace {

constexpr char kClubFileTag[] = "CLUB0";

// A cut file lacks the end of the record; the record reader would take what is there and fill
// the rest with defaults, so the whole record is looked for before anything is read.
bool HoldsWholeClub(const std::filesystem::path& path) {
    CKLFile file;
    return file.OpenForRead(path) && file.FindSection(kClubFileTag) &&
           file.SkipToSectionEnd(kClubFileTag);
}

// The persons the reading registered go again, so that a failed load leaves no trace.
void DiscardPersons(CClub& read) {
    for (const std::uint32_t id : read.PersonIds()) {
        read.World().RemovePerson(id);
    }
}

}  // namespace

bool SaveClubFile(CWorld& world, const CClub& club, const std::filesystem::path& path) {
    // The numbering is emptied after every database save and goes stale as clubs come and go;
    // written through an empty or stale one, every club reference would become 0 or wrong.
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
    if (!HoldsWholeClub(path)) {
        return false;
    }
    CKLFile file;
    if (!file.OpenForRead(path)) {
        return false;
    }
    // Read over an unregistered copy, so that the club keeps whatever the record leaves out
    // (stadium, badge) and stays untouched until the record is complete.
    CClub read = club;
    read.ClearPersons();
    if (!read.Read(file, 0, clubread::kKeepStadium | clubread::kKeepBadge)) {
        DiscardPersons(read);
        return false;
    }
    read.Normalise();
    CWorld& world = club.World();
    for (const std::uint32_t id : club.PersonIds()) {
        world.RemovePerson(id);
    }
    club = std::move(read);
    return true;
}

}  // namespace kw
