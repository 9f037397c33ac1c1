#pragma once

#include <filesystem>
#include <string_view>

namespace kw {

class CClub;
class CWorld;

// Files that hold one club record with its persons (".clb"), for moving a club between
// databases. The file dialogs propose the club's name in the current language.
inline constexpr std::string_view kClubFileFilter = "Vereinsnamen (*.clb)|*.clb|alle Dateien|*.*";
inline constexpr std::string_view kClubFileExtension = "clb";

// Writes the club of `world` as record number 0. The club references in it use the compact
// numbering the database would be saved with now, which is made anew for it. False when the file
// could not be written.
bool SaveClubFile(CWorld& world, const CClub& club, const std::filesystem::path& path);

// Reads record number 0 of the file over the club, which keeps its id, its stadium and its
// badge; the club's persons leave the club and the world, and the file's persons join both. The
// club is normalised afterwards. The record is read whole before anything changes: false, with
// the club, its persons and the world's persons as they were, when the file cannot be read,
// holds no club or is cut. The caller records the change (the old persons with it) for undo.
bool LoadClubFile(CClub& club, const std::filesystem::path& path);

}  // namespace kw
