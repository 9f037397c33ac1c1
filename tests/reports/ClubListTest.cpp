#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CountriesTestSupport.h"
#include "model/PlayerStrength.h"
#include "platform/StringTable.h"
#include "reports/ClubList.h"

namespace kw {
namespace {

using test::Club;

class ClubList : public test::CountriesTest {
protected:
    // A club whose strength is `ability` + 1 (every ability of its one forward).
    void AddClub(std::uint16_t index, const std::string& name, std::uint8_t ability) {
        CClub& club = Country().AddClub(index);
        club.SetName(0, name);
        CPlayer& player = AddPlayer(club);
        player.SetPosition(0, position::kCentreForward);
        for (int i = 0; i < kAbilityCount; ++i) {
            player.SetAbility(i, ability);
        }
    }
    // The names in the order given, sorted from the list as it comes or reversed.
    std::vector<std::string> Names(EClubListOrder order, bool reversed = false) {
        auto entries = ClubListEntries(Country(), 0);
        if (reversed) {
            std::reverse(entries.begin(), entries.end());
        }
        SortClubList(entries, order);
        std::vector<std::string> names;
        for (const auto& entry : entries) {
            names.push_back(entry.nationalTeam ? "NT" : entry.name);
        }
        return names;
    }
};

TEST_F(ClubList, EveryOrderPutsTheNationalTeamFirst) {
    Country().NationalTeam().SetName(0, "Zzz");
    AddClub(1, "Berg", 50);
    AddClub(2, "Au", 10);
    EXPECT_EQ(Names(EClubListOrder::kName), (std::vector<std::string>{"NT", "Au", "Berg"}));
    EXPECT_EQ(Names(EClubListOrder::kStrength), (std::vector<std::string>{"NT", "Berg", "Au"}));
    EXPECT_EQ(Names(EClubListOrder::kLeague), (std::vector<std::string>{"NT", "Berg", "Au"}));
}

TEST_F(ClubList, ByLeagueLowerLeaguesFirstStrongerFirstAndClubsWithoutLeagueLast) {
    AddClub(1, "Ohne", 90);
    AddClub(2, "Zweite schwach", 10);
    AddClub(3, "Erste schwach", 20);
    AddClub(4, "Zweite stark", 80);
    AddClub(5, "Erste stark", 30);
    AddLeague(0, 0, {Club(3), Club(5)}).Names()[0].Set("Liga Eins");
    AddLeague(1, 1, {Club(2), Club(4)});
    AddLeague(2, 1, {Club(2)});  // a club in two leagues belongs to the first

    EXPECT_EQ(Names(EClubListOrder::kLeague),
              (std::vector<std::string>{"NT", "Erste stark", "Erste schwach", "Zweite stark",
                                        "Zweite schwach", "Ohne"}));
    const auto entries = ClubListEntries(Country(), 0);
    const auto row = [&](const std::string& name) {
        for (const auto& entry : entries) {
            if (entry.name == name) {
                return ClubListRowText(entry);
            }
        }
        return std::string("missing");
    };
    const SClubListEntry* first = &entries.front();
    for (const auto& entry : entries) {
        if (entry.name == "Erste stark") {
            first = &entry;
        }
    }
    EXPECT_EQ(row("Erste stark"),
              "Erste stark\tLiga Eins\t" + FormatPrintf("%2.2f", first->strength));
    EXPECT_EQ(row("Ohne").substr(0, 7), "Ohne\t-\t");
}

TEST_F(ClubList, StrengthsEqualAsShownTieByNameInAnyInputOrder) {
    // Equal strengths are ordered by name, whatever order the clubs come in.
    AddClub(1, "C", 40);
    AddClub(2, "A", 40);
    AddClub(3, "B", 40);
    AddClub(4, "D", 70);
    const std::vector<std::string> expected{"NT", "D", "A", "B", "C"};
    EXPECT_EQ(Names(EClubListOrder::kStrength), expected);
    EXPECT_EQ(Names(EClubListOrder::kStrength, true), expected);
}

TEST_F(ClubList, NationalTeamRowHasOnlyItsName) {
    Country().NationalTeam().SetName(0, "Auswahl");
    const auto entries = ClubListEntries(Country(), 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].nationalTeam);
    EXPECT_EQ(ClubListRowText(entries[0]), "Auswahl\t\t");
}

TEST_F(ClubList, ByNameAccentsAndCaseCountOnlyToBreakTies) {
    AddClub(1, "Dorf", 1);
    AddClub(2, "d\xF6rfer", 1);
    AddClub(3, "D\xF6rfer", 1);
    AddClub(4, "Dahl", 1);
    AddClub(5, "dach", 1);
    EXPECT_EQ(Names(EClubListOrder::kName),
              (std::vector<std::string>{"NT", "dach", "Dahl", "Dorf", "D\xF6rfer", "d\xF6rfer"}));
}

TEST(ClubListReselection, TheNewClubElseTheSameClubElseTheRowOfTheDeletedOne) {
    const auto listOf = [](const std::vector<std::uint32_t>& ids) {
        std::vector<SClubListEntry> entries;
        for (const std::uint32_t id : ids) {
            SClubListEntry& entry = entries.emplace_back();
            entry.clubId = id;
        }
        return entries;
    };
    const std::vector<std::uint32_t> before = {1, 2, 3, 4};
    // Renamed and sorted elsewhere: the club, wherever it went.
    EXPECT_EQ(ClubListRowToSelect(listOf({1, 3, 2, 4}), before, 2, 1), 2);
    // A new club (or one an undo brought back) is selected.
    EXPECT_EQ(ClubListRowToSelect(listOf({1, 2, 3, 5, 4}), before, 2, 1), 3);
    // A deleted club: the row it had, now its neighbour's; after the last row the new last.
    EXPECT_EQ(ClubListRowToSelect(listOf({1, 3, 4}), before, 2, 1), 1);
    EXPECT_EQ(ClubListRowToSelect(listOf({1, 2, 3}), before, 4, 3), 2);
    // Another country's clubs before: nothing counts as new.
    EXPECT_EQ(ClubListRowToSelect(listOf({7, 8, 9}), {}, 2, 1), 1);
    EXPECT_EQ(ClubListRowToSelect({}, before, 2, 1), -1);
}

}  // namespace
}  // namespace kw
