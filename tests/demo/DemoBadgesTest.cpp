#include "demo/DemoBadges.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "model/ClubNames.h"
#include "model/World.h"

namespace {

std::unique_ptr<kw::CWorld> SmallWorld() {
    auto world = std::make_unique<kw::CWorld>();
    world->InitialiseCountries();
    world->Country(14).SetName(1, "Germany");
    world->Country(206).SetName(1, "A name far too long for a folder");
    for (const int number : {14, 100, 206}) {
        for (int i = 0; i < 70; ++i) {
            kw::CClub* club = world->Country(number).CreateClub();
            club->SetName(0, "FC Demo " + std::to_string(i));
            club->SetColour(0, static_cast<std::uint8_t>(i % 24));
            club->SetColour(1, static_cast<std::uint8_t>((i * 7) % 24));
        }
    }
    return world;
}

TEST(DemoBadges, ShareOfClubsGetsBadgesLooseAndArchivedReproducibly) {
    kw::test::TempDir install;
    kw::test::TempDir again;
    auto world = SmallWorld();
    ASSERT_TRUE(kw::demo::AssignAndWriteDemoBadges(*world, install.Path(), 7));
    ASSERT_TRUE(kw::demo::AssignAndWriteDemoBadges(*SmallWorld(), again.Path(), 7, true));

    kw::CGlobalTools tools;
    tools.Init(install.Path());
    ASSERT_TRUE(tools.BadgeArchive().IsOpen());
    EXPECT_GT(tools.BadgeArchive().GetCount(), 0);
    for (int colour = 0; colour < kw::kBadgeColourCount; ++colour) {
        EXPECT_TRUE(tools.BadgeExists(kw::DefaultBadgePath(colour))) << colour;
    }

    int badges = 0;
    int complete = 0;
    int loose = 0;
    for (const int number : {14, 100, 206}) {
        for (const auto& [id, club] : world->Country(number).Clubs()) {
            const std::string path(club->BadgePath().View());
            if (path.find("\\Badge256\\") == std::string::npos || path.starts_with("color")) {
                continue;
            }
            ++badges;
            EXPECT_TRUE(path.starts_with(number == 14    ? "Germany\\"
                                         : number == 100 ? ""
                                                         : "CYP\\"))
                << path;
            complete += tools.BadgeExists(path);
            loose += std::filesystem::exists(install.Path() / "badges" /
                                             path.substr(0, path.find('\\')));
            const auto dib = tools.LoadBadgeBitmap(path);
            if (dib) {
                EXPECT_EQ(dib->size(), 54u + 256 * 256 * 3);
            }
        }
    }
    EXPECT_GT(badges, 20);
    EXPECT_LT(badges, 120);
    EXPECT_LT(complete, badges);
    EXPECT_GT(complete, badges * 3 / 4);
    EXPECT_GT(loose, 0);

    // The same seed gives the same badges; the whole-packed archive holds the same files.
    kw::CGlobalTools other;
    other.Init(again.Path());
    ASSERT_TRUE(other.BadgeArchive().PackedSourcePath());
    ASSERT_EQ(other.BadgeArchive().GetCount(), tools.BadgeArchive().GetCount());
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    for (int i = 0; i < tools.BadgeArchive().GetCount(); ++i) {
        EXPECT_EQ(other.BadgeArchive().GetEntry(i).name, tools.BadgeArchive().GetEntry(i).name);
        tools.BadgeArchive().ReadEntry(i, first, false);
        other.BadgeArchive().ReadEntry(i, second, false);
        EXPECT_EQ(first, second);
    }
}

}  // namespace
