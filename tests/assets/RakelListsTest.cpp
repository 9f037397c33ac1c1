#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "assets/RakelClubMapping.h"
#include "assets/RakelListFile.h"
#include "assets/RakelNameIndex.h"
#include "assets/RakelPlayerMapping.h"
#include "assets/RakelPs2FaceTable.h"

namespace kw {
namespace {

TEST(RakelListFileTest, LinesSplitAtSemicolonsSkippingCommentsAndEmptyLines) {
    const std::vector<RakelRecord> records =
        SplitRakelList("# header\r\n1;Anna;Alt;\r\n\r\n2;B\xE9la\n;;\nlast;without end");
    EXPECT_EQ(
        records,
        (std::vector<RakelRecord>{
            {"1", "Anna", "Alt", ""}, {"2", "B\xE9la"}, {"", "", ""}, {"last", "without end"}}));
}

TEST(RakelListFileTest, OnlyWholeNumbersAreIdentifiers) {
    EXPECT_EQ(ParseRakelNumber(" 42 "), 42);
    EXPECT_EQ(ParseRakelNumber("+7"), 7);
    EXPECT_EQ(ParseRakelNumber("-3"), -3);
    EXPECT_EQ(ParseRakelNumber("12a"), std::nullopt);
    EXPECT_EQ(ParseRakelNumber(""), std::nullopt);
    EXPECT_EQ(ParseRakelNumber("99999999999"), std::nullopt);
}

TEST(RakelNameIndexTest, LookupsIgnoreTheCaseOfAToZOnly) {
    CRakelNameIndex index;
    index.Build({"M\xFCller", "Zander", "", "zANDER", "Adam", "adam", "ADAM"});
    EXPECT_EQ(index.Find("zander"), 1u) << "the first of equal names";
    EXPECT_EQ(index.Find("aDaM"), 4u);
    EXPECT_EQ(index.Find("M\xFCLLER"), 0u);
    EXPECT_EQ(index.Find("M\xDCller"), std::nullopt) << "accented letters keep their case";
    EXPECT_EQ(index.Find(""), std::nullopt);
    EXPECT_EQ(index.Find("Zande"), std::nullopt);
    EXPECT_EQ(index.Duplicates(), (std::vector<std::string>{"Adam", "Zander"}));
}

TEST(RakelMappingListsTest, DamagedLinesAreSkippedAndNamesNormalised) {
    CRakelPlayerMapping players;
    players.LoadFromText("1;Jan  Peter ;Muster;  JP \nx;Kein;Spieler;\n2;;Solo\n3;Nur\n",
                         "RakelPlayers.txt");
    ASSERT_EQ(players.Count(), 2);
    EXPECT_EQ(players.Players()[0].fullName, "Jan Peter Muster");
    EXPECT_EQ(players.Players()[0].nickname, "JP");
    EXPECT_EQ(players.FindByFullName("solo"), 2);
    EXPECT_EQ(players.FindByNickname("jp"), 1);
    EXPECT_EQ(players.FileName(), "RakelPlayers.txt");

    CRakelClubMapping clubs;
    clubs.LoadFromText("5;Club;\n6;;Second only\n7\n", "RakelClubs.txt");
    ASSERT_EQ(clubs.Clubs().size(), 1u);
    EXPECT_EQ(clubs.Clubs()[0].secondName, "");
}

TEST(RakelMappingListsTest, TheToolsLoadTheListsOfTheInstallationInAnyLetterCase) {
    test::TempDir install;
    test::WriteFile(install / "Database" / "RAKEL" / "rakelclubs.txt", "3;Victoria;Nordstadt\n");
    test::WriteFile(install / "Database" / "RAKEL" / "RakelPlayers.txt", "4;Anna;Alt;Annie\n");
    test::WriteFile(install / "Database" / "RAKEL" / "RakelPS2Faces.txt", "5;1001;hell\n");
    CGlobalTools tools;
    tools.Init(install.Path());
    EXPECT_EQ(tools.ClubMapping().Find("VICTORIA"), 0u);
    EXPECT_EQ(tools.PlayerMapping().FindByNickname("Annie"), 4);
    EXPECT_EQ(tools.Ps2Faces().FindByFace(1001), 0u);
    EXPECT_FALSE(tools.FaceMapping().IsLoaded()) << "a missing list stays empty";
}

}  // namespace
}  // namespace kw
