// What the demo world holds, before anything is built: which countries have a league system,
// how it is laid out, which have a few clubs only.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kw::demo {

enum class EDemoScale { kSmall, kFull, kHuge };

// "small", "full", "huge".
std::optional<EDemoScale> ParseDemoScale(std::string_view name);
std::string_view DemoScaleName(EDemoScale scale);

struct SCountryPlan {
    int number = 0;
    // League sizes per level, top level first; empty for a country without league system.
    std::vector<std::vector<int>> levels;
    // Clubs of a country without league system.
    int looseClubs = 0;
    bool leagueCup = false;
    bool superCup = false;
    bool relegation = false;
    // The league script its leagues are also written to ("script/Lg<n>.txt"); 0 for none.
    int leagueScript = 0;
    // 0 for the strongest football nations up to 3 for the weakest.
    int tier = 3;

    bool HasLeagues() const { return !levels.empty(); }
    int ClubCount() const;
    int LeagueCount() const;
};

struct SDemoPlan {
    EDemoScale scale = EDemoScale::kSmall;
    std::uint32_t seed = 1;
    // Countries 1 to 206 at index number - 1.
    std::vector<SCountryPlan> countries;
    int squadMin = 20;
    int squadMax = 35;

    const SCountryPlan& Country(int number) const {
        return countries[static_cast<std::size_t>(number - 1)];
    }
    int ClubCount() const;
};

SDemoPlan MakeDemoPlan(EDemoScale scale, std::uint32_t seed);

}  // namespace kw::demo
