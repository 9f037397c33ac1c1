#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "editing/NationalSquad.h"
#include "editing/PersonalDataRules.h"
#include "editing/PlayerHistoryRules.h"
#include "editing/SquadRules.h"
#include "exports/WorldDump.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {
namespace {

constexpr int kHome = 14;
constexpr int kAbroad = 20;

std::vector<std::uint32_t> Ids(const std::vector<SNationalSquadRow>& rows) {
    std::vector<std::uint32_t> ids;
    for (const SNationalSquadRow& row : rows) {
        ids.push_back(row.personId);
    }
    return ids;
}

// Two clubs at home and one abroad with flagged and unflagged players of both nationalities.
class NationalSquadTest : public ::testing::Test {
protected:
    NationalSquadTest() {
        auto owned = std::make_unique<CWorld>(install.Path());
        owned->InitialiseCountries();
        world = owned.get();
        CClub& zebras = Club(kHome, 1, "Zebras");
        CClub& adler = Club(kHome, 2, "adler");
        CClub& foreign = Club(kAbroad, 1, "Mitte");
        mueller = Add(zebras, 0, kHome, "Max", "M\xfcller", true, 1980, 4, 0);
        bauer = Add(adler, 0, kHome, "Bernd", "bauer", true, 1990, 17, 3);
        unflagged = Add(adler, 0, kHome, "Uwe", "Ohne", false, 1985, 9, 1);
        abel = Add(foreign, 0, kHome, "Anton", "Abel", true, 1985, 1, 4);
        Add(foreign, 0, kAbroad, "Fritz", "Fremd", true, 1984, 9, 2);
        // A trainer of the nationality with the flag is no player of the squad.
        Add(zebras, 1, kHome, "Tom", "Trainer", true, 1960, 0, 0);
        // The national team lists players of other clubs; they are found in their own club.
        world->Country(kHome).NationalTeam().AddPerson(*world->Person(mueller));
        document = std::make_unique<CDatabaseDocument>(std::move(owned));
    }

    CClub& Club(int country, std::uint16_t index, const char* name) {
        CClub& club = world->Country(country).AddClub(index);
        club.SetName(0, name);
        return club;
    }

    std::uint32_t Add(CClub& club, int kind, int nationality, const char* first,
                      const char* surname, bool flagged, int birthYear, int position, int talent) {
        CPlayer& person = world->CreatePerson(world->NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetNationality(static_cast<std::uint8_t>(nationality));
        person.SetFirstName(first);
        person.SetSurname(surname);
        person.SetBirthDate(CDate::FromYmd(birthYear, 7, 2));
        person.SetPosition(0, static_cast<std::uint8_t>(position));
        SetTalent(person, talent);
        for (int ability = 0; ability < kAbilityCount; ++ability) {
            person.SetAbility(ability, static_cast<std::uint8_t>((birthYear + ability) % 90));
        }
        // The retired bit beside the flag must survive every change of the flag.
        person.SetNationalTeamByte(kNationalFlagsByte,
                                   kNationalTeamRetiredBit | (flagged ? kInNationalTeamBit : 0));
        club.AddPerson(person);
        return person.Id();
    }

    std::vector<SNationalSquadRow> Squad() const {
        return NationalSquad(document->World(), kHome, 0, today);
    }

    test::TempDir install;
    CWorld* world = nullptr;
    std::unique_ptr<CDatabaseDocument> document;
    const CDate today = CDate::FromYmd(2010, 7, 1);
    std::uint32_t mueller = 0;
    std::uint32_t bauer = 0;
    std::uint32_t unflagged = 0;
    std::uint32_t abel = 0;
};

TEST_F(NationalSquadTest, TheSquadIsEveryFlaggedPlayerOfTheNationalityInEveryClubOnce) {
    const std::vector<SNationalSquadRow> rows = Squad();
    // Countries, clubs and persons in their order; the national team's list adds nobody.
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    const SNationalSquadRow& row = rows[1];
    const CPlayer& player = *document->World().Person(bauer);
    EXPECT_EQ(row.shortName, player.ShortName());
    EXPECT_EQ(row.clubName, "adler");
    EXPECT_EQ(row.clubId, MakeClubId(kHome, 2));
    EXPECT_EQ(row.mainPosition, 17);
    EXPECT_DOUBLE_EQ(row.strength, PlayerStrength(player));
    // Born 2 July 1990: one day short of 20 on 1 July 2010.
    EXPECT_EQ(row.age, 19);
    EXPECT_EQ(row.talent, 3);
    EXPECT_EQ(row.caps, 0);
    EXPECT_EQ(rows[2].clubName, "Mitte");

    // The other nationality has its own squad; a country without flagged players none.
    EXPECT_EQ(NationalSquad(document->World(), kAbroad, 0, today).size(), 1u);
    EXPECT_TRUE(NationalSquad(document->World(), 1, 0, today).empty());

    // The row text has the seven columns.
    const std::string expected = rows[0].shortName + "\tZebras\t" + PositionAbbreviation(4) + "\t" +
                                 std::to_string(static_cast<int>(rows[0].strength)) + "\t29\t" +
                                 std::string(TalentText(0)) + "\t0";
    EXPECT_EQ(NationalSquadRowText(rows[0]), expected);
}

TEST_F(NationalSquadTest, EveryCountryIsOfferedByName) {
    world->Country(kHome).SetName(0, "zentral");
    world->Country(kAbroad).SetName(0, "Ausland");
    const std::vector<SChoiceEntry> countries = NationalTeamCountries(document->World(), 0);
    ASSERT_EQ(countries.size(), static_cast<std::size_t>(kCountryCount));
    EXPECT_TRUE(std::is_sorted(
        countries.begin(), countries.end(),
        [](const auto& a, const auto& b) { return CollateText(a.text, b.text) < 0; }));
    EXPECT_EQ(countries.back(), (SChoiceEntry{kHome, "zentral"}));
    const auto abroad =
        std::find(countries.begin(), countries.end(), SChoiceEntry{kAbroad, "Ausland"});
    EXPECT_NE(abroad, countries.end());
}

TEST_F(NationalSquadTest, HeaderClicksSortAscendingAndASecondClickReverses) {
    CNationalSquadOrder order;
    EXPECT_EQ(order.Column(), ENationalSquadColumn::kName);
    EXPECT_TRUE(order.Ascending());
    std::vector<SNationalSquadRow> rows = Squad();

    // Names with case ignored: Abel, bauer, Müller.
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{abel, bauer, mueller}));
    order.Click(ENationalSquadColumn::kName);
    EXPECT_FALSE(order.Ascending());
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    // Another column starts ascending, whatever the previous direction.
    order.Click(ENationalSquadColumn::kClub);
    EXPECT_TRUE(order.Ascending());
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{bauer, abel, mueller}));

    order.Click(ENationalSquadColumn::kPosition);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{abel, mueller, bauer}));

    order.Click(ENationalSquadColumn::kAge);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{bauer, abel, mueller}));
    order.Click(ENationalSquadColumn::kAge);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, abel, bauer}));

    order.Click(ENationalSquadColumn::kTalent);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), (std::vector<std::uint32_t>{mueller, bauer, abel}));

    order.Click(ENationalSquadColumn::kStrength);
    SortNationalSquad(rows, order);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength < b.strength;
    }));
    order.Click(ENationalSquadColumn::kStrength);
    SortNationalSquad(rows, order);
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return a.strength > b.strength;
    }));

    // Equal keys keep the order they had, in either direction.
    const std::vector<std::uint32_t> before = Ids(rows);
    order.Click(ENationalSquadColumn::kCaps);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), before);
    order.Click(ENationalSquadColumn::kCaps);
    SortNationalSquad(rows, order);
    EXPECT_EQ(Ids(rows), before);
}

TEST_F(NationalSquadTest, RemovalClearsOnlyTheFlagsAsOneUndoableEdit) {
    const std::string before = DumpWorldJson(document->World());
    const std::vector<std::uint32_t> chosen{abel, mueller};
    ASSERT_TRUE(RemoveFromNationalSquad(*document, chosen));
    EXPECT_EQ(document->History().Count(), 1u);
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});
    for (const std::uint32_t id : chosen) {
        const CPlayer& player = *document->World().Person(id);
        EXPECT_EQ(player.NationalTeamBytes()[kNationalFlagsByte], kNationalTeamRetiredBit);
    }
    // The players stay in their clubs.
    EXPECT_EQ(document->World().Country(kAbroad).Club(MakeClubId(kAbroad, 1))->PersonIds().size(),
              2u);
    EXPECT_EQ(document->World().Country(kHome).Club(MakeClubId(kHome, 1))->PersonIds().size(), 2u);

    ASSERT_TRUE(document->Undo());
    EXPECT_EQ(DumpWorldJson(document->World()), before);
    ASSERT_TRUE(document->Redo());
    EXPECT_EQ(Ids(Squad()), std::vector<std::uint32_t>{bauer});

    // Persons without the flag and unknown ids record nothing.
    const std::vector<std::uint32_t> nothing{unflagged, abel, 0x7FFFFFF0u};
    EXPECT_FALSE(RemoveFromNationalSquad(*document, nothing));
    EXPECT_FALSE(RemoveFromNationalSquad(*document, {}));
    EXPECT_EQ(document->History().Count(), 1u);
}

}  // namespace
}  // namespace kw
