#include <gtest/gtest.h>

#include <memory>

#include "DemoDocumentTest.h"
#include "editing/CountryListCommands.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

// The stadium and referee changes on the small demo database.
class CountryListCommandsTest : public test::DemoDocumentTest {
protected:
    const CCountry& Country() const { return document.World().Country(kDefaultCountry); }

    // After one recorded change: one undo gives `before` back, a redo `after`.
    void ExpectOneUndoableEdit(const std::string& before) {
        EXPECT_EQ(document.History().Count(), 1u);
        const std::string after = Dump();
        EXPECT_NE(after, before);
        ASSERT_TRUE(document.Undo());
        EXPECT_EQ(Dump(), before);
        ASSERT_TRUE(document.Redo());
        EXPECT_EQ(Dump(), after);
    }
};

TEST_F(CountryListCommandsTest, AChangedStadiumIsOneUndoableEditOfItsPlace) {
    const std::string before = Dump();
    ASSERT_GE(Country().Stadiums().size(), 2u);
    CStadium stadium = Country().Stadiums()[1];
    stadium.SetVipPlaces(2, stadium.VipPlaces(2) + 10);
    ASSERT_TRUE(ReplaceStadium(document, kDefaultCountry, 1, stadium));
    EXPECT_EQ(Country().Stadiums()[1], stadium);
    ExpectOneUndoableEdit(before);
}

TEST_F(CountryListCommandsTest, NothingIsRecordedForAnUnchangedOrMissingRecord) {
    const std::string before = Dump();
    EXPECT_FALSE(ReplaceStadium(document, kDefaultCountry, 0, Country().Stadiums()[0]));
    EXPECT_FALSE(ReplaceReferee(document, kDefaultCountry, 0, Country().Referees()[0]));
    const std::size_t stadiums = Country().Stadiums().size();
    EXPECT_FALSE(ReplaceStadium(document, kDefaultCountry, stadiums, CStadium::Template(0)));
    EXPECT_FALSE(ReplaceStadium(document, 0, 0, CStadium::Template(0)));
    EXPECT_FALSE(ReplaceStadium(document, kCountryCount + 1, 0, CStadium::Template(0)));
    EXPECT_FALSE(RemoveReferee(document, kDefaultCountry, Country().Referees().size()));
    EXPECT_FALSE(AddReferee(document, 0, CReferee()));
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_EQ(Dump(), before);
}

TEST_F(CountryListCommandsTest, RefereesAreChangedAddedAndRemovedUndoably) {
    const std::string before = Dump();
    ASSERT_GE(Country().Referees().size(), 3u);
    CReferee referee;
    referee.SetNames("Anton", "Berger");
    referee.SetCharacter(3);
    ASSERT_TRUE(ReplaceReferee(document, kDefaultCountry, 1, referee));
    EXPECT_EQ(Country().Referees()[1], referee);
    ExpectOneUndoableEdit(before);
    ASSERT_TRUE(document.Undo());

    const std::size_t count = Country().Referees().size();
    ASSERT_TRUE(AddReferee(document, kDefaultCountry, referee));
    ASSERT_EQ(Country().Referees().size(), count + 1);
    EXPECT_EQ(Country().Referees().back(), referee);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);

    const CReferee second = Country().Referees()[1];
    const CReferee third = Country().Referees()[2];
    ASSERT_TRUE(RemoveReferee(document, kDefaultCountry, 1));
    ASSERT_EQ(Country().Referees().size(), count - 1);
    EXPECT_EQ(Country().Referees()[1], third) << "the following ones move up";
    EXPECT_NE(Country().Referees()[1], second);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

}  // namespace
}  // namespace kw
