#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"
#include "assets/BigWriter.h"
#include "assets/GlobalTools.h"
#include "assets/Tga.h"
#include "model/ClubNames.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "reports/BadgeCheck.h"
#include "reports/BadgeGroups.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A one-pixel badge whose colour tells where it came from.
Bytes Badge(std::uint8_t red) {
    kw::SImage image(1, 1, kw::Argb(red, 0, 0));
    return kw::EncodeTga(image, 24, kw::TgaCoding::Uncompressed);
}

std::uint8_t RedOf(const std::optional<Bytes>& dib) {
    return dib && dib->size() > 56 ? (*dib)[56] : 0;
}

class BadgeTest : public ::testing::Test {
protected:
    void Loose(const std::string& relative, std::uint8_t red = 1) {
        std::filesystem::create_directories((m_install / relative).parent_path());
        const Bytes tga = Badge(red);
        kw::test::WriteFile(m_install / relative, std::string(tga.begin(), tga.end()));
    }
    void Init(const std::vector<kw::SBigFile>& archived, bool packWhole = false) {
        ASSERT_TRUE(kw::WriteBigArchive(m_install / "badges.big", archived, packWhole));
        m_tools.Init(m_install.Path());
        m_tools.BadgeArchive().SetUserInterface(&m_ui);
    }
    std::vector<std::string> Errors() const {
        return m_ui.Texts(kw::CScriptedUserInterface::Message::Kind::Error);
    }

    kw::test::TempDir m_install;
    kw::CScriptedUserInterface m_ui;
    kw::CGlobalTools m_tools;
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
    kw::test::WriteFile(m_install / "badges.big", "damaged");
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
    kw::CWorld world;
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
    const auto groups =
        kw::BuildBadgeGroups(m_tools.BadgeDirectory(), m_tools.BadgeArchive(), world);
    ASSERT_EQ(groups.size(), 2u);

    EXPECT_EQ(groups[0].folder, "Deutschland");
    EXPECT_EQ(groups[0].country, 0);
    ASSERT_EQ(groups[0].entries.size(), 2u);
    EXPECT_EQ(groups[0].entries[0].archiveIndex, 0);
    EXPECT_EQ(groups[0].entries[0].relativePath, "Deutschland\\Badge256\\a.tga");
    EXPECT_EQ(RedOf(m_tools.LoadBadgeBitmap(groups[0].entries[0].relativePath)), 10);
    EXPECT_EQ(kw::BadgeEntryPath(groups[0].entries[1], m_tools.BadgeArchive()),
              "DEUTSCHLAND2\\Badge256\\b.tga");
    EXPECT_EQ(kw::BadgeGroupName(groups[0], world, kw::kDefaultLanguage), "Deutschland");

    // The last country is linked; a folder beginning like its name joins its group.
    EXPECT_EQ(groups[1].country, 206);
    EXPECT_EQ(groups[1].entries.size(), 2u);
    EXPECT_EQ(kw::BadgeGroupName(groups[1], world, kw::kDefaultLanguage), "Simbabwe");
}

TEST_F(BadgeTest, CheckListsEveryClubWithAMissingBadge) {
    // Every national team starts with the first template.
    for (const int size : {256, 128, 64, 32}) {
        Loose("badges/color/Badge" + std::to_string(size) + "/ro_ws.tga");
        Loose("badges/color/Badge" + std::to_string(size) + "/bl_sw.tga");
    }
    Init({});
    kw::CWorld world;
    world.InitialiseCountries();
    kw::CClub* first = world.Country(1).CreateClub();
    first->SetName(0, "Erster");
    first->SetBadgePath("Nowhere\\Badge256\\x.tga");
    kw::CClub* last = world.Country(206).CreateClub();
    last->SetName(0, "Letzter");
    last->SetBadgePath("nobadge.tga");
    world.Country(206).CreateClub()->SetBadgePath(kw::DefaultBadgePath(19));
    world.Country(206).CreateClub()->SetBadgePath("");
    world.Country(206).NationalTeam().SetBadgePath(kw::DefaultBadgePath(19));

    const std::vector<std::string> expected = {
        "Der Verein Erster benutzt ein nicht vorhandenes Wappen mit dem Dateinamen "
        "Nowhere\\Badge256\\x.tga.",
        "Der Verein Letzter benutzt ein nicht vorhandenes Wappen mit dem Dateinamen "
        "nobadge.tga."};
    EXPECT_EQ(kw::CheckAllBadges(world, m_tools, &m_ui, kw::kDefaultLanguage), expected);
    ASSERT_EQ(m_ui.Messages().size(), 1u);
    EXPECT_EQ(m_ui.Messages()[0].text, "Fehler!");
    EXPECT_EQ(m_ui.Messages()[0].lines,
              (std::vector<std::string>{expected[0], "", expected[1], ""}));

    last->SetBadgePath(kw::DefaultBadgePath(19));
    first->SetBadgePath("color\\Badge256\\ro_ws.tga");
    EXPECT_TRUE(kw::CheckAllBadges(world, m_tools, &m_ui, kw::kDefaultLanguage).empty());
    EXPECT_EQ(m_ui.Messages().size(), 1u);
}

TEST(BadgeTemplates, CombinationsNameTheirColours) {
    EXPECT_EQ(kw::DefaultBadgePath(19), "color\\badge256\\ro_ws.tga");
    EXPECT_EQ(kw::DefaultBadgePath(23), "color\\badge256\\sw_ws.tga");
}

}  // namespace
