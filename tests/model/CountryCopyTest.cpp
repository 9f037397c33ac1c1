#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

#include "CountryCopyTestSupport.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "platform/ScriptedUserInterface.h"
#include "reports/WorldStatistics.h"

namespace kw {
namespace {

using test::DemoWorlds;
using test::Json;
using test::kEngland;
using test::kGermany;
using test::kSpain;

// Each box alone, and together with those whose data meet (pool and clubs, stadiums and clubs).
const std::uint32_t kFlagSets[] = {
    countrycopy::kGeneral,
    countrycopy::kYouth,
    countrycopy::kReferees,
    countrycopy::kStadiums,
    countrycopy::kManagers,
    countrycopy::kClubs,
    countrycopy::kYouth | countrycopy::kClubs,
    countrycopy::kStadiums | countrycopy::kClubs,
    countrycopy::kAll,
};

class CountryCopy : public DemoWorlds {
protected:
    void ExpectSound(const CWorld& world) {
        const std::vector<std::string> faults = test::ReferenceFaults(world);
        EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first: " << faults.front();
    }
};

TEST_F(CountryCopy, EachBoxTakesItsPartOfAnotherDatabaseAndLeavesTheRest) {
    for (const std::uint32_t flags : kFlagSets) {
        SCOPED_TRACE(flags);
        first = test::LoadDemo(test::SmallDemoInstallation());
        ASSERT_TRUE(test::ReferenceFaults(*first).empty()) << "the demo itself is sound";
        const Json before = test::CountryJson(*first, kGermany);
        const Json source = test::CountryJson(*second, kEngland);

        first->Country(kGermany).CopyFrom(second->Country(kEngland), flags);

        const Json expected = test::ExpectedCopy(before, source, flags);
        const Json actual = test::WithoutPersonIds(*first, kGermany);
        for (const auto& [key, value] : expected.items()) {
            EXPECT_EQ(actual[key], value) << key;
        }
        EXPECT_EQ(test::CountryJson(*second, kEngland), source) << "the source stays as it was";
        ExpectSound(*first);
    }
}

TEST_F(CountryCopy, TheCopiedCountryIsCompleteAndBuildsIntoTheMasterFile) {
    // A smaller country into a larger one, and one with a relegation round into one without.
    const SCountryCheck english = CheckCountry(second->Country(kEngland));
    const SCountryCheck spanish = CheckCountry(first->Country(kSpain));
    const int englishClubs = second->Country(kEngland).ClubCount();
    const int spanishClubs = first->Country(kSpain).ClubCount();
    ASSERT_TRUE(english.complete && spanish.complete);
    ASSERT_NE(english.competitions.size(), spanish.competitions.size());
    first->Country(kGermany).CopyFrom(second->Country(kEngland), countrycopy::kAll);
    second->Country(kEngland).CopyFrom(first->Country(kSpain), countrycopy::kAll);

    for (const auto& [world, number, clubs, source] :
         {std::tuple{first.get(), kGermany, englishClubs, &english},
          std::tuple{second.get(), kEngland, spanishClubs, &spanish}}) {
        const CCountry& country = world->Country(number);
        EXPECT_EQ(country.ClubCount(), clubs);
        const SCountryCheck check = CheckCountry(country);
        EXPECT_TRUE(check.complete);
        ASSERT_EQ(check.competitions.size(), source->competitions.size());
        for (std::size_t i = 0; i < check.competitions.size(); ++i) {
            EXPECT_EQ(check.competitions[i].id, WithCountry(source->competitions[i].id, number));
        }
        for (const SCompetitionCheck& competition : check.competitions) {
            EXPECT_EQ(CompetitionCountry(competition.id), number);
            EXPECT_EQ(competition.faults[0] | competition.faults[1], 0u) << competition.id;
        }
        ExpectSound(*world);

        test::TempDir out;
        SMasterRequest request;
        request.batch = true;
        request.output = out / "Master.dat";
        request.sideFolder = out.Path();
        std::FILE* console = std::tmpfile();
        request.console = console;
        CSilentProgress progress;
        CScriptedUserInterface ui;
        ASSERT_EQ(BuildMasterFile(*world, request, progress, ui), EMasterResult::kWritten);
        std::fclose(console);
        const std::string bytes = test::ReadFile(request.output);
        const SMasterFileReport report = VerifyMasterFile(
            {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, 0);
        EXPECT_TRUE(report.Ok()) << report.error;
        int complete = 0;
        for (int other = 1; other <= kCountryCount; ++other) {
            complete += world->Country(other).IsComplete() ? 1 : 0;
        }
        EXPECT_EQ(report.completeCountries, complete);
    }
}

TEST_F(CountryCopy, WithinOneDatabaseEverythingCopiedNamesTheTarget) {
    CWorld& world = *first;
    const Json source = test::CountryJson(world, kEngland);
    std::set<std::uint32_t> sourcePersons;
    for (const auto& [id, club] : world.Country(kEngland).Clubs()) {
        sourcePersons.insert(club->PersonIds().begin(), club->PersonIds().end());
    }
    const std::vector<std::uint32_t> sourceManagers = world.Country(kEngland).ManagerIds();
    const Json before = test::CountryJson(world, kGermany);

    CopyUndoably(kGermany, world, kEngland, world, countrycopy::kAll);

    const CCountry& target = world.Country(kGermany);
    EXPECT_EQ(test::WithoutPersonIds(world, kGermany),
              test::ExpectedCopy(before, source, countrycopy::kAll));
    EXPECT_EQ(test::CountryJson(world, kEngland), source) << "the source keeps its ids";
    for (const auto& [id, club] : target.Clubs()) {
        for (const std::uint32_t reference : club->Rivals()) {
            EXPECT_NE(ClubCountry(reference), kEngland) << "a rival of the source";
        }
        EXPECT_NE(ClubCountry(club->FanFriendship()), kEngland);
        for (const std::uint32_t person : club->PersonIds()) {
            EXPECT_FALSE(sourcePersons.contains(person)) << "the copy has its own id";
            for (const std::uint32_t reference : world.Person(person)->ClubReferences()) {
                EXPECT_EQ(ClubCountry(reference), kGermany);
            }
        }
    }
    EXPECT_EQ(world.Country(kEngland).ManagerIds(), sourceManagers);
    for (const std::uint32_t id : target.ManagerIds()) {
        EXPECT_EQ(std::count(sourceManagers.begin(), sourceManagers.end(), id), 0);
    }
    // The title holders were the former clubs 1 and 2.
    EXPECT_EQ(world.Rules().FurtherTitleHolder(0), 0u);
    EXPECT_EQ(world.Rules().FurtherTitleHolder(1), 0u);
    ExpectSound(world);
}

TEST_F(CountryCopy, ManagersGetIdsOfTheTargetDatabaseAndTheFormerOnesLeaveIt) {
    const std::vector<std::uint32_t> former = first->Country(kGermany).ManagerIds();
    const std::size_t managers = first->Managers().size();
    const CCountry& source = second->Country(kEngland);

    first->Country(kGermany).CopyFrom(source, countrycopy::kManagers);

    const std::vector<std::uint32_t>& ids = first->Country(kGermany).ManagerIds();
    ASSERT_EQ(ids.size(), source.ManagerIds().size());
    EXPECT_EQ(first->Managers().size(), managers - former.size() + ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(*first->Manager(ids[i]), *second->Manager(source.ManagerIds()[i]));
    }
    for (const std::uint32_t id : former) {
        if (std::find(ids.begin(), ids.end(), id) == ids.end()) {
            EXPECT_EQ(first->Manager(id), nullptr);
        }
    }
    ExpectSound(*first);
}

TEST_F(CountryCopy, TheNationalTeamStaysWithItsPersonsWhoseFormerClubsAreGone) {
    CCountry& target = first->Country(kGermany);
    CClub& nationalTeam = target.NationalTeam();
    CPlayer& player = first->CreatePerson(0, false);
    player.SetCurrentClub(MakeClubId(kGermany, 3));
    player.SetPreviousClub(MakeClubId(kSpain, 2));
    nationalTeam.AddPerson(player);
    nationalTeam.SetRival(0, MakeClubId(kGermany, 4));
    const std::string name(nationalTeam.Name(0));
    second->Country(kEngland).NationalTeam().SetName(0, "Quelle");

    CopyUndoably(kGermany, *first, kEngland, *second, countrycopy::kClubs);

    EXPECT_EQ(&target.NationalTeam(), &nationalTeam);
    EXPECT_EQ(nationalTeam.Name(0), name);
    EXPECT_EQ(nationalTeam.PersonIds(), std::vector<std::uint32_t>{player.Id()});
    EXPECT_EQ(player.CurrentClub(), 0u) << "the former club 3 is gone";
    EXPECT_EQ(player.PreviousClub(), MakeClubId(kSpain, 2));
    EXPECT_EQ(nationalTeam.Rivals()[0], 0u);
    ExpectSound(*first);
}

TEST_F(CountryCopy, TheStadiumListKeepsTheNumbersItStillHas) {
    CCountry& target = first->Country(kGermany);
    const auto stadiums = static_cast<std::int32_t>(second->Country(kEngland).Stadiums().size());
    ASSERT_LT(stadiums, static_cast<std::int32_t>(target.Stadiums().size()));
    target.Settings().cupFinalStadium = stadiums + 1;
    target.NationalTeam().SetStadiumNumber(stadiums);
    first->Rules().SetVenue(0, 3, MakeStadiumRef(kGermany, stadiums + 1));
    first->Rules().SetVenue(1, 3, MakeStadiumRef(kGermany, stadiums));
    std::map<std::uint32_t, std::int32_t> numbers;
    for (const auto& [id, club] : target.Clubs()) {
        numbers[id] = club->StadiumNumber();
    }

    CopyUndoably(kGermany, *first, kEngland, *second, countrycopy::kStadiums);

    EXPECT_EQ(target.Stadiums(), second->Country(kEngland).Stadiums());
    EXPECT_EQ(target.Settings().cupFinalStadium, 0);
    EXPECT_EQ(first->Rules().Venue(0, 3), 0u);
    EXPECT_EQ(first->Rules().Venue(1, 3), MakeStadiumRef(kGermany, stadiums));
    int dropped = 0;
    for (const auto& [id, club] : target.Clubs()) {
        const std::int32_t number = numbers[id];
        EXPECT_EQ(club->StadiumNumber(), number <= stadiums ? number : 0) << id;
        dropped += number > stadiums ? 1 : 0;
    }
    EXPECT_GT(dropped, 0) << "the test needs clubs beyond the new list";
    ExpectSound(*first);
}

TEST_F(CountryCopy, ACountryCopiedOntoItselfStaysAsItWas) {
    const std::string before = DumpWorldJson(*first);
    first->Country(kGermany).CopyFrom(first->Country(kGermany), countrycopy::kAll);
    EXPECT_TRUE(DumpWorldJson(*first) == before);
    EXPECT_EQ(
        CountryCopyScope(first->Country(kGermany), first->Country(kGermany), countrycopy::kAll)
            .countries,
        std::vector<int>{kGermany});
}

}  // namespace
}  // namespace kw
