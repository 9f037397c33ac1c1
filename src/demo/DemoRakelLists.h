// The other game's lists of the demo installation, made to match part of its world so that the
// mapping tools find work and failures.
#pragma once

#include <filesystem>

namespace kw {
class CWorld;
}

namespace kw::demo {

// Writes "database/rakel/RakelClubs.txt", "RakelPlayers.txt", "RakelFaces.txt" and
// "RakelPS2Faces.txt" below `installDirectory` from the finished world (docs/MAPPING_FILES.md
// tells which clubs, players and faces they leave out, rename or repeat). Draws no random
// number, so the rest of the installation stays as it was. False when a file cannot be written.
bool WriteDemoRakelLists(const CWorld& world, const std::filesystem::path& installDirectory);

}  // namespace kw::demo
