#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/ClubListCommands.h"
#include "editing/CountryListCommands.h"
#include "editing/LeagueComposition.h"
#include "editing/PersonPlacement.h"
#include "editing/SearchCommands.h"
#include "editing/SeasonCalendar.h"
#include "editing/SquadCommands.h"
#include "editing/WithoutClubCommands.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "platform/Progress.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "tools/ChangePackageApply.h"
#include "tools/DatabaseDiff.h"
#include "tools/DatabaseSync.h"
#include "tools/QuickFind.h"
#include "tools/RecordFields.h"
#include "tools/Validation.h"

namespace kw {
namespace {

using ::testing::Each;
using ::testing::Field;
using ::testing::Lt;

// Draws that are the same on every machine and with every library.
class CDraws {
public:
    explicit CDraws(std::uint64_t seed) : m_state(seed) {}
    std::size_t operator()(std::size_t count) {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return count == 0 ? 0 : static_cast<std::size_t>((m_state >> 33) % count);
    }

private:
    std::uint64_t m_state;
};

// What one database's random edits did that another's must stay clear of or repeat.
struct SEditLog {
    std::set<std::uint32_t> renamedClubs;
    std::set<std::uint32_t> renamedPersons;
    std::vector<std::tuple<std::uint32_t, int, int>> abilities;  // person, ability, value
};

// Random edits through the editing commands, each one edit of the document: renames (when
// allowed), club and person fields, transfers, new and deleted persons and clubs, players
// released and fetched back, country settings, rules and referees.
class CRandomEdits {
public:
    CRandomEdits(CDatabaseDocument& document, std::uint64_t seed, bool renames,
                 const SEditLog& avoid = {})
        : m_document(document), m_draw(seed), m_renames(renames), m_avoid(avoid) {}

    void Run(int count) {
        for (int i = 0; i < count; ++i) {
            Edit(i);
        }
    }

    // The ability edits of the log again: every fourth with the same value, the next with
    // another.
    void Repeat(const SEditLog& log) {
        for (std::size_t i = 0; i < log.abilities.size(); ++i) {
            const auto [id, ability, value] = log.abilities[i];
            if (i % 4 < 2 && !m_avoid.renamedPersons.contains(id) && World().Person(id)) {
                SetAbility(id, ability, i % 4 == 0 ? value : value % 90 + 2);
            }
        }
    }

    SEditLog log;

private:
    const CWorld& World() const { return m_document.World(); }

    const CClub* Club() {
        std::vector<const CClub*> clubs;
        for (int number = 1; number <= kCountryCount; ++number) {
            for (const auto& [id, club] : World().Country(number).Clubs()) {
                if (!club->IsNationalTeam() && !m_avoid.renamedClubs.contains(id)) {
                    clubs.push_back(club.get());
                }
            }
        }
        return clubs[m_draw(clubs.size())];
    }

    std::uint32_t Person(const CClub& club) {
        std::vector<std::uint32_t> persons;
        for (const std::uint32_t id : club.PersonIds()) {
            if (!m_avoid.renamedPersons.contains(id)) {
                persons.push_back(id);
            }
        }
        return persons.empty() ? 0 : persons[m_draw(persons.size())];
    }

    void SetAbility(std::uint32_t id, int ability, int value) {
        std::unique_ptr<CPlayer> values = World().Person(id)->Clone();
        values->SetAbility(ability, static_cast<std::uint8_t>(value));
        m_document.Do(std::make_unique<CPersonValuesEdit>("Spieler", *values));
    }

    void Edit(int i) {
        const CClub& club = *Club();
        const std::uint32_t clubId = club.Id();
        const std::uint32_t person = Person(club);
        const std::string number = std::to_string(i);
        switch (m_draw(13)) {
            case 0: {
                CClub values = club;
                if (m_renames) {
                    values.SetName(0, "Umbenannt " + number);
                    log.renamedClubs.insert(clubId);
                } else {
                    values.SetFoundingYear(static_cast<std::int16_t>(1850 + m_draw(150)));
                }
                values.SetFansName("Fans " + number);
                m_document.Do(std::make_unique<CClubValuesEdit>("Verein", values));
                break;
            }
            case 1:
            case 2:
                if (person != 0) {
                    const int ability = static_cast<int>(m_draw(kAbilityCount));
                    const int value = 1 + static_cast<int>(m_draw(98));
                    SetAbility(person, ability, value);
                    log.abilities.emplace_back(person, ability, value);
                }
                break;
            case 3:
                if (person != 0) {
                    std::unique_ptr<CPlayer> values = World().Person(person)->Clone();
                    values->SetMorale(static_cast<std::uint8_t>(m_draw(100)));
                    if (m_renames) {
                        values->SetSurname("Neu" + number);
                        log.renamedPersons.insert(person);
                    }
                    m_document.Do(std::make_unique<CPersonValuesEdit>("Spieler", *values));
                }
                break;
            case 4: {
                const std::uint32_t target = Club()->Id();
                if (person != 0 && CanMoveSearchedPlayer(World(), person, target)) {
                    TransferSearchedPlayer(m_document, person, target);
                }
                break;
            }
            case 5:
                NewSquadPlayer(m_document, clubId, m_draw(2) == 1, 0);
                break;
            case 6:
                if (person != 0) {
                    DeleteSearchedPlayer(m_document, person);
                }
                break;
            case 7:
                if (!m_created.empty() && m_draw(2) == 0) {
                    DeleteClub(m_document, ClubCountry(m_created.back()), m_created.back());
                    m_created.pop_back();
                } else if (const std::uint32_t created =
                               CreateClub(m_document, club.Country(), "Neu " + number)) {
                    m_created.push_back(created);
                }
                break;
            case 8:
                m_document.Perform(
                    "Land", SWorldScope::Countries({club.Country()}), [this, &club](CWorld& world) {
                        SCountrySettings& settings = world.Country(club.Country()).Settings();
                        settings.climate = static_cast<std::uint8_t>(m_draw(5));
                        settings.averageStrength = static_cast<std::uint8_t>(m_draw(101));
                        return true;
                    });
                break;
            case 9: {
                SWorldScope scope;
                scope.rules = true;
                m_document.Perform("Regeln", scope, [this](CWorld& world) {
                    world.Rules().SetRuleValue(static_cast<int>(m_draw(CRules::kRuleCount)),
                                               static_cast<std::int32_t>(m_draw(10)));
                    return true;
                });
                break;
            }
            case 10: {
                const std::vector<CReferee>& referees = World().Country(club.Country()).Referees();
                if (m_draw(2) == 0 && !referees.empty()) {
                    const std::size_t index = m_draw(referees.size());
                    CReferee referee = referees[index];
                    referee.SetCharacter(static_cast<std::int8_t>(m_draw(6)));
                    ReplaceReferee(m_document, club.Country(), index, referee);
                } else if (m_draw(2) == 0 && !referees.empty()) {
                    RemoveReferee(m_document, club.Country(), m_draw(referees.size()));
                } else {
                    CReferee referee;
                    referee.SetNames("Pfiff", "Nummer " + number);
                    AddReferee(m_document, club.Country(), referee);
                }
                break;
            }
            case 11:
                if (person != 0) {
                    ReleaseSquadPerson(m_document, clubId, person);
                }
                break;
            case 12: {
                const std::vector<std::uint32_t>& without = World().WithoutClub().Ids();
                if (!without.empty()) {
                    MoveWithoutClubPlayersToClub(m_document, {without[m_draw(without.size())]},
                                                 clubId);
                }
                break;
            }
        }
    }

    CDatabaseDocument& m_document;
    CDraws m_draw;
    bool m_renames;
    // A copy: the default is a temporary that ends with the constructor.
    const SEditLog m_avoid;
    std::vector<std::uint32_t> m_created;
};

std::string Lines(const SChangePackage& package, const SPackagePlan& plan, EChangeClass except) {
    std::string lines;
    for (std::size_t i = 0; i < package.changes.size(); ++i) {
        if (plan.outcomes[i].result != except) {
            lines += std::string(ChangeClassText(plan.outcomes[i].result)) + ": " +
                     ChangeLine(package.changes[i]) + " " + plan.outcomes[i].reason + "\n";
        }
    }
    return lines;
}

void ExpectSound(const CWorld& world) {
    const std::vector<std::string> references = test::ReferenceFaults(world);
    EXPECT_TRUE(references.empty()) << references.front();
    const std::vector<std::string> placement = PersonPlacementFaults(world);
    EXPECT_TRUE(placement.empty()) << placement.front();
}

// A = the demo, B = A after a few hundred random edits, C = A with edits of its own (none a
// rename) of which some repeat B's and some differ.
TEST(ChangePackage, TurnsTheOldDatabaseIntoTheNewOneOnceAndKeepsAnotherDatabasesEdits) {
    CDatabaseDocument b(test::LoadSmallDemo());
    CRandomEdits editsB(b, 7, true);
    editsB.Run(300);
    test::TempDir folder;
    const auto savedB = test::SaveAndReload(b.WorldForOperations(), folder.Path());
    const auto a = test::LoadSmallDemo();

    const std::string text = ChangePackageText(MakeChangePackage(*a, *savedB));
    const SPackageRead read = ReadChangePackage(text);
    ASSERT_TRUE(read.package) << read.error;
    EXPECT_EQ(ChangePackageText(*read.package), text);
    const SChangePackage& package = *read.package;

    CDatabaseDocument copy(test::LoadSmallDemo());
    const SPackagePlan plan = PlanChangePackage(copy.World(), package);
    EXPECT_EQ(plan.Count(EChangeClass::kApplies), static_cast<int>(package.changes.size()))
        << Lines(package, plan, EChangeClass::kApplies);
    ASSERT_TRUE(ApplyChangePackage(copy, package, plan));
    EXPECT_EQ(copy.History().Count(), 1u);
    const SDatabaseDiff diff = DiffWorlds(copy.World(), *savedB);
    EXPECT_TRUE(diff.IsEmpty()) << DiffText(diff);
    ExpectSound(copy.World());
    const SPackagePlan again = PlanChangePackage(copy.World(), package);
    EXPECT_EQ(again.Count(EChangeClass::kAlreadyApplied), static_cast<int>(package.changes.size()))
        << Lines(package, again, EChangeClass::kAlreadyApplied);

    CDatabaseDocument c(test::LoadSmallDemo());
    CRandomEdits editsC(c, 11, false, editsB.log);
    editsC.Repeat(editsB.log);
    editsC.Run(150);
    const SChangePackage packageC = MakeChangePackage(*a, c.World());
    const SPackagePlan planC = PlanChangePackage(c.World(), package);
    int same = 0;
    int different = 0;
    for (std::size_t i = 0; i < package.changes.size(); ++i) {
        const SPackageChange& change = package.changes[i];
        for (const SPackageChange& other : packageC.changes) {
            if (change.change == EChange::kField && other.change == EChange::kField &&
                std::tie(change.kind, change.country, change.record, change.field) ==
                    std::tie(other.kind, other.country, other.record, other.field)) {
                const bool equal = change.newValue == other.newValue;
                (equal ? same : different) += 1;
                EXPECT_EQ(planC.outcomes[i].result,
                          equal ? EChangeClass::kAlreadyApplied : EChangeClass::kConflict)
                    << ChangeLine(change) << " / " << ChangeLine(other);
            }
        }
    }
    EXPECT_GT(same, 0);
    EXPECT_GT(different, 0);
    ASSERT_TRUE(ApplyChangePackage(c, package, planC));
    const SPackagePlan kept = PlanChangePackage(c.World(), packageC);
    EXPECT_EQ(kept.Count(EChangeClass::kAlreadyApplied), static_cast<int>(packageC.changes.size()))
        << Lines(packageC, kept, EChangeClass::kAlreadyApplied);
    ExpectSound(c.World());
}

// A new club carries its place in a league; a competition's own change is listed, never carried.
TEST(ChangePackage, ANewClubKeepsItsLeagueWhileCompetitionChangesAreOnlyListed) {
    const auto a = test::LoadSmallDemo();
    CDatabaseDocument b(test::LoadSmallDemo());
    CDatabaseDocument copy(test::LoadSmallDemo());
    int country = 1;
    while (a->Competition(MakeCompetitionId(country, kLeagueType, 0)) == nullptr) {
        ++country;
    }
    const std::uint32_t leagueId = MakeCompetitionId(country, kLeagueType, 0);
    // Room for one more team, in all three databases alike.
    for (CWorld* world : {a.get(), &b.WorldForOperations(), &copy.WorldForOperations()}) {
        auto& league = dynamic_cast<CDBLeagueBase&>(*world->Competition(leagueId));
        league.SetLeagueSize(league.TeamCount() + 1);
    }
    const std::uint32_t club = CreateClub(b, country, "Aufsteiger");
    b.Perform("Liga", SWorldScope::Countries({country}), [&](CWorld& world) {
        auto& league = dynamic_cast<CDBLeagueBase&>(*world.Competition(leagueId));
        league.SetSigningFlags(static_cast<std::uint8_t>(league.SigningFlags() ^ 1));
        return PlaceTeam(world, leagueId, club, 2);
    });

    const SChangePackage package = MakeChangePackage(*a, b.World());
    ASSERT_EQ(package.changes.size(), 2u) << ChangePackageText(package);
    EXPECT_EQ(package.changes[0].change, EChange::kAdded);
    EXPECT_EQ(package.changes[1].change, EChange::kUnsupported);
    const SPackagePlan plan = PlanChangePackage(copy.World(), package);
    EXPECT_EQ(plan.outcomes[0].result, EChangeClass::kApplies) << plan.outcomes[0].reason;
    EXPECT_EQ(plan.outcomes[1].result, EChangeClass::kUnsupported);
    ASSERT_TRUE(ApplyChangePackage(copy, package, plan));

    const auto& league = dynamic_cast<const CDBLeagueBase&>(*copy.World().Competition(leagueId));
    EXPECT_EQ(copy.World().Country(country).Club(league.Team(2))->Name(0), "Aufsteiger");
    const SDatabaseDiff diff = DiffWorlds(copy.World(), b.World());
    ASSERT_EQ(diff.RecordCount(), 1u) << DiffText(diff);
    EXPECT_EQ(diff.countries[0].records[0].kind, EDiffKind::Competition);
}

// A package from strangers is read whole or not at all, with the reason.
TEST(ChangePackage, RefusesWhatIsNoPackageOfThisVersionAndFieldsThatDoNotExist) {
    const std::string head = R"({"format": "kickwerk-change-package", "version": 1, "changes": [)";
    const std::string person =
        R"({"change": "field", "kind": "person", "country": 14, "record": {"club": "14/A",
            "firstName": "F", "surname": "S", "birthDate": null}, )";
    const struct {
        std::string text;
        const char* reason;
    } cases[] = {
        {"", "not a readable package"},
        {head + person, "not a readable package"},
        {R"({"format": "kickwerk-change-package", "version": 2, "changes": []})",
         "unknown package version 2"},
        {R"({"format": "other", "version": 1, "changes": []})", "not a change package"},
        {head + person + R"("field": "wingspan", "old": 1, "new": 2}]})",
         "unknown field \"wingspan\" of a person"},
        {head + person + R"("field": "abilities[3]", "old": 1, "new": 300}]})",
         "abilities[3]: 300 is outside 0 to 255"},
        {head + person + R"("field": "abilities[3]", "old": 1, "new": 2, "x": 0}]})",
         "members the format does not know"},
        {head + R"({"change": "merged", "kind": "person"}]})", "unknown change"},
        {head + R"({"change": "added", "kind": "stadium", "country": 1, "record":
            {"name": "N", "city": "C"}, "fields": {}}]})",
         "neither added nor removed"},
        {head + std::string(100, '[') + "]}", "nested too deeply"},
    };
    for (const auto& c : cases) {
        const SPackageRead read = ReadChangePackage(c.text);
        EXPECT_FALSE(read.package) << c.text;
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << read.error;
    }
    EXPECT_TRUE(ReadChangePackage(head + "]}").package);
}

using Json = DumpJson;
using EKind = SFieldType::EKind;

// The least value of the type.
Json Sample(const SFieldType& type) {
    switch (type.kind) {
        case EKind::kNumber:
            return type.min;
        case EKind::kText:
            return "";
        case EKind::kBool:
            return false;
        case EKind::kClub:
            return 0;
        case EKind::kList: {
            Json list = Json::array();
            for (std::size_t i = 0; i < type.length; ++i) {
                list.push_back(Sample(type.Element(i)));
            }
            return list;
        }
        case EKind::kObject: {
            Json object = Json::object();
            for (const auto& [name, member] : type.members) {
                object[name] = Sample(member);
            }
            return object;
        }
        default:
            return nullptr;
    }
}

// Another value of the type than `value`: every number, text, date and club reference of it
// changed, an empty list of any length given one entry. `club` is a club of the world.
Json Changed(const SFieldType& type, const Json& value, std::uint32_t club) {
    switch (type.kind) {
        case EKind::kNumber: {
            const std::int64_t number = value.get<std::int64_t>();
            return number < type.max ? number + 1 : type.min;
        }
        case EKind::kText:
            return value == "Zz" ? "Yy" : "Zz";
        case EKind::kDate:
            return value == "2001-02-03" ? "2002-03-04" : "2001-02-03";
        case EKind::kBool:
            return !value.get<bool>();
        case EKind::kClub:
            return value == 0 ? club : 0u;
        case EKind::kList: {
            if (type.length == 0 && value.empty()) {
                return Json::array({Changed(type.Element(0), Sample(type.Element(0)), club)});
            }
            Json list = Json::array();
            for (std::size_t i = 0; i < value.size(); ++i) {
                list.push_back(Changed(type.Element(i), value[i], club));
            }
            return list;
        }
        case EKind::kObject: {
            Json object = Json::object();
            for (const auto& [name, member] : type.members) {
                object[name] = Changed(member, value[name], club);
            }
            return object;
        }
    }
    return value;
}

const Json& CountryOf(const Json& dump) {
    return dump["countries"][0];
}

// Every key of a dumped record is a field of its kind or one the kind names as none, and each
// field, set to another value through its table, reads back from the dump as that value.
template <typename R>
void ExpectWrittenBack(ERecordKind kind, const RecordFields<R>& fields, R& record,
                       const std::function<Json()>& dumped, std::uint32_t club) {
    const Json before = dumped();
    for (const auto& [key, value] : before.items()) {
        EXPECT_TRUE(RecordType(kind).Member(key) != nullptr || IsRecordKeyWithoutField(kind, key))
            << key;
    }
    Json changed = Json::object();
    for (const SRecordField<R>& field : fields) {
        ASSERT_TRUE(before.contains(field.name)) << field.name;
        changed[field.name] = Changed(field.type, before[field.name], club);
        EXPECT_FALSE(CheckValue(field.type, changed[field.name], false)) << field.name;
    }
    SetRecordFields(record, fields, changed);
    const Json after = dumped();
    for (const SRecordField<R>& field : fields) {
        EXPECT_EQ(after[field.name], changed[field.name]) << field.name;
    }
}

TEST(RecordFields, EveryFieldOfEveryKindIsWrittenBackWholeAndValuesThatDoNotFitAreNamed) {
    // Freshly loaded, clubs hold the ids their dump gives them.
    const auto world = test::LoadSmallDemo();
    int number = 1;
    while (world->Country(number).ClubCount() < 2 || world->Country(number).Referees().empty() ||
           world->Country(number).Stadiums().empty() ||
           world->Country(number).ManagerIds().empty()) {
        ++number;
    }
    CCountry& country = world->Country(number);
    CClub& club = *std::next(country.Clubs().begin())->second;
    const std::uint32_t other = country.Clubs().begin()->first;
    const auto dump = [&] { return Json::parse(DumpWorldJson(*world, number)); };
    const auto clubPosition = [&] {
        return std::distance(country.Clubs().begin(), country.Clubs().find(club.Id()));
    };

    ExpectWrittenBack(
        ERecordKind::kCountry, CountryFields(), country, [&] { return CountryOf(dump()); }, other);
    ExpectWrittenBack(
        ERecordKind::kClub, ClubFields(), club,
        [&] { return CountryOf(dump())["clubs"][clubPosition()]; }, other);
    ExpectWrittenBack(
        ERecordKind::kPerson, PersonFields(), *world->Person(club.PersonIds()[0]),
        [&] { return CountryOf(dump())["clubs"][clubPosition()]["persons"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kManager, ManagerFields(), *world->Manager(country.ManagerIds()[0]),
        [&] { return CountryOf(dump())["managers"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kReferee, RefereeFields(), country.Referees()[0],
        [&] { return CountryOf(dump())["referees"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kStadium, StadiumFields(), country.Stadiums()[0],
        [&] { return CountryOf(dump())["stadiums"][0]; }, other);
    ExpectWrittenBack(
        ERecordKind::kRules, RulesFields(), world->Rules(),
        [&] { return Json::parse(DumpWithoutClubAndRulesJson(*world))["rules"]; }, other);

    // Values outside their type are named with their path.
    const SFieldType& person = RecordType(ERecordKind::kPerson);
    const struct {
        const char* path;
        Json value;
        const char* fault;
    } cases[] = {
        {"abilities[3]", 256, "abilities[3]: 256 is outside 0 to 255"},
        {"abilities[3]", "7", "a whole number expected"},
        {"firstName", "Sechzehn Zeichen!", "text longer than 15 characters"},
        {"surname", "\u0141ukasz", "characters outside Windows-1252"},
        {"birthDate", "2001-02-30", "a date"},
        {"currentClub", 12, "a club's identity or 0 expected"},
        {"positions", Json::array({1, 2}), "a list of 2 entries"},
    };
    for (const auto& c : cases) {
        const auto path = ParseFieldPath(c.path);
        ASSERT_TRUE(path) << c.path;
        const auto fault = CheckValue(*TypeAtPath(person, *path), c.value, true, c.path);
        ASSERT_TRUE(fault) << c.path;
        EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
    }
    for (const char* malformed : {"", "[1]", "abilities[", "abilities[x]", "a..b", "abilities]"}) {
        EXPECT_FALSE(ParseFieldPath(malformed)) << malformed;
    }
    EXPECT_EQ(TypeAtPath(person, *ParseFieldPath("abilities[43]")), nullptr);
    EXPECT_EQ(TypeAtPath(person, *ParseFieldPath("wingspan")), nullptr);
}

// The names of quick-find hits or tree nodes, in their order.
template <typename Item>
std::vector<std::string> Names(const std::vector<Item>& items) {
    std::vector<std::string> names;
    for (const Item& item : items) {
        names.push_back(item.name);
    }
    return names;
}

// The records of one kind (and change) anywhere in the diff.
std::vector<SRecordDiff> Records(const SDatabaseDiff& diff, EDiffKind kind) {
    std::vector<SRecordDiff> records;
    for (const SCountryDiff& country : diff.countries) {
        for (const SRecordDiff& record : country.records) {
            if (record.kind == kind) {
                records.push_back(record);
            }
        }
    }
    return records;
}

// The country of the small demo with the most clubs, and its club in the middle.
int FullestCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= kCountryCount; ++number) {
        if (world.Country(number).ClubCount() > world.Country(best).ClubCount()) {
            best = number;
        }
    }
    return best;
}

std::uint32_t MiddleClub(const CCountry& country) {
    auto club = country.Clubs().begin();
    std::advance(club, country.ClubCount() / 2);
    return club->first;
}

// A league that no other competition names as source or sub-competition, so removing it leaves
// no dangling link.
std::uint32_t UnlinkedLeague(const CWorld& world, int country) {
    for (const auto& [id, node] : world.Competitions()) {
        if (node->Country() != country || node->Kind() != kLeagueKind) {
            continue;
        }
        // A lambda cannot capture a structured binding with every compiler the project builds with.
        const std::uint32_t leagueId = id;
        bool linked = false;
        for (const auto& [otherId, other] : world.Competitions()) {
            const auto names = [leagueId](const CDBCompetition::Links& links) {
                return std::find(links.begin(), links.end(), leagueId) != links.end();
            };
            linked = linked || names(other->Sources()) || names(other->SubCompetitions()) ||
                     (other->ParentId() == id);
        }
        if (!linked) {
            return id;
        }
    }
    return 0;
}

// Two copies of the small demo: the one before and the one after the changes.
class DatabaseDiff : public ::testing::Test {
protected:
    const std::unique_ptr<CWorld> before = test::LoadSmallDemo();
    const std::unique_ptr<CWorld> after = test::LoadSmallDemo();
};

TEST_F(DatabaseDiff, OnePlayerFieldOneAddedClubAndOneRemovedLeague) {
    const int number = FullestCountry(*after);
    CCountry& country = after->Country(number);

    const CClub& club = *country.Club(MiddleClub(country));
    CPlayer& player = *after->Person(club.PersonIds().front());
    const std::uint8_t ability = player.Abilities()[2];
    player.SetAbility(2, static_cast<std::uint8_t>(ability == 50 ? 60 : 50));

    CClub& added = *country.CreateClub();
    added.SetName(0, "Neuer Verein");
    const std::uint32_t league = UnlinkedLeague(*after, number);
    ASSERT_NE(league, 0u);
    const std::string leagueName = Cp1252ToUtf8(after->Competition(league)->Names()[0].View());
    after->RemoveCompetitionTree(league);
    EXPECT_TRUE(test::ReferenceFaults(*after).empty());

    const SDatabaseDiff diff = DiffWorlds(*before, *after);
    ASSERT_EQ(diff.countries.size(), 1u) << DiffText(diff);
    EXPECT_EQ(diff.countries[0].country, number);

    const std::vector<SRecordDiff> persons = Records(diff, EDiffKind::Person);
    ASSERT_EQ(persons.size(), 1u) << DiffText(diff);
    EXPECT_EQ(persons[0].change, EDiffChange::Changed);
    EXPECT_EQ(persons[0].club, Cp1252ToUtf8(club.Name(0)));
    ASSERT_EQ(persons[0].fields.size(), 1u);
    EXPECT_EQ(persons[0].fields[0].field, "abilities[2]");
    EXPECT_EQ(persons[0].fields[0].before, std::to_string(ability));

    const std::vector<SRecordDiff> clubs = Records(diff, EDiffKind::Club);
    ASSERT_EQ(clubs.size(), 1u) << DiffText(diff);
    EXPECT_EQ(clubs[0].change, EDiffChange::Added);
    EXPECT_EQ(clubs[0].name, "Neuer Verein");

    // Country by country on the worlds gives what the whole dumps give.
    const std::optional<SDatabaseDiff> whole =
        DiffDumps(DumpWorldJson(*before), DumpWorldJson(*after));
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(DiffText(*whole), DiffText(diff));

    const std::vector<SRecordDiff> competitions = Records(diff, EDiffKind::Competition);
    ASSERT_EQ(competitions.size(), 1u) << DiffText(diff);
    EXPECT_EQ(competitions[0].change, EDiffChange::Removed);
    EXPECT_EQ(competitions[0].name, leagueName);
}

// Identical databases report nothing, also after a save and reload; then a club deleted in the
// middle of a country is one removed club.
TEST_F(DatabaseDiff, IdenticalDatabasesReportNothingAndADeletedClubIsOneRemovedClub) {
    const SDatabaseDiff same = DiffWorlds(*before, *after);
    EXPECT_TRUE(same.IsEmpty()) << DiffText(same);
    EXPECT_EQ(DiffText(same), "identical\n");
    // A save renumbers clubs and a load gives the players without club new ids.
    ASSERT_FALSE(before->WithoutClub().Ids().empty());
    test::TempDir folder;
    const SDatabaseDiff afterReload =
        DiffWorlds(*before, *test::SaveAndReload(*after, folder.Path()));
    EXPECT_TRUE(afterReload.IsEmpty()) << DiffText(afterReload);

    const int number = FullestCountry(*after);
    CCountry& country = after->Country(number);
    const std::uint32_t middle = MiddleClub(country);
    const std::string name = Cp1252ToUtf8(country.Club(middle)->Name(0));
    country.RemoveClub(middle);

    // After the save every later club of the country has another id; references to the deleted
    // club are written as 0.
    const auto reloaded = test::SaveAndReload(*after, folder.Path());
    EXPECT_TRUE(test::ReferenceFaults(*reloaded).empty());
    const SDatabaseDiff diff = DiffWorlds(*before, *reloaded);
    EXPECT_EQ(DiffText(*DiffDumps(DumpWorldJson(*before), DumpWorldJson(*reloaded))),
              DiffText(diff));
    const std::vector<SRecordDiff> clubs = Records(diff, EDiffKind::Club);
    const auto removed = std::count_if(clubs.begin(), clubs.end(), [](const SRecordDiff& club) {
        return club.change == EDiffChange::Removed;
    });
    EXPECT_EQ(removed, 1) << DiffText(diff);
    EXPECT_EQ(std::find_if(clubs.begin(), clubs.end(),
                           [&name](const SRecordDiff& club) { return club.name == name; })
                  ->change,
              EDiffChange::Removed);
    // Nothing changed by the renumbering: every other change is a reference to the deleted club
    // that became 0 (rivals and team lists close up behind it), and no person came or went.
    for (const SCountryDiff& other : diff.countries) {
        for (const SRecordDiff& record : other.records) {
            EXPECT_NE(record.change, EDiffChange::Added) << record.name;
            for (const SFieldChange& field : record.fields) {
                EXPECT_TRUE(field.before.find(name) != std::string::npos ||
                            field.field.starts_with("rivals") || field.field == "teams" ||
                            field.field == "complete")
                    << record.name << " " << field.field;
            }
        }
    }
    const std::vector<SRecordDiff> persons = Records(diff, EDiffKind::Person);
    EXPECT_TRUE(std::none_of(persons.begin(), persons.end(), [](const SRecordDiff& person) {
        return person.change == EDiffChange::Removed;
    }));
}

// A referee changed, then renamed; text and JSON forms; then a player moved between clubs.
TEST_F(DatabaseDiff, TextAndJsonFormsDumpsThatAreNoneAndAMovedPlayer) {
    CCountry& country = after->Country(FullestCountry(*after));
    CReferee& referee = country.Referees().front();
    const std::string surname(referee.Surname().View());
    referee.SetCharacter(static_cast<std::int8_t>(referee.Character() == 3 ? 4 : 3));
    const SDatabaseDiff diff = DiffWorlds(*before, *after);
    ASSERT_EQ(diff.RecordCount(), 1u);

    const std::string text = DiffText(diff);
    EXPECT_NE(text.find("  referee changed: " + Cp1252ToUtf8(surname)), std::string::npos) << text;
    EXPECT_NE(text.find("    character: "), std::string::npos) << text;
    EXPECT_NE(text.find("1 records differ"), std::string::npos) << text;

    // Renamed, the referee is another identity: one removed, one added.
    referee.SetNames(referee.FirstName().View(), "Unparteiisch");
    const SDatabaseDiff renamed = DiffWorlds(*before, *after);
    ASSERT_EQ(renamed.RecordCount(), 2u) << DiffText(renamed);
    EXPECT_EQ(renamed.countries[0].records[0].change, EDiffChange::Removed);
    EXPECT_EQ(renamed.countries[0].records[1].change, EDiffChange::Added);

    const std::string json = DiffJson(diff);
    EXPECT_NE(json.find("\"identical\": false"), std::string::npos) << json;
    EXPECT_NE(json.find("\"kind\": \"referee\""), std::string::npos) << json;
    EXPECT_NE(DiffJson(SDatabaseDiff{}).find("\"identical\": true"), std::string::npos);

    EXPECT_FALSE(DiffDumps("{\"countries\": []}", "not json").has_value());
    EXPECT_FALSE(DiffDumps("[1, 2]", "{\"countries\": []}").has_value());
    EXPECT_TRUE(DiffDumps("{\"countries\": []}", "{\"countries\": []}")->IsEmpty());

    // A player moved between clubs is one changed person.
    CClub& from = *country.Clubs().begin()->second;
    CClub& to = *std::next(country.Clubs().begin())->second;
    const std::uint32_t id = from.PersonIds().back();
    from.RemovePerson(id);
    ASSERT_TRUE(to.AddPerson(*after->Person(id)));
    after->Person(id)->SetCurrentClub(to.Id());
    EXPECT_TRUE(test::ReferenceFaults(*after).empty());
    const SDatabaseDiff transfer = DiffWorlds(*before, *after);
    const std::vector<SRecordDiff> persons = Records(transfer, EDiffKind::Person);
    ASSERT_EQ(persons.size(), 1u) << DiffText(transfer);
    EXPECT_EQ(persons[0].change, EDiffChange::Changed);
    EXPECT_EQ(persons[0].club, Cp1252ToUtf8(to.Name(0)));
    const auto moved =
        std::find_if(persons[0].fields.begin(), persons[0].fields.end(),
                     [](const SFieldChange& field) { return field.field == "currentClub"; });
    ASSERT_NE(moved, persons[0].fields.end());
    EXPECT_NE(moved->after.find(Cp1252ToUtf8(to.Name(0))), std::string::npos);
}

// The small demo with a few names of our own that no demo name resembles: a club, a player, a
// staff member and a referee around "Quaxmüller", a stadium "Quaxarena".
TEST(QuickFind, FoldsCaseAndAccentsOrdersByMatchAndKindAndFindsIdsUpToTheLimit) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    CCountry& country = world->Country(14);
    CClub* club = std::next(country.Clubs().begin())->second.get();
    CClub* otherClub = std::next(country.Clubs().begin(), 2)->second.get();
    club->SetName(kDefaultLanguage, "FC Quaxm\xFCller 09");
    otherClub->SetName(kDefaultLanguage, "Quaxmuller");
    CPlayer* player = nullptr;
    CPlayer* staff = nullptr;
    for (const std::uint32_t id : club->PersonIds()) {
        CPlayer& person = *world->Person(id);
        if (person.IsPlayer() && player == nullptr) {
            player = &person;
            person.SetFirstName("J\xF6rg");
            person.SetSurname("Quaxm\xFCller");
        } else if (!person.IsPlayer() && staff == nullptr) {
            staff = &person;
            staff->SetFirstName("Ute");
            staff->SetSurname("Quaxmueller");
        }
    }
    country.Referees().front().SetNames("Quax", "Schiri");
    country.Stadiums().front().SetName("Quaxarena");
    ASSERT_NE(player, nullptr);
    ASSERT_NE(staff, nullptr);
    EXPECT_TRUE(test::ReferenceFaults(*world).empty());
    const CQuickFindIndex index(*world, kDefaultLanguage);

    // "quaxmuller" equals the player's surname and the other club's name folded; it begins a
    // word of the first club's name; the staff member's "Quaxmueller" is no match at all.
    const SFindResult result = index.Find("QUAXMULLER");
    ASSERT_EQ(result.hits.size(), 3u);
    EXPECT_FALSE(result.More());
    const auto& hits = result.hits;
    EXPECT_EQ(std::tuple(hits[0].kind, hits[0].match, hits[0].name, hits[0].club),
              std::tuple(EFindKind::Club, EFindMatch::Exact, "Quaxmuller", otherClub->Id()));
    EXPECT_EQ(std::tuple(hits[1].kind, hits[1].match, hits[1].name, hits[1].id, hits[1].club,
                         hits[1].country),
              std::tuple(EFindKind::Player, EFindMatch::Exact, "J\xF6rg Quaxm\xFCller",
                         player->Id(), club->Id(), 14));
    EXPECT_EQ(std::tuple(hits[2].match, hits[2].name),
              std::tuple(EFindMatch::Prefix, "FC Quaxm\xFCller 09"));

    // "quax" is the referee's first name (exact, first) and begins every other name; the
    // prefix matches follow by kind.
    const SFindResult prefix = index.Find("  quax ");
    ASSERT_EQ(prefix.hits.size(), 6u);
    EXPECT_EQ(prefix.hits[0].kind, EFindKind::Referee);
    EXPECT_EQ(prefix.hits[0].match, EFindMatch::Exact);
    std::vector<EFindKind> kinds;
    for (std::size_t i = 1; i < prefix.hits.size(); ++i) {
        EXPECT_EQ(prefix.hits[i].match, EFindMatch::Prefix) << prefix.hits[i].name;
        kinds.push_back(prefix.hits[i].kind);
    }
    EXPECT_EQ(kinds, (std::vector<EFindKind>{EFindKind::Club, EFindKind::Club, EFindKind::Player,
                                             EFindKind::Staff, EFindKind::Stadium}));
    // Within a kind by name: "FC Quaxmüller 09" before "Quaxmuller".
    EXPECT_EQ(prefix.hits[1].name, "FC Quaxm\xFCller 09");
    // A query that only lies inside a word finds nothing.
    EXPECT_TRUE(index.Find("axmuller").hits.empty());
    EXPECT_TRUE(index.Find("   ").hits.empty());

    // Wildcards match whole names, after the prefix matches.
    const SFindResult wildcard = index.Find("q*m?ller");
    EXPECT_THAT(wildcard.hits, Each(Field(&SFindHit::match, EFindMatch::Wildcard)));
    EXPECT_EQ(Names(wildcard.hits),
              (std::vector<std::string>{"Quaxmuller", "J\xF6rg Quaxm\xFCller"}));
    // "*" at the end is a prefix over the whole name, so the club's own name counts.
    EXPECT_EQ(index.Find("fc quax*").hits.size(), 1u);
    EXPECT_EQ(index.Find("*xmueller").hits.front().kind, EFindKind::Staff);

    // Ids, decimal or hexadecimal.
    const SFindResult byId = index.Find(std::to_string(player->Id()));
    ASSERT_FALSE(byId.hits.empty());
    EXPECT_EQ(std::tuple(byId.hits[0].id, byId.hits[0].match),
              std::tuple(player->Id(), EFindMatch::Exact));
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", club->Id());
    EXPECT_EQ(Names(index.Find(hex).hits), std::vector<std::string>{"FC Quaxm\xFCller 09"});
    EXPECT_TRUE(index.Find("0xZZ").hits.empty());

    // At most the limit, with the count of all.
    ASSERT_GT(index.Size(), 500u);
    const SFindResult all = index.Find("*");
    EXPECT_EQ(all.hits.size(), kQuickFindLimit);
    EXPECT_TRUE(all.More());
    EXPECT_EQ(all.total, index.Size());
    const SFindResult few = index.Find("quax", 2);
    EXPECT_EQ(few.hits.size(), 2u);
    EXPECT_EQ(few.total, 6u);
}

constexpr int kLeftSlot = 0;
constexpr int kRightSlot = 1;
constexpr int kEurope = 0;
constexpr int kAfrica = 3;

// Two small databases side by side: a few named countries on their continents, each with clubs.
class DatabaseSyncTest : public ::testing::Test {
protected:
    DatabaseSyncTest()
        : left(std::make_unique<CWorld>(install.Path())),
          right(std::make_unique<CWorld>(install.Path())) {
        Prepare(left.WorldForOperations());
        Prepare(right.WorldForOperations());
    }

    static void Prepare(CWorld& world) {
        world.InitialiseCountries();
        // Every country sits on a continent beyond the shown ones unless placed below.
        for (int number = 1; number <= kCountryCount; ++number) {
            world.Country(number).SetAttributes(0, 0, 6);
        }
        Place(world, 1, kEurope, "Zetland");
        Place(world, 2, kEurope, "albion");
        Place(world, 3, kAfrica, "Baobab");
    }

    static void Place(CWorld& world, int number, int continent, const std::string& name) {
        CCountry& country = world.Country(number);
        country.SetAttributes(0, 0, static_cast<std::uint8_t>(continent));
        for (int language = 0; language < kLanguageCount; ++language) {
            country.SetName(language, name);
        }
    }

    static CClub& AddClub(CWorld& world, int country, std::uint16_t index,
                          const std::string& name) {
        CClub& club = world.Country(country).AddClub(index);
        for (int language = 0; language < kLanguageCount; ++language) {
            club.SetName(language, name);
        }
        return club;
    }

    static SSyncItem ClubItem(int slot, const CClub& club) {
        return SSyncItem::Club(slot, club.World().Country(club.Country()).Continent(),
                               club.Country(), club.Id());
    }

    static const SSyncNode& Named(const std::vector<SSyncNode>& nodes, const std::string& name) {
        for (const SSyncNode& node : nodes) {
            if (node.name == name) {
                return node;
            }
        }
        throw std::runtime_error("no node " + name);
    }

    CWorld& Left() { return left.WorldForOperations(); }
    CWorld& Right() { return right.WorldForOperations(); }

    test::TempDir install;
    CDatabaseDocument left;
    CDatabaseDocument right;
};

TEST(SyncItem, KindFollowsFromTheRecordAndTheSlotIsNamedByItsLastFolder) {
    EXPECT_EQ(SSyncItem::Continent(2, 4).Kind(), ESyncKind::Continent);
    EXPECT_EQ(SSyncItem::Country(2, 4, 17).Kind(), ESyncKind::Country);
    EXPECT_EQ(SSyncItem::Club(2, 4, 17, 0x00110003).Kind(), ESyncKind::Club);
    // A record with a club but no country is a continent: the country decides first.
    EXPECT_EQ((SSyncItem{1, 0, SSyncItem::kNoCountry, 5}).Kind(), ESyncKind::Continent);

    EXPECT_EQ(SlotDisplayName("C:\\Docs\\database\\Liga"), "Liga");
    EXPECT_EQ(SlotDisplayName("/home/u/database/Liga"), "Liga");
    // A back-slash wins over a later slash.
    EXPECT_EQ(SlotDisplayName("a/b\\c/d"), "c/d");
    EXPECT_EQ(SlotDisplayName("/home/u/database/Liga/"), "Liga");
    EXPECT_EQ(SlotDisplayName("Liga"), "Liga");
    EXPECT_EQ(SlotDisplayName(""), "");
}

// The tree lists continents, countries and clubs sorted; each drop onto it is decided by the
// kinds, the namesakes and the room left.
TEST_F(DatabaseSyncTest, TheTreeIsSortedAndEachDropDecidedByKindsNamesakesAndRoom) {
    const CClub& victoria = AddClub(Left(), 1, 1, "Victoria");
    const CClub& auenkicker = AddClub(Left(), 1, 2, "auenkicker");
    AddClub(Left(), 1, 3, "\xC4rzte Elf");  // A with umlaut sorts among the a's
    AddClub(Left(), 1, 4, "Borough");

    const std::vector<SSyncNode> tree = SyncTree(left, kRightSlot);

    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(Names(tree),
              (std::vector<std::string>{"Afrika", "Asien", "Europa", "Nordamerika", "Ozeanien",
                                        "S\xFC"
                                        "damerika"}));
    const SSyncNode& europeNode = Named(tree, "Europa");
    EXPECT_EQ(europeNode.item, SSyncItem::Continent(kRightSlot, kEurope));
    // Countries beyond the six continents are not shown anywhere.
    EXPECT_EQ(Names(europeNode.children), (std::vector<std::string>{"albion", "Zetland"}));
    EXPECT_EQ(Names(Named(tree, "Afrika").children), (std::vector<std::string>{"Baobab"}));
    EXPECT_TRUE(Named(tree, "Asien").children.empty());

    const SSyncNode& zetland = Named(europeNode.children, "Zetland");
    EXPECT_EQ(zetland.item, SSyncItem::Country(kRightSlot, kEurope, 1));
    // The national team is no node of its own.
    EXPECT_EQ(Names(zetland.children),
              (std::vector<std::string>{"\xC4rzte Elf", "auenkicker", "Borough", "Victoria"}));
    const CClub& borough = *Left().Country(1).Club(zetland.children[2].item.club);
    EXPECT_EQ(borough.Name(kDefaultLanguage), "Borough");
    EXPECT_EQ(zetland.children[2].item, ClubItem(kRightSlot, borough));

    AddClub(Right(), 1, 1, "Victoria");
    AddClub(Right(), 2, 1, "Rovers");
    const CClub& namesake = AddClub(Right(), 2, 7, "Victoria");
    AddClub(Right(), 2, 8, "victoria");  // the letter case counts
    const SSyncItem leftClub = ClubItem(kLeftSlot, victoria);
    const SSyncItem country = SSyncItem::Country(kLeftSlot, kEurope, 1);
    const SSyncItem europe = SSyncItem::Continent(kLeftSlot, kEurope);
    const SSyncItem albion = SSyncItem::Country(kRightSlot, kEurope, 2);

    // Dropped on itself, or a club on its own country: nothing to do.
    for (const SSyncItem& item : {leftClub, country, europe}) {
        EXPECT_EQ(DecideDrop(item, item, left, left).action, EDropAction::Nothing);
    }
    EXPECT_EQ(DecideDrop(leftClub, country, left, left).action, EDropAction::Nothing);
    // The same records in another slot are other nodes, although their names are equal.
    const SDropDecision onClub = DecideDrop(
        leftClub, ClubItem(kRightSlot, *Right().Country(1).Club(victoria.Id())), left, right);
    EXPECT_EQ(onClub.action, EDropAction::CopyClub);
    const SDropDecision onCountry =
        DecideDrop(country, SSyncItem::Country(kRightSlot, kEurope, 1), left, right);
    EXPECT_EQ(onCountry.action, EDropAction::CopyCountry);
    EXPECT_EQ(onCountry.countries, (std::vector<SCountryCopy>{{1, 1}}));

    // A club onto a country copies into its namesake or makes a new club.
    const SDropDecision intoNamesake = DecideDrop(leftClub, albion, left, right);
    EXPECT_EQ(intoNamesake.action, EDropAction::CopyClub);
    EXPECT_EQ(intoNamesake.target, ClubItem(kRightSlot, namesake));
    const SDropDecision fresh = DecideDrop(ClubItem(kLeftSlot, auenkicker), albion, left, right);
    EXPECT_EQ(fresh.action, EDropAction::NewClub);
    EXPECT_EQ(fresh.target, albion);

    // Different kinds and different continents are refused with their messages.
    const std::string sameKinds(ResourceString(ids::kSyncSameKindsOnly));
    ASSERT_FALSE(sameKinds.empty());
    const SSyncItem rightEurope = SSyncItem::Continent(kRightSlot, kEurope);
    const SSyncItem leftAlbion = SSyncItem::Country(kLeftSlot, kEurope, 2);
    for (const auto& [dragged, target] :
         std::vector<std::pair<SSyncItem, SSyncItem>>{{leftAlbion, ClubItem(kRightSlot, victoria)},
                                                      {rightEurope, leftAlbion},
                                                      {leftAlbion, rightEurope},
                                                      {leftClub, rightEurope},
                                                      {rightEurope, leftClub}}) {
        const SDropDecision decision = DecideDrop(dragged, target, left, right);
        EXPECT_EQ(decision.action, EDropAction::Refuse);
        EXPECT_EQ(decision.message, sameKinds);
    }
    const SDropDecision continents =
        DecideDrop(SSyncItem::Continent(kLeftSlot, kAfrica), rightEurope, left, right);
    EXPECT_EQ(continents.action, EDropAction::Refuse);
    EXPECT_EQ(continents.message, ResourceString(ids::kSyncDifferentContinents));
    // Nothing, and a refusal, carried out leave both databases untouched.
    EXPECT_FALSE(CarryOutDrop(DecideDrop(leftClub, country, left, left), leftClub, Left(), left,
                              kAllClubCopyGroups)
                     .has_value());
    EXPECT_FALSE(CarryOutDrop(DecideDrop(leftClub, rightEurope, left, right), leftClub, Left(),
                              right, kAllClubCopyGroups)
                     .has_value());
    EXPECT_FALSE(left.IsModified());
    EXPECT_FALSE(right.IsModified());

    // A full country refuses a new club, naming itself and the limit, but still finds a namesake.
    for (int index = 9; Right().Country(2).ClubCount() < CCountry::kMaxClubs; ++index) {
        AddClub(Right(), 2, static_cast<std::uint16_t>(index), "Club " + std::to_string(index));
    }
    const SDropDecision full = DecideDrop(ClubItem(kLeftSlot, auenkicker), albion, left, right);
    EXPECT_EQ(full.action, EDropAction::Refuse);
    EXPECT_NE(full.message.find("albion"), std::string::npos);
    EXPECT_NE(full.message.find(std::to_string(CCountry::kMaxClubs)), std::string::npos);
    EXPECT_EQ(DecideDrop(leftClub, albion, left, right).target, ClubItem(kRightSlot, namesake));

    // A continent copies the countries the dragged database places on it.
    Place(Left(), 4, kEurope, "Fourland");
    const SDropDecision continent = DecideDrop(europe, rightEurope, left, right);
    EXPECT_EQ(continent.action, EDropAction::CopyCountry);
    EXPECT_EQ(continent.countries, (std::vector<SCountryCopy>{{1, 1}, {2, 2}, {4, 4}}));
}

TEST_F(DatabaseSyncTest, EveryCopyIsOneUndoableChangeOfTheTarget) {
    CClub& source = AddClub(Left(), 1, 1, "Victoria");
    source.SetFoundingYear(1888);
    AddClub(Left(), 1, 2, "Auenkicker").SetFoundingYear(1900);
    CClub& target = AddClub(Right(), 2, 4, "Victoria");
    target.SetFoundingYear(1950);
    const SSyncItem albion = SSyncItem::Country(kRightSlot, kEurope, 2);

    // Into the namesake: only the groups asked for.
    const SSyncItem dragged = ClubItem(kLeftSlot, source);
    const auto shown = CarryOutDrop(DecideDrop(dragged, albion, left, right), dragged, Left(),
                                    right, clubcopy::kGeneral);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, ClubItem(kRightSlot, target));
    EXPECT_EQ(right.World().Country(2).Club(target.Id())->FoundingYear(), 1888);
    EXPECT_EQ(right.UndoDescription(), std::string(ResourceString(ids::kClubCopyCaption)));
    EXPECT_FALSE(left.IsModified());
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(2).Club(target.Id())->FoundingYear(), 1950);
    EXPECT_EQ(left.World().Country(1).Club(source.Id())->FoundingYear(), 1888);
    EXPECT_FALSE(right.UndoDescription().has_value());

    // The mask handed in is the club dialog's; a new club gets every group whatever it says.
    const SSyncItem other = ClubItem(kLeftSlot, *Left().Country(1).Club(MakeClubId(1, 2)));
    const SDropDecision decision = DecideDrop(other, albion, left, right);
    ASSERT_EQ(decision.action, EDropAction::NewClub);
    const auto made = CarryOutDrop(decision, other, Left(), right, 0);
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->Kind(), ESyncKind::Club);
    EXPECT_EQ(made->country, 2);
    const CClub* club = right.World().Country(2).Club(made->club);
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->Name(0), "Auenkicker");
    EXPECT_EQ(club->FoundingYear(), 1900);
    EXPECT_EQ(right.World().Country(2).ClubCount(), 2);
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(2).Club(made->club), nullptr);
    EXPECT_EQ(right.World().Country(2).ClubCount(), 1);

    for (int number = 1; number <= 3; ++number) {
        Left().Country(number).Settings().averageStrength = static_cast<std::uint8_t>(70 + number);
        Right().Country(number).Settings().averageStrength = static_cast<std::uint8_t>(10 + number);
    }
    const auto strength = [this](int number) {
        return right.World().Country(number).Settings().averageStrength;
    };
    // A country onto another number: the target number receives it.
    const SSyncItem zetland = SSyncItem::Country(kLeftSlot, kEurope, 1);
    const SDropDecision single =
        DecideDrop(zetland, SSyncItem::Country(kRightSlot, kAfrica, 3), left, right);
    ASSERT_TRUE(CarryOutDrop(single, zetland, Left(), right, 0x2).has_value());
    EXPECT_EQ(std::tuple(strength(1), strength(3)), std::tuple(11, 71));
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(strength(3), 13);

    const SSyncItem europe = SSyncItem::Continent(kLeftSlot, kEurope);
    const SDropDecision continent =
        DecideDrop(europe, SSyncItem::Continent(kRightSlot, kEurope), left, right);
    ASSERT_TRUE(CarryOutDrop(continent, europe, Left(), right, 0x2).has_value());
    EXPECT_EQ(std::tuple(strength(1), strength(2), strength(3)), std::tuple(71, 72, 13));
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(std::tuple(strength(1), strength(2)), std::tuple(11, 12));
    EXPECT_FALSE(right.IsModified());
    EXPECT_EQ(left.World().Country(1).Settings().averageStrength, 71);
}

constexpr int kGermany = 14;
constexpr int kEngland = 50;

class ValidationTest : public ::testing::Test {
protected:
    ValidationTest() : world(test::LoadSmallDemo()) { tools.Init(test::SmallDemoInstallation()); }

    std::vector<SFinding> Run() {
        return ValidateDatabase(*world, kDefaultLanguage, &tools, nullptr).findings;
    }

    static std::vector<SFinding> OfKind(const std::vector<SFinding>& findings, EFindingKind kind) {
        std::vector<SFinding> found;
        std::copy_if(findings.begin(), findings.end(), std::back_inserter(found),
                     [kind](const SFinding& finding) { return finding.kind == kind; });
        return found;
    }

    // The findings of the kind (in the country, when given) that the sound demo does not have.
    std::vector<SFinding> NewOfKind(EFindingKind kind, int country = -1) {
        std::vector<SFinding> found = OfKind(Run(), kind);
        std::erase_if(found, [this, country](const SFinding& finding) {
            return (country >= 0 && finding.country != country) ||
                   std::any_of(sound.begin(), sound.end(), [&finding](const SFinding& old) {
                       return old.kind == finding.kind && old.country == finding.country &&
                              old.text == finding.text;
                   });
        });
        return found;
    }

    // The one finding of the kind that the sound demo does not have.
    SFinding OnlyNew(EFindingKind kind, int country = -1) {
        const std::vector<SFinding> found = NewOfKind(kind, country);
        EXPECT_EQ(found.size(), 1u) << FindingKindKey(kind);
        return found.empty() ? SFinding{} : found.front();
    }

    CClub& FirstClub(int country) {
        for (const auto& [id, club] : world->Country(country).Clubs()) {
            if (!club->IsNationalTeam()) {
                return *club;
            }
        }
        throw std::runtime_error("no club");
    }

    CDBLeagueBase& League(int country, int index) {
        return dynamic_cast<CDBLeagueBase&>(
            *world->Competition(MakeCompetitionId(country, kLeagueType, index)));
    }

    void SetUp() override { sound = Run(); }

    std::unique_ptr<CWorld> world;
    CGlobalTools tools;
    std::vector<SFinding> sound;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ValidationTest, SoundDemoHasNoErrorsAndCountsWhatItFinds) {
    ASSERT_TRUE(test::ReferenceFaults(*world).empty());
    const SFindingCounts counts = CountFindings(sound);
    EXPECT_EQ(counts.errors, 0);
    EXPECT_THAT(sound, Each(Field(&SFinding::severity, ESeverity::kWarning)));
    // The complete countries are not named as incomplete; countries with clubs only are.
    for (const int complete : {kGermany, kEngland}) {
        EXPECT_EQ(counts.Count(complete, EFindingKind::kIncompleteCountry), 0);
    }
    int total = 0;
    for (int country = 0; country <= kCountryCount; ++country) {
        for (int kind = 0; kind < kFindingKindCount; ++kind) {
            total += counts.Count(country, static_cast<EFindingKind>(kind));
        }
    }
    EXPECT_EQ(total, counts.errors + counts.warnings);
    EXPECT_EQ(total, static_cast<int>(sound.size()));
    EXPECT_TRUE(
        std::is_sorted(sound.begin(), sound.end(), [](const SFinding& a, const SFinding& b) {
            return a.country != b.country ? a.country < b.country : a.kind < b.kind;
        }));
}

// One after another: a broken fixture list, a reserve team and a small first league, each judged
// by its own check only.
TEST_F(ValidationTest, LeagueFaultsAreFoundByTheirOwnChecks) {
    auto& second = dynamic_cast<CDBLeague&>(League(kGermany, 1));
    ASSERT_GT(second.Fixtures().Rows(), 0);
    second.Fixtures().SetPairing(0, 0, 0, 0);
    const SFinding fixtures = OnlyNew(EFindingKind::kFixtureList);
    EXPECT_EQ(fixtures.severity, ESeverity::kError);
    EXPECT_EQ(fixtures.target.kind, ETargetKind::kFixtures);
    EXPECT_EQ(fixtures.target.league, second.Id());
    // The competition check's own finding leaves the fixture fault to this kind.
    EXPECT_TRUE(NewOfKind(EFindingKind::kCompetition).empty());

    CDBLeagueBase& english = League(kEngland, 0);
    std::vector<std::uint32_t> teams = english.Teams();
    ASSERT_FALSE(teams.empty());
    english.ClearTeams();
    teams[0] |= 0x01000000;
    for (const std::uint32_t team : teams) {
        english.AddTeam(team);
    }
    const SFinding reserve = OnlyNew(EFindingKind::kCompetition);
    EXPECT_EQ(reserve.country, kEngland);
    EXPECT_TRUE(Contains(reserve.text, "Reserveteams d\xFCrfen nicht in der Liga spielen!"));
    EXPECT_EQ(reserve.target.kind, ETargetKind::kCountryWindow);

    League(kGermany, 0).SetLeagueSize(6);
    const SFinding incomplete = OnlyNew(EFindingKind::kIncompleteCountry, kGermany);
    EXPECT_EQ(incomplete.severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(incomplete.text, "erste Liga mit 6 statt mindestens 8"))
        << incomplete.text;
    EXPECT_EQ(incomplete.target.kind, ETargetKind::kCountryWindow);
    EXPECT_EQ(incomplete.target.page, ECountryPage::kLeagueSystem);
    const std::vector<SFinding> small = NewOfKind(EFindingKind::kCompetition, kGermany);
    ASSERT_FALSE(small.empty());
    EXPECT_EQ(small[0].severity, ESeverity::kError);
    EXPECT_TRUE(Contains(small[0].text, "Nicht gen\xFCgend Vereine in der Liga!")) << small[0].text;
}

// Faults of records, of the calendar and of the cup formats at once, each point where it is mended.
TEST_F(ValidationTest, RecordCalendarAndCupFormatFaultsPointWhereTheyAreMended) {
    CClub& club = FirstClub(kGermany);
    const std::vector<CPlayer*> players = club.FirstTeam();
    ASSERT_GE(players.size(), 2u);
    players[0]->SetSurname("");
    // A second president in the first team.
    players[1]->SetKind(3);
    players[1]->SetTeamFlag(0);
    club.SetFanFriendship(MakeClubId(kGermany, 999));
    club.SetStadiumNumber(static_cast<std::int32_t>(world->Country(kGermany).Stadiums().size()) +
                          5);
    std::vector<std::uint32_t> without = world->WithoutClub().Ids();
    without.push_back(0x7FFFFFF0);
    world->WithoutClub().SwapIds(without);
    CClub& english = FirstClub(kEngland);
    english.SetBadgePath("Nowhere\\Badge256\\none.tga");
    CCupFormat format = *world->CupFormats().Format(1);
    ASSERT_TRUE(format.AddRound(format.Rounds().back()));
    ASSERT_TRUE(world->CupFormats().Set(200, format));
    CDBCompetition& league = League(kGermany, 0);
    const InternationalDayTable days = MergedInternationalDays(
        world->InternationalDays(), world->Country(kGermany).Continent(), 0);
    const auto national = std::find(days.begin() + 1, days.end(), kNationalTeamDay);
    ASSERT_NE(national, days.end());
    const int day = static_cast<int>(national - days.begin());
    if (league.CalendarValue(0, day) == 0) {
        ASSERT_TRUE(league.RemoveMatchday(0, league.DayOfMatchday(0, 0)));
        ASSERT_TRUE(league.AddMatchday(0, day));
    }

    const std::vector<SFinding> squad = NewOfKind(EFindingKind::kSquad);
    ASSERT_EQ(squad.size(), 2u);
    EXPECT_EQ(squad[0].severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(squad[0].text, std::string(ResourceString(ids::kSquadIncompleteName))));
    EXPECT_EQ(squad[1].severity, ESeverity::kError);
    EXPECT_TRUE(Contains(squad[1].text, std::string(ResourceString(ids::kSquadPresidents))));
    for (const SFinding& finding : squad) {
        EXPECT_EQ(finding.target, (SFindingTarget{ETargetKind::kSquad, kGermany, club.Id()}));
    }

    const std::vector<SFinding> references = NewOfKind(EFindingKind::kReference);
    ASSERT_EQ(references.size(), 3u);
    EXPECT_THAT(references, Each(Field(&SFinding::severity, ESeverity::kError)));
    EXPECT_EQ(references[0].country, 0);  // the players without club come first
    EXPECT_TRUE(Contains(references[0].text, std::to_string(0x7FFFFFF0)));
    EXPECT_EQ(references[1].target,
              (SFindingTarget{ETargetKind::kClubEditor, kGermany, club.Id()}));
    EXPECT_TRUE(Contains(references[2].text, "Stadion"));

    // A missing badge only with the installation's tools.
    const SFinding badge = OnlyNew(EFindingKind::kMissingBadge);
    EXPECT_TRUE(Contains(badge.text, "Nowhere\\Badge256\\none.tga"));
    EXPECT_EQ(badge.target, (SFindingTarget{ETargetKind::kClubEditor, kEngland, english.Id()}));
    EXPECT_TRUE(OfKind(ValidateDatabase(*world, kDefaultLanguage, nullptr, nullptr).findings,
                       EFindingKind::kMissingBadge)
                    .empty());

    // A first league matchday on a national team day.
    const SFinding overlap = OnlyNew(EFindingKind::kCalendarOverlap);
    EXPECT_EQ(overlap.severity, ESeverity::kWarning);
    EXPECT_TRUE(Contains(overlap.text, "2006/2007")) << overlap.text;
    EXPECT_EQ(overlap.target, (SFindingTarget{ETargetKind::kCalendar, kGermany}));

    // A cup format with another round count than its first round states.
    const SFinding cup = OnlyNew(EFindingKind::kCupFormat);
    EXPECT_EQ(cup.country, 0);
    EXPECT_TRUE(Contains(cup.text, "Pokalformat 200")) << cup.text;
    EXPECT_EQ(cup.target.kind, ETargetKind::kNone);
}

// Stops when asked after the given number of countries.
class CStopAfter final : public CSilentProgress {
public:
    explicit CStopAfter(int countries) : m_left(countries) {}
    void SetPos(int position) override { m_last = position; }
    bool IsCancelled() const override { return m_left-- <= 0; }
    int Last() const { return m_last; }

private:
    mutable int m_left;
    int m_last = -1;
};

// A cancelled run stops with the countries done; without the installation the cups are left out
// and the leagues judged.
TEST_F(ValidationTest, CancelledRunsAndRunsWithoutTheInstallation) {
    League(kEngland, 0).SetLeagueSize(6);
    CStopAfter stop(20);
    const SValidationResult result = ValidateDatabase(*world, kDefaultLanguage, &tools, &stop);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(stop.Last(), 19);
    // England (50) was not reached.
    EXPECT_THAT(result.findings, Each(Field(&SFinding::country, Lt(20))));
    CStopAfter never(1000);
    const SValidationResult whole = ValidateDatabase(*world, kDefaultLanguage, &tools, &never);
    EXPECT_FALSE(whole.cancelled);
    EXPECT_EQ(never.Last(), kCountryCount + 1);
    EXPECT_GT(CountFindings(whole.findings).Count(kEngland, EFindingKind::kCompetition), 0);

    // Read without its installation, the database lacks the cup formats its cups name.
    const test::TempDir nothing;
    CWorld bare(nothing.Path());
    bare.InitialiseCountries();
    CSilentProgress progress;
    bare.Load(test::SmallDemoDatabase(), progress);
    EXPECT_GT(
        CountFindings(ValidateDatabase(bare, kDefaultLanguage, nullptr, nullptr).findings).errors,
        0);

    dynamic_cast<CDBLeagueBase&>(*bare.Competition(MakeCompetitionId(kEngland, kLeagueType, 0)))
        .SetLeagueSize(6);
    std::vector<SFinding> errors =
        ValidateDatabase(bare, kDefaultLanguage, nullptr, nullptr, ECheckBasis::kDatabaseOnly)
            .findings;
    std::erase_if(errors,
                  [](const SFinding& finding) { return finding.severity != ESeverity::kError; });
    ASSERT_FALSE(errors.empty());
    for (const SFinding& error : errors) {
        EXPECT_EQ(error.country, kEngland);
        EXPECT_TRUE(Contains(error.text, "Nicht gen\xFCgend Vereine in der Liga!")) << error.text;
    }
}

TEST(ValidationFinding, ReportGroupsByCountryThenKindWithTheWorstSeverity) {
    using enum ESeverity;
    using enum EFindingKind;
    const std::vector<SFinding> findings = {
        {kWarning, 5, kSquad, "", {}},       {kError, 0, kCupFormat, "", {}},
        {kWarning, 5, kCompetition, "", {}}, {kError, 5, kSquad, "", {}},
        {kWarning, 3, kReference, "", {}},
    };
    // Country, worst severity and count, then per kind its worst severity and findings.
    std::string tree;
    for (const SCountryFindings& country : GroupFindings(findings)) {
        tree += std::to_string(country.country) + (country.worst == kError ? " E " : " W ") +
                std::to_string(country.count);
        for (const SFindingGroup& kind : country.kinds) {
            tree += std::string(" | ") + std::string(FindingKindKey(kind.kind)) +
                    (kind.worst == kError ? " E" : " W");
            for (const std::size_t index : kind.findings) {
                tree += " " + std::to_string(index);
            }
        }
        tree += "\n";
    }
    EXPECT_EQ(tree,
              "0 E 1 | cupFormat E 1\n"
              "3 W 1 | reference W 4\n"
              "5 E 3 | competition W 2 | squad E 0 3\n");
}

}  // namespace
}  // namespace kw
