#include "exports/WorldDump.h"

#include <nlohmann/json.hpp>

#include <map>

#include "competition/CompetitionText.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "model/World.h"
#include "platform/Cp1252.h"

namespace kw {

namespace {

using Json = nlohmann::ordered_json;

// Club references in the compact numbering of a save, built here so that dumping leaves the
// world's own numbering alone.
class CClubNumbers {
public:
    explicit CClubNumbers(const CWorld& world) {
        for (int number = 1; number <= kCountryCount; ++number) {
            std::uint32_t next = 1;
            for (const auto& [id, club] : world.Country(number).Clubs()) {
                if (!IsNationalTeam(id)) {
                    m_numbers[id] = MakeClubId(number, next++);
                }
            }
        }
    }

    std::uint32_t operator()(std::uint32_t id) const {
        if (IsNationalTeam(id)) {
            return id;
        }
        const auto found = m_numbers.find(id & kClubIdMask);
        return found == m_numbers.end() ? 0 : found->second | (id & kSecondTeamFlag);
    }

private:
    std::map<std::uint32_t, std::uint32_t> m_numbers;
};

std::string Text(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

template <std::size_t N>
Json Texts(const CLanguageTexts<N>& texts) {
    Json list = Json::array();
    for (const auto& text : texts) {
        list.push_back(Text(text.View()));
    }
    return list;
}

template <typename T, std::size_t N>
Json Numbers(const std::array<T, N>& values) {
    Json list = Json::array();
    for (const T value : values) {
        list.push_back(value);
    }
    return list;
}

Json Date(CDate date) {
    if (!date.IsSet()) {
        return nullptr;
    }
    const CDate::Ymd ymd = date.Split();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
    return text;
}

Json Manager(const CManager& manager) {
    return Json{{"firstName", Text(manager.FirstName().View())},
                {"surname", Text(manager.Surname().View())},
                {"nickname", Text(manager.Nickname().View())},
                {"nationality", manager.Nationality()},
                {"birthDate", Date(manager.BirthDate())},
                {"training", Numbers(manager.TrainingValues())},
                {"languages", Numbers(manager.Languages())},
                {"nationalExperience", manager.NationalExperience()},
                {"internationalExperience", manager.InternationalExperience()}};
}

Json Person(const CPlayer& p, const CClubNumbers& clubs, bool withId) {
    Json json;
    if (withId) {
        json["id"] = p.Id();
    }
    json["firstName"] = Text(p.FirstName().View());
    json["surname"] = Text(p.Surname().View());
    json["stageName"] = Text(p.StageName().View());
    json["nickname"] = Text(p.Nickname().View());
    json["kind"] = p.Kind();
    json["teamFlag"] = p.TeamFlag();
    json["nationality"] = p.Nationality();
    json["secondNationality"] = p.SecondNationality();
    json["origin"] = p.OriginByte();
    json["birthDate"] = Date(p.BirthDate());
    json["footAndForm"] = p.FootAndForm();
    json["status"] = p.StatusByte();
    json["positions"] = Numbers(p.Positions());
    json["abilities"] = Numbers(p.Abilities());
    json["roleCode"] = p.RoleCode();
    json["morale"] = p.Morale();
    json["tacticalTraining"] = p.TacticalTraining();
    json["looks"] = Numbers(p.Looks());
    json["nationalExperience"] = p.NationalExperience();
    json["internationalExperience"] = p.InternationalExperience();
    json["shirtNumbers"] = Numbers(p.ShirtNumbers());
    json["specialFace"] = p.SpecialFace();
    json["secondExternalNumber"] = p.SecondExternalNumber();
    json["currentClub"] = clubs(p.CurrentClub());
    json["previousClub"] = clubs(p.PreviousClub());
    json["clubSince"] = p.ClubSince();
    json["contractUntil"] = p.ContractUntil();
    json["careerCounters"] = Numbers(p.CareerCounters());
    json["furtherCounters"] = Numbers(p.FurtherCounters());
    json["languageLevels"] = Numbers(p.LanguageLevels());
    json["languages"] = Numbers(p.Languages());
    json["firstClub"] = clubs(p.FirstClub());
    json["fourthClub"] = clubs(p.FourthClub());
    json["contractValue"] = p.ContractValue();
    json["contractBytes"] = Numbers(p.ContractBytes());
    json["staffBytes"] = Numbers(p.StaffBytes());
    json["loanClub"] = clubs(p.LoanClub());
    json["contractStart"] = Date(p.ContractStart());
    json["contractEnd"] = Date(p.ContractEnd());
    json["nationalTeamBytes"] = Numbers(p.NationalTeamBytes());
    json["furtherDates"] = Json{Date(p.FurtherDates()[0]), Date(p.FurtherDates()[1])};
    json["shoeType"] = p.ShoeType();
    json["sleeves"] = p.Sleeves();
    Json history = Json::array();
    for (const SHistoryEntry& entry : p.History()) {
        history.push_back(Json{{"kind", entry.kind},
                               {"club", clubs(entry.club)},
                               {"from", Date(entry.from)},
                               {"until", Date(entry.until)},
                               {"games", entry.games},
                               {"goals", entry.goals},
                               {"flag", entry.flag}});
    }
    json["history"] = std::move(history);
    json["note"] = Text(p.Note());
    json["youthFlag"] = p.YouthFlag();
    return json;
}

Json Kit(const CClubKit& kit) {
    Json kits = Json::array();
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        const CClubKit::SKit& k = kit.Kit(which);
        kits.push_back(Json{{"design", k.design},
                            {"secondStyle", k.secondStyle},
                            {"thirdStyle", k.thirdStyle},
                            {"colours", Numbers(k.colours)}});
    }
    return Json{{"kits", std::move(kits)}, {"shared", kit.SharedValue()}};
}

Json Club(const CWorld& world, const CClub& c, const CClubNumbers& clubs) {
    Json json;
    json["id"] = clubs(c.Id());
    json["names"] = Texts(c.Names());
    json["alternativeNames"] = Texts(c.AlternativeNames());
    json["abbreviations"] = Texts(c.Abbreviations());
    json["alternativeAbbreviations"] = Texts(c.AlternativeAbbreviations());
    Json articles = Json::array();
    for (int which = 0; which < 3; ++which) {
        Json row = Json::array();
        for (int language = 0; language < kLanguageCount; ++language) {
            row.push_back(c.ArticleChoice(which, language));
        }
        articles.push_back(std::move(row));
    }
    json["articles"] = std::move(articles);
    json["nameCodes"] = Texts(c.NameCodes());
    Json sentences = Json::array();
    for (int list = 0; list < 2; ++list) {
        Json row = Json::array();
        for (int language = 0; language < kLanguageCount; ++language) {
            row.push_back(c.SentenceChoice(list, language));
        }
        sentences.push_back(std::move(row));
    }
    json["sentences"] = std::move(sentences);
    json["cities"] = Texts(c.Cities());
    json["fansName"] = Text(c.FansName().View());
    json["secondFansName"] = Text(c.SecondFansName().View());
    json["mascot"] = Text(c.Mascot().View());
    json["fanFriendship"] = clubs(c.FanFriendship());
    Json rivals = Json::array();
    for (const std::uint32_t rival : c.Rivals()) {
        rivals.push_back(clubs(rival));
    }
    json["rivals"] = std::move(rivals);
    json["foundingYear"] = c.FoundingYear();
    json["status"] = c.StatusFlags();
    json["initialAssets"] = c.InitialAssets();
    json["creditLine"] = c.CreditLine();
    json["publicCompany"] = c.PublicCompany();
    json["byteFlag"] = c.ByteFlag();
    json["pointsDeduction"] = c.PointsDeduction();
    json["address"] = Text(c.Address().View());
    json["telephone"] = Text(c.Telephone().View());
    json["website"] = Text(c.Website().View());
    json["fanSites"] = Text(c.FanSites().View());
    json["newspaper"] = Text(c.Newspaper().View());
    json["attendance"] = Json{c.BiggestMatchAttendance(), c.AverageAttendance(), c.SeasonTickets()};
    json["statistics"] = Numbers(c.Statistics());
    Json successes = Json::array();
    for (int which = 0; which < CClub::kSuccessCount; ++which) {
        successes.push_back(Text(c.Successes(which)));
    }
    json["successes"] = std::move(successes);
    Json records = Json::array();
    for (int which = 0; which < CClub::kRecordCount; ++which) {
        const CRecordResult& r = c.RecordResult(which);
        records.push_back(Json{{"goalsFor", r.GoalsFor()},
                               {"goalsAgainst", r.GoalsAgainst()},
                               {"attendance", r.Attendance()},
                               {"opponent", Text(r.Opponent().View())},
                               {"season", r.Season()}});
    }
    json["records"] = std::move(records);
    json["badgePath"] = Text(c.BadgePath().View());
    json["colours"] = Json{c.Colour(0), c.Colour(1)};
    json["colourStyle"] = c.ColourStyle();
    json["kit"] = Kit(c.Kit());
    json["stadium"] = Json{{"number", c.StadiumNumber()},
                           {"capacity", c.StadiumCapacity()},
                           {"names", Texts(c.StadiumNames())},
                           {"type", c.StadiumType()},
                           {"flags", c.StadiumFlags()}};
    json["surroundings"] = Numbers(c.Surroundings());
    json["latitude"] = c.Latitude();
    json["longitude"] = c.Longitude();
    json["prestige"] = Json{c.Prestige(), c.SecondPrestige()};
    json["note"] = Text(c.Note());
    json["preferredCountries"] = Json{c.PreferredCountry(0), c.PreferredCountry(1)};
    json["youthCountry"] = c.YouthCountry();
    json["externalNumber"] = c.ExternalNumber();
    Json persons = Json::array();
    for (const std::uint32_t id : c.PersonIds()) {
        if (const CPlayer* person = world.Person(id)) {
            persons.push_back(Person(*person, clubs, true));
        }
    }
    json["persons"] = std::move(persons);
    return json;
}

Json Calendar(const CDBCompetition& node, int calendar) {
    Json days = Json::array();
    for (int day = 0; day < CDBCompetition::kCalendarDays; ++day) {
        const std::int32_t matchday = node.CalendarValue(calendar, day);
        if (matchday != 0) {
            days.push_back(Json{day, matchday});
        }
    }
    return days;
}

Json Ids(const CDBCompetition::Links& links) {
    Json list = Json::array();
    for (const std::uint32_t id : links) {
        if (id == 0) {
            break;
        }
        list.push_back(FormatCompetitionId(id));
    }
    return list;
}

Json Teams(const std::vector<std::uint32_t>& teams, const CClubNumbers& clubs) {
    Json list = Json::array();
    for (const std::uint32_t team : teams) {
        list.push_back(clubs(team));
    }
    return list;
}

Json Competition(const CWorld& world, const CDBCompetition& node, const CClubNumbers& clubs) {
    Json json;
    json["id"] = FormatCompetitionId(node.Id());
    json["kind"] = std::string(node.KindKeyword());
    json["parent"] = FormatCompetitionId(node.ParentId());
    const bool pool = node.Kind() == kPoolKind;
    if (!pool) {
        json["names"] = Texts(node.Names());
    }
    json["baseSetting"] = node.BaseSetting();
    json["level"] = node.Level();
    json["roundName"] = node.RoundName();
    json["sources"] = Ids(node.Sources());
    json["subCompetitions"] = Ids(node.SubCompetitions());
    if (!pool) {
        json["values"] = Numbers(node.FourValues());
        json["calendars"] = Json{Calendar(node, 0), Calendar(node, 1)};
    }
    Json script = Json::array();
    for (const SScriptEntry& entry : world.Scripts().List(node.ScriptStart())) {
        script.push_back(Json{{"command", std::string(ScriptCommandName(entry.command))},
                              {"competition", entry.competition},
                              {"arguments", entry.arguments}});
    }
    json["script"] = std::move(script);

    if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
        json["size"] = league->LeagueSize();
        json["teams"] = Teams(league->Teams(), clubs);
        json["signingFlags"] = league->SigningFlags();
        json["loanRules"] = Json{league->LoanRules1(), league->LoanRules2()};
    }
    if (const auto* league = dynamic_cast<const CDBLeague*>(&node)) {
        json["meetings"] = league->Meetings();
        json["relegationRule"] =
            ValueToKeywords(RelegationRuleKeywords(), league->RelegationRule());
        json["leagueSetting"] = league->LeagueSetting();
        json["multipliers"] = Json{league->SpectatorMultiplier(), league->TransferMultiplier()};
        json["leadingValues"] = Numbers(league->LeadingValues());
        json["trailingValues"] = Numbers(league->TrailingValues());
        Json fixtures = Json::array();
        const CDBFixturelist& list = league->Fixtures();
        for (int row = 0; row < list.Rows(); ++row) {
            Json pairings = Json::array();
            for (int column = 0; column < list.Columns(); ++column) {
                std::uint8_t home = 0;
                std::uint8_t away = 0;
                list.GetPairing(row, column, home, away);
                pairings.push_back(Json{home, away});
            }
            fixtures.push_back(std::move(pairings));
        }
        json["fixtures"] = std::move(fixtures);
    }
    if (const auto* cup = dynamic_cast<const CDBCup*>(&node)) {
        json["format"] = cup->FormatNumber();
        json["settings"] = Json{cup->Setting16(), cup->Setting32()};
        Json rounds = Json::array();
        for (int round = 0; round < CDBCup::kRoundSlots; ++round) {
            Json values = Json::array();
            for (int value = 0; value < CDBCompetition::kValueCount; ++value) {
                values.push_back(cup->RoundValue(value, round));
            }
            rounds.push_back(std::move(values));
        }
        json["roundValues"] = std::move(rounds);
    }
    if (const auto* round = dynamic_cast<const CDBRound*>(&node)) {
        json["roundSetting"] = round->RoundSetting();
        json["modeFlags"] = ValueToFlagNames(MatchFlagKeywords(), round->ModeFlags());
        json["stateFlags"] = ValueToFlagNames(MatchFlagKeywords(), round->StateFlags());
    }
    if (const auto* levelPool = dynamic_cast<const CDBPool*>(&node)) {
        json["poolSize"] = levelPool->PoolSize();
        json["sortMode"] = ValueToKeywords(PoolSortKeywords(), levelPool->SortMode());
        Json checked = Json::array();
        for (int i = 0; i < levelPool->CheckedCount(); ++i) {
            checked.push_back(
                FormatCompetitionId(levelPool->Checked()[static_cast<std::size_t>(i)]));
        }
        json["checked"] = std::move(checked);
    }
    return json;
}

Json Settings(const SCountrySettings& s) {
    const auto name = [](const SCountrySettings::SPersonName& n) {
        return Json{Text(n.firstName.View()), Text(n.surname.View())};
    };
    Json reporters = Json::array();
    for (const auto& reporter : s.reporters) {
        reporters.push_back(name(reporter));
    }
    Json json;
    json["associationName"] = Text(s.associationName.View());
    json["languages"] = Numbers(s.languages);
    json["languageShares"] = Numbers(s.languageShares);
    json["leagueLevelLimit"] = s.leagueLevelLimit;
    json["levelLimitByte"] = s.levelLimitByte;
    json["setting8"] = s.setting8;
    json["settings2"] = Numbers(s.settings2);
    json["settings4"] = Numbers(s.settings4);
    json["president"] = name(s.president);
    json["presidentBirthDate"] = Date(s.presidentBirthDate);
    json["reporters"] = std::move(reporters);
    json["climate"] = s.climate;
    json["tieBreak"] = Numbers(s.tieBreak);
    json["nonEuropeanLimit"] = Numbers(s.nonEuropeanLimit);
    json["relegated"] = Numbers(s.relegated);
    json["cardRules"] = Json{s.leagueYellowRule, s.cupYellowRule,   s.redCardSettings,
                             s.redCardStart,     s.suspensionScope, s.yellowRedLevels};
    json["optionFlags"] = s.optionFlags;
    json["optionValue"] = s.optionValue;
    json["cupOptions"] = s.cupOptions;
    json["abroadProbability"] = s.abroadProbability;
    json["cupFinalStadium"] = s.cupFinalStadium;
    json["slotValues"] = Numbers(s.slotValues);
    json["nationalCupSetting"] = s.nationalCupSetting;
    json["leagueCupSettings"] = s.leagueCupSettings;
    json["superCupSetting"] = s.superCupSetting;
    json["reserveSwitch"] = s.reserveSwitch;
    json["transferPhases"] = Numbers(s.transferPhases);
    json["averageStrength"] = s.averageStrength;
    json["newspaper"] = Text(s.newspaper);
    json["notes"] = Text(s.notes);
    json["titles"] = Numbers(s.titles);
    json["youthLook"] = Json{{"value", s.lookValue},
                             {"hairColours", s.hairColours},
                             {"haircuts", s.haircuts},
                             {"beards", s.beards},
                             {"faces", s.faces},
                             {"averageHeight", s.averageHeight},
                             {"averageWeight", s.averageWeight}};
    json["nationalCoach"] = Manager(s.nationalCoach);
    return json;
}

Json Stadium(const CStadium& stadium) {
    Json stands = Json::array();
    for (int stand = 0; stand < kStandCount; ++stand) {
        stands.push_back(
            Json{stadium.Seats(stand), stadium.StandingPlaces(stand), stadium.VipPlaces(stand)});
    }
    return Json{{"type", stadium.Type()},
                {"name", Text(stadium.Name().View())},
                {"city", Text(stadium.City().View())},
                {"flags", stadium.Flags()},
                {"stands", std::move(stands)},
                {"seasonTicketBlocks", stadium.SeasonTicketBlocks()},
                {"awayBlock", stadium.AwayBlock()}};
}

Json Country(const CWorld& world, const CCountry& country, const CClubNumbers& clubs) {
    Json json;
    json["number"] = country.Number();
    Json names = Json::array();
    for (int language = 0; language < kLanguageCount; ++language) {
        names.push_back(Text(country.Name(language)));
    }
    json["names"] = std::move(names);
    json["shortNames"] = Texts(country.ShortNames());
    json["continentByte"] = country.ContinentByte();
    json["complete"] = country.IsComplete();
    json["leagueScript"] = country.LeagueScript();
    json["settings"] = Settings(country.Settings());
    Json levels = Json::array();
    for (int level = 0; level < kLevelCount; ++level) {
        levels.push_back(Texts(country.LevelNames(level)));
    }
    json["levelNames"] = std::move(levels);

    Json competitions = Json::array();
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Country() == country.Number() && node->Kind() != kRootKind) {
            competitions.push_back(Competition(world, *node, clubs));
        }
    }
    json["competitions"] = std::move(competitions);

    Json clubList = Json::array();
    for (const auto& [id, club] : country.Clubs()) {
        clubList.push_back(Club(world, *club, clubs));
    }
    json["clubs"] = std::move(clubList);

    Json referees = Json::array();
    for (const CReferee& referee : country.Referees()) {
        referees.push_back(Json{{"firstName", Text(referee.FirstName().View())},
                                {"surname", Text(referee.Surname().View())},
                                {"character", referee.Character()}});
    }
    json["referees"] = std::move(referees);
    Json sponsors = Json::array();
    for (const CSponsor& sponsor : country.Sponsors()) {
        sponsors.push_back(Json{{"name", Text(sponsor.Name().View())},
                                {"amount", sponsor.Amount()},
                                {"secondText", Text(sponsor.SecondText().View())},
                                {"thirdText", Text(sponsor.ThirdText().View())}});
    }
    json["sponsors"] = std::move(sponsors);
    Json staff = Json::array();
    for (const CStaffEntry& entry : country.Staff()) {
        staff.push_back(Json{{"firstName", Text(entry.FirstName().View())},
                             {"surname", Text(entry.Surname().View())},
                             {"job", entry.Job()},
                             {"gradeA", entry.GradeA()},
                             {"gradeB", entry.GradeB()},
                             {"furtherBytes", Numbers(entry.FurtherBytes())}});
    }
    json["staff"] = std::move(staff);
    Json stadiums = Json::array();
    for (const CStadium& stadium : country.Stadiums()) {
        stadiums.push_back(Stadium(stadium));
    }
    json["stadiums"] = std::move(stadiums);
    Json managers = Json::array();
    for (const std::uint32_t id : country.ManagerIds()) {
        if (const CManager* manager = world.Manager(id)) {
            managers.push_back(Manager(*manager));
        }
    }
    json["managers"] = std::move(managers);
    Json pool = Json::array();
    for (const CPoolEntry& entry : country.PlayerPool()) {
        if (entry.IsUsed()) {
            pool.push_back(Json{{"firstName", Text(entry.FirstName().View())},
                                {"surname", Text(entry.Surname().View())},
                                {"thirdName", Text(entry.ThirdName().View())},
                                {"nationality", entry.Nationality()},
                                {"specialAbility", entry.SpecialAbility()},
                                {"teamPart", entry.TeamPart()},
                                {"preferredClub", clubs(entry.PreferredClub())}});
        }
    }
    json["playerPool"] = std::move(pool);
    return json;
}

Json Rules(const CRules& rules, const CClubNumbers& clubs) {
    Json continents = Json::array();
    for (int continent = 0; continent < kContinentCount; ++continent) {
        Json competitions = Json::array();
        for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
            competitions.push_back(
                Json{{"names", Texts(rules.CompetitionNames(competition, continent))},
                     {"titleHolder", clubs(rules.TitleHolder(competition, continent))},
                     {"venue", rules.Venue(competition, continent)}});
        }
        continents.push_back(Json{{"competitions", std::move(competitions)},
                                  {"thirdShortNames", Texts(rules.ThirdShortNames(continent))}});
    }
    Json further = Json::array();
    for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
        further.push_back(clubs(rules.FurtherTitleHolder(which)));
    }
    Json values = Json::array();
    for (int rule = 0; rule < CRules::kRuleCount; ++rule) {
        values.push_back(rules.RuleValue(rule));
    }
    return Json{{"continents", std::move(continents)},
                {"worldNames", Texts(rules.WorldNames())},
                {"worldShortNames", Texts(rules.WorldShortNames())},
                {"furtherTitleHolders", std::move(further)},
                {"ruleValues", std::move(values)},
                {"substitutions", rules.Substitutions()}};
}

// The players without club and the rules, appended to `json`.
void AddWithoutClubAndRules(const CWorld& world, const CClubNumbers& clubs, Json& json) {
    Json without = Json::array();
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        if (const CPlayer* person = world.Person(id)) {
            without.push_back(Person(*person, clubs, false));
        }
    }
    json["withoutClub"] = std::move(without);
    json["rules"] = Rules(world.Rules(), clubs);
}

// Bytes that are no valid UTF-8 cannot occur (every text went through the conversion).
std::string Serialised(const Json& json) {
    return json.dump(2) + "\n";
}

}  // namespace

std::string DumpWorldJson(const CWorld& world, int country) {
    const CClubNumbers clubs(world);
    Json json;
    Json countries = Json::array();
    if (world.IsLoaded()) {
        for (int number = 1; number <= kCountryCount; ++number) {
            if (country == 0 || country == number) {
                countries.push_back(Country(world, world.Country(number), clubs));
            }
        }
    }
    json["countries"] = std::move(countries);
    if (country == 0) {
        AddWithoutClubAndRules(world, clubs, json);
    }
    return Serialised(json);
}

std::vector<std::string> DumpCountriesJson(const CWorld& world) {
    const CClubNumbers clubs(world);
    std::vector<std::string> dumps;
    for (int number = 1; number <= kCountryCount; ++number) {
        Json countries = Json::array();
        if (world.IsLoaded()) {
            countries.push_back(Country(world, world.Country(number), clubs));
        }
        Json json;
        json["countries"] = std::move(countries);
        dumps.push_back(Serialised(json));
    }
    return dumps;
}

std::string DumpWithoutClubAndRulesJson(const CWorld& world) {
    const CClubNumbers clubs(world);
    Json json;
    AddWithoutClubAndRules(world, clubs, json);
    return Serialised(json);
}

}  // namespace kw
