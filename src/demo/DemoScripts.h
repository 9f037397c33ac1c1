// The competition files of the demo installation that the editor only reads: the cup formats
// ("script/CupAlloc.txt"), the four international structure files and the league scripts
// ("script/Lg<n>.txt").
#pragma once

#include <filesystem>
#include <vector>

namespace kw {
class CWorld;
}

namespace kw::demo {

struct SDemoPlan;

// The cup formats the demo world's cups use, by number.
namespace demoformat {
inline constexpr int kCupSixRounds = 1;
inline constexpr int kCupFiveRounds = 2;
inline constexpr int kCupFourRounds = 3;
inline constexpr int kLeagueCup = 4;
inline constexpr int kSupercupOneMatch = 5;
inline constexpr int kSupercupTwoMatches = 6;
inline constexpr int kRelegation = 7;
inline constexpr int kChampions = 8;
inline constexpr int kContinental = 9;
inline constexpr int kQualification = 10;
inline constexpr int kWorldCup = 11;
inline constexpr int kClubWorld = 12;
// One past the highest number.
inline constexpr int kCount = 13;
}  // namespace demoformat

// The days of a cup format's matchdays (one per round, two for a two-legged round) in the
// demo calendar: `first` is the first day, the others follow every `step` days.
int FormatMatchdays(int format);

// "script/CupAlloc.txt" below the installation folder.
bool WriteCupFormats(const std::filesystem::path& installDir);
// "EuropeanCup.txt", "SouthAmCup.txt", "QualiEC.txt" and "WC.txt" in "script"; the continental
// cups draw their teams from the leagues of the plan's countries.
bool WriteInternationalStructures(const std::filesystem::path& installDir, const SDemoPlan& plan);
// "script/Lg<n>.txt" with the leagues and level pools of each country the plan gives a script.
bool WriteLeagueScripts(const std::filesystem::path& installDir, const CWorld& world,
                        const SDemoPlan& plan);

}  // namespace kw::demo
