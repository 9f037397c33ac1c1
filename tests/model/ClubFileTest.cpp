#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ClubsTestSupport.h"
#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
#include "model/ClubFile.h"
#include "model/Player.h"

namespace kw {
namespace {

using test::ClubsTest;
using test::kClub1;
using test::kClub2;
using test::kClub3;
using test::kCountry;

std::vector<std::string> Surnames(const std::vector<CPlayer*>& persons) {
    std::vector<std::string> names;
    for (const CPlayer* person : persons) {
        names.emplace_back(person->Surname().View());
    }
    return names;
}

// Everything a load could touch: the country with its clubs and their persons, and the world's
// person table.
struct SState {
    std::string country;
    std::vector<std::uint32_t> personIds;
    std::map<std::uint32_t, std::uint32_t> idRemap;

    friend bool operator==(const SState&, const SState&) = default;
};

SState StateOf(const CWorld& world) {
    SState state{DumpWorldJson(world, kCountry), {}, world.IdRemap()};
    for (const auto& entry : world.Persons()) {
        state.personIds.push_back(entry.first);
    }
    std::sort(state.personIds.begin(), state.personIds.end());
    return state;
}

// The club to be replaced holds a player of each team and a staff member; the file comes from
// another database, whose club has two players and a coach.
class ClubFileTest : public ClubsTest {
protected:
    ClubFileTest() {
        SetUpWorld(other);
        CClub& source = *other.Country(kCountry).Club(kClub2);
        source.SetName(0, "Aus der Datei");
        source.SetStadiumNumber(2);
        source.SetStadiumCapacity(30000);
        source.SetBadgePath("color\\badge256\\quelle.tga");
        source.SetFanFriendship(kClub3);
        AddSourcePerson(source, 0, "Erster");
        AddSourcePerson(source, 0, "Zweiter");
        AddSourcePerson(source, 1, "Trainer");
        // As after a database save: the numbering is gone until the club file needs it.
        other.Country(kCountry).ClearNumbering();
        EXPECT_TRUE(SaveClubFile(other, source, path));

        CClub& target = Club(kClub1);
        target.SetName(0, "Ziel");
        target.SetStadiumNumber(1);
        target.SetStadiumCapacity(12000);
        target.SetBadgePath("color\\badge256\\ziel.tga");
        oldIds = {AddPerson(target, 0).Id(), AddPerson(target, 0, 1).Id(),
                  AddPerson(target, 2).Id()};
        bystander = AddPerson(Club(kClub3), 0).Id();
    }

    void AddSourcePerson(CClub& club, std::int8_t kind, const char* surname) {
        CPlayer& person = other.CreatePerson(0, false);
        person.SetKind(kind);
        person.SetSurname(surname);
        person.SetNationality(static_cast<std::uint8_t>(kCountry));
        club.AddPerson(person);
    }

    // Loading `data` as a club file must fail and leave everything as it was.
    void ExpectRefused(std::string_view data, const std::string& what) {
        const auto damaged = dir / "schaden.clb";
        test::WriteFile(damaged, data);
        const SState before = StateOf(world);
        EXPECT_FALSE(LoadClubFile(Club(kClub1), damaged)) << what;
        EXPECT_TRUE(StateOf(world) == before) << what;
    }

    test::TempDir otherInstall;
    CWorld other{otherInstall.Path()};
    const test::TempDir dir;
    const std::filesystem::path path = dir / "verein.clb";
    std::vector<std::uint32_t> oldIds;
    std::uint32_t bystander = 0;
};

// Whole even without the final line break.
TEST_F(ClubFileTest, AWholeFileReplacesTheClubAndItsPersons) {
    const std::string whole = test::ReadFile(path);
    ASSERT_TRUE(whole.ends_with("\r\n"));
    test::WriteFile(path, whole.substr(0, whole.size() - 2));
    CClub& target = Club(kClub1);
    const std::size_t personsBefore = world.Persons().size();
    ASSERT_TRUE(LoadClubFile(target, path));

    EXPECT_EQ(target.Id(), kClub1);
    EXPECT_EQ(target.Name(0), "Aus der Datei");
    EXPECT_EQ(target.FanFriendship(), kClub3);
    EXPECT_EQ(target.StadiumNumber(), 1);
    EXPECT_EQ(target.StadiumCapacity(), 12000);
    EXPECT_EQ(target.BadgePath().View(), "color\\badge256\\ziel.tga");

    EXPECT_THAT(Surnames(target.FirstTeam()), testing::ElementsAre("Erster", "Zweiter"));
    EXPECT_TRUE(target.SecondTeam().empty());
    EXPECT_THAT(Surnames(target.Staff()), testing::ElementsAre("Trainer"));
    ASSERT_EQ(target.PersonIds().size(), 3u);
    for (const std::uint32_t id : target.PersonIds()) {
        EXPECT_NE(world.Person(id), nullptr);
    }
    for (const std::uint32_t id : oldIds) {
        EXPECT_EQ(world.Person(id), nullptr) << id;
    }
    EXPECT_EQ(world.Persons().size(), personsBefore - oldIds.size() + 3);
    EXPECT_NE(world.Person(bystander), nullptr);
    EXPECT_TRUE(Club(kClub3).HasPerson(bystander));
}

TEST_F(ClubFileTest, ACutFileChangesNothing) {
    const std::string whole = test::ReadFile(path);
    constexpr std::string_view kEnd = "%INDEXEND%CLUB0";
    const std::size_t endLine = whole.rfind(kEnd);
    ASSERT_NE(endLine, std::string::npos);
    // Up to the last character of the end line; beyond it the record is whole.
    const std::size_t firstWhole = endLine + kEnd.size();
    std::vector<std::size_t> cuts;
    for (std::size_t cut = 0; cut < firstWhole; cut += 37) {
        cuts.push_back(cut);
    }
    for (std::size_t line = whole.find('\n'); line < firstWhole;
         line = whole.find('\n', line + 1)) {
        cuts.push_back(line + 1);
    }
    cuts.push_back(firstWhole - 1);
    ASSERT_GT(cuts.size(), 50u);
    for (const std::size_t cut : cuts) {
        ExpectRefused(std::string_view(whole).substr(0, cut), "cut at " + std::to_string(cut));
    }
    // The refusals left the whole file loadable.
    ASSERT_TRUE(LoadClubFile(Club(kClub1), path));
}

TEST_F(ClubFileTest, AMissingOrForeignFileChangesNothing) {
    const SState before = StateOf(world);
    EXPECT_FALSE(LoadClubFile(Club(kClub1), dir / "fehlt.clb"));
    EXPECT_TRUE(StateOf(world) == before);

    ExpectRefused("", "empty");
    ExpectRefused("%INDEX%COUNTRY\r\n%INDEXEND%COUNTRY\r\n", "country section");
    ExpectRefused("%INDEX%CLUB1\r\n%INDEXEND%CLUB1\r\n", "another club number");
}

// As the main window runs it: one recorded operation, which undo and redo exchange whole, the
// replaced persons included.
TEST_F(ClubFileTest, OverwritingInADocumentIsUndoneAndRedoneWhole) {
    const test::TempDir install;
    auto owned = std::make_unique<CWorld>(install.Path());
    SetUpWorld(*owned);
    CClub& club = *owned->Country(kCountry).Club(kClub1);
    std::vector<std::uint32_t> replaced;
    for (int i = 0; i < 2; ++i) {
        CPlayer& person = owned->CreatePerson(0, false);
        person.SetSurname("Alt");
        club.AddPerson(person);
        replaced.push_back(person.Id());
    }
    CDatabaseDocument document(std::move(owned));
    const auto content = [&document] {
        const SState state = StateOf(document.World());
        return std::make_pair(state.country, state.personIds);
    };
    const auto before = content();

    ASSERT_TRUE(document.Perform(
        "Verein überschreiben", SWorldScope::Countries({kCountry}), [this](CWorld& world) {
            return LoadClubFile(*world.Country(kCountry).Club(kClub1), path);
        }));
    const auto after = content();
    for (const std::uint32_t id : replaced) {
        EXPECT_EQ(document.World().Person(id), nullptr);
    }
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(content() == before);
    EXPECT_EQ(document.World().Country(kCountry).Club(kClub1)->PersonIds(), replaced);
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(content() == after);
}

}  // namespace
}  // namespace kw
