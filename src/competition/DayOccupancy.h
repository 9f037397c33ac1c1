#pragma once

#include <array>
#include <cstdint>

#include "competition/Competition.h"

namespace kw {

// Which days of a season are taken by the matchdays of the nodes read from one node list: table
// 0 for calendar 0, table 1 for calendar 1, each over days 0..364. The values are round names
// or the codes of the international competitions.
struct SDayOccupancy {
    static constexpr int kDays = CDBCompetition::kSeasonDays;
    std::array<std::array<std::uint8_t, kDays>, CDBCompetition::kCalendarCount> tables{};

    void Clear();
};

// Marks the node's matchdays; nodes without a round name mark nothing.
void MarkDayOccupancy(const CDBCompetition& node, SDayOccupancy& occupancy,
                      bool firstCalendarOnly = false);

}  // namespace kw
