#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "tools/SearchResultOrder.h"

namespace kw {
namespace {

SSearchRow Row(std::uint32_t id, std::string first, std::string surname, std::string stage,
               int position, CDate birth, std::string club, std::string country) {
    SSearchRow row;
    row.hit = {id, id * 10};
    row.firstName = std::move(first);
    row.surname = std::move(surname);
    row.stageName = std::move(stage);
    row.position = position;
    row.birthDate = birth;
    row.clubName = std::move(club);
    row.countryName = std::move(country);
    return row;
}

std::vector<std::uint32_t> Ids(const std::vector<SSearchRow>& rows) {
    std::vector<std::uint32_t> ids;
    for (const SSearchRow& row : rows) {
        ids.push_back(row.hit.personId);
    }
    return ids;
}

class SearchResultOrderTest : public ::testing::Test {
protected:
    std::vector<SSearchRow> Sorted(int column, bool descending) const {
        CSearchOrder order;
        order.Click(column);
        if (descending != order.Descending()) {
            order.Click(column);
        }
        std::vector<SSearchRow> sorted = rows;
        SortSearchRows(sorted, order);
        return sorted;
    }

    // Ids 1..4 in search order. "Öztürk" sorts as "Ozturk", before "Peters".
    std::vector<SSearchRow> rows = {
        Row(1, "Zeno", "Peters", "", 12, CDate::FromYmd(1985, 3, 1), "Brackwasser", "Nordland"),
        Row(2, "Adam", "\xD6zt\xFCrk", "Oz", 1, CDate::FromYmd(1990, 1, 1), "Auenkicker",
            "Ostland"),
        Row(3, "Bert", "Peters", "Blitz", 17, CDate::FromYmd(1979, 12, 31), "", ""),
        Row(4, "\xC4gidius", "Abel", "", 4, CDate::FromYmd(1985, 3, 2), "Zebra", "Ostland"),
    };
};

TEST_F(SearchResultOrderTest, ClicksChooseTheColumnAndASecondClickReverses) {
    CSearchOrder order;
    EXPECT_EQ(order.Column(), searchcolumn::kSurname);
    EXPECT_FALSE(order.Descending());
    order.Click(searchcolumn::kSurname);
    EXPECT_TRUE(order.Descending());
    order.Click(searchcolumn::kClub);
    EXPECT_EQ(order.Column(), searchcolumn::kClub);
    EXPECT_FALSE(order.Descending());
    order.Click(searchcolumn::kClub);
    order.Click(searchcolumn::kClub);
    EXPECT_FALSE(order.Descending());
}

TEST_F(SearchResultOrderTest, EachColumnSortsByItsKeyAndEqualKeysKeepTheSearchOrder) {
    using V = std::vector<std::uint32_t>;
    // Initial: by surname, folded ("Ä" as "A", "Ö" as "O"); the two "Peters" in search order.
    std::vector<SSearchRow> initial = rows;
    SortSearchRows(initial, CSearchOrder());
    EXPECT_EQ(Ids(initial), (V{4, 2, 1, 3}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kSurname, true)), (V{1, 3, 2, 4}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kFirstName, false)), (V{2, 4, 3, 1}));
    // Empty stage names first.
    EXPECT_EQ(Ids(Sorted(searchcolumn::kStageName, false)), (V{1, 4, 3, 2}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kPosition, false)), (V{2, 4, 1, 3}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kBirthDate, false)), (V{3, 1, 4, 2}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kBirthDate, true)), (V{2, 4, 1, 3}));
    // Club and country as plain text: no club first.
    EXPECT_EQ(Ids(Sorted(searchcolumn::kClub, false)), (V{3, 2, 1, 4}));
    EXPECT_EQ(Ids(Sorted(searchcolumn::kCountry, false)), (V{3, 1, 2, 4}));
}

TEST(SearchRows, TakeTheNamesOfThePersonItsClubAndTheClubsCountry) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const CClub* club = nullptr;
    for (int number = 1; number <= kCountryCount && club == nullptr; ++number) {
        for (const auto& entry : world->Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam() && !entry.second->FirstTeam().empty()) {
                club = entry.second.get();
                break;
            }
        }
    }
    ASSERT_NE(club, nullptr);
    const CPlayer& player = *club->FirstTeam().front();
    const int language = 1;
    const SSearchRow row = MakeSearchRow(*world, {player.Id(), club->Id()}, language);
    EXPECT_EQ(row.firstName, player.FirstName().View());
    EXPECT_EQ(row.surname, player.Surname().View());
    EXPECT_EQ(row.stageName, player.StageName().View());
    EXPECT_EQ(row.position, player.MainPosition());
    EXPECT_EQ(row.birthDate, player.BirthDate());
    EXPECT_EQ(row.clubName, club->Name(language));
    EXPECT_EQ(row.countryName, world->Country(club->Country()).Name(language));
    EXPECT_FALSE(row.countryName.empty());

    ASSERT_GT(world->WithoutClub().Count(), 0);
    const std::uint32_t free = world->WithoutClub().Ids().front();
    const SSearchRow freeRow = MakeSearchRow(*world, {free, 0}, language);
    EXPECT_EQ(freeRow.surname, world->Person(free)->Surname().View());
    EXPECT_TRUE(freeRow.clubName.empty());
    EXPECT_TRUE(freeRow.countryName.empty());
}

}  // namespace
}  // namespace kw
