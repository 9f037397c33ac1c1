#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "CountriesTestSupport.h"
#include "TempDir.h"
#include "assets/BigWriter.h"
#include "assets/GlobalTools.h"
#include "assets/Tga.h"
#include "model/ClubNames.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"
#include "reports/BadgeCheck.h"
#include "reports/BadgeGroups.h"
#include "reports/ClubList.h"
#include "reports/WorldStatistics.h"

namespace kw {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Club;
using test::kCountry;

// A one-pixel badge whose colour tells where it came from.
Bytes Badge(std::uint8_t red) {
    SImage image(1, 1, Argb(red, 0, 0));
    return EncodeTga(image, 24, TgaCoding::Uncompressed);
}

std::uint8_t RedOf(const std::optional<Bytes>& dib) {
    return dib && dib->size() > 56 ? (*dib)[56] : 0;
}

class BadgeTest : public ::testing::Test {
protected:
    void Loose(const std::string& relative, std::uint8_t red = 1) {
        std::filesystem::create_directories((m_install / relative).parent_path());
        const Bytes tga = Badge(red);
        test::WriteFile(m_install / relative, std::string(tga.begin(), tga.end()));
    }
    void Init(const std::vector<SBigFile>& archived, bool packWhole = false) {
        ASSERT_TRUE(WriteBigArchive(m_install / "badges.big", archived, packWhole));
        m_tools.Init(m_install.Path());
        m_tools.BadgeArchive().SetUserInterface(&m_ui);
    }
    std::vector<std::string> Errors() const {
        return m_ui.Texts(CScriptedUserInterface::Message::Kind::Error);
    }

    test::TempDir m_install;
    CScriptedUserInterface m_ui;
    CGlobalTools m_tools;
};

TEST_F(BadgeTest, ExistsOnlyWithAllFourSizesLooseOrArchived) {
    // On disk in other letter cases; two sizes only in the archive, one of them packed.
    Loose("Badges/GER/BADGE256/x.TGA");
    Loose("Badges/GER/badge128/X.tga");
    Init({{"Badges\\Ger\\Badge64\\x.tga", Badge(2), true},
          {"BADGES\\GER\\BADGE32\\X.TGA", Badge(2), false},
          {"Badges\\Ger\\Badge64\\y.tga", Badge(2), false}});
    EXPECT_TRUE(m_tools.BadgeExists("Ger\\badge256\\x.tga"));
    EXPECT_TRUE(m_tools.BadgeExists("Ger/Badge256/x.tga"));
    EXPECT_FALSE(m_tools.BadgeExists("Ger\\Badge25\\x.tga"));
    EXPECT_FALSE(m_tools.BadgeExists("Ger\\Badge64\\x.tga"));
    EXPECT_FALSE(m_tools.BadgeExists("Ger\\Badge256\\y.tga"));
    EXPECT_TRUE(Errors().empty());

    // Loose first, the archive next (unpacked); a name it lacks is reported.
    EXPECT_EQ(RedOf(m_tools.LoadBadgeBitmap("ger\\Badge256\\X.tga")), 1);
    EXPECT_EQ(RedOf(m_tools.LoadBadgeBitmap("Ger\\Badge64\\x.tga")), 2);
    EXPECT_FALSE(m_tools.LoadBadgeBitmap(""));
    EXPECT_FALSE(m_tools.LoadBadgeBitmap("Ger\\Badge64\\z.tga"));
    EXPECT_EQ(Errors(), std::vector<std::string>{"Die Datei Badges\\Ger\\Badge64\\z.tga konnte "
                                                 "in dem BIG Archiv nicht gefunden werden"});
}

TEST_F(BadgeTest, ArchiveOpensQuietlyAndMayBePackedWhole) {
    test::WriteFile(m_install / "badges.big", "damaged");
    m_tools.BadgeArchive().SetUserInterface(&m_ui);
    m_tools.Init(m_install.Path());
    EXPECT_FALSE(m_tools.BadgeArchive().IsOpen());
    EXPECT_FALSE(m_tools.BadgeArchive().IsQuiet());
    EXPECT_TRUE(Errors().empty());

    Init({{"Badges\\A\\Badge256\\a.tga", Badge(3), true}}, true);
    ASSERT_TRUE(m_tools.BadgeArchive().PackedSourcePath());
    EXPECT_EQ(RedOf(m_tools.LoadBadgeBitmap("A\\Badge256\\a.tga")), 3);
}

TEST_F(BadgeTest, GroupsMergeLooseAndArchivedBadgesByFolderAndCountry) {
    CWorld world;
    world.InitialiseCountries();
    world.Country(206).SetName(1, "Zimbabwe");
    world.Country(206).SetName(0, "Simbabwe");
    Loose("badges/Deutschland/Badge256/a.tga", 10);
    Loose("badges/Deutschland/Badge256/notes.txt");
    Loose("badges/.hidden/Badge256/h.tga");
    Loose("badges/Empty/Badge128/e.tga");
    Init({{"Badges\\deutschland\\badge256\\A.TGA", Badge(20)},
          {"Badges\\DEUTSCHLAND2\\Badge256\\b.tga", Badge(21)},
          {"Badges\\zimbabwe\\Badge256\\z.tga", Badge(22)},
          {"Badges\\Zimbabwean\\Badge256\\w.tga", Badge(23)},
          {"Badges\\top.tga", Badge(24)},
          {"Badges\\Other\\Badge128\\o.tga", Badge(25)}});
    const auto groups = BuildBadgeGroups(m_tools.BadgeDirectory(), m_tools.BadgeArchive(), world);
    ASSERT_EQ(groups.size(), 2u);

    EXPECT_EQ(groups[0].folder, "Deutschland");
    EXPECT_EQ(groups[0].country, 0);
    ASSERT_EQ(groups[0].entries.size(), 2u);
    EXPECT_EQ(groups[0].entries[0].archiveIndex, 0);
    EXPECT_EQ(groups[0].entries[0].relativePath, "Deutschland\\Badge256\\a.tga");
    EXPECT_EQ(RedOf(m_tools.LoadBadgeBitmap(groups[0].entries[0].relativePath)), 10);
    EXPECT_EQ(BadgeEntryPath(groups[0].entries[1], m_tools.BadgeArchive()),
              "DEUTSCHLAND2\\Badge256\\b.tga");
    EXPECT_EQ(BadgeGroupName(groups[0], world, kDefaultLanguage), "Deutschland");

    // The last country is linked; a folder beginning like its name joins its group.
    EXPECT_EQ(groups[1].country, 206);
    EXPECT_EQ(groups[1].entries.size(), 2u);
    EXPECT_EQ(BadgeGroupName(groups[1], world, kDefaultLanguage), "Simbabwe");
}

TEST_F(BadgeTest, CheckListsEveryClubWithAMissingBadge) {
    // Every national team starts with the first template.
    for (const int size : {256, 128, 64, 32}) {
        Loose("badges/color/Badge" + std::to_string(size) + "/ro_ws.tga");
        Loose("badges/color/Badge" + std::to_string(size) + "/bl_sw.tga");
    }
    Init({});
    CWorld world;
    world.InitialiseCountries();
    CClub* first = world.Country(1).CreateClub();
    first->SetName(0, "Erster");
    first->SetBadgePath("Nowhere\\Badge256\\x.tga");
    CClub* last = world.Country(206).CreateClub();
    last->SetName(0, "Letzter");
    last->SetBadgePath("nobadge.tga");
    world.Country(206).CreateClub()->SetBadgePath(DefaultBadgePath(19));
    world.Country(206).CreateClub()->SetBadgePath("");
    world.Country(206).NationalTeam().SetBadgePath(DefaultBadgePath(19));

    const std::vector<std::string> expected = {
        "Der Verein Erster benutzt ein nicht vorhandenes Wappen mit dem Dateinamen "
        "Nowhere\\Badge256\\x.tga.",
        "Der Verein Letzter benutzt ein nicht vorhandenes Wappen mit dem Dateinamen "
        "nobadge.tga."};
    EXPECT_EQ(CheckAllBadges(world, m_tools, &m_ui, kDefaultLanguage), expected);
    ASSERT_EQ(m_ui.Messages().size(), 1u);
    EXPECT_EQ(m_ui.Messages()[0].text, "Fehler!");
    EXPECT_EQ(m_ui.Messages()[0].lines,
              (std::vector<std::string>{expected[0], "", expected[1], ""}));

    last->SetBadgePath(DefaultBadgePath(19));
    first->SetBadgePath("color\\Badge256\\ro_ws.tga");
    EXPECT_TRUE(CheckAllBadges(world, m_tools, &m_ui, kDefaultLanguage).empty());
    EXPECT_EQ(m_ui.Messages().size(), 1u);
}

TEST(BadgeTemplates, CombinationsNameTheirColours) {
    EXPECT_EQ(DefaultBadgePath(19), "color\\badge256\\ro_ws.tga");
    EXPECT_EQ(DefaultBadgePath(23), "color\\badge256\\sw_ws.tga");
}

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
    const auto strong = std::ranges::find(entries, "Erste stark", &SClubListEntry::name);
    const auto without = std::ranges::find(entries, "Ohne", &SClubListEntry::name);
    ASSERT_NE(strong, entries.end());
    ASSERT_NE(without, entries.end());
    EXPECT_EQ(ClubListRowText(*strong),
              "Erste stark\tLiga Eins\t" + FormatPrintf("%2.2f", strong->strength));
    EXPECT_EQ(ClubListRowText(*without).substr(0, 7), "Ohne\t-\t");
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

class Statistics : public test::CountriesTest {
protected:
    CPlayer& AddRatedPlayer(CClub& club, std::uint8_t ability, int talent, std::int8_t team = 0) {
        CPlayer& player = AddPlayer(club);
        player.SetPosition(0, position::kCentreForward);
        for (int index = 0; index < kAbilityCount; ++index) {
            player.SetAbility(index, ability);
        }
        SetTalent(player, talent);
        player.SetTeamFlag(team);
        return player;
    }
};

TEST_F(Statistics, CountryFiguresAreThoseOfTheMainWindow) {
    AddClubs({1, 2, 3});
    AddLeague(0, 0, {});
    AddLeague(1, 1, {});
    AddLeague(3, 2, {});  // behind a gap: not counted
    AddRatedPlayer(*Country().Club(Club(1)), 99, 4);
    AddRatedPlayer(*Country().Club(Club(1)), 0, 1, 1);  // second team: a player, not club strength
    AddRatedPlayer(*Country().Club(Club(2)), 99, 1);
    AddPlayer(*Country().Club(Club(2))).SetKind(1);   // staff is no player
    AddRatedPlayer(Country().NationalTeam(), 99, 2);  // the national team is no club

    const SStatistics s = CountryStatistics(Country());
    EXPECT_EQ(s.leagues, 2);
    EXPECT_EQ(s.clubs, 3);
    EXPECT_EQ(s.players, 3);
    EXPECT_EQ(s.talents, (std::array<int, 5>{0, 2, 0, 0, 1}));
    // Clubs 1 and 2 have strength 100, club 3 none.
    EXPECT_NEAR(s.AverageClubStrength(), 200.0 / 3, 1e-9);
    EXPECT_NEAR(s.AveragePlayerStrength(), 200.0 / 3, 1e-9);

    world.Country(6).AddClub(1);
    const SStatistics total = TotalStatistics(world);
    EXPECT_EQ(total.clubs, 4);
    EXPECT_EQ(total.players, 3);
    EXPECT_NEAR(total.AverageClubStrength(), 50.0, 1e-9);
    EXPECT_EQ(SStatistics{}.AverageClubStrength(), 0.0);
}

TEST_F(Statistics, CheckListsTheCompetitionsInFileOrderWithTheirFaults) {
    AddClubs({1, 2});
    AddLeague(0, 0, {Club(1)});  // one team in a league of one: no fixture, no matchdays
    world.RegisterCompetition(
        std::make_unique<CDBLeague>(MakeCompetitionId(kCountry, kRelegationType, 0),
                                    MakeCompetitionId(kCountry, kRootType, 0)));
    const SCountryCheck check = CheckCountry(Country());
    EXPECT_FALSE(check.complete);
    ASSERT_EQ(check.competitions.size(), 2u);
    EXPECT_EQ(check.competitions[0].id, MakeCompetitionId(kCountry, kLeagueType, 0));
    EXPECT_EQ(check.competitions[1].id, MakeCompetitionId(kCountry, kRelegationType, 0));
    // The relegation league has 18 places and no team.
    EXPECT_NE(check.competitions[1].faults[0] & kFaultTeamCount, 0u);
    EXPECT_NE(check.competitions[1].faults[1] & kFaultTeamCount, 0u);
}

}  // namespace
}  // namespace kw
