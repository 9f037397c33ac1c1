#include "demo/DemoCityPictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "assets/Dib.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"

namespace {

namespace fs = std::filesystem;

// Countries 14, 20 and 30 with five clubs each; in country 14 the second club's city has a slash
// and the third shares the first one's city in other letter case.
std::unique_ptr<kw::CWorld> CityWorld() {
    auto world = std::make_unique<kw::CWorld>();
    world->InitialiseCountries();
    for (const int number : {30, 20, 14}) {
        for (int i = 0; i < 5; ++i) {
            kw::CClub* club = world->Country(number).CreateClub();
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
    kw::test::TempDir install;
    ASSERT_TRUE(kw::demo::WriteDemoCityPictures(*CityWorld(), install.Path(), 3));
    const fs::path cities = install.Path() / "city";
    // Country 14: "Hafenstadt" and, past the slash and the repeated city, "Brügge" (UTF-8 on disk).
    const std::vector<std::string> expected = {"Br\xC3\xBCgge.bmp", "Hafenstadt.bmp",
                                               "Ort 20-0.bmp",      "Ort 20-1.bmp",
                                               "Ort 30-0.bmp",      "Ort 30-1.bmp"};
    EXPECT_EQ(Pictures(cities), expected);
    for (const std::string& name : expected) {
        kw::CDib picture;
        ASSERT_TRUE(picture.LoadFromFile(cities / name)) << name;
        EXPECT_EQ(picture.BitsPerPixel(), 24);
        EXPECT_GT(picture.Width(), picture.Height());
        // Drawn, not blank: the sky's top and the ground differ.
        EXPECT_NE(picture.Image().At(0, 0), picture.Image().At(0, picture.Height() - 1));
    }
}

// That one seed gives the same bytes is pinned by the whole demo installation's test.
TEST(DemoCityPictures, AtMostADozenAndAnotherSeedGivesOthers) {
    auto world = std::make_unique<kw::CWorld>();
    world->InitialiseCountries();
    for (int number = 1; number <= 20; ++number) {
        for (int i = 0; i < 3; ++i) {
            world->Country(number).CreateClub()->SetCity(
                0, "Stadt " + std::to_string(number) + "-" + std::to_string(i));
        }
    }
    kw::test::TempDir first;
    kw::test::TempDir otherSeed;
    ASSERT_TRUE(kw::demo::WriteDemoCityPictures(*world, first.Path(), 5));
    ASSERT_TRUE(kw::demo::WriteDemoCityPictures(*world, otherSeed.Path(), 6));
    const std::vector<std::string> names = Pictures(first / "city");
    EXPECT_EQ(names.size(), 12u);
    bool anyDiffers = false;
    for (const std::string& name : names) {
        anyDiffers |= kw::test::ReadFile(otherSeed / "city" / name) !=
                      kw::test::ReadFile(first / "city" / name);
    }
    EXPECT_TRUE(anyDiffers);
}

}  // namespace
