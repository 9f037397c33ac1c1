#include "ReferenceCheck.h"

#include <map>

#include "competition/League.h"
#include "competition/Pool.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw::test {

namespace {

class CChecker {
public:
    explicit CChecker(const CWorld& world) : m_world(world) {}

    std::vector<std::string> Run() {
        for (int number = 1; number <= kCountryCount; ++number) {
            Country(m_world.Country(number));
        }
        for (const std::uint32_t id : m_world.WithoutClub().Ids()) {
            Person(id, "players without club");
        }
        Competitions();
        Rules();
        Owners();
        return m_faults;
    }

private:
    bool ClubExists(std::uint32_t id) const {
        const int country = ClubCountry(id);
        return country >= 1 && country <= kCountryCount &&
               m_world.Country(country).Club(id) != nullptr;
    }

    void Club(std::uint32_t id, const std::string& where) {
        if (id != 0 && !ClubExists(id)) {
            Fault(FormatPrintf("club %#x named by %s", id, where.c_str()));
        }
    }

    void Stadium(std::int32_t number, const CCountry& country, const std::string& where) {
        if (number < 0 || number > static_cast<std::int32_t>(country.Stadiums().size())) {
            Fault(FormatPrintf("stadium %d of country %d named by %s", number, country.Number(),
                               where.c_str()));
        }
    }

    void Person(std::uint32_t id, const std::string& owner) {
        ++m_owners[id];
        const CPlayer* person = m_world.Person(id);
        if (person == nullptr) {
            Fault(FormatPrintf("person %u of %s is missing", id, owner.c_str()));
            return;
        }
        for (const std::uint32_t club : person->ClubReferences()) {
            Club(club, FormatPrintf("person %u of %s", id, owner.c_str()));
        }
    }

    void Country(const CCountry& country) {
        for (const auto& [id, club] : country.Clubs()) {
            const std::string where = FormatPrintf("club %#x", id);
            Club(club->FanFriendship(), where);
            for (const std::uint32_t rival : club->Rivals()) {
                Club(rival, where);
            }
            Stadium(club->StadiumNumber(), country, where);
            for (const std::uint32_t person : club->PersonIds()) {
                Person(person, where);
            }
        }
        Stadium(country.Settings().cupFinalStadium, country, "the cup final");
        for (const CPoolEntry& entry : country.PlayerPool()) {
            if (entry.PreferredClub() != CPoolEntry::kCreateAClub) {
                Club(entry.PreferredClub(), FormatPrintf("the pool of %d", country.Number()));
            }
        }
        for (const std::uint32_t manager : country.ManagerIds()) {
            ++m_managers[manager];
            if (m_world.Manager(manager) == nullptr) {
                Fault(
                    FormatPrintf("manager %u of country %d is missing", manager, country.Number()));
            }
        }
    }

    void Link(std::uint32_t id, const CDBCompetition& node) {
        if (id != 0 && m_world.Competition(id) == nullptr) {
            Fault(FormatPrintf("competition %#x linked from %#x", id, node.Id()));
        }
    }

    void Competitions() {
        for (const auto& [id, node] : m_world.Competitions()) {
            if (node->Country() < 1 || node->Country() > kCountryCount) {
                continue;
            }
            Link(node->ParentId(), *node);
            for (const std::uint32_t link : node->Sources()) {
                Link(link, *node);
            }
            for (const std::uint32_t link : node->SubCompetitions()) {
                Link(link, *node);
            }
            const std::string where = FormatPrintf("competition %#x", id);
            if (const auto* league = dynamic_cast<const CDBLeagueBase*>(node.get())) {
                for (const std::uint32_t team : league->Teams()) {
                    Club(team, where);
                }
            } else if (const auto* pool = dynamic_cast<const CDBPool*>(node.get())) {
                for (const std::uint32_t team : pool->Teams()) {
                    Club(team, where);
                }
            }
        }
    }

    void Rules() {
        const CRules& rules = m_world.Rules();
        for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
            for (int continent = 0; continent < kContinentCount; ++continent) {
                Club(rules.TitleHolder(competition, continent), "a title holder");
                const std::uint32_t venue = rules.Venue(competition, continent);
                const int country = StadiumRefCountry(venue);
                if (venue != 0 &&
                    (country < 1 || country > kCountryCount ||
                     StadiumRefNumber(venue) >
                         static_cast<int>(m_world.Country(country).Stadiums().size()))) {
                    Fault(FormatPrintf("final venue %#x", venue));
                }
            }
        }
        for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
            Club(rules.FurtherTitleHolder(which), "a further title holder");
        }
    }

    void Owners() {
        for (const auto& [id, person] : m_world.Persons()) {
            const auto found = m_owners.find(id);
            if (found == m_owners.end() || found->second != 1) {
                Fault(FormatPrintf("person %u has %d owners", id,
                                   found == m_owners.end() ? 0 : found->second));
            }
        }
        for (const auto& [id, manager] : m_world.Managers()) {
            const auto found = m_managers.find(id);
            if (found == m_managers.end() || found->second != 1) {
                Fault(FormatPrintf("manager %u has %d countries", id,
                                   found == m_managers.end() ? 0 : found->second));
            }
        }
    }

    void Fault(std::string text) { m_faults.push_back(std::move(text)); }

    const CWorld& m_world;
    std::vector<std::string> m_faults;
    std::map<std::uint32_t, int> m_owners;
    std::map<std::uint32_t, int> m_managers;
};

}  // namespace

std::vector<std::string> ReferenceFaults(const CWorld& world) {
    return CChecker(world).Run();
}

}  // namespace kw::test
