#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoInstallation.h"
#include "TestWorld.h"
#include "editing/PlayerComparison.h"
#include "editing/PlayerDuplicates.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {
namespace {

constexpr int kLanguages = 5;

class PlayerDuplicatesTest : public test::TestWorld {
protected:
    PlayerDuplicatesTest() {
        for (const int number : {5, 7, 9}) {
            for (int language = 0; language < kLanguages; ++language) {
                world.Country(number).SetName(language, "Land " + std::to_string(number));
            }
        }
    }

    CClub& Club(int country, std::uint16_t index, const std::string& name) {
        CClub& club = world.Country(country).AddClub(index);
        for (int language = 0; language < kLanguages; ++language) {
            club.SetName(language, name);
        }
        return club;
    }

    CPlayer& Player(CClub& club, const std::string& surname, const std::string& firstName,
                    CDate birthDate = CDate::FromYmd(1980, 1, 1), int kind = 0) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetSurname(surname);
        person.SetFirstName(firstName);
        person.SetBirthDate(birthDate);
        club.AddPerson(person);
        return person;
    }

    std::vector<SDuplicatePair> Pairs(const SDuplicateFilter& filter = {}) const {
        return FindDuplicatePairs(DuplicateCandidates(world), filter);
    }

    static SDuplicateFilter CountryScope(int country) {
        return {EDuplicateScope::Country, country, 0, false};
    }
    static SDuplicateFilter ClubScope(std::uint32_t club) {
        return {EDuplicateScope::Club, 0, club, false};
    }
    CPlayer& Person(CClub& club, const std::string& surname, int kind) {
        CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetSurname(surname);
        person.SetFirstName("Jan");
        club.AddPerson(person);
        return person;
    }
};

TEST_F(PlayerDuplicatesTest, SameNameInTwoCountriesIsOnePairOnlyWithinTheirScopes) {
    CClub& north = Club(5, 1, "Nord");
    CClub& south = Club(7, 1,
                        "S\xFC"
                        "d");
    Club(9, 1, "Dritter");
    const CPlayer& first = Player(north, "Meyer", "Jan");
    const CPlayer& second = Player(south, "Meyer", "Jan");
    Player(south, "Meyer", "Jens");

    const std::vector<SDuplicatePair> all = Pairs();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].first.player, &first);
    EXPECT_EQ(all[0].second.player, &second);
    EXPECT_EQ(all[0].first.country, 5);
    EXPECT_EQ(all[0].second.club, &south);

    EXPECT_TRUE(Pairs(CountryScope(9)).empty());
    EXPECT_EQ(Pairs(CountryScope(5)).size(), 1u);
    EXPECT_EQ(Pairs(CountryScope(7)).size(), 1u);
    EXPECT_EQ(Pairs(ClubScope(south.Id())).size(), 1u);
    // The second-team bit does not make it another club.
    EXPECT_EQ(Pairs(ClubScope(north.Id() | kSecondTeamFlag)).size(), 1u);
    EXPECT_TRUE(Pairs(ClubScope(world.Country(9).Club(MakeClubId(9, 1))->Id())).empty());
}

TEST_F(PlayerDuplicatesTest, NamesAreComparedByteByByte) {
    CClub& club = Club(5, 1, "Nord");
    CClub& other = Club(7, 1, "Ost");
    Player(club, "Meyer", "Jan");
    Player(other, "meyer", "Jan");
    Player(club, "M\xFCller", "Hans");
    Player(other, "Muller", "Hans");
    Player(club, "Schmidt", "Jan");
    Player(other, "Schmidt", "jan");
    EXPECT_TRUE(Pairs().empty());

    // The candidates stand in byte order: "M" < "S" < "m", "Mu" < "M\xFC".
    const std::vector<SDuplicateCandidate> candidates = DuplicateCandidates(world);
    std::vector<std::string> surnames;
    for (const SDuplicateCandidate& candidate : candidates) {
        surnames.emplace_back(candidate.player->Surname().View());
    }
    EXPECT_EQ(surnames, (std::vector<std::string>{"Meyer", "Muller", "M\xFCller", "Schmidt",
                                                  "Schmidt", "meyer"}));
    EXPECT_EQ(candidates[3].player->FirstName().View(), "Jan");
    EXPECT_EQ(candidates[4].player->FirstName().View(), "jan");
}

TEST_F(PlayerDuplicatesTest, BirthDateCheckKeepsOnlyPairsBornOnTheSameDay) {
    CClub& club = Club(5, 1, "Nord");
    CClub& other = Club(7, 1, "Ost");
    Player(club, "Meyer", "Jan", CDate::FromYmd(1985, 3, 4));
    Player(other, "Meyer", "Jan", CDate::FromYmd(1985, 3, 5));
    Player(club, "Weber", "Tim", CDate::FromYmd(1990, 7, 1));
    Player(other, "Weber", "Tim", CDate::FromYmd(1990, 7, 1));

    EXPECT_EQ(Pairs().size(), 2u);
    SDuplicateFilter sameDay;
    sameDay.sameBirthDate = true;
    const std::vector<SDuplicatePair> pairs = Pairs(sameDay);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first.player->Surname().View(), "Weber");
    // Together with a scope both must hold.
    sameDay.scope = EDuplicateScope::Country;
    sameDay.country = 9;
    EXPECT_TRUE(Pairs(sameDay).empty());
}

TEST_F(PlayerDuplicatesTest, ThreeOfANameGiveTwoPairsOfNeighboursInWorldOrder) {
    CClub& a = Club(7, 2, "A");
    CClub& b = Club(5, 1, "B");
    CClub& c = Club(5, 3, "C");
    // World order: country 5 club 1, country 5 club 3, country 7 club 2.
    const CPlayer& third = Player(a, "Klein", "Uwe");
    const CPlayer& first = Player(b, "Klein", "Uwe");
    const CPlayer& second = Player(c, "Klein", "Uwe");

    const std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].first.player, &first);
    EXPECT_EQ(pairs[0].second.player, &second);
    EXPECT_EQ(pairs[1].first.player, &second);
    EXPECT_EQ(pairs[1].second.player, &third);
    // Only the pair touching the club at the end.
    const std::vector<SDuplicatePair> scoped = Pairs(ClubScope(a.Id()));
    ASSERT_EQ(scoped.size(), 1u);
    EXPECT_EQ(scoped[0].second.player, &third);
}

TEST_F(PlayerDuplicatesTest, OnlyPlayersOfClubsAreCandidates) {
    CClub& club = Club(5, 1, "Nord");
    Player(club, "Meyer", "Jan");
    // A coach of the same name, a national team player and a player without club.
    Player(club, "Meyer", "Jan", CDate::FromYmd(1980, 1, 1), 1);
    Player(world.Country(7).NationalTeam(), "Meyer", "Jan");
    CPlayer& free = world.CreatePerson(world.NextFreePersonId(), false);
    free.Reset(0, 5);
    free.SetSurname("Meyer");
    free.SetFirstName("Jan");
    world.WithoutClub().Append(free);

    EXPECT_EQ(DuplicateCandidates(world).size(), 1u);
    EXPECT_TRUE(Pairs().empty());
}

TEST_F(PlayerDuplicatesTest, RowsShowNamesClubsDatesAndPositions) {
    CClub& north = Club(5, 1, "Nord");
    CClub& east = Club(7, 1, "Ost");
    CPlayer& first = Player(north, "M\xFCller", "Jan", CDate::FromYmd(1985, 3, 4));
    CPlayer& second = Player(east, "M\xFCller", "Jan", CDate::FromYmd(1979, 12, 31));
    first.SetPosition(0, 1);
    second.SetPosition(0, 17);

    const std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 1u);
    const DuplicateRowTexts cells = DuplicateRowCells(pairs[0], world, kDefaultLanguage);
    EXPECT_EQ(cells, (DuplicateRowTexts{"M\xFCller, Jan", "Nord (Land 5)", "Ost (Land 7)",
                                        "04.03.1985", "31.12.1979", "TO", "ST"}));

    const DuplicateRowTexts headings = DuplicateColumnHeadings();
    EXPECT_EQ(headings, (DuplicateRowTexts{"Name", "Verein", "Verein", "Geburtstag", "Geburtstag",
                                           "Pos", "Pos"}));
}

TEST_F(PlayerDuplicatesTest, RowsSortByTheClickedColumnASecondClickReversing) {
    CClub& alpha = Club(5, 1, "Alpha");
    CClub& beta = Club(7, 1, "Beta");
    CClub& alphaAbroad = Club(9, 1, "Alpha");
    // Three pairs, their first players in Beta, Alpha of country 9 and Alpha of country 5; the
    // names in byte order Adler < Zander < \xC4rger (0xC4), folded \xC4 counts as A.
    Player(beta, "Zander", "Kai", CDate::FromYmd(1970, 1, 1)).SetPosition(0, 4);
    Player(alphaAbroad, "Zander", "Kai", CDate::FromYmd(1991, 1, 1)).SetPosition(0, 2);
    Player(alphaAbroad, "Adler", "Ole", CDate::FromYmd(1980, 1, 1)).SetPosition(0, 17);
    Player(alphaAbroad, "Adler", "Ole", CDate::FromYmd(1990, 1, 1)).SetPosition(0, 1);
    Player(alpha, "\xC4rger", "Udo", CDate::FromYmd(1985, 1, 1)).SetPosition(0, 9);
    Player(alphaAbroad, "\xC4rger", "Udo", CDate::FromYmd(1975, 1, 1)).SetPosition(0, 9);

    std::vector<SDuplicatePair> pairs = Pairs();
    ASSERT_EQ(pairs.size(), 3u);
    const auto surnames = [&pairs] {
        std::vector<std::string> names;
        for (const SDuplicatePair& pair : pairs) {
            names.emplace_back(pair.first.player->Surname().View());
        }
        return names;
    };
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Adler", "Zander", "\xC4rger"}));

    CDuplicateOrder order;
    EXPECT_EQ(order.Column(), 0);
    EXPECT_TRUE(order.Ascending());
    order.Sort(pairs, world, kDefaultLanguage);  // name, folded: the umlaut sorts as its letter
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Adler", "\xC4rger", "Zander"}));

    order.ClickColumn(1);  // first club, then its country: Alpha (Land 5), Alpha (Land 9), Beta
    order.Sort(pairs, world, kDefaultLanguage);
    EXPECT_EQ(surnames(), (std::vector<std::string>{"\xC4rger", "Adler", "Zander"}));
    order.ClickColumn(1);
    order.Sort(pairs, world, kDefaultLanguage);
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Zander", "Adler", "\xC4rger"}));

    order.ClickColumn(4);  // second birth date: 1975, 1990, 1991
    order.Sort(pairs, world, kDefaultLanguage);
    EXPECT_EQ(surnames(), (std::vector<std::string>{"\xC4rger", "Adler", "Zander"}));

    order.ClickColumn(6);  // second position: 1, 2, 9
    order.Sort(pairs, world, kDefaultLanguage);
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Adler", "Zander", "\xC4rger"}));

    order.ClickColumn(5);  // first position 4, 9, 17; then descending
    order.ClickColumn(5);
    EXPECT_EQ(order.Column(), 5);
    EXPECT_FALSE(order.Ascending());
    order.Sort(pairs, world, kDefaultLanguage);
    EXPECT_EQ(surnames(), (std::vector<std::string>{"Adler", "\xC4rger", "Zander"}));
}

TEST_F(PlayerDuplicatesTest, OfferedScopesFollowTheShownCountryAndClub) {
    CClub& club = Club(5, 1, "Nord");
    SDuplicateScopes scopes = OfferedDuplicateScopes(world, 0, 0);
    EXPECT_FALSE(scopes.country);
    EXPECT_FALSE(scopes.club);
    EXPECT_EQ(scopes.preselected, EDuplicateScope::All);

    scopes = OfferedDuplicateScopes(world, 5, 0);
    EXPECT_TRUE(scopes.country);
    EXPECT_FALSE(scopes.club);
    EXPECT_EQ(scopes.preselected, EDuplicateScope::Country);

    scopes = OfferedDuplicateScopes(world, 5, world.Country(5).NationalTeam().Id());
    EXPECT_FALSE(scopes.club);
    EXPECT_EQ(scopes.preselected, EDuplicateScope::Country);

    scopes = OfferedDuplicateScopes(world, 5, club.Id());
    EXPECT_TRUE(scopes.club);
    EXPECT_EQ(scopes.preselected, EDuplicateScope::Club);
    // A club of another country is not the shown country's club.
    EXPECT_FALSE(OfferedDuplicateScopes(world, 7, club.Id()).club);
    EXPECT_FALSE(OfferedDuplicateScopes(world, 207, club.Id()).country);
}

// The demo: every club player is a candidate once, and two builds give the same rows.
TEST(PlayerDuplicatesDemoTest, CandidatesCoverEveryClubPlayerAndRowsAreDeterministic) {
    const std::unique_ptr<CWorld> world = test::LoadSmallDemo();
    const std::unique_ptr<CWorld> again = test::LoadSmallDemo();
    std::size_t players = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : world->Country(number).Clubs()) {
            if (!entry.second->IsNationalTeam()) {
                players += static_cast<std::size_t>(entry.second->PlayerCount());
            }
        }
    }
    const std::vector<SDuplicateCandidate> candidates = DuplicateCandidates(*world);
    EXPECT_EQ(candidates.size(), players);
    ASSERT_GT(players, 0u);
    for (std::size_t i = 0; i + 1 < candidates.size(); ++i) {
        const std::string_view a = candidates[i].player->Surname().View();
        const std::string_view b = candidates[i + 1].player->Surname().View();
        ASSERT_LE(a, b);
    }

    const auto rows = [](const CWorld& source) {
        std::vector<DuplicateRowTexts> texts;
        for (const SDuplicatePair& pair :
             FindDuplicatePairs(DuplicateCandidates(source), SDuplicateFilter{})) {
            texts.push_back(DuplicateRowCells(pair, source, kDefaultLanguage));
        }
        return texts;
    };
    EXPECT_EQ(rows(*world), rows(*again));
}

TEST_F(PlayerDuplicatesTest, ListHoldsThePlayersInClubOrderWithTheirStrength) {
    CClub& club = world.Country(5).AddClub(1);
    CPlayer& striker = Person(club, "Weber", 0);
    Person(club, "Trainer", 1);
    CPlayer& keeper = Person(club, "Adler", 0);
    striker.SetPosition(0, 17);
    keeper.SetPosition(0, 1);
    keeper.SetAbility(41, 99);

    const std::vector<SChoiceEntry> entries = ComparisonPlayers(club);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].value, striker.Id());
    EXPECT_EQ(entries[1].value, keeper.Id());
    // Every ability at 40 of 99: 40.4 everywhere; the keeper's saves lift his goal strength.
    EXPECT_EQ(entries[0].text, "Weber, J. (40.4)");
    EXPECT_GT(PlayerStrength(keeper), PlayerStrength(striker));
    EXPECT_EQ(entries[1].text, "Adler, J. (" + FormatPrintf("%2.1f", PlayerStrength(keeper)) + ")");
}

TEST_F(PlayerDuplicatesTest, ValueTextsCarryOneDecimal) {
    CClub& club = world.Country(5).AddClub(1);
    CPlayer& player = Person(club, "Weber", 0);
    player.SetAbility(41, 99);  // saves: "Reflexe" and "Flugparaden" rise
    const auto texts = SummaryValueTexts(player);
    EXPECT_EQ(texts[0], "40.4");
    // Reflexe: (5 * 99 + 2 * 40 + 2 * 40) / 9 of 99.
    EXPECT_EQ(texts[10], "73.5");
}

}  // namespace
}  // namespace kw
