#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

// The other game's lists are plain Windows-1252 text, one record a line, fields separated by ';'
// (docs/MAPPING_FILES.md). A line ends at LF, a CR before it is dropped; empty lines and lines
// beginning with '#' are no records.
using RakelRecord = std::vector<std::string>;

// The lists' names below "<installation>/database/rakel".
inline constexpr std::string_view kRakelClubsFile = "RakelClubs.txt";
inline constexpr std::string_view kRakelPlayersFile = "RakelPlayers.txt";
inline constexpr std::string_view kRakelFacesFile = "RakelFaces.txt";
inline constexpr std::string_view kRakelPs2FacesFile = "RakelPS2Faces.txt";

std::vector<RakelRecord> SplitRakelList(std::string_view text);

// A whole field as a decimal number with an optional sign and blanks around it; nothing for
// anything else, so a damaged line is skipped rather than read as identifier 0.
std::optional<std::int32_t> ParseRakelNumber(std::string_view field);

}  // namespace kw
