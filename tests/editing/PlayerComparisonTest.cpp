#include <gtest/gtest.h>

#include <string>

#include "TestWorld.h"
#include "editing/PlayerComparison.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

class PlayerComparisonTest : public test::TestWorld {
protected:
    CPlayer& Person(CClub& club, const std::string& surname, int kind) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetSurname(surname);
        person.SetFirstName("Jan");
        club.AddPerson(person);
        return person;
    }
};

TEST_F(PlayerComparisonTest, ListHoldsThePlayersInClubOrderWithTheirStrength) {
    CClub& club = world.Country(5).AddClub(1);
    CPlayer& striker = Person(club, "Weber", 0);
    Person(club, "Trainer", 1);
    CPlayer& keeper = Person(club, "Adler", 0);
    striker.SetPosition(0, 17);
    keeper.SetPosition(0, 1);
    keeper.SetAbility(41, 99);

    const std::vector<SChoiceEntry> entries = ComparisonPlayers(club);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].value, striker.Id());
    EXPECT_EQ(entries[1].value, keeper.Id());
    // Every ability at 40 of 99: 40.4 everywhere; the keeper's saves lift his goal strength.
    EXPECT_EQ(entries[0].text, "Weber, J. (40.4)");
    EXPECT_GT(PlayerStrength(keeper), PlayerStrength(striker));
    EXPECT_EQ(entries[1].text, "Adler, J. (" + FormatPrintf("%2.1f", PlayerStrength(keeper)) + ")");
}

TEST_F(PlayerComparisonTest, ValueTextsCarryOneDecimal) {
    CClub& club = world.Country(5).AddClub(1);
    CPlayer& player = Person(club, "Weber", 0);
    player.SetAbility(41, 99);  // saves: "Reflexe" and "Flugparaden" rise
    const auto texts = SummaryValueTexts(player);
    EXPECT_EQ(texts[0], "40.4");
    // Reflexe: (5 * 99 + 2 * 40 + 2 * 40) / 9 of 99.
    EXPECT_EQ(texts[10], "73.5");
}

}  // namespace
}  // namespace kw
