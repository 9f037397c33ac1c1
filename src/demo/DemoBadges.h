// Badges of the demo installation: shield images in the clubs' colours, loose and in the badge
// archive, and the 24 colour templates.
#pragma once

#include <cstdint>
#include <filesystem>

namespace kw {
class CWorld;
}

namespace kw::demo {

// Gives about a quarter of the clubs (at most a thousand, so a full world's badges stay near
// 20 MB) a badge path "<folder>\Badge256\<file>.tga", the folder being the country's English
// name or, when that does not suit a folder, its code; the others keep their colour template.
// Writes their images in the four sizes, run-length coded: some loose under
// "<install>/badges/<folder>/Badge<size>/", the others only in "<install>/badges.big" (some of
// those entries packed; `packWholeArchive` packs the archive as a whole), and leaves one size
// out for a few clubs. Writes the colour templates under "<install>/badges/color/Badge<size>/".
// The same seed gives the same badges. False when a file could not be written.
bool AssignAndWriteDemoBadges(kw::CWorld& world, const std::filesystem::path& installDirectory,
                              std::uint32_t seed, bool packWholeArchive = false);

}  // namespace kw::demo
