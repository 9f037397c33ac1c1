#include "model/CountryCopy.h"

#include <algorithm>
#include <set>
#include <vector>

#include "competition/Competition.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

using ClubSet = std::set<std::uint32_t>;

// Every group of the club-copy dialog: a copied club takes all the source club has.
constexpr std::uint32_t kAllClubGroups = 0x7FFE;

bool Selected(std::uint32_t flags, std::uint32_t group) {
    return (flags & group) != 0;
}

bool Names(const ClubSet& clubs, std::uint32_t reference) {
    return reference != 0 && clubs.contains(reference & kClubIdMask);
}

template <typename References>
bool NamesAny(const ClubSet& clubs, const References& references) {
    return std::any_of(std::begin(references), std::end(references),
                       [&clubs](std::uint32_t reference) { return Names(clubs, reference); });
}

// The target's clubs that a copy of the source's clubs removes. The same country of two
// databases keeps its clubs under the same indexes, so there only the indexes the source lacks
// go; a copy from another country replaces every club.
ClubSet ReplacedClubs(const CCountry& target, const CCountry& source) {
    ClubSet gone;
    for (const auto& entry : target.Clubs()) {
        const std::uint32_t id = entry.first;
        if (!IsNationalTeam(id) &&
            (source.Number() != target.Number() || source.Club(id) == nullptr)) {
            gone.insert(id);
        }
    }
    return gone;
}

// The team list of a league or a level pool; nothing for other nodes.
const std::vector<std::uint32_t>* TeamList(const CDBCompetition& node) {
    if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
        return &league->Teams();
    }
    if (const auto* pool = dynamic_cast<const CDBPool*>(&node)) {
        return &pool->Teams();
    }
    return nullptr;
}

void DropTeams(CDBCompetition& node, const ClubSet& clubs) {
    if (auto* league = dynamic_cast<CDBLeagueBase*>(&node)) {
        const std::vector<std::uint32_t> teams = league->Teams();
        for (const std::uint32_t team : teams) {
            if (Names(clubs, team)) {
                league->RemoveTeam(team);
            }
        }
    } else if (auto* pool = dynamic_cast<CDBPool*>(&node)) {
        std::erase_if(pool->Teams(), [&clubs](std::uint32_t team) { return Names(clubs, team); });
    }
}

// Whether anything the country holds names one of the clubs: its clubs' friendships and rivals,
// their persons, its player pool and the team lists of its competitions.
bool CountryNames(const CCountry& country, const ClubSet& clubs) {
    const CWorld& world = country.World();
    for (const auto& entry : country.Clubs()) {
        const CClub& club = *entry.second;
        if (Names(clubs, club.FanFriendship()) || NamesAny(clubs, club.Rivals())) {
            return true;
        }
        for (const std::uint32_t id : club.PersonIds()) {
            const CPlayer* person = world.Person(id);
            if (person != nullptr && NamesAny(clubs, person->ClubReferences())) {
                return true;
            }
        }
    }
    for (const CPoolEntry& entry : country.PlayerPool()) {
        if (Names(clubs, entry.PreferredClub())) {
            return true;
        }
    }
    for (const auto& entry : world.Competitions()) {
        const CDBCompetition& node = *entry.second;
        const std::vector<std::uint32_t>* teams = TeamList(node);
        if (node.Country() == country.Number() && teams != nullptr && NamesAny(clubs, *teams)) {
            return true;
        }
    }
    return false;
}

bool WithoutClubNames(const CWorld& world, const ClubSet& clubs) {
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        const CPlayer* person = world.Person(id);
        if (person != nullptr && NamesAny(clubs, person->ClubReferences())) {
            return true;
        }
    }
    return false;
}

bool RulesName(const CRules& rules, const ClubSet& clubs) {
    for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
        for (int continent = 0; continent < kContinentCount; ++continent) {
            if (Names(clubs, rules.TitleHolder(competition, continent))) {
                return true;
            }
        }
    }
    for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
        if (Names(clubs, rules.FurtherTitleHolder(which))) {
            return true;
        }
    }
    return false;
}

// Every reference to the clubs becomes 0 and team lists drop them: in the countries 1 to 206,
// the players without club and the rules' title holders. Parts that name none stay untouched.
void ForgetClubs(CWorld& world, const ClubSet& clubs) {
    const auto forget = [&clubs](std::uint32_t reference) {
        return Names(clubs, reference) ? 0u : reference;
    };
    for (int number = 1; number <= kCountryCount; ++number) {
        CCountry& country = world.Country(number);
        for (const auto& entry : country.Clubs()) {
            CClub& club = *entry.second;
            club.MapClubReferences(forget);
            for (const std::uint32_t id : club.PersonIds()) {
                if (CPlayer* person = world.Person(id)) {
                    person->MapClubReferences(forget);
                }
            }
        }
        for (CPoolEntry& entry : country.PlayerPool()) {
            entry.SetPreferredClub(forget(entry.PreferredClub()));
        }
    }
    for (const auto& entry : world.Competitions()) {
        const int country = entry.second->Country();
        if (country >= 1 && country <= kCountryCount) {
            DropTeams(*entry.second, clubs);
        }
    }
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        if (CPlayer* person = world.Person(id)) {
            person->MapClubReferences(forget);
        }
    }
    CRules& rules = world.Rules();
    for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
        for (int continent = 0; continent < kContinentCount; ++continent) {
            rules.SetTitleHolder(competition, continent,
                                 forget(rules.TitleHolder(competition, continent)));
        }
    }
    for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
        rules.SetFurtherTitleHolder(which, forget(rules.FurtherTitleHolder(which)));
    }
}

bool VenueBeyond(std::uint32_t venue, int country, std::size_t stadiums) {
    return StadiumRefCountry(venue) == country &&
           static_cast<std::size_t>(StadiumRefNumber(venue)) > stadiums;
}

bool RulesVenueBeyond(const CRules& rules, int country, std::size_t stadiums) {
    for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
        for (int continent = 0; continent < kContinentCount; ++continent) {
            if (VenueBeyond(rules.Venue(competition, continent), country, stadiums)) {
                return true;
            }
        }
    }
    return false;
}

void FitVenues(CRules& rules, int country, std::size_t stadiums) {
    for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
        for (int continent = 0; continent < kContinentCount; ++continent) {
            if (VenueBeyond(rules.Venue(competition, continent), country, stadiums)) {
                rules.SetVenue(competition, continent, 0);
            }
        }
    }
}

// A stadium number the country's list lacks becomes 0.
void FitStadiumNumbers(CCountry& country) {
    const auto count = static_cast<std::int32_t>(country.Stadiums().size());
    const auto fit = [count](std::int32_t number) {
        return number >= 1 && number <= count ? number : 0;
    };
    for (const auto& entry : country.Clubs()) {
        entry.second->SetStadiumNumber(fit(entry.second->StadiumNumber()));
    }
    country.Settings().cupFinalStadium = fit(country.Settings().cupFinalStadium);
}

// How a club reference of the copied data reads in the target's database. The source's clubs
// become their copies; without copied clubs they are of no use there, unless source and target
// are the same country of two databases. The target's former clubs are gone when the clubs were
// replaced. A reference that then names no club of the target's database is 0; national teams
// (and "Create A Club") pass.
class CCopiedClubs {
public:
    CCopiedClubs(const CCountry& source, const CCountry& target, bool clubsCopied)
        : m_world(target.World()),
          m_from(source.Number()),
          m_to(target.Number()),
          m_clubsCopied(clubsCopied) {}

    std::uint32_t Reference(std::uint32_t reference) const {
        if (reference == 0 || IsNationalTeam(reference)) {
            return reference;
        }
        const int country = ClubCountry(reference);
        std::uint32_t read = reference;
        if (country == m_from) {
            if (!m_clubsCopied && m_from != m_to) {
                return 0;
            }
            read = MakeClubId(m_to, ClubIndex(reference)) | (reference & kSecondTeamFlag);
        } else if (country == m_to && m_clubsCopied) {
            return 0;
        }
        return Exists(read) ? read : 0;
    }

    // A team of a copied competition: the source's national team becomes the target's.
    std::uint32_t Team(std::uint32_t team) const {
        if (IsNationalTeam(team) && ClubCountry(team) == m_from) {
            return MakeClubId(m_to, kNationalTeamIndex) | (team & kSecondTeamFlag);
        }
        return Reference(team);
    }

private:
    bool Exists(std::uint32_t id) const {
        const int country = ClubCountry(id);
        return country >= 1 && country <= kCountryCount &&
               m_world.Country(country).Club(id) != nullptr;
    }

    const CWorld& m_world;
    int m_from;
    int m_to;
    bool m_clubsCopied;
};

// The settings that describe the competitions: the league-system data per level, the cup
// settings (0 for a cup that is absent) and the cup-final stadium of the cups page.
void CopyCompetitionSettings(SCountrySettings& to, const SCountrySettings& from) {
    to.leagueLevelLimit = from.leagueLevelLimit;
    to.tieBreak = from.tieBreak;
    to.nonEuropeanLimit = from.nonEuropeanLimit;
    to.relegated = from.relegated;
    to.reserveSwitch = from.reserveSwitch;
    to.nationalCupSetting = from.nationalCupSetting;
    to.leagueCupSettings = from.leagueCupSettings;
    to.superCupSetting = from.superCupSetting;
    to.cupFinalStadium = from.cupFinalStadium;
}

// Every other setting: they would not match the competitions and the stadium list the target
// keeps.
void CopyGeneralSettings(SCountrySettings& to, const SCountrySettings& from) {
    const SCountrySettings kept = to;
    to = from;
    CopyCompetitionSettings(to, kept);
}

void CopyManagers(CCountry& target, const CCountry& source) {
    const std::vector<std::uint32_t> own = target.ManagerIds();
    for (const std::uint32_t id : own) {
        target.RemoveManager(id);
    }
    for (const std::uint32_t id : source.ManagerIds()) {
        if (const CManager* manager = source.World().Manager(id)) {
            *target.World().Manager(target.AddManager()) = *manager;
        }
    }
}

void RemoveCompetitions(CWorld& world, int country) {
    std::vector<std::uint32_t> ids;
    for (const auto& entry : world.Competitions()) {
        if (entry.second->Country() == country) {
            ids.push_back(entry.first);
        }
    }
    for (const std::uint32_t id : ids) {
        world.RemoveCompetition(id);
    }
}

// The target's clubs (its national team aside) with their persons leave the world; the source's
// take their indexes, persons duplicated under fresh ids where theirs are taken.
void ReplaceClubs(CCountry& target, const CCountry& source, const CCopiedClubs& copied) {
    std::vector<std::uint32_t> own;
    for (const auto& entry : target.Clubs()) {
        if (!IsNationalTeam(entry.first)) {
            own.push_back(entry.first);
        }
    }
    for (const std::uint32_t id : own) {
        target.RemoveClub(id);
    }
    for (const auto& entry : source.Clubs()) {
        const CClub& club = *entry.second;
        if (club.IsNationalTeam()) {
            continue;
        }
        CClub& copy = target.AddClub(ClubIndex(club.Id()));
        copy.CopyFrom(club, kAllClubGroups);
        // The two values no group of the club copy takes.
        copy.SetPointsDeduction(club.PointsDeduction());
        copy.SetExternalNumber(club.ExternalNumber());
    }
    // Once every copy is there, so that references between them find each other.
    const auto read = [&copied](std::uint32_t reference) { return copied.Reference(reference); };
    CWorld& world = target.World();
    for (const auto& entry : target.Clubs()) {
        CClub& club = *entry.second;
        if (club.IsNationalTeam()) {
            continue;
        }
        club.MapClubReferences(read);
        for (const std::uint32_t id : club.PersonIds()) {
            if (CPlayer* person = world.Person(id)) {
                person->MapClubReferences(read);
            }
        }
    }
}

// The source's competition nodes under the target's number, after the target's clubs were
// replaced, so that the team lists name the copies.
void CopyCompetitions(CCountry& target, const CCountry& source, const CCopiedClubs& copied) {
    CWorld& world = target.World();
    const CWorld& from = source.World();
    // Collected first: within one database the registry grows while they are copied.
    std::vector<const CDBCompetition*> nodes;
    for (const auto& entry : from.Competitions()) {
        if (entry.second->Country() == source.Number()) {
            nodes.push_back(entry.second.get());
        }
    }
    const auto teams = [&copied](std::uint32_t team) { return copied.Team(team); };
    for (const CDBCompetition* node : nodes) {
        world.RegisterCompetition(node->CopyForCountry(from.Registry(), world.Registry(),
                                                       source.Number(), target.Number(), teams));
    }
    if (world.Competition(MakeCompetitionId(target.Number(), kRootType, 0)) == nullptr) {
        world.RegisterCompetition(std::make_unique<CDBRoot>(target.Number()));
    }
}

}  // namespace

void CCountry::CopyFrom(const CCountry& other, std::uint32_t flags) {
    if (&other == this) {
        return;
    }
    const bool clubs = Selected(flags, countrycopy::kClubs);
    const bool stadiums = Selected(flags, countrycopy::kStadiums);
    // Before anything is copied: afterwards a reference to a removed club could not be told
    // from one to its successor under the same id.
    if (clubs) {
        ForgetClubs(m_world, ReplacedClubs(*this, other));
    }
    if (Selected(flags, countrycopy::kGeneral)) {
        CopyGeneralSettings(m_settings, other.m_settings);
    }
    if (Selected(flags, countrycopy::kYouth)) {
        m_pool = other.m_pool;
    }
    if (Selected(flags, countrycopy::kReferees)) {
        m_referees = other.m_referees;
    }
    if (stadiums) {
        m_stadiums = other.m_stadiums;
    }
    if (Selected(flags, countrycopy::kManagers)) {
        CopyManagers(*this, other);
    }
    const CCopiedClubs copied(other, *this, clubs);
    if (clubs) {
        RemoveCompetitions(m_world, m_number);
        ReplaceClubs(*this, other, copied);
        CopyCompetitions(*this, other, copied);
        CopyCompetitionSettings(m_settings, other.m_settings);
        m_levelNames = other.m_levelNames;
        m_leagueScript = other.m_leagueScript;
        RebuildNumbering();
    }
    if (Selected(flags, countrycopy::kYouth)) {
        for (CPoolEntry& entry : m_pool) {
            entry.SetPreferredClub(copied.Reference(entry.PreferredClub()));
        }
    }
    if (stadiums || clubs) {
        FitStadiumNumbers(*this);
    }
    if (stadiums) {
        FitVenues(m_world.Rules(), m_number, m_stadiums.size());
    }
}

SWorldScope CountryCopyScope(const CCountry& target, const CCountry& source, std::uint32_t flags) {
    SWorldScope scope = SWorldScope::Countries({target.Number()});
    if (&target == &source) {
        return scope;
    }
    const CWorld& world = target.World();
    if (Selected(flags, countrycopy::kClubs)) {
        const ClubSet gone = ReplacedClubs(target, source);
        for (int number = 1; number <= kCountryCount; ++number) {
            if (number != target.Number() && CountryNames(world.Country(number), gone)) {
                scope.countries.push_back(number);
            }
        }
        scope.withoutClub = WithoutClubNames(world, gone);
        scope.rules = RulesName(world.Rules(), gone);
    }
    if (Selected(flags, countrycopy::kStadiums)) {
        scope.rules = scope.rules ||
                      RulesVenueBeyond(world.Rules(), target.Number(), source.Stadiums().size());
    }
    return scope;
}

}  // namespace kw
