#include "demo/DemoWorld.h"

#include <algorithm>
#include <string>
#include <vector>

#include "competition/Competition.h"
#include "demo/DemoClubs.h"
#include "demo/DemoCompetitions.h"
#include "demo/DemoNames.h"
#include "demo/DemoNations.h"
#include "demo/DemoPersons.h"
#include "demo/DemoPlan.h"
#include "demo/DemoRandom.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"

namespace kw::demo {

namespace {

constexpr std::uint32_t kWithoutClubPart = 0x57495448;
constexpr std::uint32_t kRulesPart = 0x52554C45;

int NationCount() {
    return static_cast<int>(Nations().size());
}

// The base ability of a club: the nation's standing, the league level, the place in the league.
int ClubStrength(const SCountryPlan& plan, int level, int place, int size, CDemoRandom& random) {
    const int top = 80 - plan.tier * 6 - level * 7;
    const int spread = size > 1 ? place * 12 / (size - 1) : 0;
    return std::clamp(top - spread + random.Between(-3, 3), 25, 88);
}

// Top clubs keep big squads, the lower levels little more than a team and its substitutes.
int SquadSize(const SDemoPlan& plan, int level, CDemoRandom& random) {
    const int top = std::max(0, 2 - level) * 4;
    const int base = random.Between(0, 2);
    const int extra = random.Between(0, top);
    return std::clamp(plan.squadMin + base + extra, plan.squadMin, plan.squadMax);
}

// A day of a year from `firstYear` to `lastYear`, the day drawn first, then the month, then the
// year: the order the demo installation has always been drawn in.
CDate DateBetween(int firstYear, int lastYear, CDemoRandom& random) {
    const int day = random.Between(1, 28);
    const int month = random.Between(1, 12);
    const int year = random.Between(firstYear, lastYear);
    return CDate::FromYmd(year, month, day);
}

void FillManager(CManager& manager, int country, CDemoRandom& random) {
    const SPersonName name = PersonName(country, random);
    manager.SetFirstName(name.firstName);
    manager.SetSurname(name.surname);
    manager.SetNationality(country);
    manager.SetBirthDate(DateBetween(1935, 1970, random));
    for (int value = 0; value < 4; ++value) {
        manager.SetTrainingValue(value, static_cast<std::uint8_t>(random.Between(30, 99)));
    }
    manager.SetLanguage(0, Nations()[static_cast<std::size_t>(country - 1)].language);
    manager.SetNationalExperience(static_cast<std::uint8_t>(random.Between(0, 6)));
    manager.SetInternationalExperience(static_cast<std::uint8_t>(random.Between(0, 4)));
}

void FillSettings(CCountry& country, const SCountryPlan& plan, CDemoRandom& random) {
    const SNation& nation = Nations()[static_cast<std::size_t>(country.Number() - 1)];
    SCountrySettings& s = country.Settings();
    s.languages = {static_cast<std::uint8_t>(nation.language), 0, 0, 0};
    s.languageShares = {100, 0, 0, 0};
    s.leagueLevelLimit = 2;
    s.associationName.Set(nation.code + "FV");
    const SPersonName president = PersonName(country.Number(), random);
    s.president.firstName.Set(president.firstName);
    s.president.surname.Set(president.surname);
    s.presidentBirthDate = DateBetween(1930, 1960, random);
    for (auto& reporter : s.reporters) {
        const SPersonName name = PersonName(country.Number(), random);
        reporter.firstName.Set(name.firstName);
        reporter.surname.Set(name.surname);
    }
    s.climate = static_cast<std::uint8_t>(std::min(nation.continent, 3));
    s.leagueYellowRule = static_cast<std::uint8_t>(random.Between(0, 5));
    const int cupRule = random.Between(0, 5);
    const bool cupYellowAfterYellowRed = random.Chance(50);
    s.cupYellowRule = static_cast<std::uint8_t>(cupRule | (cupYellowAfterYellowRed ? 0x80 : 0));
    s.redCardSettings = static_cast<std::uint8_t>(random.Chance(50) ? 0x10 : 0);
    s.redCardStart = static_cast<std::uint8_t>(random.Between(0, 1));
    s.suspensionScope = static_cast<std::uint8_t>(random.Between(0, 7));
    s.yellowRedLevels = static_cast<std::uint8_t>(random.Between(0, 31));
    const bool indoorRound = nation.continent == 0 && random.Chance(30);
    const bool generateNames = random.Chance(50);
    s.optionFlags = static_cast<std::uint8_t>((indoorRound ? 1 : 0) | (generateNames ? 2 : 0));
    s.cupOptions = static_cast<std::uint8_t>(random.Between(0, 3));
    s.abroadProbability = static_cast<std::uint8_t>(random.Between(5, 40));
    s.transferPhases = {random.Between(1, 4), random.Between(5, 8)};
    s.averageStrength =
        static_cast<std::uint8_t>(std::clamp(85 - plan.tier * 15 + random.Between(-5, 5), 10, 100));
    s.newspaper = NewspaperName(NameStyle(country.Number()), nation.names[0]);
    s.notes = plan.HasLeagues() ? "Demo-Datenbank\r\nLigasystem mit " +
                                      std::to_string(plan.levels.size()) + " Ebenen"
                                : std::string();
    s.titles = {static_cast<std::uint16_t>(std::max(0, 3 - plan.tier) * random.Between(0, 2)),
                static_cast<std::uint16_t>(std::max(0, 3 - plan.tier) * random.Between(0, 3)),
                static_cast<std::uint16_t>(plan.tier == 0 ? random.Between(0, 3) : 0),
                static_cast<std::uint16_t>(plan.tier == 0 ? random.Between(0, 4) : 0)};
    s.hairColours = 0x3E;
    s.haircuts = 0xFFE;
    s.beards = 0x7E;
    s.faces = 0x1FE;
    s.averageHeight = static_cast<std::uint8_t>(random.Between(172, 184));
    s.averageWeight = static_cast<std::uint8_t>(random.Between(68, 80));
    FillManager(s.nationalCoach, country.Number(), random);
}

void FillCountryRecords(CWorld& world, CCountry& country, const SCountryPlan& plan,
                        CDemoRandom& random) {
    const int number = country.Number();
    const int clubs = country.ClubCount();
    const int referees = plan.HasLeagues() ? std::clamp(clubs / 3, 10, 40) : random.Between(2, 5);
    for (int i = 0; i < referees; ++i) {
        CReferee referee;
        const SPersonName name = PersonName(number, random);
        referee.SetNames(name.firstName, name.surname);
        referee.SetCharacter(static_cast<std::int8_t>(random.Between(0, CReferee::kNoCharacter)));
        country.Referees().push_back(referee);
    }
    static const std::vector<std::string> trades = {
        "Brauerei", "Versicherung", "Autohaus", "Bank",    "Telekom",
        "Energie",  "Reisen",       "Baumarkt", "Elektro", "Logistik"};
    const int sponsors = plan.HasLeagues() ? random.Between(8, 16) : random.Between(2, 4);
    for (int i = 0; i < sponsors; ++i) {
        CSponsor sponsor;
        const std::string& town = TownName(number, random);
        std::string name = town.substr(0, 16);
        name += ' ';
        name += random.Pick(trades);
        sponsor.SetName(name);
        sponsor.SetAmount(random.Between(1, 200) * 10000);
        sponsor.SetSecondText(town.substr(0, 31));
        sponsor.SetThirdText(random.Pick(trades));
        country.Sponsors().push_back(sponsor);
    }
    const int staff = plan.HasLeagues() ? random.Between(16, 32) : random.Between(2, 6);
    for (int i = 0; i < staff; ++i) {
        CStaffEntry entry;
        const SPersonName name = PersonName(number, random);
        entry.SetFirstName(name.firstName);
        entry.SetSurname(name.surname);
        entry.SetJob(static_cast<std::uint8_t>(1 + i % 16));
        entry.SetGradeA(static_cast<std::uint8_t>(random.Between(0, 4)));
        entry.SetGradeB(static_cast<std::uint8_t>(random.Between(0, 4)));
        country.Staff().push_back(entry);
    }
    const int managers = plan.HasLeagues() ? random.Between(4, 10) : random.Between(0, 2);
    for (int i = 0; i < managers; ++i) {
        FillManager(*world.Manager(country.AddManager()), number, random);
    }
    // The youth pool: young players the game draws from, some wanting a club of the country.
    std::vector<std::uint32_t> ids;
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam()) {
            ids.push_back(id);
        }
    }
    const int youth = plan.HasLeagues() ? std::min(clubs * 2, 300) : random.Between(0, 10);
    country.ResizePlayerPool(
        std::max<std::size_t>(static_cast<std::size_t>(youth), country.PlayerPool().size()));
    for (int i = 0; i < youth; ++i) {
        CPoolEntry& entry = country.PlayerPool()[static_cast<std::size_t>(i)];
        const SPersonName name = PersonName(number, random);
        entry.SetFirstName(name.firstName);
        entry.SetSurname(name.surname);
        entry.SetNationality(static_cast<std::uint8_t>(number));
        entry.SetSpecialAbility(static_cast<std::uint8_t>(random.Between(0, 15)));
        entry.SetTeamPart(static_cast<std::uint8_t>(random.Between(1, 4)));
        if (!ids.empty() && random.Chance(30)) {
            entry.SetPreferredClub(random.Pick(ids));
        }
    }
    // The cup final is played in the country's biggest ground.
    const auto& stadiums = country.Stadiums();
    const auto biggest = std::max_element(
        stadiums.begin(), stadiums.end(),
        [](const auto& a, const auto& b) { return a.TotalCapacity() < b.TotalCapacity(); });
    if (biggest != stadiums.end()) {
        country.Settings().cupFinalStadium =
            static_cast<std::int32_t>(biggest - stadiums.begin()) + 1;
    }
}

void BuildCountry(CWorld& world, const SDemoPlan& plan, const SCountryPlan& countryPlan) {
    CCountry& country = world.Country(countryPlan.number);
    CDemoRandom random(plan.seed, static_cast<std::uint32_t>(countryPlan.number));
    FillSettings(country, countryPlan, random);
    FillNationalTeam(country, random);

    // Clubs in level order, the strongest first, indexes 1, 2, ... without gaps.
    CClubNamer namer(countryPlan.number);
    std::vector<std::vector<std::uint32_t>> leagueTeams;
    std::vector<std::pair<std::uint32_t, SClubProfile>> profiles;
    std::uint16_t index = 0;
    const auto addClub = [&](const SClubProfile& profile) {
        CClub& club = country.AddClub(++index);
        FillClub(country, club, namer.Next(random), profile, random);
        profiles.emplace_back(club.Id(), profile);
        return club.Id();
    };
    for (int level = 0; level < static_cast<int>(countryPlan.levels.size()); ++level) {
        for (const int size : countryPlan.levels[static_cast<std::size_t>(level)]) {
            std::vector<std::uint32_t> teams;
            for (int place = 0; place < size; ++place) {
                teams.push_back(
                    addClub({level, ClubStrength(countryPlan, level, place, size, random)}));
            }
            leagueTeams.push_back(std::move(teams));
        }
    }
    for (int i = 0; i < countryPlan.looseClubs; ++i) {
        const int level = 1 + countryPlan.tier / 2;
        addClub({level, ClubStrength(countryPlan, level, i, countryPlan.looseClubs, random)});
    }
    LinkClubs(country, random);

    std::vector<std::uint32_t> clubIds;
    for (const auto& [id, profile] : profiles) {
        clubIds.push_back(id);
    }
    for (const auto& [id, profile] : profiles) {
        CClub& club = *country.Club(id);
        FillSquad(world, club, SquadSize(plan, profile.level, random), profile.strength, clubIds,
                  random);
        FillStaff(world, club, profile.level, random);
    }
    if (countryPlan.HasLeagues()) {
        BuildCompetitions(world, countryPlan, leagueTeams, random);
        country.SetLeagueScript(static_cast<std::uint16_t>(countryPlan.leagueScript));
    }
    FillCountryRecords(world, country, countryPlan, random);
}

// Continental competition names, the title holders (champions of the strongest leagues) and the
// final venues.
void FillRules(CWorld& world, const SDemoPlan& plan) {
    CDemoRandom random(plan.seed, kRulesPart);
    CRules& rules = world.Rules();
    static const std::array<std::array<const char*, kw::kLanguageCount>, 3> kCompetitions = {{
        {"Meisterrunde", "Champions Round", "Tour des champions", "Ronda de campeones",
         "Girone dei campioni"},
        {"Europapokal", "Continental Cup", "Coupe continentale", "Copa continental",
         "Coppa continentale"},
        {"Pokal-Qualifikation", "Cup qualifying", "Qualification", "Clasificaci\xF3n",
         "Qualificazione"},
    }};
    static const std::array<const char*, 6> kContinents = {"EU", "SA", "NA", "AF", "AS", "OC"};
    for (int continent = 0; continent < 6; ++continent) {
        for (int language = 0; language < kw::kLanguageCount; ++language) {
            for (int competition = 0; competition < 2; ++competition) {
                rules.SetCompetitionName(
                    competition, continent, language,
                    FormatPrintf("%s %s",
                                 kCompetitions[static_cast<std::size_t>(competition)]
                                              [static_cast<std::size_t>(language)],
                                 kContinents[static_cast<std::size_t>(continent)]));
            }
            rules.SetCompetitionName(2, continent, language,
                                     kCompetitions[2][static_cast<std::size_t>(language)]);
            rules.SetThirdShortName(
                continent, language,
                FormatPrintf("Quali %s", kContinents[static_cast<std::size_t>(continent)]));
        }
    }
    for (int language = 0; language < kw::kLanguageCount; ++language) {
        rules.SetWorldName(language, "Weltpokal");
        rules.SetWorldShortName(language, "WP");
    }
    for (const SCountryPlan& country : plan.countries) {
        if (!country.HasLeagues()) {
            continue;
        }
        const int continent = Nations()[static_cast<std::size_t>(country.number - 1)].continent;
        const std::uint32_t champion = MakeClubId(country.number, 1);
        for (int competition = 0; competition < 3; ++competition) {
            // A club holds at most one of the first two titles.
            const bool holdsOther = competition == 1 && rules.TitleHolder(0, continent) == champion;
            if (rules.TitleHolder(competition, continent) == 0 && random.Chance(50) &&
                !holdsOther) {
                rules.SetTitleHolder(competition, continent, champion);
                rules.SetVenue(competition, continent,
                               (static_cast<std::uint32_t>(country.number) << 16) | 1u);
            }
        }
    }
    rules.SetFurtherTitleHolder(0, MakeClubId(14, 1));
    rules.SetFurtherTitleHolder(1, MakeClubId(14, 2));
    rules.SetRuleValue(0, 1);
    rules.SetRuleValue(1, 1);
    rules.SetRuleValue(2, 1);
    rules.SetRuleValue(3, 1);
    rules.SetSubstitutions(random.Between(3, 7));
}

// Players between clubs: about one in three hundred persons.
void FillWithoutClub(CWorld& world, const SDemoPlan& plan) {
    CDemoRandom random(plan.seed, kWithoutClubPart);
    const int count = std::max(5, static_cast<int>(world.Persons().size()) / 300);
    for (int i = 0; i < count; ++i) {
        SPlayerProfile profile;
        profile.nationality = random.Between(1, NationCount());
        profile.position = random.Between(1, kLastPosition);
        profile.age = random.Between(20, 35);
        profile.strength = random.Between(35, 70);
        CPlayer& player = world.CreatePerson(0, true);
        FillPlayer(player, profile, random);
        player.SetShirtNumber(0, static_cast<std::uint8_t>(random.Between(2, 40)));
        player.SetShirtNumber(1, player.ShirtNumbers()[0]);
        world.WithoutClub().Append(player);
    }
}

}  // namespace

bool BuildDemoWorld(CWorld& world, const SDemoPlan& plan, IProgress& progress) {
    progress.SetRange(0, NationCount());
    for (const SCountryPlan& country : plan.countries) {
        if (progress.IsCancelled()) {
            return false;
        }
        progress.SetPos(country.number);
        BuildCountry(world, plan, country);
    }
    FillRules(world, plan);
    FillWithoutClub(world, plan);
    return true;
}

}  // namespace kw::demo
