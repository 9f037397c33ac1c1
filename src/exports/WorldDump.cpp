#include "exports/WorldDump.h"

#include <algorithm>
#include <map>

#include "competition/CompetitionText.h"
#include "competition/Cup.h"
#include "competition/League.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "exports/JsonWriter.h"
#include "model/World.h"
#include "model/WorldPart.h"

namespace kw {

// Club references in the compact numbering of a save, built here so that dumping leaves the
// world's own numbering alone. Outside the anonymous namespace, since CRecordDump's private part
// holds one.
class CClubNumbers {
public:
    // As the world holds them.
    CClubNumbers() = default;
    // As a save would number them.
    explicit CClubNumbers(const CWorld& world) : m_asSaved(true) {
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
        if (!m_asSaved || IsNationalTeam(id)) {
            return id;
        }
        const auto found = m_numbers.find(id & kClubIdMask);
        return found == m_numbers.end() ? 0 : found->second | (id & kSecondTeamFlag);
    }

private:
    bool m_asSaved = false;
    std::map<std::uint32_t, std::uint32_t> m_numbers;
};

namespace {

// Two blanks per level, so that ordinary diff tools show a changed value on a line of its own.
int Indent(EDumpLayout layout) {
    return layout == EDumpLayout::Indented ? 2 : -1;
}

void Text(CJsonWriter& w, std::string_view key, std::string_view cp1252) {
    w.Key(key);
    w.Cp1252String(cp1252);
}

template <std::size_t N>
void Texts(CJsonWriter& w, const CLanguageTexts<N>& texts) {
    w.BeginArray();
    for (const auto& text : texts) {
        w.Cp1252String(text.View());
    }
    w.EndArray();
}

template <std::size_t N>
void Texts(CJsonWriter& w, std::string_view key, const CLanguageTexts<N>& texts) {
    w.Key(key);
    Texts(w, texts);
}

template <typename Range>
void Numbers(CJsonWriter& w, std::string_view key, const Range& values) {
    w.Key(key);
    w.Numbers(values);
}

void Date(CJsonWriter& w, CDate date) {
    if (date.IsSet()) {
        w.String(date.IsoText());
    } else {
        w.Null();
    }
}

void Date(CJsonWriter& w, std::string_view key, CDate date) {
    w.Key(key);
    Date(w, date);
}

void Manager(CJsonWriter& w, const CManager& manager) {
    w.BeginObject();
    Text(w, "firstName", manager.FirstName().View());
    Text(w, "surname", manager.Surname().View());
    Text(w, "nickname", manager.Nickname().View());
    w.Member("nationality", manager.Nationality());
    Date(w, "birthDate", manager.BirthDate());
    Numbers(w, "training", manager.TrainingValues());
    Numbers(w, "languages", manager.Languages());
    w.Member("nationalExperience", manager.NationalExperience());
    w.Member("internationalExperience", manager.InternationalExperience());
    w.EndObject();
}

void Person(CJsonWriter& w, const CPlayer& p, const CClubNumbers& clubs, bool withId) {
    w.BeginObject();
    if (withId) {
        w.Member("id", p.Id());
    }
    Text(w, "firstName", p.FirstName().View());
    Text(w, "surname", p.Surname().View());
    Text(w, "stageName", p.StageName().View());
    Text(w, "nickname", p.Nickname().View());
    w.Member("kind", p.Kind());
    w.Member("teamFlag", p.TeamFlag());
    w.Member("nationality", p.Nationality());
    w.Member("secondNationality", p.SecondNationality());
    w.Member("origin", p.OriginByte());
    Date(w, "birthDate", p.BirthDate());
    w.Member("footAndForm", p.FootAndForm());
    w.Member("status", p.StatusByte());
    Numbers(w, "positions", p.Positions());
    Numbers(w, "abilities", p.Abilities());
    w.Member("roleCode", p.RoleCode());
    w.Member("morale", p.Morale());
    w.Member("tacticalTraining", p.TacticalTraining());
    Numbers(w, "looks", p.Looks());
    w.Member("nationalExperience", p.NationalExperience());
    w.Member("internationalExperience", p.InternationalExperience());
    Numbers(w, "shirtNumbers", p.ShirtNumbers());
    w.Member("specialFace", p.SpecialFace());
    w.Member("secondExternalNumber", p.SecondExternalNumber());
    w.Member("currentClub", clubs(p.CurrentClub()));
    w.Member("previousClub", clubs(p.PreviousClub()));
    w.Member("clubSince", p.ClubSince());
    w.Member("contractUntil", p.ContractUntil());
    Numbers(w, "careerCounters", p.CareerCounters());
    Numbers(w, "furtherCounters", p.FurtherCounters());
    Numbers(w, "languageLevels", p.LanguageLevels());
    Numbers(w, "languages", p.Languages());
    w.Member("firstClub", clubs(p.FirstClub()));
    w.Member("fourthClub", clubs(p.FourthClub()));
    w.Member("contractValue", p.ContractValue());
    Numbers(w, "contractBytes", p.ContractBytes());
    Numbers(w, "staffBytes", p.StaffBytes());
    w.Member("loanClub", clubs(p.LoanClub()));
    Date(w, "contractStart", p.ContractStart());
    Date(w, "contractEnd", p.ContractEnd());
    Numbers(w, "nationalTeamBytes", p.NationalTeamBytes());
    w.Key("furtherDates");
    w.BeginArray();
    Date(w, p.FurtherDates()[0]);
    Date(w, p.FurtherDates()[1]);
    w.EndArray();
    w.Member("shoeType", p.ShoeType());
    w.Member("sleeves", p.Sleeves());
    w.Key("history");
    w.BeginArray();
    for (const SHistoryEntry& entry : p.History()) {
        w.BeginObject();
        w.Member("kind", entry.kind);
        w.Member("club", clubs(entry.club));
        Date(w, "from", entry.from);
        Date(w, "until", entry.until);
        w.Member("games", entry.games);
        w.Member("goals", entry.goals);
        w.Member("flag", entry.flag);
        w.EndObject();
    }
    w.EndArray();
    Text(w, "note", p.Note());
    w.Member("youthFlag", p.YouthFlag());
    w.EndObject();
}

void Kit(CJsonWriter& w, const CClubKit& kit) {
    w.BeginObject();
    w.Key("kits");
    w.BeginArray();
    for (int which = 0; which < CClubKit::kKitCount; ++which) {
        const CClubKit::SKit& k = kit.Kit(which);
        w.BeginObject();
        w.Member("design", k.design);
        w.Member("secondStyle", k.secondStyle);
        w.Member("thirdStyle", k.thirdStyle);
        Numbers(w, "colours", k.colours);
        w.EndObject();
    }
    w.EndArray();
    w.Member("shared", kit.SharedValue());
    w.EndObject();
}

// Three or two rows of a choice per language.
template <typename Choice>
void ChoiceRows(CJsonWriter& w, std::string_view key, int rows, const Choice& choice) {
    w.Key(key);
    w.BeginArray();
    for (int row = 0; row < rows; ++row) {
        w.BeginArray();
        for (int language = 0; language < kLanguageCount; ++language) {
            w.Number(choice(row, language));
        }
        w.EndArray();
    }
    w.EndArray();
}

// Without `withPersons` the club's list of persons is left empty.
void Club(CJsonWriter& w, const CWorld& world, const CClub& c, const CClubNumbers& clubs,
          bool withPersons = true) {
    w.BeginObject();
    w.Member("id", clubs(c.Id()));
    Texts(w, "names", c.Names());
    Texts(w, "alternativeNames", c.AlternativeNames());
    Texts(w, "abbreviations", c.Abbreviations());
    Texts(w, "alternativeAbbreviations", c.AlternativeAbbreviations());
    ChoiceRows(w, "articles", 3,
               [&c](int which, int language) { return c.ArticleChoice(which, language); });
    Texts(w, "nameCodes", c.NameCodes());
    ChoiceRows(w, "sentences", 2,
               [&c](int list, int language) { return c.SentenceChoice(list, language); });
    Texts(w, "cities", c.Cities());
    Text(w, "fansName", c.FansName().View());
    Text(w, "secondFansName", c.SecondFansName().View());
    Text(w, "mascot", c.Mascot().View());
    w.Member("fanFriendship", clubs(c.FanFriendship()));
    w.Key("rivals");
    w.BeginArray();
    for (const std::uint32_t rival : c.Rivals()) {
        w.Number(clubs(rival));
    }
    w.EndArray();
    w.Member("foundingYear", c.FoundingYear());
    w.Member("status", c.StatusFlags());
    w.Member("initialAssets", c.InitialAssets());
    w.Member("creditLine", c.CreditLine());
    w.Member("publicCompany", c.PublicCompany());
    w.Member("byteFlag", c.ByteFlag());
    w.Member("pointsDeduction", c.PointsDeduction());
    Text(w, "address", c.Address().View());
    Text(w, "telephone", c.Telephone().View());
    Text(w, "website", c.Website().View());
    Text(w, "fanSites", c.FanSites().View());
    Text(w, "newspaper", c.Newspaper().View());
    w.Key("attendance");
    w.NumberList(c.BiggestMatchAttendance(), c.AverageAttendance(), c.SeasonTickets());
    Numbers(w, "statistics", c.Statistics());
    w.Key("successes");
    w.BeginArray();
    for (int which = 0; which < CClub::kSuccessCount; ++which) {
        w.Cp1252String(c.Successes(which));
    }
    w.EndArray();
    w.Key("records");
    w.BeginArray();
    for (int which = 0; which < CClub::kRecordCount; ++which) {
        const CRecordResult& r = c.RecordResult(which);
        w.BeginObject();
        w.Member("goalsFor", r.GoalsFor());
        w.Member("goalsAgainst", r.GoalsAgainst());
        w.Member("attendance", r.Attendance());
        Text(w, "opponent", r.Opponent().View());
        w.Member("season", r.Season());
        w.EndObject();
    }
    w.EndArray();
    Text(w, "badgePath", c.BadgePath().View());
    w.Key("colours");
    w.NumberList(c.Colour(0), c.Colour(1));
    w.Member("colourStyle", c.ColourStyle());
    w.Key("kit");
    Kit(w, c.Kit());
    w.Key("stadium");
    w.BeginObject();
    w.Member("number", c.StadiumNumber());
    w.Member("capacity", c.StadiumCapacity());
    Texts(w, "names", c.StadiumNames());
    w.Member("type", c.StadiumType());
    w.Member("flags", c.StadiumFlags());
    w.EndObject();
    Numbers(w, "surroundings", c.Surroundings());
    w.Member("latitude", c.Latitude());
    w.Member("longitude", c.Longitude());
    w.Key("prestige");
    w.NumberList(c.Prestige(), c.SecondPrestige());
    Text(w, "note", c.Note());
    w.Key("preferredCountries");
    w.NumberList(c.PreferredCountry(0), c.PreferredCountry(1));
    w.Member("youthCountry", c.YouthCountry());
    w.Member("externalNumber", c.ExternalNumber());
    w.Key("persons");
    w.BeginArray();
    for (const std::uint32_t id : c.PersonIds()) {
        if (const CPlayer* person = withPersons ? world.Person(id) : nullptr) {
            Person(w, *person, clubs, true);
        }
    }
    w.EndArray();
    w.EndObject();
}

void Calendar(CJsonWriter& w, const CDBCompetition& node, int calendar) {
    w.BeginArray();
    for (int day = 0; day < CDBCompetition::kCalendarDays; ++day) {
        const std::int32_t matchday = node.CalendarValue(calendar, day);
        if (matchday != 0) {
            w.NumberList(day, matchday);
        }
    }
    w.EndArray();
}

void Ids(CJsonWriter& w, std::string_view key, const CDBCompetition::Links& links) {
    w.Key(key);
    w.BeginArray();
    for (const std::uint32_t id : links) {
        if (id == 0) {
            break;
        }
        w.String(FormatCompetitionId(id));
    }
    w.EndArray();
}

void LeagueFixtures(CJsonWriter& w, const CDBFixturelist& list) {
    w.Key("fixtures");
    w.BeginArray();
    for (int row = 0; row < list.Rows(); ++row) {
        w.BeginArray();
        for (int column = 0; column < list.Columns(); ++column) {
            std::uint8_t home = 0;
            std::uint8_t away = 0;
            list.GetPairing(row, column, home, away);
            w.NumberList(home, away);
        }
        w.EndArray();
    }
    w.EndArray();
}

void Competition(CJsonWriter& w, const CWorld& world, const CDBCompetition& node,
                 const CClubNumbers& clubs) {
    w.BeginObject();
    w.Key("id");
    w.String(FormatCompetitionId(node.Id()));
    w.Key("kind");
    w.String(node.KindKeyword());
    w.Key("parent");
    w.String(FormatCompetitionId(node.ParentId()));
    const bool pool = node.Kind() == kPoolKind;
    if (!pool) {
        Texts(w, "names", node.Names());
    }
    w.Member("baseSetting", node.BaseSetting());
    w.Member("level", node.Level());
    w.Member("roundName", node.RoundName());
    Ids(w, "sources", node.Sources());
    Ids(w, "subCompetitions", node.SubCompetitions());
    if (!pool) {
        Numbers(w, "values", node.FourValues());
        w.Key("calendars");
        w.BeginArray();
        Calendar(w, node, 0);
        Calendar(w, node, 1);
        w.EndArray();
    }
    w.Key("script");
    w.BeginArray();
    for (const SScriptEntry& entry : world.Scripts().List(node.ScriptStart())) {
        w.BeginObject();
        w.Key("command");
        w.String(ScriptCommandName(entry.command));
        w.Member("competition", entry.competition);
        w.Member("arguments", entry.arguments);
        w.EndObject();
    }
    w.EndArray();

    if (const auto* league = dynamic_cast<const CDBLeagueBase*>(&node)) {
        w.Member("size", league->LeagueSize());
        w.Key("teams");
        w.BeginArray();
        for (const std::uint32_t team : league->Teams()) {
            w.Number(clubs(team));
        }
        w.EndArray();
        w.Member("signingFlags", league->SigningFlags());
        w.Key("loanRules");
        w.NumberList(league->LoanRules1(), league->LoanRules2());
    }
    if (const auto* league = dynamic_cast<const CDBLeague*>(&node)) {
        w.Member("meetings", league->Meetings());
        w.Key("relegationRule");
        w.String(ValueToKeywords(RelegationRuleKeywords(), league->RelegationRule()));
        w.Member("leagueSetting", league->LeagueSetting());
        w.Key("multipliers");
        w.NumberList(league->SpectatorMultiplier(), league->TransferMultiplier());
        Numbers(w, "leadingValues", league->LeadingValues());
        Numbers(w, "trailingValues", league->TrailingValues());
        LeagueFixtures(w, league->Fixtures());
    }
    if (const auto* cup = dynamic_cast<const CDBCup*>(&node)) {
        w.Member("format", cup->FormatNumber());
        w.Key("settings");
        w.NumberList(cup->Setting16(), cup->Setting32());
        w.Key("roundValues");
        w.BeginArray();
        for (int round = 0; round < CDBCup::kRoundSlots; ++round) {
            w.BeginArray();
            for (int value = 0; value < CDBCompetition::kValueCount; ++value) {
                w.Number(cup->RoundValue(value, round));
            }
            w.EndArray();
        }
        w.EndArray();
    }
    if (const auto* round = dynamic_cast<const CDBRound*>(&node)) {
        w.Member("roundSetting", round->RoundSetting());
        w.Key("modeFlags");
        w.String(ValueToFlagNames(MatchFlagKeywords(), round->ModeFlags()));
        w.Key("stateFlags");
        w.String(ValueToFlagNames(MatchFlagKeywords(), round->StateFlags()));
    }
    if (const auto* levelPool = dynamic_cast<const CDBPool*>(&node)) {
        w.Member("poolSize", levelPool->PoolSize());
        w.Key("sortMode");
        w.String(ValueToKeywords(PoolSortKeywords(), levelPool->SortMode()));
        w.Key("checked");
        w.BeginArray();
        for (int i = 0; i < levelPool->CheckedCount(); ++i) {
            w.String(FormatCompetitionId(levelPool->Checked()[static_cast<std::size_t>(i)]));
        }
        w.EndArray();
    }
    w.EndObject();
}

void PersonName(CJsonWriter& w, const SCountrySettings::SPersonName& name) {
    w.BeginArray();
    w.Cp1252String(name.firstName.View());
    w.Cp1252String(name.surname.View());
    w.EndArray();
}

void Settings(CJsonWriter& w, const SCountrySettings& s) {
    w.BeginObject();
    Text(w, "associationName", s.associationName.View());
    Numbers(w, "languages", s.languages);
    Numbers(w, "languageShares", s.languageShares);
    w.Member("leagueLevelLimit", s.leagueLevelLimit);
    w.Member("levelLimitByte", s.levelLimitByte);
    w.Member("setting8", s.setting8);
    Numbers(w, "settings2", s.settings2);
    Numbers(w, "settings4", s.settings4);
    w.Key("president");
    PersonName(w, s.president);
    Date(w, "presidentBirthDate", s.presidentBirthDate);
    w.Key("reporters");
    w.BeginArray();
    for (const auto& reporter : s.reporters) {
        PersonName(w, reporter);
    }
    w.EndArray();
    w.Member("climate", s.climate);
    Numbers(w, "tieBreak", s.tieBreak);
    Numbers(w, "nonEuropeanLimit", s.nonEuropeanLimit);
    Numbers(w, "relegated", s.relegated);
    w.Key("cardRules");
    w.NumberList(s.leagueYellowRule, s.cupYellowRule, s.redCardSettings, s.redCardStart,
                 s.suspensionScope, s.yellowRedLevels);
    w.Member("optionFlags", s.optionFlags);
    w.Member("optionValue", s.optionValue);
    w.Member("cupOptions", s.cupOptions);
    w.Member("abroadProbability", s.abroadProbability);
    w.Member("cupFinalStadium", s.cupFinalStadium);
    Numbers(w, "slotValues", s.slotValues);
    w.Member("nationalCupSetting", s.nationalCupSetting);
    w.Member("leagueCupSettings", s.leagueCupSettings);
    w.Member("superCupSetting", s.superCupSetting);
    w.Member("reserveSwitch", s.reserveSwitch);
    Numbers(w, "transferPhases", s.transferPhases);
    w.Member("averageStrength", s.averageStrength);
    Text(w, "newspaper", s.newspaper);
    Text(w, "notes", s.notes);
    Numbers(w, "titles", s.titles);
    w.Key("youthLook");
    w.BeginObject();
    w.Member("value", s.lookValue);
    w.Member("hairColours", s.hairColours);
    w.Member("haircuts", s.haircuts);
    w.Member("beards", s.beards);
    w.Member("faces", s.faces);
    w.Member("averageHeight", s.averageHeight);
    w.Member("averageWeight", s.averageWeight);
    w.EndObject();
    w.Key("nationalCoach");
    Manager(w, s.nationalCoach);
    w.EndObject();
}

void Stadium(CJsonWriter& w, const CStadium& stadium) {
    w.BeginObject();
    w.Member("type", stadium.Type());
    Text(w, "name", stadium.Name().View());
    Text(w, "city", stadium.City().View());
    w.Member("flags", stadium.Flags());
    w.Key("stands");
    w.BeginArray();
    for (int stand = 0; stand < kStandCount; ++stand) {
        w.NumberList(stadium.Seats(stand), stadium.StandingPlaces(stand), stadium.VipPlaces(stand));
    }
    w.EndArray();
    w.Member("seasonTicketBlocks", stadium.SeasonTicketBlocks());
    w.Member("awayBlock", stadium.AwayBlock());
    w.EndObject();
}

void CountryCollections(CJsonWriter& w, const CWorld& world, const CCountry& country,
                        const CClubNumbers& clubs) {
    w.Key("referees");
    w.BeginArray();
    for (const CReferee& referee : country.Referees()) {
        w.BeginObject();
        Text(w, "firstName", referee.FirstName().View());
        Text(w, "surname", referee.Surname().View());
        w.Member("character", referee.Character());
        w.EndObject();
    }
    w.EndArray();
    w.Key("sponsors");
    w.BeginArray();
    for (const CSponsor& sponsor : country.Sponsors()) {
        w.BeginObject();
        Text(w, "name", sponsor.Name().View());
        w.Member("amount", sponsor.Amount());
        Text(w, "secondText", sponsor.SecondText().View());
        Text(w, "thirdText", sponsor.ThirdText().View());
        w.EndObject();
    }
    w.EndArray();
    w.Key("staff");
    w.BeginArray();
    for (const CStaffEntry& entry : country.Staff()) {
        w.BeginObject();
        Text(w, "firstName", entry.FirstName().View());
        Text(w, "surname", entry.Surname().View());
        w.Member("job", entry.Job());
        w.Member("gradeA", entry.GradeA());
        w.Member("gradeB", entry.GradeB());
        Numbers(w, "furtherBytes", entry.FurtherBytes());
        w.EndObject();
    }
    w.EndArray();
    w.Key("stadiums");
    w.BeginArray();
    for (const CStadium& stadium : country.Stadiums()) {
        Stadium(w, stadium);
    }
    w.EndArray();
    w.Key("managers");
    w.BeginArray();
    for (const std::uint32_t id : country.ManagerIds()) {
        if (const CManager* manager = world.Manager(id)) {
            Manager(w, *manager);
        }
    }
    w.EndArray();
    w.Key("playerPool");
    w.BeginArray();
    for (const CPoolEntry& entry : country.PlayerPool()) {
        if (entry.IsUsed()) {
            w.BeginObject();
            Text(w, "firstName", entry.FirstName().View());
            Text(w, "surname", entry.Surname().View());
            Text(w, "thirdName", entry.ThirdName().View());
            w.Member("nationality", entry.Nationality());
            w.Member("specialAbility", entry.SpecialAbility());
            w.Member("teamPart", entry.TeamPart());
            w.Member("preferredClub", clubs(entry.PreferredClub()));
            w.EndObject();
        }
    }
    w.EndArray();
}

// Without `whole` the competitions and clubs are left out (their lists empty); `keepClub`, when
// given, chooses the clubs shown.
void Country(CJsonWriter& w, const CWorld& world, const CCountry& country,
             const CClubNumbers& clubs, bool whole = true,
             const CRecordDump::ClubFilter& keepClub = {}) {
    w.BeginObject();
    w.Member("number", country.Number());
    w.Key("names");
    w.BeginArray();
    for (int language = 0; language < kLanguageCount; ++language) {
        w.Cp1252String(country.Name(language));
    }
    w.EndArray();
    Texts(w, "shortNames", country.ShortNames());
    w.Member("continentByte", country.ContinentByte());
    w.Key("complete");
    w.Bool(country.IsComplete());
    w.Member("leagueScript", country.LeagueScript());
    w.Key("settings");
    Settings(w, country.Settings());
    w.Key("levelNames");
    w.BeginArray();
    for (int level = 0; level < kLevelCount; ++level) {
        Texts(w, country.LevelNames(level));
    }
    w.EndArray();

    w.Key("competitions");
    w.BeginArray();
    for (const auto& [id, node] : world.Competitions()) {
        if (whole && node->Country() == country.Number() && node->Kind() != kRootKind) {
            Competition(w, world, *node, clubs);
        }
    }
    w.EndArray();

    w.Key("clubs");
    w.BeginArray();
    for (const auto& [id, club] : country.Clubs()) {
        if (whole && (!keepClub || keepClub(*club))) {
            Club(w, world, *club, clubs);
        }
    }
    w.EndArray();
    CountryCollections(w, world, country, clubs);
    w.EndObject();
}

void Rules(CJsonWriter& w, const CRules& rules, const CClubNumbers& clubs) {
    w.BeginObject();
    w.Key("continents");
    w.BeginArray();
    for (int continent = 0; continent < kContinentCount; ++continent) {
        w.BeginObject();
        w.Key("competitions");
        w.BeginArray();
        for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
            w.BeginObject();
            Texts(w, "names", rules.CompetitionNames(competition, continent));
            w.Member("titleHolder", clubs(rules.TitleHolder(competition, continent)));
            w.Member("venue", rules.Venue(competition, continent));
            w.EndObject();
        }
        w.EndArray();
        Texts(w, "thirdShortNames", rules.ThirdShortNames(continent));
        w.EndObject();
    }
    w.EndArray();
    Texts(w, "worldNames", rules.WorldNames());
    Texts(w, "worldShortNames", rules.WorldShortNames());
    w.Key("furtherTitleHolders");
    w.BeginArray();
    for (int which = 0; which < CRules::kFurtherTitleHolderCount; ++which) {
        w.Number(clubs(rules.FurtherTitleHolder(which)));
    }
    w.EndArray();
    w.Key("ruleValues");
    w.BeginArray();
    for (int rule = 0; rule < CRules::kRuleCount; ++rule) {
        w.Number(rules.RuleValue(rule));
    }
    w.EndArray();
    w.Member("substitutions", rules.Substitutions());
    w.EndObject();
}

// The players without club, as a member of the open object.
void WithoutClub(CJsonWriter& w, const CWorld& world, const CClubNumbers& clubs) {
    w.Key("withoutClub");
    w.BeginArray();
    for (const std::uint32_t id : world.WithoutClub().Ids()) {
        if (const CPlayer* person = world.Person(id)) {
            Person(w, *person, clubs, false);
        }
    }
    w.EndArray();
}

// The players without club and the rules, as members of the open object.
void WithoutClubAndRules(CJsonWriter& w, const CWorld& world, const CClubNumbers& clubs) {
    WithoutClub(w, world, clubs);
    w.Key("rules");
    Rules(w, world.Rules(), clubs);
}

// Closes the top object and ends the text with a line break.
std::string Finished(CJsonWriter& w) {
    w.EndObject();
    return w.Take() + "\n";
}

}  // namespace

std::string DumpWorldJson(const CWorld& world, int country, EDumpLayout layout) {
    const CClubNumbers clubs(world);
    CJsonWriter w(Indent(layout));
    w.BeginObject();
    w.Key("countries");
    w.BeginArray();
    if (world.IsLoaded()) {
        for (int number = 1; number <= kCountryCount; ++number) {
            if (country == 0 || country == number) {
                Country(w, world, world.Country(number), clubs);
            }
        }
    }
    w.EndArray();
    if (country == 0) {
        WithoutClubAndRules(w, world, clubs);
    }
    return Finished(w);
}

std::string DumpWithoutClubAndRulesJson(const CWorld& world, EDumpLayout layout) {
    const CClubNumbers clubs(world);
    CJsonWriter w(Indent(layout));
    w.BeginObject();
    WithoutClubAndRules(w, world, clubs);
    return Finished(w);
}

struct CRecordDump::SNumbers {
    CClubNumbers clubs;
};

CRecordDump::CRecordDump(const CWorld& world)
    : m_world(world), m_numbers(std::make_unique<SNumbers>(SNumbers{CClubNumbers(world)})) {}

CRecordDump::~CRecordDump() = default;

std::string CRecordDump::Club(const CClub& club, bool withPersons) const {
    CJsonWriter w(Indent(EDumpLayout::Compact));
    kw::Club(w, m_world, club, m_numbers->clubs, withPersons);
    return w.Take();
}

std::string CRecordDump::Person(const CPlayer& person, bool withId) const {
    CJsonWriter w(Indent(EDumpLayout::Compact));
    kw::Person(w, person, m_numbers->clubs, withId);
    return w.Take();
}

std::string CRecordDump::Rules() const {
    CJsonWriter w(Indent(EDumpLayout::Compact));
    kw::Rules(w, m_world.Rules(), m_numbers->clubs);
    return w.Take();
}

std::string CRecordDump::Country(int number) const {
    CJsonWriter w(Indent(EDumpLayout::Compact));
    kw::Country(w, m_world, m_world.Country(number), m_numbers->clubs, false);
    return w.Take();
}

std::string CRecordDump::CountryPart(int number, EDumpLayout layout,
                                     const ClubFilter& keepClub) const {
    CJsonWriter w(Indent(layout));
    w.BeginObject();
    w.Key("countries");
    w.BeginArray();
    if (m_world.IsLoaded()) {
        kw::Country(w, m_world, m_world.Country(number), m_numbers->clubs, true, keepClub);
    }
    w.EndArray();
    return Finished(w);
}

PartTexts DumpOutsideScopeJson(const CWorld& world, const SWorldScope& scope) {
    const CClubNumbers asHeld;
    PartTexts parts;
    for (int number = 1; world.IsLoaded() && number <= kCountryCount; ++number) {
        if (std::find(scope.countries.begin(), scope.countries.end(), number) ==
            scope.countries.end()) {
            CJsonWriter w(Indent(EDumpLayout::Compact));
            Country(w, world, world.Country(number), asHeld);
            parts.emplace_back("country " + std::to_string(number), w.Take());
        }
    }
    if (!scope.withoutClub) {
        CJsonWriter w(Indent(EDumpLayout::Compact));
        w.BeginObject();
        WithoutClub(w, world, asHeld);
        parts.emplace_back("the players without club", Finished(w));
    }
    if (!scope.rules) {
        CJsonWriter w(Indent(EDumpLayout::Compact));
        Rules(w, world.Rules(), asHeld);
        parts.emplace_back("the rules", w.Take());
    }
    return parts;
}

}  // namespace kw
