#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "assets/Dib.h"
#include "assets/GlobalTools.h"
#include "demo/DemoBadges.h"
#include "demo/DemoCityPictures.h"
#include "model/Club.h"
#include "model/ClubNames.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<CWorld> SmallWorld() {
    auto world = std::make_unique<CWorld>();
    world->InitialiseCountries();
    world->Country(14).SetName(1, "Germany");
    world->Country(206).SetName(1, "A name far too long for a folder");
    for (const int number : {14, 100, 206}) {
        for (int i = 0; i < 70; ++i) {
            CClub* club = world->Country(number).CreateClub();
            club->SetName(0, "FC Demo " + std::to_string(i));
            club->SetColour(0, static_cast<std::uint8_t>(i % 24));
            club->SetColour(1, static_cast<std::uint8_t>((i * 7) % 24));
        }
    }
    return world;
}

TEST(DemoBadges, ShareOfClubsGetsBadgesLooseAndArchivedReproducibly) {
    test::TempDir install;
    test::TempDir again;
    auto world = SmallWorld();
    ASSERT_TRUE(demo::AssignAndWriteDemoBadges(*world, install.Path(), 7));
    ASSERT_TRUE(demo::AssignAndWriteDemoBadges(*SmallWorld(), again.Path(), 7, true));

    CGlobalTools tools;
    tools.Init(install.Path());
    ASSERT_TRUE(tools.BadgeArchive().IsOpen());
    EXPECT_GT(tools.BadgeArchive().GetCount(), 0);
    for (int colour = 0; colour < kBadgeColourCount; ++colour) {
        EXPECT_TRUE(tools.BadgeExists(DefaultBadgePath(colour))) << colour;
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
    CGlobalTools other;
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

// Countries 14, 20 and 30 with five clubs each; in country 14 the second club's city has a slash
// and the third shares the first one's city in other letter case.
std::unique_ptr<CWorld> CityWorld() {
    auto world = std::make_unique<CWorld>();
    world->InitialiseCountries();
    for (const int number : {30, 20, 14}) {
        for (int i = 0; i < 5; ++i) {
            CClub* club = world->Country(number).CreateClub();
            club->SetCity(0, "Ort " + std::to_string(number) + "-" + std::to_string(i));
        }
    }
    auto clubs = world->Country(14).Clubs().begin();
    clubs++->second->SetCity(0, "Hafenstadt");
    clubs++->second->SetCity(0,
                             "Nord/S\xFC"
                             "d");
    clubs++->second->SetCity(0, "HAFENSTADT");
    clubs++->second->SetCity(0, "Br\xFCgge");
    return world;
}

std::vector<std::string> Pictures(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DemoCityPictures, TwoCitiesPerCountryFromTheDefaultOneOnAsReadableBitmaps) {
    test::TempDir install;
    ASSERT_TRUE(demo::WriteDemoCityPictures(*CityWorld(), install.Path(), 3));
    const fs::path cities = install.Path() / "city";
    // Country 14: "Hafenstadt" and, past the slash and the repeated city, "Brügge" (UTF-8 on disk).
    const std::vector<std::string> expected = {"Br\xC3\xBCgge.bmp", "Hafenstadt.bmp",
                                               "Ort 20-0.bmp",      "Ort 20-1.bmp",
                                               "Ort 30-0.bmp",      "Ort 30-1.bmp"};
    EXPECT_EQ(Pictures(cities), expected);
    for (const std::string& name : expected) {
        CDib picture;
        ASSERT_TRUE(picture.LoadFromFile(cities / name)) << name;
        EXPECT_EQ(picture.BitsPerPixel(), 24);
        EXPECT_GT(picture.Width(), picture.Height());
        // Drawn, not blank: the sky's top and the ground differ.
        EXPECT_NE(picture.Image().At(0, 0), picture.Image().At(0, picture.Height() - 1));
    }
}

// That one seed gives the same bytes is pinned by the whole demo installation's test.
TEST(DemoCityPictures, AtMostADozenAndAnotherSeedGivesOthers) {
    auto world = std::make_unique<CWorld>();
    world->InitialiseCountries();
    for (int number = 1; number <= 20; ++number) {
        for (int i = 0; i < 3; ++i) {
            world->Country(number).CreateClub()->SetCity(
                0, "Stadt " + std::to_string(number) + "-" + std::to_string(i));
        }
    }
    test::TempDir first;
    test::TempDir otherSeed;
    ASSERT_TRUE(demo::WriteDemoCityPictures(*world, first.Path(), 5));
    ASSERT_TRUE(demo::WriteDemoCityPictures(*world, otherSeed.Path(), 6));
    const std::vector<std::string> names = Pictures(first / "city");
    EXPECT_EQ(names.size(), 12u);
    bool anyDiffers = false;
    for (const std::string& name : names) {
        anyDiffers |=
            test::ReadFile(otherSeed / "city" / name) != test::ReadFile(first / "city" / name);
    }
    EXPECT_TRUE(anyDiffers);
}

}  // namespace
}  // namespace kw
