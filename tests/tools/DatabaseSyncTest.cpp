#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "tools/DatabaseSync.h"

namespace kw {
namespace {

constexpr int kLeftSlot = 0;
constexpr int kRightSlot = 1;
constexpr int kEurope = 0;
constexpr int kAfrica = 3;

// Two small databases side by side: a few named countries on their continents, each with clubs.
class DatabaseSyncTest : public ::testing::Test {
protected:
    DatabaseSyncTest()
        : left(std::make_unique<CWorld>(install.Path())),
          right(std::make_unique<CWorld>(install.Path())) {
        Prepare(left.WorldForOperations());
        Prepare(right.WorldForOperations());
    }

    static void Prepare(CWorld& world) {
        world.InitialiseCountries();
        // Every country sits on a continent beyond the shown ones unless placed below.
        for (int number = 1; number <= kCountryCount; ++number) {
            world.Country(number).SetAttributes(0, 0, 6);
        }
        Place(world, 1, kEurope, "Zetland");
        Place(world, 2, kEurope, "albion");
        Place(world, 3, kAfrica, "Baobab");
    }

    static void Place(CWorld& world, int number, int continent, const std::string& name) {
        CCountry& country = world.Country(number);
        country.SetAttributes(0, 0, static_cast<std::uint8_t>(continent));
        for (int language = 0; language < kLanguageCount; ++language) {
            country.SetName(language, name);
        }
    }

    static CClub& AddClub(CWorld& world, int country, std::uint16_t index,
                          const std::string& name) {
        CClub& club = world.Country(country).AddClub(index);
        for (int language = 0; language < kLanguageCount; ++language) {
            club.SetName(language, name);
        }
        return club;
    }

    static SSyncItem ClubItem(int slot, const CClub& club) {
        return SSyncItem::Club(slot, club.World().Country(club.Country()).Continent(),
                               club.Country(), club.Id());
    }

    static std::vector<std::string> Names(const std::vector<SSyncNode>& nodes) {
        std::vector<std::string> names;
        for (const SSyncNode& node : nodes) {
            names.push_back(node.name);
        }
        return names;
    }

    static const SSyncNode& Named(const std::vector<SSyncNode>& nodes, const std::string& name) {
        for (const SSyncNode& node : nodes) {
            if (node.name == name) {
                return node;
            }
        }
        throw std::runtime_error("no node " + name);
    }

    CWorld& Left() { return left.WorldForOperations(); }
    CWorld& Right() { return right.WorldForOperations(); }

    test::TempDir install;
    CDatabaseDocument left;
    CDatabaseDocument right;
};

TEST_F(DatabaseSyncTest, KindFollowsFromTheRecord) {
    EXPECT_EQ(SSyncItem::Continent(2, 4).Kind(), ESyncKind::Continent);
    EXPECT_EQ(SSyncItem::Country(2, 4, 17).Kind(), ESyncKind::Country);
    EXPECT_EQ(SSyncItem::Club(2, 4, 17, 0x00110003).Kind(), ESyncKind::Club);
    // A record with a club but no country is a continent: the country decides first.
    EXPECT_EQ((SSyncItem{1, 0, SSyncItem::kNoCountry, 5}).Kind(), ESyncKind::Continent);
}

TEST(SlotDisplayNameTest, LastComponentAfterBackSlashElseSlash) {
    EXPECT_EQ(SlotDisplayName("C:\\Docs\\database\\Liga"), "Liga");
    EXPECT_EQ(SlotDisplayName("/home/u/database/Liga"), "Liga");
    // A back-slash wins over a later slash.
    EXPECT_EQ(SlotDisplayName("a/b\\c/d"), "c/d");
    EXPECT_EQ(SlotDisplayName("/home/u/database/Liga/"), "Liga");
    EXPECT_EQ(SlotDisplayName("Liga"), "Liga");
    EXPECT_EQ(SlotDisplayName(""), "");
}

TEST_F(DatabaseSyncTest, TreeListsContinentsCountriesAndClubsSorted) {
    AddClub(Left(), 1, 1, "Victoria");
    AddClub(Left(), 1, 2, "auenkicker");
    AddClub(Left(), 1, 3, "\xC4rzte Elf");  // A with umlaut sorts among the a's
    AddClub(Left(), 1, 4, "Borough");

    const std::vector<SSyncNode> tree = SyncTree(left, kRightSlot);

    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(Names(tree),
              (std::vector<std::string>{"Afrika", "Asien", "Europa", "Nordamerika", "Ozeanien",
                                        "S\xFC"
                                        "damerika"}));
    const SSyncNode& europe = Named(tree, "Europa");
    EXPECT_EQ(europe.item, SSyncItem::Continent(kRightSlot, kEurope));
    // Countries beyond the six continents are not shown anywhere.
    EXPECT_EQ(Names(europe.children), (std::vector<std::string>{"albion", "Zetland"}));
    EXPECT_EQ(Names(Named(tree, "Afrika").children), (std::vector<std::string>{"Baobab"}));
    EXPECT_TRUE(Named(tree, "Asien").children.empty());

    const SSyncNode& zetland = Named(europe.children, "Zetland");
    EXPECT_EQ(zetland.item, SSyncItem::Country(kRightSlot, kEurope, 1));
    // The national team is no node of its own.
    EXPECT_EQ(Names(zetland.children),
              (std::vector<std::string>{"\xC4rzte Elf", "auenkicker", "Borough", "Victoria"}));
    const CClub& borough = *Left().Country(1).Club(zetland.children[2].item.club);
    EXPECT_EQ(borough.Name(kDefaultLanguage), "Borough");
    EXPECT_EQ(zetland.children[2].item, ClubItem(kRightSlot, borough));
}

TEST_F(DatabaseSyncTest, DroppingOnItselfDoesNothingButTheSameNodeOfAnotherDatabaseCopies) {
    const CClub& club = AddClub(Left(), 1, 1, "Victoria");
    AddClub(Right(), 1, 1, "Victoria");
    const SSyncItem leftClub = ClubItem(kLeftSlot, club);
    EXPECT_EQ(DecideDrop(leftClub, leftClub, left, left).action, EDropAction::Nothing);
    const SSyncItem country = SSyncItem::Country(kLeftSlot, kEurope, 1);
    EXPECT_EQ(DecideDrop(country, country, left, left).action, EDropAction::Nothing);
    const SSyncItem europe = SSyncItem::Continent(kLeftSlot, kEurope);
    EXPECT_EQ(DecideDrop(europe, europe, left, left).action, EDropAction::Nothing);

    // The same records in another slot are other nodes, although their names are equal.
    const SDropDecision onClub = DecideDrop(
        leftClub, ClubItem(kRightSlot, *Right().Country(1).Club(club.Id())), left, right);
    EXPECT_EQ(onClub.action, EDropAction::CopyClub);
    const SDropDecision onCountry =
        DecideDrop(country, SSyncItem::Country(kRightSlot, kEurope, 1), left, right);
    EXPECT_EQ(onCountry.action, EDropAction::CopyCountry);
    EXPECT_EQ(onCountry.countries, (std::vector<SCountryCopy>{{1, 1}}));

    // Nothing, and a refusal, carried out leave both databases untouched.
    const SDropDecision onItself = DecideDrop(leftClub, country, left, left);
    EXPECT_FALSE(CarryOutDrop(onItself, leftClub, Left(), left, kAllClubCopyGroups).has_value());
    const SDropDecision refused =
        DecideDrop(leftClub, SSyncItem::Continent(kRightSlot, kEurope), left, right);
    EXPECT_FALSE(CarryOutDrop(refused, leftClub, Left(), right, kAllClubCopyGroups).has_value());
    EXPECT_FALSE(left.IsModified());
    EXPECT_FALSE(right.IsModified());
}

TEST_F(DatabaseSyncTest, ClubOntoCountryCopiesIntoTheNamesakeOrMakesANewClub) {
    const CClub& victoria = AddClub(Left(), 1, 1, "Victoria");
    const CClub& auenkicker = AddClub(Left(), 1, 2, "Auenkicker");
    AddClub(Right(), 2, 1, "Rovers");
    const CClub& namesake = AddClub(Right(), 2, 7, "Victoria");
    AddClub(Right(), 2, 8, "victoria");  // the letter case counts
    const SSyncItem albion = SSyncItem::Country(kRightSlot, kEurope, 2);

    const SDropDecision intoNamesake =
        DecideDrop(ClubItem(kLeftSlot, victoria), albion, left, right);
    EXPECT_EQ(intoNamesake.action, EDropAction::CopyClub);
    EXPECT_EQ(intoNamesake.target, ClubItem(kRightSlot, namesake));

    const SDropDecision fresh = DecideDrop(ClubItem(kLeftSlot, auenkicker), albion, left, right);
    EXPECT_EQ(fresh.action, EDropAction::NewClub);
    EXPECT_EQ(fresh.target, albion);

    // A club dropped on its own country finds itself: nothing to copy.
    EXPECT_EQ(DecideDrop(ClubItem(kLeftSlot, victoria), SSyncItem::Country(kLeftSlot, kEurope, 1),
                         left, left)
                  .action,
              EDropAction::Nothing);
}

TEST_F(DatabaseSyncTest, ANewClubIsRefusedWhenTheCountryIsFull) {
    const CClub& club = AddClub(Left(), 1, 1, "Victoria");
    for (int index = 1; index <= CCountry::kMaxClubs; ++index) {
        AddClub(Right(), 2, static_cast<std::uint16_t>(index), "Club " + std::to_string(index));
    }
    const SDropDecision full = DecideDrop(ClubItem(kLeftSlot, club),
                                          SSyncItem::Country(kRightSlot, kEurope, 2), left, right);
    EXPECT_EQ(full.action, EDropAction::Refuse);
    EXPECT_NE(full.message.find("albion"), std::string::npos);
    EXPECT_NE(full.message.find(std::to_string(CCountry::kMaxClubs)), std::string::npos);
    // A namesake is still found in a full country.
    AddClub(Left(), 1, 2, "Club 5");
    const SDropDecision namesake =
        DecideDrop(ClubItem(kLeftSlot, *Left().Country(1).Club(MakeClubId(1, 2))),
                   SSyncItem::Country(kRightSlot, kEurope, 2), left, right);
    EXPECT_EQ(namesake.action, EDropAction::CopyClub);
    EXPECT_EQ(namesake.target.club, MakeClubId(2, 5));
}

TEST_F(DatabaseSyncTest, DifferentKindsAndContinentsAreRefusedWithTheirMessages) {
    const CClub& club = AddClub(Left(), 1, 1, "Victoria");
    const std::string sameKinds(ResourceString(ids::kSyncSameKindsOnly));
    ASSERT_FALSE(sameKinds.empty());
    const SSyncItem country = SSyncItem::Country(kLeftSlot, kEurope, 2);
    const SSyncItem europe = SSyncItem::Continent(kRightSlot, kEurope);
    for (const auto& pair :
         std::vector<std::pair<SSyncItem, SSyncItem>>{{country, ClubItem(kRightSlot, club)},
                                                      {europe, country},
                                                      {country, europe},
                                                      {ClubItem(kLeftSlot, club), europe},
                                                      {europe, ClubItem(kLeftSlot, club)}}) {
        const SDropDecision decision = DecideDrop(pair.first, pair.second, left, right);
        EXPECT_EQ(decision.action, EDropAction::Refuse);
        EXPECT_EQ(decision.message, sameKinds);
    }
    const SDropDecision continents =
        DecideDrop(SSyncItem::Continent(kLeftSlot, kAfrica), europe, left, right);
    EXPECT_EQ(continents.action, EDropAction::Refuse);
    EXPECT_EQ(continents.message, ResourceString(ids::kSyncDifferentContinents));
}

TEST_F(DatabaseSyncTest, AContinentCopiesTheCountriesTheDraggedDatabasePlacesOnIt) {
    // Country 3 lies in Africa on the right only; country 4 lies in Europe on the left only.
    Place(Left(), 4, kEurope, "Fourland");
    const SDropDecision decision =
        DecideDrop(SSyncItem::Continent(kLeftSlot, kEurope),
                   SSyncItem::Continent(kRightSlot, kEurope), left, right);
    EXPECT_EQ(decision.action, EDropAction::CopyCountry);
    EXPECT_EQ(decision.countries, (std::vector<SCountryCopy>{{1, 1}, {2, 2}, {4, 4}}));
}

TEST_F(DatabaseSyncTest, AClubCopyIsOneUndoableChangeOfTheTarget) {
    CClub& source = AddClub(Left(), 1, 1, "Victoria");
    source.SetFoundingYear(1888);
    CClub& target = AddClub(Right(), 2, 4, "Victoria");
    target.SetFoundingYear(1950);
    const SSyncItem dragged = ClubItem(kLeftSlot, source);
    const SDropDecision decision =
        DecideDrop(dragged, SSyncItem::Country(kRightSlot, kEurope, 2), left, right);

    const auto shown = CarryOutDrop(decision, dragged, Left(), right, clubcopy::kGeneral);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, ClubItem(kRightSlot, target));
    EXPECT_EQ(right.World().Country(2).Club(target.Id())->FoundingYear(), 1888);
    EXPECT_EQ(right.UndoDescription(), std::string(ResourceString(ids::kClubCopyCaption)));
    EXPECT_FALSE(left.IsModified());

    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(2).Club(target.Id())->FoundingYear(), 1950);
    EXPECT_EQ(left.World().Country(1).Club(source.Id())->FoundingYear(), 1888);
    EXPECT_FALSE(right.UndoDescription().has_value());
}

TEST_F(DatabaseSyncTest, ANewClubTakesEverythingAndUndoRemovesIt) {
    CClub& source = AddClub(Left(), 1, 1, "Victoria");
    source.SetFoundingYear(1888);
    AddClub(Right(), 2, 1, "Rovers");
    const SSyncItem dragged = ClubItem(kLeftSlot, source);
    const SDropDecision decision =
        DecideDrop(dragged, SSyncItem::Country(kRightSlot, kEurope, 2), left, right);
    ASSERT_EQ(decision.action, EDropAction::NewClub);

    // The mask handed in is the club dialog's; a new club gets every group whatever it says.
    const auto shown = CarryOutDrop(decision, dragged, Left(), right, 0);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->Kind(), ESyncKind::Club);
    EXPECT_EQ(shown->country, 2);
    const CClub* made = right.World().Country(2).Club(shown->club);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Name(0), "Victoria");
    EXPECT_EQ(made->FoundingYear(), 1888);
    EXPECT_EQ(right.World().Country(2).ClubCount(), 2);

    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(2).Club(shown->club), nullptr);
    EXPECT_EQ(right.World().Country(2).ClubCount(), 1);
}

TEST_F(DatabaseSyncTest, CountryAndContinentCopiesAreOneUndoableChange) {
    Left().Country(1).Settings().averageStrength = 71;
    Left().Country(2).Settings().averageStrength = 72;
    Left().Country(3).Settings().averageStrength = 73;
    Right().Country(1).Settings().averageStrength = 11;
    Right().Country(2).Settings().averageStrength = 12;
    Right().Country(3).Settings().averageStrength = 13;

    // A country onto another number: the target number receives it.
    const SSyncItem zetland = SSyncItem::Country(kLeftSlot, kEurope, 1);
    const SDropDecision single =
        DecideDrop(zetland, SSyncItem::Country(kRightSlot, kAfrica, 3), left, right);
    ASSERT_TRUE(CarryOutDrop(single, zetland, Left(), right, 0x2).has_value());
    EXPECT_EQ(right.World().Country(3).Settings().averageStrength, 71);
    EXPECT_EQ(right.World().Country(1).Settings().averageStrength, 11);
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(3).Settings().averageStrength, 13);

    const SSyncItem europe = SSyncItem::Continent(kLeftSlot, kEurope);
    const SDropDecision continent =
        DecideDrop(europe, SSyncItem::Continent(kRightSlot, kEurope), left, right);
    ASSERT_TRUE(CarryOutDrop(continent, europe, Left(), right, 0x2).has_value());
    EXPECT_EQ(right.World().Country(1).Settings().averageStrength, 71);
    EXPECT_EQ(right.World().Country(2).Settings().averageStrength, 72);
    EXPECT_EQ(right.World().Country(3).Settings().averageStrength, 13);
    ASSERT_TRUE(right.Undo());
    EXPECT_EQ(right.World().Country(1).Settings().averageStrength, 11);
    EXPECT_EQ(right.World().Country(2).Settings().averageStrength, 12);
    EXPECT_FALSE(right.IsModified());
    EXPECT_EQ(left.World().Country(1).Settings().averageStrength, 71);
}

}  // namespace
}  // namespace kw
