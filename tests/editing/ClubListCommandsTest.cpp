#include <gtest/gtest.h>

#include <string>

#include "DemoInstallation.h"
#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/ClubListCommands.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/ClubFile.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

class ClubListCommandsTest : public ::testing::Test {
protected:
    ClubListCommandsTest() : document(test::LoadSmallDemo()) {}

    const CCountry& Country() const { return document.World().Country(kDefaultCountry); }
    std::string Dump() const { return DumpWorldJson(document.World()); }

    CDatabaseDocument document;
};

TEST_F(ClubListCommandsTest, ANewClubCarriesTheEditorMarkAndOnlySuchClubsAreDeleted) {
    const std::uint32_t fileClub = std::next(Country().Clubs().begin())->first;
    EXPECT_FALSE(CanDeleteClub(*Country().Club(fileClub)));
    EXPECT_FALSE(DeleteClub(document, kDefaultCountry, fileClub));
    EXPECT_FALSE(CanDeleteClub(*Country().Club(MakeClubId(kDefaultCountry, kNationalTeamIndex))));

    const std::string before = Dump();
    const std::uint32_t made = CreateClub(document, kDefaultCountry, "Waldkirchen");
    ASSERT_NE(made, 0u);
    const CClub& club = *Country().Club(made);
    EXPECT_NE(club.StadiumFlags() & CClub::kEditorCreatedFlag, 0);
    for (int language = 0; language < kLanguageCount; ++language) {
        EXPECT_EQ(club.Name(language), "Waldkirchen");
    }
    const std::string created = Dump();
    ASSERT_TRUE(DeleteClub(document, kDefaultCountry, made));
    EXPECT_EQ(Country().Club(made), nullptr);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), created);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

TEST_F(ClubListCommandsTest, RemovedPersonsLeaveTheDatabaseAndAClubWithoutNoneRecordsNothing) {
    const std::uint32_t club = std::next(Country().Clubs().begin())->first;
    const std::vector<std::uint32_t> persons = Country().Club(club)->PersonIds();
    ASSERT_FALSE(persons.empty());
    ASSERT_TRUE(RemoveClubPersons(document, kDefaultCountry, club));
    EXPECT_TRUE(Country().Club(club)->PersonIds().empty());
    EXPECT_EQ(document.World().Person(persons.front()), nullptr);
    EXPECT_FALSE(RemoveClubPersons(document, kDefaultCountry, club));
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(ClubListCommandsTest, AClubIsOverwrittenFromAClubFileAsOneEdit) {
    const auto club = std::next(Country().Clubs().begin());
    const std::uint32_t target = std::next(club)->first;
    const test::TempDir folder;
    ASSERT_TRUE(SaveClubFile(document.WorldForOperations(), *club->second, folder / "club.clb"));
    EXPECT_FALSE(OverwriteClub(document, kDefaultCountry, target, folder / "missing.clb"));
    EXPECT_EQ(document.History().Count(), 0u);

    const std::string before = Dump();
    ASSERT_TRUE(OverwriteClub(document, kDefaultCountry, target, folder / "club.clb"));
    EXPECT_EQ(Country().Club(target)->Names(), club->second->Names());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Dump(), before);
}

}  // namespace
}  // namespace kw
