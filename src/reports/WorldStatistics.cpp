#include "reports/WorldStatistics.h"

#include "competition/Competition.h"
#include "competition/CompetitionList.h"
#include "model/PlayerStrength.h"
#include "model/World.h"

namespace kw {

namespace {}

double SStatistics::AverageClubStrength() const {
    return clubs > 0 ? clubStrengthSum / clubs : clubStrengthSum;
}

double SStatistics::AveragePlayerStrength() const {
    return players > 0 ? playerStrengthSum / players : playerStrengthSum;
}

SStatistics& SStatistics::operator+=(const SStatistics& other) {
    leagues += other.leagues;
    clubs += other.clubs;
    players += other.players;
    for (int talent = 0; talent < kTalentClasses; ++talent) {
        talents[static_cast<std::size_t>(talent)] +=
            other.talents[static_cast<std::size_t>(talent)];
    }
    clubStrengthSum += other.clubStrengthSum;
    playerStrengthSum += other.playerStrengthSum;
    return *this;
}

SStatistics CountryStatistics(const CCountry& country) {
    SStatistics statistics;
    const CWorld& world = country.World();
    while (statistics.leagues < CCountry::kMaxListedLeagues &&
           world.Competition(
               MakeCompetitionId(country.Number(), kLeagueType, statistics.leagues)) != nullptr) {
        ++statistics.leagues;
    }
    for (const auto& [id, club] : country.Clubs()) {
        if (club->IsNationalTeam()) {
            continue;
        }
        ++statistics.clubs;
        statistics.clubStrengthSum += ClubStrength(*club);
        for (const std::uint32_t personId : club->PersonIds()) {
            const CPlayer* person = world.Person(personId);
            if (person == nullptr || !person->IsPlayer()) {
                continue;
            }
            ++statistics.players;
            ++statistics.talents[static_cast<std::size_t>(Talent(*person))];
            statistics.playerStrengthSum += PlayerStrength(*person);
        }
    }
    return statistics;
}

SStatistics TotalStatistics(const CWorld& world) {
    SStatistics total;
    for (int number = 1; number <= kCountryCount; ++number) {
        total += CountryStatistics(world.Country(number));
    }
    return total;
}

SCountryCheck CheckCountry(const CCountry& country) {
    SCountryCheck result;
    result.complete = country.IsComplete();
    const CWorld& world = country.World();
    const int limit = country.Settings().leagueLevelLimit;
    for (const std::uint32_t id : CountryCompetitionIds(world.Registry(), country.Number())) {
        const CDBCompetition* node = world.Competition(id);
        SCompetitionCheck check;
        check.id = id;
        check.faults[0] = node->Check(world.Registry(), 0, limit);
        check.faults[1] = node->Check(world.Registry(), 1, limit);
        result.competitions.push_back(check);
    }
    return result;
}

}  // namespace kw
