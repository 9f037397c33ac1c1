// The competitions of a demo country: its league system with fixture lists, level pools, the
// national cup, league cup, super cup and relegation, each with a calendar that passes the checks.
#pragma once

#include <cstdint>
#include <vector>

namespace kw {
class CWorld;
}

namespace kw::demo {

class CDemoRandom;
struct SCountryPlan;

// `leagueTeams` holds, per league of the plan in level order, the ids of its clubs.
void BuildCompetitions(CWorld& world, const SCountryPlan& plan,
                       const std::vector<std::vector<std::uint32_t>>& leagueTeams,
                       CDemoRandom& random);

}  // namespace kw::demo
