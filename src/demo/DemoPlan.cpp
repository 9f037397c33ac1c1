#include "demo/DemoPlan.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "demo/DemoNations.h"
#include "demo/DemoRandom.h"

namespace kw::demo {

namespace {

constexpr int kGermany = 14;
constexpr int kMaxLeagues = 20;
// Keeps every country file small: below 5 MB even at the huge scale.
constexpr int kMaxClubs = 200;
constexpr std::uint32_t kPlanPart = 0x504C414E;

// The football nations that get a league system first, strongest first.
constexpr std::array<std::string_view, 40> kPriority = {
    "ENG", "ESP", "ITA", "FRA", "NED", "POR", "BRA", "ARG", "SCO", "BEL",
    "TUR", "GRE", "AUT", "SUI", "DEN", "SWE", "NOR", "RUS", "UKR", "POL",
    "CZE", "CRO", "SRB", "ROU", "HUN", "URU", "MEX", "USA", "JPN", "KOR",
    "NGA", "EGY", "CMR", "AUS", "CHI", "COL", "IRL", "WAL", "FIN", "BUL"};

struct SScaleShape {
    int leagueCountries;  // besides Germany
    int looseCountries;
    int looseMin;
    int looseMax;
    int maxLevels;
    int squadMin;
    int squadMax;
};

SScaleShape Shape(EDemoScale scale) {
    switch (scale) {
        case EDemoScale::kSmall:
            return {2, 6, 3, 6, 2, 20, 30};
        case EDemoScale::kFull:
            return {45, 80, 3, 10, 4, 20, 30};
        case EDemoScale::kHuge:
            return {130, 75, 4, 12, 5, 20, 35};
    }
    return {};
}

std::vector<std::vector<int>> GermanLevels(EDemoScale scale) {
    switch (scale) {
        case EDemoScale::kSmall:
            return {{18}, {18}, {12, 12}};
        case EDemoScale::kFull:
            return {{18}, {18}, {20}, {18, 18}, {16, 16, 16, 16}};
        case EDemoScale::kHuge:
            return {{18}, {18}, {20}, {18, 18, 18}, {16, 16, 16, 16, 16}};
    }
    return {};
}

// Sizes from 8 to 24; the stronger the nation the bigger its leagues and the deeper its system.
std::vector<std::vector<int>> RandomLevels(CDemoRandom& random, int tier, EDemoScale scale,
                                           int maxLevels) {
    // The huge world goes one level deeper and splits its lower levels more.
    const int deeper = scale == EDemoScale::kHuge ? 1 : 0;
    tier = std::max(0, tier - deeper);
    if (scale == EDemoScale::kSmall) {
        return tier == 0 ? std::vector<std::vector<int>>{{12}, {10}}
                         : std::vector<std::vector<int>>{{10}};
    }
    const int levels =
        std::clamp(random.Between(1, 4 - tier) + (tier == 0 ? 1 : 0) + deeper, 1, maxLevels);
    std::vector<std::vector<int>> result;
    int clubs = 0;
    int leagues = 0;
    for (int level = 0; level < levels; ++level) {
        const int count = level < 2 ? 1 : random.Between(1, level + deeper);
        const int low = tier == 0 ? 16 : tier == 1 ? 12 : 8;
        std::vector<int> sizes;
        for (int i = 0; i < count; ++i) {
            const int size = std::clamp(random.Between(low, low + 6) + (level == 0 ? 2 : 0), 8, 24);
            if (clubs + size > kMaxClubs || leagues + 1 > kMaxLeagues) {
                break;
            }
            sizes.push_back(size);
            clubs += size;
            ++leagues;
        }
        if (sizes.empty()) {
            break;
        }
        result.push_back(std::move(sizes));
    }
    return result;
}

int NationNumber(std::string_view code) {
    const std::vector<SNation>& nations = Nations();
    for (std::size_t i = 0; i < nations.size(); ++i) {
        if (nations[i].code == code) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

}  // namespace

std::optional<EDemoScale> ParseDemoScale(std::string_view name) {
    for (const EDemoScale scale : {EDemoScale::kSmall, EDemoScale::kFull, EDemoScale::kHuge}) {
        if (DemoScaleName(scale) == name) {
            return scale;
        }
    }
    return std::nullopt;
}

std::string_view DemoScaleName(EDemoScale scale) {
    switch (scale) {
        case EDemoScale::kSmall:
            return "small";
        case EDemoScale::kFull:
            return "full";
        case EDemoScale::kHuge:
            return "huge";
    }
    return {};
}

int SCountryPlan::ClubCount() const {
    int clubs = looseClubs;
    for (const std::vector<int>& level : levels) {
        clubs = std::accumulate(level.begin(), level.end(), clubs);
    }
    return clubs;
}

int SCountryPlan::LeagueCount() const {
    int leagues = 0;
    for (const std::vector<int>& level : levels) {
        leagues += static_cast<int>(level.size());
    }
    return leagues;
}

int SDemoPlan::ClubCount() const {
    int clubs = 0;
    for (const SCountryPlan& country : countries) {
        clubs += country.ClubCount();
    }
    return clubs;
}

SDemoPlan MakeDemoPlan(EDemoScale scale, std::uint32_t seed) {
    const SScaleShape shape = Shape(scale);
    SDemoPlan plan;
    plan.scale = scale;
    plan.seed = seed;
    plan.squadMin = shape.squadMin;
    plan.squadMax = shape.squadMax;
    const int count = static_cast<int>(Nations().size());
    plan.countries.resize(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        plan.countries[static_cast<std::size_t>(number - 1)].number = number;
    }

    // The order in which nations get a league system: Germany, the priority list, then every
    // other nation, Europe first.
    std::vector<int> order{kGermany};
    for (const std::string_view code : kPriority) {
        const int number = NationNumber(code);
        if (number != 0 && std::find(order.begin(), order.end(), number) == order.end()) {
            order.push_back(number);
        }
    }
    std::vector<int> rest;
    for (int number = 1; number <= count; ++number) {
        if (std::find(order.begin(), order.end(), number) == order.end()) {
            rest.push_back(number);
        }
    }
    std::stable_sort(rest.begin(), rest.end(), [](int a, int b) {
        return Nations()[static_cast<std::size_t>(a - 1)].continent <
               Nations()[static_cast<std::size_t>(b - 1)].continent;
    });
    order.insert(order.end(), rest.begin(), rest.end());

    CDemoRandom random(seed, kPlanPart);
    int script = 0;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        SCountryPlan& country = plan.countries[static_cast<std::size_t>(order[rank] - 1)];
        const int leagueCountries = 1 + shape.leagueCountries;
        country.tier = rank < 6 ? 0 : rank < 20 ? 1 : rank < 45 ? 2 : 3;
        if (static_cast<int>(rank) < leagueCountries) {
            country.levels = rank == 0 ? GermanLevels(scale)
                                       : RandomLevels(random, country.tier, scale, shape.maxLevels);
            country.superCup = country.tier <= 1 || random.Chance(40);
            country.leagueCup = country.tier == 0 ? random.Chance(60) : random.Chance(15);
            country.relegation = country.levels.size() >= 2 && random.Chance(50);
            if (rank == 0) {
                country.superCup = true;
                country.leagueCup = true;
                country.relegation = country.levels.size() >= 2;
            }
            if (rank < 3) {
                country.leagueScript = ++script;
            }
        } else if (static_cast<int>(rank) < leagueCountries + shape.looseCountries) {
            country.looseClubs = random.Between(shape.looseMin, shape.looseMax);
        }
    }
    return plan;
}

}  // namespace kw::demo
