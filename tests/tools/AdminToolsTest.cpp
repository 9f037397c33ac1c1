#include <gtest/gtest.h>

#include <set>
#include <string>

#include "AdminTestSupport.h"

namespace kw {
namespace {

using test::AdminToolsTest;

TEST(AdminCommandTable, MenuItemsComeInTheirGroupsWithUniqueNames) {
    std::set<std::string_view> names;
    EAdminGroup group = EAdminGroup::kClub;
    int bulk = 0;
    for (const SAdminCommand& item : AdminMenuItems()) {
        EXPECT_TRUE(names.insert(item.name).second) << item.name;
        EXPECT_GE(static_cast<int>(item.group), static_cast<int>(group)) << item.name;
        group = item.group;
        const bool runnable = FindAdminCommand(item.name) == &item;
        EXPECT_EQ(runnable, item.kind == EAdminKind::kBulk) << item.name;
        bulk += runnable;
    }
    EXPECT_EQ(AdminMenuItems().size(), 18u);
    EXPECT_EQ(bulk, 13);
    EXPECT_EQ(AdminMenuItems().back().caption, "DB f\xFCr PS2 erstellen");
    EXPECT_EQ(FindAdminCommand("map-club-ids"), nullptr);
    EXPECT_EQ(FindAdminCommand("nonsense"), nullptr);
    EXPECT_EQ(AdminGroupCaption(EAdminGroup::kMisc), "--- Misc ---");
}

TEST_F(AdminToolsTest, QuestionsNameWhatTheCommandActsOn) {
    CClub& club = AddClub(kCountryCount);
    club.SetName(kDefaultLanguage, "Testverein");
    const std::string country = Live().Country(kCountryCount).Name(kDefaultLanguage);
    const CWorld& world = document.World();
    EXPECT_EQ(AdminQuestion(*FindAdminCommand("club-yellow-shoes"), world, {.club = club.Id()},
                            kDefaultLanguage),
              "This option changes all yellow shoes of Testverein to black. Do you really want "
              "to do this?");
    EXPECT_EQ(AdminQuestion(*FindAdminCommand("rename-stadiums"), world, {.country = kCountryCount},
                            kDefaultLanguage),
              "Do you really want to rename all stadiums in " + country + "?");
    // Folder names are UTF-8 on disk and Windows-1252 in the question.
    CWorld other;
    other.SetDirectory(
        "/db/\xC3\x87"
        "a va");
    Live().SetDirectory(
        "/db/\xC3\x9C"
        "bung");
    EXPECT_NE(AdminQuestion(*FindAdminCommand("spain-nicknames"), world, {.other = &other},
                            kDefaultLanguage)
                  .find("league in \xDC"
                        "bung with the nicknames from \xC7"
                        "a va."),
              std::string::npos);
    EXPECT_TRUE(AsksYesNoCancel(*FindAdminCommand("spain-nicknames")));
    EXPECT_FALSE(AsksYesNoCancel(*FindAdminCommand("remove-staff")));
    EXPECT_EQ(AdminQuestion(*FindAdminCommand("merge-club-names"), world, {}, kDefaultLanguage),
              "");
}

TEST_F(AdminToolsTest, TheTwoEmptyCommandsChangeNothing) {
    const SAdminOutcome merge = Run("merge-club-names");
    EXPECT_TRUE(merge.ok);
    EXPECT_EQ(merge.text, "This function is only avaiable in debug build");
    const SAdminOutcome stadiums = Run("remove-unused-stadiums", {.country = 14});
    EXPECT_TRUE(stadiums.ok);
    EXPECT_EQ(stadiums.text, "");
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_FALSE(document.IsModified());
    ExpectSound();
}

TEST_F(AdminToolsTest, MissingTargetsAreRefusedWithoutAChange) {
    EXPECT_FALSE(Run("club-yellow-shoes").ok);
    EXPECT_FALSE(Run("club-yellow-shoes", {.club = Live().Country(14).NationalTeam().Id()}).ok);
    EXPECT_FALSE(Run("rename-stadiums", {.country = 0}).ok);
    EXPECT_FALSE(Run("clear-match-records", {.country = kCountryCount + 1}).ok);
    EXPECT_EQ(document.History().Count(), 0u);
}

}  // namespace
}  // namespace kw
