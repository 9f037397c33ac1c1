// The English texts of the mapping commands, shared by the menu and kwtool.
#pragma once

#include <string_view>

namespace kw {

// The commands as the menu names them; each run's edit carries its command's name.
inline constexpr std::string_view kMapClubIdsCommand = "Map Rakel Football 06 club IDs";
inline constexpr std::string_view kMapPlayerIdsCommand = "Map Rakel Football 06 player IDs";
inline constexpr std::string_view kMapFaceIdsCommand = "Map Rakel Football 06 face IDs";
inline constexpr std::string_view kMapPs2FaceIdsCommand = "Map PS2 Rakel Football 2003 face IDs";

inline constexpr std::string_view kMapClubIdsQuestion =
    "This option will map all clubs to the rakel-ids. Do you want to overwrite unrecognized "
    "club-ids with 0?";
inline constexpr std::string_view kMapPlayerIdsQuestion =
    "This option will remap all players in the world. Do you want to overwrite unrecognized "
    "players with 0?";
inline constexpr std::string_view kMapFaceIdsQuestion =
    "This option will map all faces of the players to the Rakel Faces. Do you want to overwrite "
    "unrecognized face-ids with 0?";
inline constexpr std::string_view kMapPs2FaceIdsQuestion =
    "This option will remap all player faces in the world to the PS2 face ids.Do you want to "
    "overwrite unrecognized players with 0?";

inline constexpr std::string_view kMapClubIdsDone = "Successful";
inline constexpr std::string_view kMapPlayerIdsDone = "Mapped all players in the database";
inline constexpr std::string_view kMapFaceIdsDone = "Finished mapping the player faces";
inline constexpr std::string_view kMapPs2FaceIdsDone = "Finished mapping the ps2 faces";
// A run that refused to map: its list or table holds nothing.
inline constexpr std::string_view kMappingFailed = "Failure while mapping";
// A run that mapped but could not write its report (the file's path fills in).
inline constexpr const char* kReportNotWritten =
    "The mapping is done, but the report %s could not be written.";

// The report's save dialog.
inline constexpr std::string_view kReportDialogTitle = "Select report outputfile";
inline constexpr std::string_view kReportDialogExtension = "txt";

}  // namespace kw
