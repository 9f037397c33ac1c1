#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/Stadium.h"
#include "model/World.h"
#include "tools/QuickFind.h"

namespace kw {
namespace {

// The small demo with a few names of our own that no demo name resembles: a club, a player, a
// staff member and a referee around "Quaxmüller", a stadium "Quaxarena".
class QuickFind : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world = test::LoadSmallDemo().release();
        CCountry& country = world->Country(14);
        auto clubs = country.Clubs().begin();
        club = std::next(clubs)->second.get();
        otherClub = std::next(clubs, 2)->second.get();
        club->SetName(kDefaultLanguage, "FC Quaxm\xFCller 09");
        otherClub->SetName(kDefaultLanguage, "Quaxmuller");
        for (const std::uint32_t id : club->PersonIds()) {
            CPlayer& person = *world->Person(id);
            if (person.IsPlayer() && player == nullptr) {
                player = &person;
                person.SetFirstName("J\xF6rg");
                person.SetSurname("Quaxm\xFCller");
            } else if (!person.IsPlayer() && staff == nullptr) {
                staff = &person;
                staff->SetFirstName("Ute");
                staff->SetSurname("Quaxmueller");
            }
        }
        country.Referees().front().SetNames("Quax", "Schiri");
        country.Stadiums().front().SetName("Quaxarena");
    }
    static void TearDownTestSuite() { delete world; }

    static std::vector<std::string> Names(const SFindResult& result) {
        std::vector<std::string> names;
        for (const SFindHit& hit : result.hits) {
            names.push_back(hit.name);
        }
        return names;
    }

    static CWorld* world;
    static CClub* club;
    static CClub* otherClub;
    static CPlayer* player;
    static CPlayer* staff;
};

CWorld* QuickFind::world = nullptr;
CClub* QuickFind::club = nullptr;
CClub* QuickFind::otherClub = nullptr;
CPlayer* QuickFind::player = nullptr;
CPlayer* QuickFind::staff = nullptr;

TEST_F(QuickFind, FoldsCaseAndAccentsAndOrdersExactPrefixWildcardThenKind) {
    ASSERT_NE(player, nullptr);
    ASSERT_NE(staff, nullptr);
    EXPECT_TRUE(test::ReferenceFaults(*world).empty());
    const CQuickFindIndex index(*world, kDefaultLanguage);

    // "quaxmuller" equals the player's surname and the other club's name folded; it begins a
    // word of the first club's name; the staff member's "Quaxmueller" is no match at all.
    const SFindResult result = index.Find("QUAXMULLER");
    ASSERT_EQ(result.hits.size(), 3u);
    EXPECT_FALSE(result.More());
    EXPECT_EQ(result.hits[0].kind, EFindKind::Club);
    EXPECT_EQ(result.hits[0].match, EFindMatch::Exact);
    EXPECT_EQ(result.hits[0].name, "Quaxmuller");
    EXPECT_EQ(result.hits[0].club, otherClub->Id());
    EXPECT_EQ(result.hits[1].kind, EFindKind::Player);
    EXPECT_EQ(result.hits[1].match, EFindMatch::Exact);
    EXPECT_EQ(result.hits[1].name, "J\xF6rg Quaxm\xFCller");
    EXPECT_EQ(result.hits[1].id, player->Id());
    EXPECT_EQ(result.hits[1].club, club->Id());
    EXPECT_EQ(result.hits[1].country, 14);
    EXPECT_EQ(result.hits[2].match, EFindMatch::Prefix);
    EXPECT_EQ(result.hits[2].name, "FC Quaxm\xFCller 09");

    // "quax" is the referee's first name (exact, first) and begins every other name; the
    // prefix matches follow by kind.
    const SFindResult prefix = index.Find("  quax ");
    ASSERT_EQ(prefix.hits.size(), 6u);
    EXPECT_EQ(prefix.hits[0].kind, EFindKind::Referee);
    EXPECT_EQ(prefix.hits[0].match, EFindMatch::Exact);
    std::vector<EFindKind> kinds;
    for (std::size_t i = 1; i < prefix.hits.size(); ++i) {
        EXPECT_EQ(prefix.hits[i].match, EFindMatch::Prefix) << prefix.hits[i].name;
        kinds.push_back(prefix.hits[i].kind);
    }
    EXPECT_EQ(kinds, (std::vector<EFindKind>{EFindKind::Club, EFindKind::Club, EFindKind::Player,
                                             EFindKind::Staff, EFindKind::Stadium}));
    // Within a kind by name: "FC Quaxmüller 09" before "Quaxmuller".
    EXPECT_EQ(prefix.hits[1].name, "FC Quaxm\xFCller 09");

    // A query that only lies inside a word finds nothing.
    EXPECT_TRUE(index.Find("axmuller").hits.empty());
    EXPECT_TRUE(index.Find("   ").hits.empty());
}

TEST_F(QuickFind, WildcardsMatchWholeNamesAfterThePrefixMatches) {
    const CQuickFindIndex index(*world, kDefaultLanguage);
    const SFindResult result = index.Find("q*m?ller");
    ASSERT_FALSE(result.hits.empty());
    for (const SFindHit& hit : result.hits) {
        EXPECT_EQ(hit.match, EFindMatch::Wildcard);
    }
    EXPECT_EQ(Names(result), (std::vector<std::string>{"Quaxmuller", "J\xF6rg Quaxm\xFCller"}));
    // "*" at the end is a prefix over the whole name, so the club's own name counts.
    EXPECT_EQ(index.Find("fc quax*").hits.size(), 1u);
    EXPECT_EQ(index.Find("*xmueller").hits.front().kind, EFindKind::Staff);
}

TEST_F(QuickFind, IdsFindClubsPersonsAndCompetitions) {
    const CQuickFindIndex index(*world, kDefaultLanguage);
    const SFindResult byId = index.Find(std::to_string(player->Id()));
    ASSERT_FALSE(byId.hits.empty());
    EXPECT_EQ(byId.hits[0].id, player->Id());
    EXPECT_EQ(byId.hits[0].match, EFindMatch::Exact);

    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", club->Id());
    const SFindResult clubById = index.Find(hex);
    ASSERT_EQ(clubById.hits.size(), 1u);
    EXPECT_EQ(clubById.hits[0].name, "FC Quaxm\xFCller 09");
    EXPECT_EQ(index.Find("0xZZ").hits.size(), 0u);
}

TEST_F(QuickFind, AtMostTheLimitWithTheCountOfAll) {
    const CQuickFindIndex index(*world, kDefaultLanguage);
    ASSERT_GT(index.Size(), 500u);
    const SFindResult all = index.Find("*");
    EXPECT_EQ(all.hits.size(), kQuickFindLimit);
    EXPECT_TRUE(all.More());
    EXPECT_EQ(all.total, index.Size());

    const SFindResult few = index.Find("quax", 2);
    EXPECT_EQ(few.hits.size(), 2u);
    EXPECT_EQ(few.total, 6u);
}

}  // namespace
}  // namespace kw
