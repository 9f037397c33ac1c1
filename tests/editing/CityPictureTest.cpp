#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestWorld.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "editing/CityPicture.h"
#include "model/Club.h"
#include "model/Country.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

class CityPictureTest : public test::TestWorld {
protected:
    CityPictureTest() : club(world.Country(5).AddClub(1)), cities(install / "city") {
        fs::create_directories(cities);
    }

    // A small valid 24-bit BMP file.
    static void WriteBmp(const fs::path& path) {
        const SImage image(4, 3, Argb(10, 120, 200));
        const auto bmp = ConvertTgaToDib(EncodeTga(image, 24, TgaCoding::Uncompressed));
        ASSERT_TRUE(bmp.has_value());
        test::WriteFile(path, std::string(bmp->begin(), bmp->end()));
    }

    CClub& club;
    fs::path cities;
};

TEST_F(CityPictureTest, FoundByTheEditedLanguageThenGermanInAnyLetterCaseAndEncoding) {
    WriteBmp(cities / "HAFENSTADT.BMP");
    WriteBmp(cities / "Port Town.bmp");
    club.SetCity(0, "Hafenstadt");
    club.SetCity(1, "Port Town");
    club.SetCity(2, "Ville du Port");
    EXPECT_EQ(FindCityPicture(cities, club, 1), cities / "Port Town.bmp");
    EXPECT_EQ(FindCityPicture(cities, club, 0), cities / "HAFENSTADT.BMP");
    // French has no picture of its own: the German one is shown.
    EXPECT_EQ(FindCityPicture(cities, club, 2), cities / "HAFENSTADT.BMP");
    club.SetCity(0, "Bergdorf");
    EXPECT_FALSE(FindCityPicture(cities, club, 2).has_value());
    // Windows names are looked up as their file names.
    WriteBmp(cities / "M\xC3\xBCnster.bmp");  // the UTF-8 file name of "Münster"
    club.SetCity(0, "M\xFCnster");
    EXPECT_EQ(FindCityPicture(cities, club, 0), cities / "M\xC3\xBCnster.bmp");
}

TEST_F(CityPictureTest, NamesThatLeaveTheFolderFindNothing) {
    fs::create_directories(cities / "sub");
    WriteBmp(cities / "sub" / "x.bmp");
    WriteBmp(install / "outside.bmp");
    for (const char* name : {"sub/x", "sub\\x", "../outside", "", ".."}) {
        club.SetCity(0, name);
        EXPECT_FALSE(FindCityPicture(cities, club, 0).has_value()) << name;
    }
}

TEST_F(CityPictureTest, AChosenPictureInTheFolderGivesItsBaseNameAsCity) {
    WriteBmp(cities / "Neustadt.Bmp");
    const SCityPictureChoice choice = ChooseCityPicture(cities, cities / "Neustadt.Bmp");
    EXPECT_TRUE(choice.accepted);
    EXPECT_EQ(choice.city, "Neustadt");
    EXPECT_TRUE(choice.message.empty());
    WriteBmp(cities / "K\xC3\xB6ln.bmp");
    fs::create_directories(cities / "sub");
    EXPECT_EQ(ChooseCityPicture(cities, cities / "sub" / ".." / "K\xC3\xB6ln.bmp").city, "K\xF6ln");
}

TEST_F(CityPictureTest, ChoicesTheRecordCannotHoldAreRefusedWithTheirMessage) {
    WriteBmp(install / "Elsewhere.bmp");
    const SCityPictureChoice outside = ChooseCityPicture(cities, install / "Elsewhere.bmp");
    EXPECT_FALSE(outside.accepted);
    EXPECT_NE(outside.message.find(cities.string()), std::string::npos);
    EXPECT_EQ(outside.message.substr(0, 20),
              std::string(ResourceString(ids::kCityPictureOutsideFolder)).substr(0, 20));

    const std::string longName(30, 'a');  // the field holds 29
    WriteBmp(cities / (longName + ".bmp"));
    const SCityPictureChoice tooLong = ChooseCityPicture(cities, cities / (longName + ".bmp"));
    EXPECT_FALSE(tooLong.accepted);
    EXPECT_NE(tooLong.message.find("29"), std::string::npos);
    WriteBmp(cities / (longName.substr(1) + ".bmp"));
    EXPECT_TRUE(ChooseCityPicture(cities, cities / (longName.substr(1) + ".bmp")).accepted);

    WriteBmp(cities / "Stadt.png");
    const SCityPictureChoice notBmp = ChooseCityPicture(cities, cities / "Stadt.png");
    EXPECT_FALSE(notBmp.accepted);
    EXPECT_EQ(notBmp.message, ResourceString(ids::kCityPictureNotBmp));

    test::WriteFile(cities / "Kaputt.bmp", "BM not a bitmap");
    const SCityPictureChoice broken = ChooseCityPicture(cities, cities / "Kaputt.bmp");
    EXPECT_FALSE(broken.accepted);
    EXPECT_NE(broken.message.find("Kaputt.bmp"), std::string::npos);

    WriteBmp(cities / "\xE2\x82\xAC\xE4\xB8\x9C.bmp");  // a character beyond Windows-1252
    EXPECT_FALSE(ChooseCityPicture(cities, cities / "\xE2\x82\xAC\xE4\xB8\x9C.bmp").accepted);
    EXPECT_FALSE(ChooseCityPicture(cities, cities / "Fehlt.bmp").accepted);
}

}  // namespace
}  // namespace kw
