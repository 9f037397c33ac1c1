#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/LeagueDataRules.h"
#include "editing/LevelNames.h"
#include "exports/WorldDump.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

TEST(LevelNames, ATypedNameIsCutToTheTwentyEightCharactersALevelNameHolds) {
    EXPECT_EQ(LevelNameToStore(""), "");
    EXPECT_EQ(LevelNameToStore("Erste Liga"), "Erste Liga");
    const std::string full(kLevelNameLength, 'x');
    EXPECT_EQ(LevelNameToStore(full), full);
    EXPECT_EQ(LevelNameToStore(full + "yz"), full);
    // Windows-1252: one byte per character.
    EXPECT_EQ(LevelNameToStore(std::string(40, '\xE4')).size(), kLevelNameLength);
}

class LevelNameWorld : public ::testing::Test {
protected:
    LevelNameWorld() {
        auto world = std::make_unique<CWorld>(install.Path());
        world->InitialiseCountries();
        world->Country(kCountry).SetLevelName(1, 0, "Zweite Liga");
        world->Country(kCountry).SetLevelName(1, 2, "Deuxi\xE8me division");
        document = std::make_unique<CDatabaseDocument>(std::move(world));
    }

    std::string LevelName(int level, int language) const {
        return std::string(document->World()
                               .Country(kCountry)
                               .LevelNames(level)[static_cast<std::size_t>(language)]
                               .View());
    }

    static constexpr int kCountry = 14;
    test::TempDir install;
    std::unique_ptr<CDatabaseDocument> document;
};

TEST_F(LevelNameWorld, OnlyANewNameInRangeIsOneUndoableEditOfItsLanguage) {
    const std::string before = DumpWorldJson(document->World());
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, 0, "Zweite Liga"));
    EXPECT_FALSE(StoreLevelName(*document, 0, 1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountryCount + 1, 1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, -1, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, kLevelCount, 0, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, -1, "Neu"));
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, kLanguageCount, "Neu"));
    EXPECT_EQ(document->History().Count(), 0u);
    EXPECT_EQ(DumpWorldJson(document->World()), before);

    // A new name is one undoable edit of its language only.
    const std::string typed = "Regionalliga mit sehr langem Namen";
    ASSERT_GT(typed.size(), kLevelNameLength);
    EXPECT_TRUE(StoreLevelName(*document, kCountry, 1, 0, typed));
    EXPECT_EQ(document->History().Count(), 1u);
    // Named in Windows-1252 like every text of the model, as the edit menu shows it.
    EXPECT_EQ(document->UndoDescription(), "Ligenbezeichnung \xE4ndern");
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    EXPECT_EQ(LevelName(1, 2), "Deuxi\xE8me division");
    EXPECT_EQ(LevelName(0, 0), "");
    // The cut name stored, typing it longer again changes nothing.
    EXPECT_FALSE(StoreLevelName(*document, kCountry, 1, 0, typed));
    EXPECT_EQ(document->History().Count(), 1u);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(LevelName(1, 0), typed.substr(0, kLevelNameLength));
    // An empty name clears it.
    EXPECT_TRUE(StoreLevelName(*document, kCountry, 1, 0, ""));
    EXPECT_EQ(LevelName(1, 0), "");
}

}  // namespace
}  // namespace kw
