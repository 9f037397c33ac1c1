#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/ClubListCommands.h"
#include "editing/CountryListCommands.h"
#include "editing/LeagueComposition.h"
#include "editing/PersonPlacement.h"
#include "editing/SearchCommands.h"
#include "editing/SquadCommands.h"
#include "editing/WithoutClubCommands.h"
#include "model/World.h"
#include "tools/ChangePackageApply.h"
#include "tools/DatabaseDiff.h"

namespace kw {
namespace {

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

}  // namespace
}  // namespace kw
