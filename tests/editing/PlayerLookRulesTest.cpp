#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "TestWorld.h"
#include "assets/Image.h"
#include "assets/Tga.h"
#include "editing/PlayerLookRules.h"
#include "model/Player.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

std::string TextOf(const std::vector<SEditChoice>& choices, int value) {
    for (const SEditChoice& choice : choices) {
        if (choice.value == value) {
            return choice.text;
        }
    }
    return "<missing>";
}

std::vector<int> ValuesOf(const std::vector<SEditChoice>& choices) {
    std::vector<int> values;
    for (const SEditChoice& choice : choices) {
        values.push_back(choice.value);
    }
    return values;
}

TEST(LookChoicesTest, FacesInGroupOrderCountedPerGroupName) {
    const std::vector<SEditChoice> faces = FaceChoices();
    ASSERT_EQ(faces.size(), 90u);
    // Every face 1..90 exactly once.
    std::vector<int> values = ValuesOf(faces);
    std::sort(values.begin(), values.end());
    for (int value = 1; value <= 90; ++value) {
        EXPECT_EQ(values[static_cast<std::size_t>(value - 1)], value);
    }
    EXPECT_EQ(faces.front(), (SEditChoice{"Europ\xE4"
                                          "er 1",
                                          1}));
    // The Latin faces 20..25 come before the African 14..19.
    EXPECT_EQ(faces[13], (SEditChoice{"Latino 1", 20}));
    EXPECT_EQ(faces[19], (SEditChoice{"Afrikanisch 1", 14}));
    EXPECT_EQ(TextOf(faces, 26),
              "Europ\xE4"
              "er 8");
    EXPECT_EQ(TextOf(faces, 35), "Latino 7");
    EXPECT_EQ(TextOf(faces, 47), "Kaukasisch 1");
    EXPECT_EQ(TextOf(faces, 59), "Afrikanisch 7");
    EXPECT_EQ(TextOf(faces, 69), "Asiatisch 7");
    EXPECT_EQ(TextOf(faces, 85), "Arabisch 6");
    EXPECT_EQ(faces.back(), (SEditChoice{"Europ\xE4"
                                         "er 21",
                                         90}));
}

TEST(LookChoicesTest, HairAndBeardLists) {
    const std::vector<SEditChoice> colours = HairColourChoices();
    EXPECT_EQ(ValuesOf(colours), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(colours[2].text, "Dunkelblond");
    const std::vector<SEditChoice> cuts = HairCutChoices();
    ASSERT_EQ(cuts.size(), 38u);
    EXPECT_EQ(cuts.front(), (SEditChoice{"Haare 1", 1}));
    EXPECT_EQ(cuts.back(), (SEditChoice{"Haare 38", 38}));
    const std::vector<SEditChoice> beards = BeardChoices();
    EXPECT_EQ(ValuesOf(beards), (std::vector<int>{1, 2, 5, 3, 4, 6}));
    EXPECT_EQ(beards[2].text, "Spitzbart (vollst\xE4ndig)");
    EXPECT_EQ(beards[3].text, "Schnauzbart");
}

class PlayerPictureTest : public test::TestWorld {
protected:
    PlayerPictureTest() : player(world.CreatePerson(4711, true)) {
        player.SetSurname("M\xFChlau");
        player.SetFirstName("Theodor");
        player.SetBirthDate(CDate::FromYmd(1983, 9, 5));
    }

    void WriteTga(const std::string& relative, int width, int height) {
        const fs::path path = install.Path() / relative;
        fs::create_directories(path.parent_path());
        const auto bytes =
            EncodeTga(SImage(width, height, Argb(200, 30, 30)), 24, TgaCoding::Uncompressed);
        test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
    }

    CPlayer& player;
};

TEST_F(PlayerPictureTest, CandidatesInTheOrderTheyAreTriedWithoutOtherFolders) {
    EXPECT_EQ(PlayerPictureCandidates(player),
              (std::vector<std::string>{"user/picture/M\xC3\xBChlauTh050983.tga",
                                        "user/picture/M\xC3\xBChlau05091983.tga",
                                        "art/picture/emp-4711.tga", "art/picture/emp-4711.tpi"}));
    // A one-letter first name gives its one letter.
    player.SetFirstName("T");
    EXPECT_EQ(PlayerPictureCandidates(player).front(), "user/picture/M\xC3\xBChlauT050983.tga");
    // Surnames that name another folder give only the id pictures.
    for (const char* surname : {"../../etc", "a/b", "a\\b", ""}) {
        player.SetSurname(surname);
        EXPECT_EQ(
            PlayerPictureCandidates(player),
            (std::vector<std::string>{"art/picture/emp-4711.tga", "art/picture/emp-4711.tpi"}))
            << surname;
    }
}

TEST_F(PlayerPictureTest, TheFirstCandidateThatLoadsIsShownInAnyLetterCase) {
    EXPECT_FALSE(FindPlayerPicture(install.Path(), player).has_value());
    WriteTga("ART/Picture/EMP-4711.TGA", 160, 160);
    auto found = FindPlayerPicture(install.Path(), player);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path.filename(), "EMP-4711.TGA");
    EXPECT_TRUE(found->HasPictureSize());

    // A user picture comes first, even of another size; a broken one is passed over.
    WriteTga("user/picture/M\xC3\xBChlau05091983.tga", 100, 120);
    test::WriteFile(install.Path() / "user/picture/M\xC3\xBChlauTh050983.tga", "no picture");
    found = FindPlayerPicture(install.Path(), player);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->path.filename(), "M\xC3\xBChlau05091983.tga");
    EXPECT_EQ(found->picture.Width(), 100);
    EXPECT_EQ(found->picture.Height(), 120);
    EXPECT_FALSE(found->HasPictureSize());
}

}  // namespace
}  // namespace kw
