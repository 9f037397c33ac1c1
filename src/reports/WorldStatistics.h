#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kw {

class CCountry;
class CWorld;

// The figures of the main window's statistics groups, for one country or for all of them.
struct SStatistics {
    static constexpr int kTalentClasses = 5;

    int leagues = 0;
    // Every club but the national team.
    int clubs = 0;
    // The clubs' squads: persons of kind 0, both teams.
    int players = 0;
    // Players per talent class 0 "Normal" to 4 "Gigantisch".
    std::array<int, kTalentClasses> talents{};
    // Sums over the clubs (club strength) and the players (strength at the main position).
    double clubStrengthSum = 0.0;
    double playerStrengthSum = 0.0;

    // An average over no items is the plain sum, 0.
    double AverageClubStrength() const;
    double AveragePlayerStrength() const;

    SStatistics& operator+=(const SStatistics& other);
};

// Leagues count the league indexes from 0 up to the first missing one (at most 20).
SStatistics CountryStatistics(const CCountry& country);
// Countries 1 to 206 added up.
SStatistics TotalStatistics(const CWorld& world);

// The state of a country's competitions: completeness and the check faults of each of them.
struct SCompetitionCheck {
    std::uint32_t id = 0;
    // Fault bits of calendar 0 and of calendar 1, checked with the league-level limit.
    std::uint32_t faults[2] = {0, 0};
};
struct SCountryCheck {
    bool complete = false;
    std::vector<SCompetitionCheck> competitions;
};
// The competitions in the order of the country file.
SCountryCheck CheckCountry(const CCountry& country);

}  // namespace kw
