#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "CountryCopyTestSupport.h"

namespace kw {
namespace {

using test::kEngland;
using test::kGermany;
using test::kSpain;

class CountryCopyScopeTest : public test::DemoWorlds {
protected:
    CPlayer& FirstPerson(CWorld& world, int country) {
        const CClub& club = *world.Country(country).Clubs().begin()->second;
        return *world.Person(club.PersonIds().front());
    }
    static std::vector<int> Sorted(std::vector<int> numbers) {
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
};

TEST_F(CountryCopyScopeTest, GroupsBesideTheClubsChangeTheTargetCountryAlone) {
    const std::uint32_t flags = countrycopy::kGeneral | countrycopy::kYouth |
                                countrycopy::kReferees | countrycopy::kManagers |
                                countrycopy::kStadiums;
    const SWorldScope scope =
        CountryCopyScope(first->Country(kGermany), second->Country(kEngland), flags);
    EXPECT_EQ(scope.countries, std::vector<int>{kGermany});
    EXPECT_FALSE(scope.rules);
    EXPECT_FALSE(scope.withoutClub);
    CopyUndoably(kGermany, *first, kEngland, *second, flags);
}

TEST_F(CountryCopyScopeTest, ClubsOfAnotherCountryReplaceEveryFormerClubWhereverItIsNamed) {
    CPlayer& abroad = FirstPerson(*first, kSpain);
    abroad.SetPreviousClub(MakeClubId(kGermany, 3));
    abroad.SetLoanClub(MakeClubId(kSpain, 2));
    const std::uint32_t national = MakeClubId(kGermany, kNationalTeamIndex);
    abroad.SetFirstClub(national);
    ASSERT_EQ(first->Rules().FurtherTitleHolder(0), MakeClubId(kGermany, 1));

    const SWorldScope scope =
        CountryCopyScope(first->Country(kGermany), second->Country(kEngland), countrycopy::kClubs);
    EXPECT_EQ(Sorted(scope.countries), (std::vector<int>{kGermany, kSpain}));
    EXPECT_TRUE(scope.rules);
    EXPECT_FALSE(scope.withoutClub);

    CopyUndoably(kGermany, *first, kEngland, *second, countrycopy::kClubs);

    EXPECT_EQ(abroad.PreviousClub(), 0u) << "club 3 of now is another one";
    EXPECT_EQ(abroad.LoanClub(), MakeClubId(kSpain, 2));
    EXPECT_EQ(abroad.FirstClub(), national);
    EXPECT_EQ(first->Rules().FurtherTitleHolder(0), 0u);
    EXPECT_TRUE(test::ReferenceFaults(*first).empty());
}

TEST_F(CountryCopyScopeTest, TheSameCountryOfAnotherDatabaseKeepsWhatItsIndexesStillName) {
    CCountry& source = second->Country(kGermany);
    const std::uint32_t last = std::prev(source.Clubs().end(), 2)->first;
    const std::uint32_t beforeLast = std::prev(source.Clubs().end(), 3)->first;
    source.RemoveClub(last);
    source.RemoveClub(beforeLast);
    const std::uint32_t kept = MakeClubId(kGermany, 5);

    CPlayer& english = FirstPerson(*first, kEngland);
    english.SetPreviousClub(last);
    english.SetLoanClub(kept);
    CPlayer& without = *first->WithoutClub().At(0);
    SHistoryEntry station;
    station.club = beforeLast | kSecondTeamFlag;
    without.History().push_back(station);
    first->Country(kEngland).PlayerPool().front().SetPreferredClub(last);
    first->Rules().SetTitleHolder(0, 3, beforeLast);

    const SWorldScope scope =
        CountryCopyScope(first->Country(kGermany), source, countrycopy::kClubs);
    EXPECT_EQ(Sorted(scope.countries), (std::vector<int>{kGermany, kEngland}));
    EXPECT_TRUE(scope.rules);
    EXPECT_TRUE(scope.withoutClub);

    CopyUndoably(kGermany, *first, kGermany, *second, countrycopy::kClubs);

    EXPECT_EQ(first->Country(kGermany).ClubCount(), source.ClubCount());
    EXPECT_EQ(english.PreviousClub(), 0u);
    EXPECT_EQ(english.LoanClub(), kept);
    EXPECT_EQ(without.History().back().club, 0u);
    EXPECT_EQ(first->Country(kEngland).PlayerPool().front().PreferredClub(), 0u);
    EXPECT_EQ(first->Rules().TitleHolder(0, 3), 0u);
    EXPECT_EQ(first->Rules().FurtherTitleHolder(0), MakeClubId(kGermany, 1));
    EXPECT_EQ(first->Rules().FurtherTitleHolder(1), MakeClubId(kGermany, 2));
    EXPECT_TRUE(test::ReferenceFaults(*first).empty());
}

TEST_F(CountryCopyScopeTest, WithinOneDatabaseTheSourcesNamesOfTheTargetsClubsGoToo) {
    CPlayer& english = FirstPerson(*first, kEngland);
    english.SetLoanClub(MakeClubId(kGermany, 7));

    const SWorldScope scope =
        CountryCopyScope(first->Country(kGermany), first->Country(kEngland), countrycopy::kAll);
    EXPECT_EQ(Sorted(scope.countries), (std::vector<int>{kGermany, kEngland}));

    CopyUndoably(kGermany, *first, kEngland, *first, countrycopy::kAll);

    EXPECT_EQ(english.LoanClub(), 0u);
    const CClub& copy = *first->Country(kGermany).Clubs().begin()->second;
    EXPECT_EQ(first->Person(copy.PersonIds().front())->LoanClub(), 0u);
    EXPECT_TRUE(test::ReferenceFaults(*first).empty());
}

}  // namespace
}  // namespace kw
