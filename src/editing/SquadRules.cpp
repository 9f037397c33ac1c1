#include "editing/SquadRules.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/Random.h"
#include "platform/StringTable.h"
#include "storage/TextCollation.h"

namespace kw {

namespace {

constexpr int kMinFirstTeamPlayers = 14;
constexpr int kRandomMax = 32767;
// The values each look choice can take.
constexpr int kFaces = 90;
constexpr int kHairColours = 5;
constexpr int kHaircuts = 38;
constexpr int kBeards = 6;
// Averages a country may state; outside them a new player gets the defaults.
constexpr int kMinAverageHeight = 150;
constexpr int kMaxAverageHeight = 220;
constexpr int kMinAverageWeight = 50;
constexpr int kMaxAverageWeight = 150;
constexpr int kDefaultHeight = 180;
constexpr int kDefaultWeight = 75;

std::vector<int> AllowedValues(std::uint32_t set, int highest) {
    std::vector<int> values;
    for (int value = 1; value <= highest; ++value) {
        if ((set >> (value % 32)) & 1u) {
            values.push_back(value);
        }
    }
    return values;
}

// Positive or negative with equal chance, as the second draw decides.
double WithRandomSign(double value, CRandom& random) {
    return random.Next() % 2 == 0 ? -value : value;
}

}  // namespace

std::string PositionAbbreviation(int code) {
    if (code < 1 || code >= ids::kPositionCount) {
        return "-";
    }
    return std::string(ResourceString(ids::kPositionNames + code));
}

std::vector<int> CheckSquad(const CClub& club) {
    bool incompleteName = false;
    int firstTeamPlayers = 0;
    std::array<int, 4> firstTeamKinds{};
    bool secondTeamPresident = false;
    const CWorld& world = club.World();
    for (const std::uint32_t id : club.PersonIds()) {
        const CPlayer* person = world.Person(id);
        if (person == nullptr) {
            continue;
        }
        incompleteName |= person->FirstName().View().empty() || person->Surname().View().empty();
        const int kind = person->Kind();
        if (person->TeamFlag() != 0) {
            secondTeamPresident |= kind == personkind::kPresident;
        } else if (kind == personkind::kPlayer) {
            ++firstTeamPlayers;
        } else if (kind <= personkind::kPresident && kind > 0) {
            ++firstTeamKinds[static_cast<std::size_t>(kind)];
        }
    }
    std::vector<int> faults;
    if (incompleteName) {
        faults.push_back(ids::kSquadIncompleteName);
    }
    if (firstTeamPlayers < kMinFirstTeamPlayers) {
        faults.push_back(ids::kSquadFewPlayers);
    }
    if (firstTeamKinds[personkind::kTrainer] > 1) {
        faults.push_back(ids::kSquadTrainers);
    }
    if (firstTeamKinds[personkind::kManager] > 1) {
        faults.push_back(ids::kSquadManagers);
    }
    if (firstTeamKinds[personkind::kPresident] > 1) {
        faults.push_back(ids::kSquadPresidents);
    }
    if (secondTeamPresident) {
        faults.push_back(ids::kSquadSecondTeamPresident);
    }
    return faults;
}

std::vector<SSquadRow> SquadRows(const CClub& club, bool secondTeam, int language) {
    const CWorld& world = club.World();
    std::vector<SSquadRow> rows;
    for (const CPlayer* player : secondTeam ? club.SecondTeam() : club.FirstTeam()) {
        if (!player->IsPlayer()) {
            continue;
        }
        SSquadRow row;
        row.personId = player->Id();
        row.shortName = player->ShortName();
        row.surname = std::string(player->Surname().View());
        row.firstName = std::string(player->FirstName().View());
        row.mainPosition = player->MainPosition();
        const int nationality = player->Nationality();
        if (nationality >= 1 && nationality <= kCountryCount) {
            row.nationality = world.Country(nationality).Name(language);
        }
        row.strength = PlayerStrength(*player);
        rows.push_back(std::move(row));
    }
    return rows;
}

void SortSquadRows(std::vector<SSquadRow>& rows, ESquadOrder order) {
    const auto byName = [](const SSquadRow& a, const SSquadRow& b) {
        return CollateTexts({a.surname, a.firstName}, {b.surname, b.firstName}) < 0;
    };
    switch (order) {
        case ESquadOrder::kName:
            std::stable_sort(rows.begin(), rows.end(), byName);
            break;
        case ESquadOrder::kPosition:
            std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                return a.mainPosition < b.mainPosition;
            });
            break;
        case ESquadOrder::kNationality:
            std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                return CollateText(a.nationality, b.nationality) < 0;
            });
            break;
        case ESquadOrder::kStrength:
            std::stable_sort(rows.begin(), rows.end(),
                             [](const auto& a, const auto& b) { return a.strength > b.strength; });
            break;
    }
}

std::string SquadRowText(const SSquadRow& row) {
    return row.shortName + '\t' + PositionAbbreviation(row.mainPosition) + '\t' + row.nationality +
           '\t' + std::to_string(static_cast<int>(row.strength));
}

double AverageSquadStrength(const std::vector<SSquadRow>& rows) {
    if (rows.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (const SSquadRow& row : rows) {
        sum += row.strength;
    }
    return sum / static_cast<double>(rows.size());
}

int RowToReselect(const std::vector<SSquadRow>& rows, std::uint32_t personId, int previousRow) {
    if (rows.empty()) {
        return -1;
    }
    const auto found = std::find_if(rows.begin(), rows.end(), [personId](const SSquadRow& row) {
        return row.personId == personId;
    });
    if (found != rows.end()) {
        return static_cast<int>(found - rows.begin());
    }
    const int last = static_cast<int>(rows.size()) - 1;
    return previousRow >= 0 && previousRow <= last ? previousRow : last;
}

int NewPlayerMainPosition(int selectedMainPosition) {
    if (selectedMainPosition < 1 || selectedMainPosition > kLastPosition) {
        return position::kGoalkeeper;
    }
    return selectedMainPosition;
}

std::optional<SDrawnLook> DrawNewPlayerLook(const SCountrySettings& country, CRandom& random) {
    const std::vector<int> faces = AllowedValues(country.faces, kFaces);
    const std::vector<int> colours = AllowedValues(country.hairColours, kHairColours);
    const std::vector<int> haircuts = AllowedValues(country.haircuts, kHaircuts);
    const std::vector<int> beards = AllowedValues(country.beards, kBeards);
    if (faces.empty() || colours.empty() || haircuts.empty() || beards.empty()) {
        return std::nullopt;
    }
    const auto pick = [&random](const std::vector<int>& values) {
        return values[static_cast<std::size_t>(random.Next()) % values.size()];
    };
    SDrawnLook look;
    look.face = pick(faces);
    look.hairColour = pick(colours);
    look.haircut = pick(haircuts);
    look.beard = pick(beards);
    return look;
}

SBody DrawNewPlayerBody(int averageHeight, int averageWeight, CRandom& random) {
    // A country file without its averages holds 0; the weight is formed by dividing by the height.
    if (averageHeight < kMinAverageHeight || averageHeight > kMaxAverageHeight) {
        averageHeight = kDefaultHeight;
    }
    if (averageWeight < kMinAverageWeight || averageWeight > kMaxAverageWeight) {
        averageWeight = kDefaultWeight;
    }
    const double heightSpread = random.Next() * 0.03 / kRandomMax * averageHeight;
    const double height = averageHeight + WithRandomSign(heightSpread, random);
    const double base = averageWeight * height / averageHeight;
    const double weightSpread = random.Next() * 0.06 / kRandomMax * base;
    const double weight = base + WithRandomSign(weightSpread, random);
    return {static_cast<int>(height), static_cast<int>(weight)};
}

}  // namespace kw
