#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TestWorld.h"
#include "assets/BigWriter.h"
#include "assets/GlobalTools.h"
#include "assets/Tga.h"
#include "editing/BadgeChoice.h"
#include "editing/BadgePreview.h"
#include "model/ClubNames.h"
#include "platform/ScriptedUserInterface.h"
#include "platform/StringTable.h"

namespace kw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A one-pixel badge whose red tells where it was read from.
Bytes Badge(std::uint8_t red) {
    return EncodeTga(SImage(1, 1, Argb(red, 0, 0)), 24, TgaCoding::Uncompressed);
}

// The red of the first pixel of a converted 24-bit bitmap (B, G, R after the 54-byte headers).
std::uint8_t RedOf(const std::optional<Bytes>& dib) {
    return dib && dib->size() > 56 ? (*dib)[56] : 0;
}

class BadgeChoiceTest : public test::TestWorld {
protected:
    void Loose(const std::string& relative, std::uint8_t red) {
        const auto path = install / ("badges/" + relative);
        std::filesystem::create_directories(path.parent_path());
        const Bytes tga = Badge(red);
        test::WriteFile(path, std::string(tga.begin(), tga.end()));
    }
    void Init(const std::vector<SBigFile>& archived) {
        ASSERT_TRUE(WriteBigArchive(install / "badges.big", archived));
        tools.Init(install.Path());
        tools.BadgeArchive().SetUserInterface(&ui);
        groups = BuildBadgeGroups(tools.BadgeDirectory(), tools.BadgeArchive(), world);
        items = BadgeGroupItems(groups, world, kDefaultLanguage);
    }
    const SBadgeGroup& GroupOf(int item) const {
        return groups.at(static_cast<std::size_t>(items.at(static_cast<std::size_t>(item)).group));
    }
    std::vector<std::string> Names(const std::vector<SBadgeItem>& badges) const {
        std::vector<std::string> names;
        for (const SBadgeItem& badge : badges) {
            names.push_back(badge.name);
        }
        return names;
    }
    int ItemNamed(const std::string& name) const {
        for (std::size_t item = 0; item < items.size(); ++item) {
            if (items[item].name == name) {
                return static_cast<int>(item);
            }
        }
        return -1;
    }
    int EntryNamed(int item, const std::string& name) const {
        for (const SBadgeItem& badge : BadgeItems(GroupOf(item), tools.BadgeArchive())) {
            if (badge.name == name) {
                return badge.entry;
            }
        }
        return -1;
    }

    CScriptedUserInterface ui;
    CGlobalTools tools;
    std::vector<SBadgeGroup> groups;
    std::vector<SBadgeGroupItem> items;
};

TEST_F(BadgeChoiceTest, GroupsAndBadgesAreSortedByTheirShownNames) {
    Loose("zeta/Badge256/b.tga", 1);
    Loose("alpha/Badge256/Zulu.tga", 1);
    Loose("alpha/Badge256/echo.TGA", 1);
    Init({{"Badges\\Beta\\Badge256\\x.tga", Badge(2)},
          {"Badges\\alpha\\Badge256\\Delta.tga", Badge(2)}});

    std::vector<std::string> shown;
    for (const SBadgeGroupItem& item : items) {
        shown.push_back(item.name);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{" Kein Wappen", "alpha", "Beta", "zeta"}));
    EXPECT_EQ(items.front().group, kNoBadgeGroup);
    // Loose and archived badges of a folder together, by file name without folder and extension.
    EXPECT_EQ(Names(BadgeItems(GroupOf(1), tools.BadgeArchive())),
              (std::vector<std::string>{"Delta", "echo", "Zulu"}));
    EXPECT_EQ(BadgeDisplayName("Ger\\Badge256\\Club.One.tga"), "Club.One");
    EXPECT_EQ(BadgeDisplayName("plain"), "plain");
}

TEST_F(BadgeChoiceTest, ABadgeLooseAndArchivedIsOfferedOnceAndShownFromItsLooseFile) {
    Loose("Ger/Badge256/both.tga", 1);
    Init({{"Badges\\Ger\\Badge256\\both.tga", Badge(2)},
          {"Badges\\Ger\\Badge256\\only.tga", Badge(3)}});
    const int ger = ItemNamed("Ger");
    ASSERT_GE(ger, 0);
    EXPECT_EQ(Names(BadgeItems(GroupOf(ger), tools.BadgeArchive())),
              (std::vector<std::string>{"both", "only"}));

    SBadgeSelection chosen{ger, EntryNamed(ger, "both")};
    const auto both = BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), chosen, 0);
    ASSERT_EQ(both.kind, EBadgeChoice::kPath);
    EXPECT_EQ(both.path, "Ger\\Badge256\\both.tga");
    EXPECT_EQ(RedOf(LoadBadgePreview(tools, both.path).bitmap), 1);

    chosen.entry = EntryNamed(ger, "only");
    const auto only = BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), chosen, 0);
    EXPECT_EQ(only.path, "Ger\\Badge256\\only.tga");
    EXPECT_EQ(RedOf(LoadBadgePreview(tools, only.path).bitmap), 3);
}

TEST_F(BadgeChoiceTest, PreselectionFindsTheCurrentBadgeIgnoringLetterCase) {
    Loose("Ger/Badge256/a.tga", 1);
    Loose("Ger/Badge256/b.tga", 1);
    Loose("Aut/Badge256/c.tga", 1);
    Init({});
    const int ger = ItemNamed("Ger");
    const auto found = PreselectBadge(groups, items, tools.BadgeArchive(), "GER\\badge256\\B.tga");
    EXPECT_EQ(found.groupItem, ger);
    EXPECT_EQ(found.entry, EntryNamed(ger, "b"));

    // The folder without that badge: the group, no badge.
    const auto folderOnly =
        PreselectBadge(groups, items, tools.BadgeArchive(), "Ger\\Badge256\\gone.tga");
    EXPECT_EQ(folderOnly.groupItem, ger);
    EXPECT_EQ(folderOnly.entry, -1);

    // No such folder, or no path: the first group in the list, no badge.
    for (const char* path : {"color\\badge256\\bl_sw.tga", ""}) {
        const auto other = PreselectBadge(groups, items, tools.BadgeArchive(), path);
        EXPECT_EQ(other.groupItem, ItemNamed("Aut")) << path;
        EXPECT_EQ(other.entry, -1) << path;
    }
}

TEST_F(BadgeChoiceTest, WithoutAnyGroupNothingIsSelectedAndOkGivesNothing) {
    Init({});
    ASSERT_EQ(items.size(), 1u);
    const auto selection =
        PreselectBadge(groups, items, tools.BadgeArchive(), "Ger\\Badge256\\a.tga");
    EXPECT_EQ(selection.groupItem, -1);
    EXPECT_EQ(selection.entry, -1);
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), selection, 3).kind,
              EBadgeChoice::kNothing);
}

TEST_F(BadgeChoiceTest, OkGivesTheTemplateForNoBadgeNothingWithoutABadgeAndRefusesLongPaths) {
    Loose("Ger/Badge256/a.tga", 1);
    const std::string longName(40, 'x');
    Loose("Ger/Badge256/" + longName + ".tga", 1);
    Init({});
    const int ger = ItemNamed("Ger");

    // " Kein Wappen": the template of the club's colour combination.
    for (const int combination : {19, 23}) {
        const auto none =
            BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {0, -1}, combination);
        EXPECT_EQ(none.kind, EBadgeChoice::kPath);
        EXPECT_EQ(none.path, DefaultBadgePath(combination));
    }
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {0, -1}, 19).path,
              "color\\badge256\\ro_ws.tga");

    // A group without a chosen badge acts as Cancel.
    EXPECT_EQ(BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, -1}, 0).kind,
              EBadgeChoice::kNothing);

    // 39 characters fit the record, more are refused whole.
    const auto tooLong =
        BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, EntryNamed(ger, longName)}, 0);
    EXPECT_EQ(tooLong.kind, EBadgeChoice::kTooLong);
    EXPECT_EQ(tooLong.path, "Ger\\Badge256\\" + longName + ".tga");
    const auto fits =
        BadgeChoiceOnOk(groups, items, tools.BadgeArchive(), {ger, EntryNamed(ger, "a")}, 0);
    EXPECT_EQ(fits.kind, EBadgeChoice::kPath);
    EXPECT_LE(fits.path.size(), kMaxBadgePathLength);
}

TEST_F(BadgeChoiceTest, PreviewTellsWhyABadgeIsMissingWithoutAMessage) {
    Init({{"Badges\\Ger\\Badge256\\packed.tga", Badge(4), true}});
    EXPECT_EQ(RedOf(LoadBadgePreview(tools, "Ger\\Badge256\\packed.tga").bitmap), 4);

    const SBadgePreview empty = LoadBadgePreview(tools, "");
    EXPECT_FALSE(empty.bitmap);
    EXPECT_EQ(empty.fileText, "Keine Datei gew\xE4hlt");

    const SBadgePreview missing = LoadBadgePreview(tools, "Ger\\Badge256\\gone.tga");
    EXPECT_FALSE(missing.bitmap);
    EXPECT_EQ(missing.fileText,
              "Die Datei Badges\\Ger\\Badge256\\gone.tga konnte in dem BIG Archiv nicht "
              "gefunden werden");
    EXPECT_TRUE(ui.Texts(CScriptedUserInterface::Message::Kind::Error).empty());
}

TEST_F(BadgeChoiceTest, PreviewWithoutArchiveShowsWhyItIsMissing) {
    test::WriteFile(install / "badges.big", "damaged");
    tools.Init(install.Path());
    ASSERT_FALSE(tools.BadgeArchive().IsOpen());
    const SBadgePreview missing = LoadBadgePreview(tools, "Ger\\Badge256\\gone.tga");
    EXPECT_FALSE(missing.bitmap);
    EXPECT_EQ(missing.fileText, tools.BadgeArchive().LastError());
    EXPECT_FALSE(missing.fileText.empty());
}

}  // namespace
}  // namespace kw
