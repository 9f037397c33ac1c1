#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "competition/DayOccupancy.h"

namespace kw {

class CCompetitionRegistry;

// The predefined international competitions: four files below the installation's "script"
// folder, each read as a node list under the international root with its own section prefix
// and its own pair of day-occupancy tables.
struct SInternationalFile {
    std::string_view fileName;
    std::string_view prefix;
};
inline constexpr std::array<SInternationalFile, 4> kInternationalFiles = {{
    {"EuropeanCup.txt", "EURO"},
    {"SouthAmCup.txt", "SOUTHAM"},
    {"QualiEC.txt", "QUALI_EC"},
    {"WC.txt", "WORLD_CUP"},
}};

using InternationalDayTables = std::array<SDayOccupancy, kInternationalFiles.size()>;

// Registers the international root (0xFA000000) and reads the four files of the installation's
// "script" folder in their order; a missing file is skipped. The files are kept in the layout of
// data version 0. The tables are cleared first. Returns the number of nodes read.
int ReadInternationalStructures(CCompetitionRegistry& registry,
                                const std::filesystem::path& installDirectory,
                                InternationalDayTables& days);

}  // namespace kw
