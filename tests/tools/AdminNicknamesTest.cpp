#include <gtest/gtest.h>

#include "AdminTestSupport.h"
#include "tools/AdminNicknames.h"

namespace kw {
namespace {

// The current database and another open one, each with a club of the nickname country.
class NicknamesTest : public test::AdminToolsTest {
protected:
    NicknamesTest() : other(test::LoadSmallDemo()) {
        CClub& club = AddClub(kNicknameCountry);
        jose = AddPlayer(Live(), club, "Jos\xE9", "Garc\xEDz", "Alt", "Altbuehne");
        ana = AddPlayer(Live(), club, "Ana", "Lopez", "Keep", "Bleibt");
        CClub* partnerClub = other->Country(kNicknameCountry).CreateClub();
        AddPlayer(*other, *partnerClub, "Jose", "Garciz", "Pepe", "");
        // Only the first partner found counts.
        AddPlayer(*other, *partnerClub, "Jose", "Garciz", "Zweiter", "Zweiter");
        AddPlayer(*other, *partnerClub, "ana", "Lopez", "Klein", "Klein");
    }

    static std::uint32_t AddPlayer(CWorld& world, CClub& club, const char* first,
                                   const char* surname, const char* nickname, const char* stage) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(0, club.Country());
        person.SetCurrentClub(club.Id());
        person.SetFirstName(first);
        person.SetSurname(surname);
        person.SetNickname(nickname);
        person.SetStageName(stage);
        club.AddPerson(person);
        return person.Id();
    }

    const CPlayer& Person(std::uint32_t id) { return *document.World().Person(id); }

    SAdminOutcome Copy(bool reset) { return Run("spain-nicknames", {.other = other.get()}, reset); }

    std::unique_ptr<CWorld> other;
    std::uint32_t jose = 0;
    std::uint32_t ana = 0;
};

TEST_F(NicknamesTest, YesEmptiesEveryNicknameBeforeCopying) {
    EXPECT_EQ(Copy(true).text, "Replaced 1 Nicknames");
    EXPECT_EQ(Person(jose).Nickname().View(), "Pepe");
    // The partner's empty stage name is not copied, so the reset leaves it empty.
    EXPECT_EQ(Person(jose).StageName().View(), "");
    // Case counts: "ana" is no partner of "Ana".
    EXPECT_EQ(Person(ana).Nickname().View(), "");
    EXPECT_EQ(Person(ana).StageName().View(), "");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
}

TEST_F(NicknamesTest, NoKeepsTheNamesThatFindNoPartner) {
    EXPECT_EQ(Copy(false).text, "Replaced 1 Nicknames");
    EXPECT_EQ(Person(jose).Nickname().View(), "Pepe");
    EXPECT_EQ(Person(jose).StageName().View(), "Altbuehne");
    EXPECT_EQ(Person(ana).Nickname().View(), "Keep");
    EXPECT_EQ(Person(ana).StageName().View(), "Bleibt");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();

    // Copied already: the count is the same, but nothing changes and nothing is recorded.
    EXPECT_EQ(Copy(false).text, "Replaced 1 Nicknames");
    EXPECT_EQ(document.History().Count(), 1u);
}

TEST_F(NicknamesTest, WithoutAnotherDatabaseNothingRuns) {
    // Cancel, or a single open database: the command is not carried out.
    const SAdminOutcome outcome = Run("spain-nicknames");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(Person(jose).Nickname().View(), "Alt");
    EXPECT_EQ(document.History().Count(), 0u);
}

}  // namespace
}  // namespace kw

namespace kw {
namespace {

TEST(NicknameSourceSlot, IsTheFirstSlotUnlessThatIsTheCurrentOne) {
    EXPECT_EQ(NicknameSourceSlot(1, 0), std::nullopt);
    EXPECT_EQ(NicknameSourceSlot(2, 0), 1);
    EXPECT_EQ(NicknameSourceSlot(2, 1), 0);
    EXPECT_EQ(NicknameSourceSlot(6, 4), 0);
}

}  // namespace
}  // namespace kw
