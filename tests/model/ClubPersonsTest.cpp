#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ClubsTestSupport.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"

namespace kw {
namespace {

using test::ClubsTest;
using test::kClub1;
using test::kClub2;
using test::kClub3;

std::vector<std::uint32_t> IdsOf(const std::vector<CPlayer*>& persons) {
    std::vector<std::uint32_t> ids;
    for (const CPlayer* person : persons) {
        ids.push_back(person->Id());
    }
    return ids;
}

TEST_F(ClubsTest, A257thPersonIsRefusedAndDestroyed) {
    CClub& c = Club(kClub1);
    for (int i = 0; i < CClub::kMaxPersons; ++i) {
        AddPerson(c, 0);
    }
    EXPECT_EQ(c.PersonIds().size(), 256u);
    CPlayer& extra = world.CreatePerson(0, false);
    const std::uint32_t id = extra.Id();
    EXPECT_FALSE(c.AddPerson(extra));
    EXPECT_EQ(c.PersonIds().size(), 256u);
    EXPECT_EQ(world.Person(id), nullptr);
    // A person already in the list is not listed twice.
    EXPECT_TRUE(c.AddPerson(*world.Person(c.PersonIds()[0])));
    EXPECT_EQ(c.PersonIds().size(), 256u);
}

TEST_F(ClubsTest, FirstTeamCopyReplacesOnlyTheFirstTeam) {
    CClub& target = Club(kClub1);
    const std::uint32_t oldFirst = AddPerson(target, 0).Id();
    const std::uint32_t second = AddPerson(target, 0, 1).Id();
    const std::uint32_t staff = AddPerson(target, 3).Id();
    target.SetName(0, "Ziel");

    test::TempDir otherInstall;
    CWorld other(otherInstall.Path());
    SetUpWorld(other);
    CClub& source = *other.Country(test::kCountry).Club(kClub2);
    source.SetName(0, "Quelle");
    std::vector<std::uint32_t> sourceFirst;
    for (int i = 0; i < 3; ++i) {
        CPlayer& player = other.CreatePerson(500 + static_cast<std::uint32_t>(i), false);
        player.SetSurname("Kopie " + std::to_string(i));
        source.AddPerson(player);
        sourceFirst.push_back(player.Id());
    }
    source.AddPerson(other.CreatePerson(600, false));
    other.Person(600)->SetTeamFlag(1);

    target.CopyFrom(source, clubcopy::kFirstTeam);
    EXPECT_EQ(IdsOf(target.FirstTeam()), sourceFirst);
    for (const std::uint32_t id : sourceFirst) {
        ASSERT_NE(world.Person(id), nullptr);
        EXPECT_TRUE(world.Person(id)->HasSameData(*other.Person(id)));
    }
    EXPECT_EQ(world.Person(oldFirst), nullptr);
    EXPECT_EQ(IdsOf(target.SecondTeam()), std::vector<std::uint32_t>{second});
    EXPECT_EQ(IdsOf(target.Staff()), std::vector<std::uint32_t>{staff});
    EXPECT_EQ(world.Person(600), nullptr);
    EXPECT_EQ(target.Name(0), "Ziel");

    target.CopyFrom(source, clubcopy::kGeneral);
    EXPECT_EQ(target.Name(0), "Quelle");
    EXPECT_EQ(target.FirstTeam().size(), 3u);
}

TEST_F(ClubsTest, CopyWithinOneWorldGivesTheDuplicatesNewIds) {
    CClub& source = Club(kClub2);
    const std::uint32_t original = AddPerson(source, 0).Id();
    CClub& target = Club(kClub1);
    target.CopyFrom(source, clubcopy::kFirstTeam | clubcopy::kSecondTeam | clubcopy::kStaff);
    ASSERT_EQ(target.PersonIds().size(), 1u);
    EXPECT_NE(target.PersonIds()[0], original);
    EXPECT_NE(world.Person(original), nullptr);
    EXPECT_EQ(source.PersonIds(), std::vector<std::uint32_t>{original});
}

TEST_F(ClubsTest, ClubStrengthAveragesTheFirstTeam) {
    CClub& c = Club(kClub1);
    EXPECT_EQ(ClubStrength(c), 0.0);
    CPlayer& strong = AddPerson(c, 0);
    strong.SetPosition(0, position::kStriker);
    for (int i = 0; i < kAbilityCount; ++i) {
        strong.SetAbility(i, 99);
    }
    CPlayer& weak = AddPerson(c, 0);
    weak.SetPosition(0, position::kGoalkeeper);
    for (int i = 0; i < kAbilityCount; ++i) {
        weak.SetAbility(i, 0);
    }
    AddPerson(c, 0, 1).SetPosition(0, position::kStriker);
    AddPerson(c, 1);
    EXPECT_DOUBLE_EQ(ClubStrength(c), 50.0);
}

TEST_F(ClubsTest, NamesOfNewClubsAndSecondTeams) {
    CClub& first = *world.Country(14).CreateClub();
    CClub& second = *world.Country(14).CreateClub();
    const int number = std::stoi(std::string(first.Name(0).substr(5)));
    EXPECT_EQ(first.Name(0), "Club " + std::to_string(number));
    EXPECT_EQ(second.AlternativeNames()[4].View(), "Club " + std::to_string(number + 1));
    EXPECT_EQ(second.Abbreviations()[2].View(), "Club " + std::to_string(number + 1));
    EXPECT_EQ(second.YouthCountry(), 14);

    struct Case {
        int country;
        const char* name;
    };
    for (const Case c : {Case{14, "Lumbra (RES)"}, Case{45, "Lumbra (B)"}, Case{21, "Lumbra 2"},
                         Case{5, "Lumbra 2"}}) {
        CClub club(world, MakeClubId(c.country, 1));
        club.SetName(2, "Lumbra");
        EXPECT_EQ(club.SecondTeamName(2), c.name);
    }
}

TEST_F(ClubsTest, ArticleAndSentenceButtonsCycle) {
    CClub& c = Club(kClub1);
    c.SetArticleChoice(CClub::kFansArticle, 0, 3);
    c.NextArticle(CClub::kFansArticle, 0);
    EXPECT_EQ(c.ArticleChoice(CClub::kFansArticle, 0), 0);
    c.SetSentenceChoice(1, 1, 0);
    c.NextSentence(1);
    EXPECT_EQ(c.SentenceChoice(1, 1), 1);
    c.NextSentence(1);
    EXPECT_EQ(c.SentenceChoice(0, 1), 0);
}

}  // namespace
}  // namespace kw
