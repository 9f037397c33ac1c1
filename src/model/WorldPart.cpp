#include "model/WorldPart.h"

#include <algorithm>
#include <set>

#include "competition/Competition.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"

namespace kw {

namespace {

// What the database holds now of the scope, found by id.
struct SHeldIds {
    std::vector<std::uint32_t> persons;
    std::vector<std::uint32_t> competitions;
    std::vector<std::uint32_t> managers;
};

SHeldIds HeldIds(const CWorld& world, const SWorldScope& scope) {
    SHeldIds held;
    const std::set<int> countries(scope.countries.begin(), scope.countries.end());
    for (const int number : scope.countries) {
        const CCountry& country = world.Country(number);
        for (const auto& [id, club] : country.Clubs()) {
            held.persons.insert(held.persons.end(), club->PersonIds().begin(),
                                club->PersonIds().end());
        }
        held.managers.insert(held.managers.end(), country.ManagerIds().begin(),
                             country.ManagerIds().end());
    }
    if (scope.withoutClub) {
        const auto& ids = world.WithoutClub().Ids();
        held.persons.insert(held.persons.end(), ids.begin(), ids.end());
    }
    for (const auto& [id, node] : world.Competitions()) {
        if (countries.contains(node->Country())) {
            held.competitions.push_back(id);
        }
    }
    return held;
}

}  // namespace

SWorldScope SWorldScope::Everything() {
    SWorldScope scope;
    for (int number = 1; number <= kCountryCount; ++number) {
        scope.countries.push_back(number);
    }
    scope.rules = true;
    scope.withoutClub = true;
    return scope;
}

CWorldPart::CWorldPart(SWorldScope scope) : m_scope(std::move(scope)) {}
CWorldPart::CWorldPart(CWorldPart&&) noexcept = default;
CWorldPart& CWorldPart::operator=(CWorldPart&&) noexcept = default;
CWorldPart::~CWorldPart() = default;

CWorldPart CWorldPart::Capture(CWorld& world, SWorldScope scope) {
    std::sort(scope.countries.begin(), scope.countries.end());
    scope.countries.erase(std::unique(scope.countries.begin(), scope.countries.end()),
                          scope.countries.end());
    CWorldPart part(std::move(scope));
    const SHeldIds held = HeldIds(world, part.m_scope);
    for (const int number : part.m_scope.countries) {
        part.m_countries.push_back(world.Country(number).Clone());
    }
    for (const std::uint32_t id : held.persons) {
        if (const CPlayer* person = world.Person(id)) {
            part.m_persons.push_back(person->Clone());
        }
    }
    for (const std::uint32_t id : held.competitions) {
        part.m_competitions.push_back(world.Competition(id)->Clone());
    }
    for (const std::uint32_t id : held.managers) {
        if (const CManager* manager = world.Manager(id)) {
            part.m_managers.emplace_back(id, std::make_unique<CManager>(*manager));
        }
    }
    if (part.m_scope.rules) {
        part.m_rules = world.Rules();
    }
    if (part.m_scope.withoutClub) {
        part.m_withoutIds = world.WithoutClub().Ids();
    }
    return part;
}

void CWorldPart::Exchange(CWorld& world) {
    // What the database holds now leaves it before the copy goes in: ids may be in both.
    const SHeldIds held = HeldIds(world, m_scope);
    std::vector<std::unique_ptr<CPlayer>> persons;
    for (const std::uint32_t id : held.persons) {
        if (auto person = world.TakePerson(id)) {
            persons.push_back(std::move(person));
        }
    }
    std::vector<std::unique_ptr<CDBCompetition>> competitions;
    for (const std::uint32_t id : held.competitions) {
        competitions.push_back(world.Registry().TakeCompetition(id));
    }
    std::vector<std::pair<std::uint32_t, std::unique_ptr<CManager>>> managers;
    for (const std::uint32_t id : held.managers) {
        if (auto manager = world.TakeManager(id)) {
            managers.emplace_back(id, std::move(manager));
        }
    }

    for (auto& person : m_persons) {
        world.PutPerson(std::move(person));
    }
    for (auto& node : m_competitions) {
        world.RegisterCompetition(std::move(node));
    }
    for (auto& [id, manager] : m_managers) {
        world.PutManager(id, std::move(manager));
    }
    for (std::size_t i = 0; i < m_countries.size(); ++i) {
        m_countries[i] = world.ExchangeCountry(m_scope.countries[i], std::move(m_countries[i]));
    }
    if (m_scope.rules) {
        std::swap(world.Rules(), m_rules);
    }
    if (m_scope.withoutClub) {
        world.WithoutClub().SwapIds(m_withoutIds);
    }
    m_persons = std::move(persons);
    m_competitions = std::move(competitions);
    m_managers = std::move(managers);
}

std::size_t CWorldPart::MemoryCost() const {
    std::size_t cost = sizeof(*this) + m_persons.size() * sizeof(CPlayer) +
                       m_competitions.size() * sizeof(CDBCompetition) +
                       m_managers.size() * sizeof(CManager);
    for (const auto& country : m_countries) {
        cost += sizeof(CCountry) + country->Clubs().size() * sizeof(CClub);
    }
    return cost;
}

}  // namespace kw
