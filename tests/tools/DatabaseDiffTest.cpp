#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "competition/Competition.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/World.h"
#include "platform/Cp1252.h"
#include "tools/DatabaseDiff.h"

namespace kw {
namespace {

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

TEST(DatabaseDiff, IdenticalDatabasesReportNothingAlsoAfterASaveAndReload) {
    const auto first = test::LoadSmallDemo();
    const auto second = test::LoadSmallDemo();
    const SDatabaseDiff same = DiffWorlds(*first, *second);
    EXPECT_TRUE(same.IsEmpty()) << DiffText(same);
    EXPECT_EQ(DiffText(same), "identical\n");

    // A save renumbers clubs and a load gives the players without club new ids.
    ASSERT_FALSE(first->WithoutClub().Ids().empty());
    test::TempDir folder;
    const auto reloaded = test::SaveAndReload(*second, folder.Path());
    EXPECT_TRUE(test::ReferenceFaults(*reloaded).empty());
    const SDatabaseDiff afterReload = DiffWorlds(*first, *reloaded);
    EXPECT_TRUE(afterReload.IsEmpty()) << DiffText(afterReload);
}

TEST(DatabaseDiff, OnePlayerFieldOneAddedClubAndOneRemovedLeague) {
    const auto before = test::LoadSmallDemo();
    const auto after = test::LoadSmallDemo();
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
    {
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
}

TEST(DatabaseDiff, AClubDeletedInTheMiddleOfACountryIsOneRemovedClub) {
    const auto before = test::LoadSmallDemo();
    const auto after = test::LoadSmallDemo();
    const int number = FullestCountry(*after);
    CCountry& country = after->Country(number);
    const std::uint32_t middle = MiddleClub(country);
    const std::string name = Cp1252ToUtf8(country.Club(middle)->Name(0));
    country.RemoveClub(middle);

    // After the save every later club of the country has another id; references to the deleted
    // club are written as 0.
    test::TempDir folder;
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

TEST(DatabaseDiff, APlayerMovedBetweenClubsIsOneChangedPerson) {
    const auto before = test::LoadSmallDemo();
    const auto after = test::LoadSmallDemo();
    CCountry& country = after->Country(FullestCountry(*after));
    CClub& from = *country.Clubs().begin()->second;
    CClub& to = *std::next(country.Clubs().begin())->second;
    const std::uint32_t id = from.PersonIds().back();
    from.RemovePerson(id);
    ASSERT_TRUE(to.AddPerson(*after->Person(id)));
    after->Person(id)->SetCurrentClub(to.Id());
    EXPECT_TRUE(test::ReferenceFaults(*after).empty());

    const SDatabaseDiff diff = DiffWorlds(*before, *after);
    const std::vector<SRecordDiff> persons = Records(diff, EDiffKind::Person);
    ASSERT_EQ(persons.size(), 1u) << DiffText(diff);
    EXPECT_EQ(persons[0].change, EDiffChange::Changed);
    EXPECT_EQ(persons[0].club, Cp1252ToUtf8(to.Name(0)));
    const auto moved =
        std::find_if(persons[0].fields.begin(), persons[0].fields.end(),
                     [](const SFieldChange& field) { return field.field == "currentClub"; });
    ASSERT_NE(moved, persons[0].fields.end());
    EXPECT_NE(moved->after.find(Cp1252ToUtf8(to.Name(0))), std::string::npos);
}

TEST(DatabaseDiff, TextAndJsonFormsAndDumpsThatAreNone) {
    const auto before = test::LoadSmallDemo();
    const auto after = test::LoadSmallDemo();
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
}

}  // namespace
}  // namespace kw
