#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "TestWorld.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "platform/Random.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

class SquadRulesTest : public test::TestWorld {
protected:
    SquadRulesTest() : club(*world.Country(kDefaultCountry).CreateClub()) {}

    CPlayer& Add(int kind, int team, std::string_view surname = "Meier",
                 std::string_view firstName = "Jan") {
        CPlayer& person = world.CreatePerson(0, true);
        person.Reset(kind, kDefaultCountry);
        person.SetTeamFlag(static_cast<std::int8_t>(team));
        person.SetSurname(surname);
        person.SetFirstName(firstName);
        EXPECT_TRUE(club.AddPerson(person));
        return person;
    }
    void AddPlayers(int count, int team = 0) {
        for (int i = 0; i < count; ++i) {
            Add(personkind::kPlayer, team);
        }
    }

    CClub& club;
};

TEST_F(SquadRulesTest, CheckListsEveryFaultInItsOrder) {
    AddPlayers(13);
    Add(personkind::kTrainer, 0);
    Add(personkind::kTrainer, 0);
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadFewPlayers, ids::kSquadTrainers}));

    AddPlayers(1);
    Add(personkind::kManager, 0);
    Add(personkind::kManager, 0);
    Add(personkind::kPresident, 0);
    Add(personkind::kPresident, 0);
    Add(personkind::kPlayer, 0, "", "Jan");
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadIncompleteName, ids::kSquadTrainers,
                                                  ids::kSquadManagers, ids::kSquadPresidents}));
}

TEST_F(SquadRulesTest, SecondTeamPlayersDoNotCountButAPresidentThereIsAFault) {
    AddPlayers(14, 1);
    Add(personkind::kTrainer, 1);
    Add(personkind::kTrainer, 1);
    Add(personkind::kPresident, 1);
    EXPECT_EQ(CheckSquad(club),
              (std::vector<int>{ids::kSquadFewPlayers, ids::kSquadSecondTeamPresident}));
    AddPlayers(14);
    Add(personkind::kTrainer, 0);
    Add(personkind::kPresident, 0);
    EXPECT_EQ(CheckSquad(club), (std::vector<int>{ids::kSquadSecondTeamPresident}));
}

TEST_F(SquadRulesTest, RowsShowOneTeamsPlayersAndSortByEachColumn) {
    CPlayer& zorn = Add(personkind::kPlayer, 0, "Zorn", "Al");
    CPlayer& abel = Add(personkind::kPlayer, 0, "Abel", "Ole");
    CPlayer& abelToo = Add(personkind::kPlayer, 0, "Abel", "Ben");
    Add(personkind::kPlayer, 1, "Reserve", "Rolf");
    Add(personkind::kTrainer, 0, "Coach", "Carl");
    zorn.SetPosition(0, position::kStriker);
    abel.SetPosition(0, position::kGoalkeeper);
    abelToo.SetPosition(0, position::kNone);
    zorn.SetAbility(6, 99);

    std::vector<SSquadRow> rows = SquadRows(club, false, 0);
    ASSERT_EQ(rows.size(), 3u);
    SortSquadRows(rows, ESquadOrder::kName);
    EXPECT_EQ(rows[0].personId, abelToo.Id());
    EXPECT_EQ(rows[1].personId, abel.Id());
    EXPECT_EQ(rows[2].personId, zorn.Id());
    SortSquadRows(rows, ESquadOrder::kPosition);
    EXPECT_EQ(rows[0].personId, abelToo.Id());
    EXPECT_EQ(rows[2].personId, zorn.Id());
    SortSquadRows(rows, ESquadOrder::kStrength);
    EXPECT_GE(rows[0].strength, rows[1].strength);
    EXPECT_GE(rows[1].strength, rows[2].strength);

    const SSquadRow& striker = *std::find_if(
        rows.begin(), rows.end(), [&](const SSquadRow& r) { return r.personId == zorn.Id(); });
    EXPECT_EQ(SquadRowText(striker), "Zorn, A.\tST\t" + world.Country(kDefaultCountry).Name(0) +
                                         '\t' + std::to_string(static_cast<int>(striker.strength)));
    EXPECT_EQ(PositionAbbreviation(position::kNone), "-");
    EXPECT_EQ(PositionAbbreviation(18), "-");
    EXPECT_EQ(PositionAbbreviation(position::kGoalkeeper), "TO");

    ASSERT_EQ(SquadRows(club, true, 0).size(), 1u);
    EXPECT_DOUBLE_EQ(AverageSquadStrength({}), 0.0);
}

TEST_F(SquadRulesTest, ReselectionFollowsThePersonThenTheIndexThenTheEnd) {
    Add(personkind::kPlayer, 0, "A");
    CPlayer& second = Add(personkind::kPlayer, 0, "B");
    Add(personkind::kPlayer, 0, "C");
    const std::vector<SSquadRow> rows = SquadRows(club, false, 0);
    EXPECT_EQ(RowToReselect(rows, second.Id(), 0), 1);
    EXPECT_EQ(RowToReselect(rows, 999999, 2), 2);
    EXPECT_EQ(RowToReselect(rows, 999999, 7), 2);
    EXPECT_EQ(RowToReselect(rows, 999999, -1), 2);
    EXPECT_EQ(RowToReselect({}, second.Id(), 0), -1);
}

TEST(SquadRules, NewPlayersTakeTheSelectedPositionOrGoalkeeper) {
    EXPECT_EQ(NewPlayerMainPosition(position::kNone), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(18), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(-3), position::kGoalkeeper);
    EXPECT_EQ(NewPlayerMainPosition(position::kStriker), position::kStriker);
}

TEST(SquadRules, LooksAreDrawnOnlyAmongAllowedValues) {
    SCountrySettings country;
    country.faces = (1u << 3) | (1u << 26);  // faces 3, 26, 35, 58, 67, 90
    country.hairColours = 1u << 2;
    country.haircuts = 1u << 7;  // haircuts 7 and 7 + 32
    country.beards = (1u << 5) | (1u << 1);
    CRandom random;
    std::set<int> faces;
    for (int i = 0; i < 200; ++i) {
        const auto look = DrawNewPlayerLook(country, random);
        ASSERT_TRUE(look.has_value());
        faces.insert(look->face);
        EXPECT_EQ(look->hairColour, 2);
        EXPECT_EQ(look->haircut, 7);
        EXPECT_TRUE(look->beard == 1 || look->beard == 5);
    }
    EXPECT_EQ(faces, (std::set<int>{3, 26, 35, 58, 67, 90}));
    country.beards = 1u;  // only value 32, which beards do not reach
    EXPECT_FALSE(DrawNewPlayerLook(country, random).has_value());
}

TEST(SquadRules, BodiesStayWithinThreeAndSixPercentOfTheAverages) {
    CRandom random;
    // The first draws of the generator are known: 41, 18467 (odd: positive), 6334, 26500.
    const SBody first = DrawNewPlayerBody(180, 75, random);
    const double height = 180 + 41 * 0.03 / 32767 * 180;
    const double base = 75 * height / 180;
    EXPECT_EQ(first.height, static_cast<int>(height));
    EXPECT_EQ(first.weight, static_cast<int>(base - 6334 * 0.06 / 32767 * base));
    // A country without averages gets a plausible player, not a division by zero.
    for (int i = 0; i < 550; ++i) {
        const SBody body =
            i < 500 ? DrawNewPlayerBody(180, 75, random) : DrawNewPlayerBody(0, 0, random);
        EXPECT_GE(body.height, 174);
        EXPECT_LE(body.height, 185);
        EXPECT_GE(body.weight, 66);
        EXPECT_LE(body.weight, 84);
    }
}

}  // namespace
}  // namespace kw
