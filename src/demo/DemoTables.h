// The files of the demo installation that the editor only reads: the countries list, the text
// tables and the stadium list of "database/ger", and the three name lists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kw {
class IProgress;
}

namespace kw::demo {

struct SDemoPlan;

struct SDemoTablesResult {
    bool ok = false;
    // The file that could not be written; empty on success.
    std::filesystem::path failedFile;

    explicit operator bool() const { return ok; }
};

// Writes "database/countries.sav", "database/MaleNames.txt", "database/FemaleNames.txt",
// "database/Surnames.txt" and below "database/ger" the eight text tables and "StadiumList.txt",
// creating the folders. `leagueSystems` names the league scripts "script/Lg1.txt", "Lg2.txt", ...
// in order, for "LeagueSystem.txt" (whose entry k stands for script k). The same seed and names
// give the same bytes. Stops at the first file that cannot be written.
SDemoTablesResult WriteDemoTables(const std::filesystem::path& installDirectory, std::uint32_t seed,
                                  IProgress& progress,
                                  std::span<const std::string> leagueSystems = {});

// The names for "LeagueSystem.txt" of the plan's league scripts: script k is named after the
// country that plays by it (its German name).
std::vector<std::string> LeagueSystemNames(const SDemoPlan& plan);

}  // namespace kw::demo
