#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "DemoInstallation.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "TestWorld.h"
#include "exports/WorldDump.h"
#include "exports/master/MasterExport.h"
#include "exports/master/MasterFileReader.h"
#include "model/CountryCopy.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/Progress.h"
#include "platform/ScriptedUserInterface.h"
#include "reports/WorldStatistics.h"

namespace kw::test {

using Json = nlohmann::json;

// Countries of the small demo: Germany has 60 clubs in four leagues with a relegation round and
// 61 stadiums, England and Spain 22 clubs in two leagues and 23 stadiums; all three are complete.
inline constexpr int kGermany = 14;
inline constexpr int kEngland = 50;
inline constexpr int kSpain = 170;

// The settings that belong to the competitions (league system, cups, cup-final stadium); every
// other one is the general page's.
inline const std::set<std::string>& CompetitionSettings() {
    static const std::set<std::string> keys = {
        "leagueLevelLimit",  "tieBreak",        "nonEuropeanLimit",
        "relegated",         "reserveSwitch",   "nationalCupSetting",
        "leagueCupSettings", "superCupSetting", "cupFinalStadium"};
    return keys;
}

inline Json CountryJson(const CWorld& world, int number) {
    return Json::parse(DumpWorldJson(world, number))["countries"][0];
}

inline std::uint32_t MovedClub(std::uint32_t id, int from, int to) {
    return id != 0 && !IsNationalTeam(id) && ClubCountry(id) == from
               ? MakeClubId(to, ClubIndex(id)) | (id & kSecondTeamFlag)
               : id;
}

// Club references (a number or a list of them) of country `from` as those of `to`.
inline void MoveClubs(Json& value, int from, int to) {
    if (value.is_array()) {
        for (Json& element : value) {
            MoveClubs(element, from, to);
        }
    } else if (value.is_number()) {
        value = MovedClub(value.get<std::uint32_t>(), from, to);
    }
}

// A club of the source as its copy shows it: its references moved, its persons without their
// ids, which the target's database hands out.
inline Json AsCopiedClub(Json club, int from, int to) {
    for (const char* key : {"id", "fanFriendship", "rivals"}) {
        MoveClubs(club[key], from, to);
    }
    for (Json& person : club["persons"]) {
        person.erase("id");
        for (const char* key :
             {"currentClub", "previousClub", "firstClub", "fourthClub", "loanClub"}) {
            MoveClubs(person[key], from, to);
        }
        for (Json& station : person["history"]) {
            MoveClubs(station["club"], from, to);
        }
    }
    return club;
}

inline Json WithoutPersonIds(Json club) {
    for (Json& person : club["persons"]) {
        person.erase("id");
    }
    return club;
}

inline void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The source's competitions as the target's: every competition id and team of `from` in `to`.
inline Json AsCopiedCompetitions(const Json& competitions, int from, int to) {
    std::string text = competitions.dump();
    ReplaceAll(text, "\"{ " + std::to_string(from) + ", ", "\"{ " + std::to_string(to) + ", ");
    Json moved = Json::parse(text);
    for (Json& node : moved) {
        if (node.contains("teams")) {
            MoveClubs(node["teams"], from, to);
        }
        for (Json& entry : node["script"]) {
            const auto competition = entry["competition"].get<std::uint32_t>();
            if (static_cast<int>(competition >> 24) == from) {
                entry["competition"] = (competition & 0x00FFFFFF) | (std::uint32_t(to) << 24);
            }
        }
    }
    return moved;
}

// A stadium number the list lacks is 0.
inline void FitStadiums(Json& country) {
    const auto count = static_cast<std::int64_t>(country["stadiums"].size());
    const auto fit = [count](Json& number) {
        const auto value = number.get<std::int64_t>();
        if (value < 1 || value > count) {
            number = 0;
        }
    };
    for (Json& club : country["clubs"]) {
        fit(club["stadium"]["number"]);
    }
    fit(country["settings"]["cupFinalStadium"]);
}

// The dump of the target country after a copy from a source of another country, worked out
// from the two dumps before it.
inline Json ExpectedCopy(const Json& before, const Json& source, std::uint32_t flags) {
    const int from = source["number"];
    const int to = before["number"];
    Json expected = before;
    Json& settings = expected["settings"];
    if ((flags & countrycopy::kGeneral) != 0) {
        for (const auto& [key, value] : source["settings"].items()) {
            if (!CompetitionSettings().contains(key)) {
                settings[key] = value;
            }
        }
    }
    const bool clubs = (flags & countrycopy::kClubs) != 0;
    if (clubs) {
        for (const std::string& key : CompetitionSettings()) {
            settings[key] = source["settings"][key];
        }
        for (const char* key : {"levelNames", "leagueScript", "complete"}) {
            expected[key] = source[key];
        }
        expected["competitions"] = AsCopiedCompetitions(source["competitions"], from, to);
        Json copies = Json::array();
        for (const Json& club : source["clubs"]) {
            if (!IsNationalTeam(club["id"].get<std::uint32_t>())) {
                copies.push_back(AsCopiedClub(club, from, to));
            }
        }
        // The national team, last by id, stays the target's.
        copies.push_back(WithoutPersonIds(before["clubs"].back()));
        expected["clubs"] = std::move(copies);
    } else {
        Json kept = Json::array();
        for (const Json& club : before["clubs"]) {
            kept.push_back(WithoutPersonIds(club));
        }
        expected["clubs"] = std::move(kept);
    }
    // The pool's clubs are the target's former ones or the source's; only copied clubs exist.
    if ((flags & countrycopy::kYouth) != 0) {
        expected["playerPool"] = source["playerPool"];
    }
    for (Json& entry : expected["playerPool"]) {
        const auto club = entry["preferredClub"].get<std::uint32_t>();
        const bool copied = (flags & countrycopy::kYouth) != 0;
        if (club != 0 && !IsNationalTeam(club) && (copied || clubs)) {
            entry["preferredClub"] = copied && clubs ? MovedClub(club, from, to) : 0;
        }
    }
    for (const auto& [flag, key] : {std::pair{countrycopy::kReferees, "referees"},
                                    std::pair{countrycopy::kStadiums, "stadiums"},
                                    std::pair{countrycopy::kManagers, "managers"}}) {
        if ((flags & flag) != 0) {
            expected[key] = source[key];
        }
    }
    if ((flags & (countrycopy::kStadiums | countrycopy::kClubs)) != 0) {
        FitStadiums(expected);
    }
    return expected;
}

// The dump of the target country with the ids of its persons left out.
inline Json WithoutPersonIds(const CWorld& world, int number) {
    Json country = CountryJson(world, number);
    for (Json& club : country["clubs"]) {
        club = WithoutPersonIds(club);
    }
    return country;
}

// Two databases loaded from the small demo made with seeds 1 and 2.
class DemoWorlds : public ::testing::Test {
protected:
    DemoWorlds() : first(LoadSmallDemo(1)), second(LoadSmallDemo(2)) {}

    // target.CopyFrom(source, flags) with the scope of the copy taken before: exchanged back,
    // the target's database dumps as before the copy, exchanged again as after it.
    void CopyUndoably(int target, CWorld& targetWorld, int source, const CWorld& sourceWorld,
                      std::uint32_t flags) {
        const std::string before = DumpWorldJson(targetWorld);
        CWorldPart part = CWorldPart::Capture(
            targetWorld,
            CountryCopyScope(targetWorld.Country(target), sourceWorld.Country(source), flags));
        targetWorld.Country(target).CopyFrom(sourceWorld.Country(source), flags);
        const std::string after = DumpWorldJson(targetWorld);
        part.Exchange(targetWorld);
        EXPECT_TRUE(DumpWorldJson(targetWorld) == before) << "undone";
        part.Exchange(targetWorld);
        EXPECT_TRUE(DumpWorldJson(targetWorld) == after) << "redone";
    }

    std::unique_ptr<CWorld> first;
    std::unique_ptr<CWorld> second;
};

}  // namespace kw::test

namespace kw {
namespace {

using test::DemoWorlds;
using test::Json;
using test::kEngland;
using test::kGermany;
using test::kSpain;

// Each box alone, and together with those whose data meet (pool and clubs, stadiums and clubs).
const std::uint32_t kFlagSets[] = {countrycopy::kGeneral,
                                   countrycopy::kYouth,
                                   countrycopy::kReferees,
                                   countrycopy::kStadiums,
                                   countrycopy::kManagers,
                                   countrycopy::kClubs,
                                   countrycopy::kYouth | countrycopy::kClubs,
                                   countrycopy::kStadiums | countrycopy::kClubs,
                                   countrycopy::kAll};

class CountryCopy : public DemoWorlds {
protected:
    void ExpectSound(const CWorld& world) {
        const std::vector<std::string> faults = test::ReferenceFaults(world);
        EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first: " << faults.front();
    }
    CPlayer& FirstPerson(CWorld& world, int country) {
        const CClub& club = *world.Country(country).Clubs().begin()->second;
        return *world.Person(club.PersonIds().front());
    }
    // The copy's scope: its countries in order, whether it takes the rules and the list without
    // club.
    static auto Scope(const CCountry& target, const CCountry& source, std::uint32_t flags) {
        SWorldScope scope = CountryCopyScope(target, source, flags);
        std::sort(scope.countries.begin(), scope.countries.end());
        return std::tuple(scope.countries, scope.rules, scope.withoutClub);
    }
};

TEST_F(CountryCopy, EachBoxTakesItsPartOfAnotherDatabaseAndLeavesTheRest) {
    for (const std::uint32_t flags : kFlagSets) {
        SCOPED_TRACE(flags);
        first = test::LoadSmallDemo();
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

    // A country copied onto itself stays as it was.
    const std::string unchanged = DumpWorldJson(world);
    world.Country(kGermany).CopyFrom(world.Country(kGermany), countrycopy::kAll);
    EXPECT_TRUE(DumpWorldJson(world) == unchanged);
    EXPECT_EQ(CountryCopyScope(world.Country(kGermany), world.Country(kGermany), countrycopy::kAll)
                  .countries,
              std::vector<int>{kGermany});
}

// Managers get ids of the target database and the former ones leave it; the stadium list keeps
// the numbers it still has.
TEST_F(CountryCopy, GroupsBesideTheClubsChangeTheTargetCountryAlone) {
    const std::uint32_t flags = countrycopy::kGeneral | countrycopy::kYouth |
                                countrycopy::kReferees | countrycopy::kManagers |
                                countrycopy::kStadiums;
    CCountry& target = first->Country(kGermany);
    const CCountry& source = second->Country(kEngland);
    EXPECT_EQ(Scope(target, source, flags), std::tuple(std::vector<int>{kGermany}, false, false));

    const auto stadiums = static_cast<std::int32_t>(source.Stadiums().size());
    ASSERT_LT(stadiums, static_cast<std::int32_t>(target.Stadiums().size()));
    target.Settings().cupFinalStadium = stadiums + 1;
    target.NationalTeam().SetStadiumNumber(stadiums);
    first->Rules().SetVenue(0, 3, MakeStadiumRef(kGermany, stadiums + 1));
    first->Rules().SetVenue(1, 3, MakeStadiumRef(kGermany, stadiums));
    std::map<std::uint32_t, std::int32_t> numbers;
    for (const auto& [id, club] : target.Clubs()) {
        numbers[id] = club->StadiumNumber();
    }
    const std::vector<std::uint32_t> former = target.ManagerIds();
    const std::size_t managers = first->Managers().size();

    CopyUndoably(kGermany, *first, kEngland, *second, flags);

    const std::vector<std::uint32_t>& ids = target.ManagerIds();
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
    EXPECT_EQ(target.Stadiums(), source.Stadiums());
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

// Clubs of another country replace every former club wherever it is named; the national team
// stays with its persons, whose former clubs are gone.
TEST_F(CountryCopy, ClubsOfAnotherCountryReplaceEveryFormerClubButTheNationalTeam) {
    CCountry& target = first->Country(kGermany);
    CClub& nationalTeam = target.NationalTeam();
    CPlayer& player = first->CreatePerson(0, false);
    player.SetCurrentClub(MakeClubId(kGermany, 3));
    player.SetPreviousClub(MakeClubId(kSpain, 2));
    nationalTeam.AddPerson(player);
    nationalTeam.SetRival(0, MakeClubId(kGermany, 4));
    const std::string name(nationalTeam.Name(0));
    second->Country(kEngland).NationalTeam().SetName(0, "Quelle");
    CPlayer& abroad = FirstPerson(*first, kSpain);
    abroad.SetPreviousClub(MakeClubId(kGermany, 3));
    abroad.SetLoanClub(MakeClubId(kSpain, 2));
    const std::uint32_t national = MakeClubId(kGermany, kNationalTeamIndex);
    abroad.SetFirstClub(national);
    ASSERT_EQ(first->Rules().FurtherTitleHolder(0), MakeClubId(kGermany, 1));

    EXPECT_EQ(Scope(target, second->Country(kEngland), countrycopy::kClubs),
              std::tuple(std::vector<int>{kGermany, kSpain}, true, false));

    CopyUndoably(kGermany, *first, kEngland, *second, countrycopy::kClubs);

    EXPECT_EQ(std::tuple(&target.NationalTeam(), nationalTeam.Name(0), nationalTeam.PersonIds()),
              std::tuple(&nationalTeam, name, std::vector<std::uint32_t>{player.Id()}));
    EXPECT_EQ(player.CurrentClub(), 0u) << "the former club 3 is gone";
    EXPECT_EQ(player.PreviousClub(), MakeClubId(kSpain, 2));
    EXPECT_EQ(nationalTeam.Rivals()[0], 0u);
    EXPECT_EQ(abroad.PreviousClub(), 0u) << "club 3 of now is another one";
    EXPECT_EQ(
        std::tuple(abroad.LoanClub(), abroad.FirstClub(), first->Rules().FurtherTitleHolder(0)),
        std::tuple(MakeClubId(kSpain, 2), national, 0u));
    ExpectSound(*first);
}

TEST_F(CountryCopy, TheSameCountryKeepsWhatItsIndexesStillNameAnotherOneNothing) {
    CCountry& source = second->Country(kGermany);
    const std::uint32_t last = std::prev(source.Clubs().end(), 2)->first;
    const std::uint32_t beforeLast = std::prev(source.Clubs().end(), 3)->first;
    source.RemoveClub(last);
    source.RemoveClub(beforeLast);
    const std::uint32_t kept = MakeClubId(kGermany, 5);

    CPlayer& english = FirstPerson(*first, kEngland);
    english.SetPreviousClub(last);
    english.SetLoanClub(kept);
    CPlayer& without = *first->WithoutClub().At(0);
    SHistoryEntry station;
    station.club = beforeLast | kSecondTeamFlag;
    without.History().push_back(station);
    first->Country(kEngland).PlayerPool().front().SetPreferredClub(last);
    first->Rules().SetTitleHolder(0, 3, beforeLast);

    EXPECT_EQ(Scope(first->Country(kGermany), source, countrycopy::kClubs),
              std::tuple(std::vector<int>{kGermany, kEngland}, true, true));

    CopyUndoably(kGermany, *first, kGermany, *second, countrycopy::kClubs);

    EXPECT_EQ(std::tuple(first->Country(kGermany).ClubCount(), english.PreviousClub(),
                         english.LoanClub(), without.History().back().club),
              std::tuple(source.ClubCount(), 0u, kept, 0u));
    EXPECT_EQ(std::tuple(first->Country(kEngland).PlayerPool().front().PreferredClub(),
                         first->Rules().TitleHolder(0, 3), first->Rules().FurtherTitleHolder(0),
                         first->Rules().FurtherTitleHolder(1)),
              std::tuple(0u, 0u, MakeClubId(kGermany, 1), MakeClubId(kGermany, 2)));
    EXPECT_TRUE(test::ReferenceFaults(*first).empty());

    // Within one database the source's names of the target's clubs go too.
    english.SetLoanClub(MakeClubId(kGermany, 7));

    EXPECT_EQ(
        std::get<0>(Scope(first->Country(kGermany), first->Country(kEngland), countrycopy::kAll)),
        (std::vector<int>{kGermany, kEngland}));

    CopyUndoably(kGermany, *first, kEngland, *first, countrycopy::kAll);

    EXPECT_EQ(english.LoanClub(), 0u);
    const CClub& copy = *first->Country(kGermany).Clubs().begin()->second;
    EXPECT_EQ(first->Person(copy.PersonIds().front())->LoanClub(), 0u);
    EXPECT_TRUE(test::ReferenceFaults(*first).empty());
}

}  // namespace
}  // namespace kw
