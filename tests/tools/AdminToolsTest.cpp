#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "exports/master/MasterExport.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Date.h"
#include "model/Player.h"
#include "model/RecordResult.h"
#include "model/Stadium.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"
#include "storage/NameLists.h"
#include "tools/AdminCommandTable.h"
#include "tools/AdminCountryTools.h"
#include "tools/AdminNicknames.h"
#include "tools/AdminSquadTools.h"

namespace kw {
namespace {

// The bulk commands' tests share a document on the small demo database, set-up helpers that work
// outside the history, and the check that the database is still sound after a command.
class AdminToolsTest : public test::DemoDocumentTest {
protected:
    // A new club of the country (test set-up, outside the history).
    CClub& AddClub(int country) {
        CClub* club = Live().Country(country).CreateClub();
        if (club == nullptr) {
            throw std::runtime_error("the country has no room for a club");
        }
        return *club;
    }

    CPlayer& AddPerson(CClub& club, int kind) {
        CPlayer& person = Live().CreatePerson(Live().NextFreePersonId(), false);
        person.Reset(kind, club.Country());
        person.SetCurrentClub(club.Id());
        club.AddPerson(person);
        return person;
    }

    // Some club of the demo that is no national team, outside `exceptCountry`.
    CClub& DemoClub(int exceptCountry = 0) {
        for (int number = 1; number <= kCountryCount; ++number) {
            for (const auto& entry : Live().Country(number).Clubs()) {
                if (number != exceptCountry && !entry.second->IsNationalTeam() &&
                    entry.second->PersonIds().size() < 200) {
                    return *entry.second;
                }
            }
        }
        throw std::runtime_error("the demo has no club");
    }

    // Every person of every club and of the list without club.
    template <typename Visit>
    void ForEveryPerson(Visit visit) {
        for (const auto& entry : Live().Persons()) {
            visit(*entry.second);
        }
    }

    SAdminOutcome Run(std::string_view name, SAdminInputs inputs = {}, bool reset = false) {
        const SAdminCommand* command = FindAdminCommand(name);
        if (command == nullptr) {
            throw std::runtime_error("no such command");
        }
        return RunAdminCommand(*command, document, inputs, reset);
    }

    // Every reference resolves and the game's master file can still be built from the database.
    void ExpectSound() {
        EXPECT_EQ(test::ReferenceFaults(document.World()), std::vector<std::string>{});
        test::TempDir out;
        SMasterRequest request;
        request.batch = true;
        request.options = kPs2MasterOptions;
        request.output = out / "Master.dat";
        request.sideFolder = out.Path();
        CScriptedUserInterface ui;
        CRecordingProgress progress;
        EXPECT_EQ(BuildMasterFile(Live(), request, progress, ui), EMasterResult::kWritten);
    }
};

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

TEST(RenamedStadium, KeepsMarkedNamesAndMakesInitialsOfTheOthers) {
    EXPECT_EQ(RenamedStadium("!!Arena", "Musterstadt"), "Arena");
    EXPECT_EQ(RenamedStadium("!!Seestadion", "Nordhafen"), "Seestadion");
    EXPECT_EQ(RenamedStadium("Stadion am Park", "Musterstadt"), "S. a. P. Musterstadt");
    EXPECT_EQ(RenamedStadium("Stadion an der Alten Weide", "Nordhafen"),
              "S. a. d. A. W. Nordhafen");
    // Words starting with a digit or an umlaut give no initial; only blanks separate words.
    EXPECT_EQ(RenamedStadium("1. Park \xDC"
                             "ber-Feld",
                             "Ort"),
              "P. Ort");
    EXPECT_EQ(RenamedStadium("Park-Stadion  Nord", "Ort"), "P. N. Ort");
    EXPECT_EQ(RenamedStadium("", "Ort"), "Ort");
}

TEST(RenamedStadium, CutsAtTwentyNineCharactersAndNineInitials) {
    EXPECT_EQ(RenamedStadium("!!Ein sehr langer Stadionname im Norden", "X"),
              "Ein sehr langer Stadionname i");
    EXPECT_EQ(RenamedStadium("A B C D E F G H I J K", "Stadt"), "A. B. C. D. E. F. G. H. I. St");
    EXPECT_EQ(RenamedStadium("Arena", "Eine Stadt mit sehr langem Namen"),
              "A. Eine Stadt mit sehr langem");
}

TEST_F(AdminToolsTest, RenamingStadiumsIsOneEditOfTheCountry) {
    std::vector<CStadium>& stadiums = Live().Country(kCountryCount).Stadiums();
    stadiums.clear();
    CStadium park;
    park.SetName("Stadion am Park");
    park.SetCity("Musterstadt");
    CStadium arena;
    arena.SetName("!!Arena");
    arena.SetCity("Musterstadt");
    stadiums = {park, arena};

    EXPECT_EQ(Run("rename-stadiums", {.country = kCountryCount}).text,
              "Finished renaming stadiums");
    const std::vector<CStadium>& renamed = document.World().Country(kCountryCount).Stadiums();
    EXPECT_EQ(renamed[0].Name().View(), "S. a. P. Musterstadt");
    EXPECT_EQ(renamed[1].Name().View(), "Arena");
    EXPECT_EQ(renamed[1].City().View(), "Musterstadt");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();

    // The rule does not know its own result: a second run makes initials of the initials.
    Run("rename-stadiums", {.country = kCountryCount});
    EXPECT_EQ(document.World().Country(kCountryCount).Stadiums()[0].Name().View(),
              "S. a. P. M. Musterstadt");
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Country(kCountryCount).Stadiums()[1].Name().View(), "!!Arena");
}

TEST_F(AdminToolsTest, HistoryIsClearedForTheClubsButNotTheNationalTeam) {
    CClub& club = AddClub(kCountryCount);
    club.RecordResult(CClub::kHomeWin).SetFromEditor("7:0", "Nachbar", "1999");
    club.RecordResult(CClub::kRecordAttendance).SetAttendanceFromEditor("45000", "Nachbar", "2001");
    club.SetStatistic(0, 1200);
    club.SetStatistic(4, 17);
    CClub& national = Live().Country(kCountryCount).NationalTeam();
    national.RecordResult(CClub::kAwayWin).SetFromEditor("3:1", "Gast", "1990");
    national.SetStatistic(1, 5);

    EXPECT_EQ(Run("clear-match-records", {.country = kCountryCount}).text,
              "Cleared all club match history in the the country");
    EXPECT_EQ(Run("clear-league-statistics", {.country = kCountryCount}).text,
              "Cleared all club 1st league history in the the country");
    const CCountry& country = document.World().Country(kCountryCount);
    const CClub& cleared = *country.Club(club.Id());
    for (int which = 0; which < CClub::kRecordCount; ++which) {
        EXPECT_EQ(cleared.RecordResult(which), CRecordResult{});
    }
    EXPECT_EQ(cleared.Statistics(), (std::array<std::int32_t, CClub::kStatisticCount>{}));
    EXPECT_EQ(country.NationalTeam().RecordResult(CClub::kAwayWin).ScoreText(), "3:1");
    EXPECT_EQ(country.NationalTeam().Statistics()[1], 5);
    EXPECT_EQ(document.History().Count(), 2u);

    // A second run finds nothing and records nothing.
    Run("clear-match-records", {.country = kCountryCount});
    Run("clear-league-statistics", {.country = kCountryCount});
    EXPECT_EQ(document.History().Count(), 2u);
    ExpectSound();
}

class RenameStaffTest : public AdminToolsTest {
protected:
    // Two countries whose main languages differ.
    void SetUp() override {
        home = 1;
        for (int number = 2; number <= kCountryCount; ++number) {
            if (Live().Country(number).FirstAttribute() != Live().Country(home).FirstAttribute()) {
                foreign = number;
                break;
            }
        }
        ASSERT_NE(foreign, 0);
        club = &AddClub(kCountryCount);
        trainer = &AddPerson(*club, 1);
        trainer->SetNationality(static_cast<std::uint8_t>(home));
        trainer->SetFirstName("Alt");
        trainer->SetSurname("Trainer");
        doctor = &AddPerson(*club, 9);
        doctor->SetNationality(static_cast<std::uint8_t>(foreign));
        doctor->SetFirstName("Alt");
        doctor->SetSurname("Doktor");
        player = &AddPerson(*club, 0);
        player->SetFirstName("Alt");
        player->SetSurname("Spieler");
    }

    int home = 0;
    int foreign = 0;
    CClub* club = nullptr;
    CPlayer* trainer = nullptr;
    CPlayer* doctor = nullptr;
    CPlayer* player = nullptr;
};

TEST_F(RenameStaffTest, StaffGetNamesOfTheirLanguageOrTheFallBackGroup) {
    CNameList first;
    CNameList last;
    const std::int32_t language = Live().Country(home).FirstAttribute();
    first.Add(language, "Hans");
    last.Add(language, "Meier");
    first.Add(0, "Zeno");
    last.Add(0, "Zorn");
    const SStaffNameLists names{first, last};

    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &names}).text,
              "Renamed all staff in the country");
    const CWorld& world = document.World();
    EXPECT_EQ(world.Person(trainer->Id())->FirstName().View(), "Hans");
    EXPECT_EQ(world.Person(trainer->Id())->Surname().View(), "Meier");
    EXPECT_EQ(world.Person(doctor->Id())->FirstName().View(), "Zeno");
    EXPECT_EQ(world.Person(doctor->Id())->Surname().View(), "Zorn");
    EXPECT_EQ(world.Person(player->Id())->Surname().View(), "Spieler");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
}

TEST_F(RenameStaffTest, EmptyNameGroupsKeepTheOldNames) {
    CNameList first;
    CNameList last;
    // Only a group nobody belongs to: no name can be drawn for anyone.
    first.Add(250, "Niemand");
    const SStaffNameLists names{first, last};

    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &names}).text,
              "Renamed all staff in the country");
    EXPECT_EQ(document.World().Person(trainer->Id())->FirstName().View(), "Alt");
    EXPECT_EQ(document.World().Person(doctor->Id())->Surname().View(), "Doktor");
    EXPECT_EQ(document.History().Count(), 0u);

    EXPECT_FALSE(Run("rename-staff", {.country = kCountryCount}).ok);
    ExpectSound();
}

// The current database and another open one, each with a club of the nickname country.
class NicknamesTest : public AdminToolsTest {
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

TEST_F(AdminToolsTest, YellowShoesAreCountedPerClubCountryAndDatabase) {
    ForEveryPerson([](CPlayer& person) { person.SetShoeType(1); });
    CClub& first = AddClub(kCountryCount);
    CClub& second = AddClub(kCountryCount);
    CClub& elsewhere = DemoClub(kCountryCount);
    AddPerson(first, 0).SetShoeType(5);
    AddPerson(first, 2).SetShoeType(9);
    CPlayer& almost = AddPerson(first, 0);
    almost.SetShoeType(4);
    AddPerson(second, 0).SetShoeType(6);
    CPlayer& abroad = AddPerson(elsewhere, 0);
    abroad.SetShoeType(7);
    CPlayer& national = AddPerson(Live().Country(kCountryCount).NationalTeam(), 0);
    national.SetShoeType(8);

    EXPECT_EQ(Run("club-yellow-shoes", {.club = first.Id()}).text, "Changed 2 shoes to black");
    EXPECT_EQ(almost.ShoeType(), 4);
    EXPECT_EQ(Run("country-yellow-shoes", {.country = kCountryCount}).text,
              "Changed 1 shoes to black");
    EXPECT_EQ(abroad.ShoeType(), 7);
    EXPECT_EQ(Run("database-yellow-shoes").text, "Changed 1 shoes to black");
    EXPECT_EQ(abroad.ShoeType(), 2);
    EXPECT_EQ(national.ShoeType(), 8);
    EXPECT_EQ(document.History().Count(), 3u);

    // Nothing left to change: reported, not recorded.
    EXPECT_EQ(Run("database-yellow-shoes").text, "Changed 0 shoes to black");
    EXPECT_EQ(document.History().Count(), 3u);
    ExpectSound();
}

TEST_F(AdminToolsTest, TacticalTrainingReachesTheLastCountryAndOneUndoTakesItBack) {
    ForEveryPerson([](CPlayer& person) { person.SetTacticalTraining(1); });
    CPlayer& last = AddPerson(AddClub(kCountryCount), 0);
    last.SetTacticalTraining(0);
    CPlayer& staff = AddPerson(DemoClub(kCountryCount), 1);
    staff.SetTacticalTraining(0);
    CPlayer& trained = AddPerson(DemoClub(kCountryCount), 0);
    trained.SetTacticalTraining(2);
    CPlayer& national = AddPerson(Live().Country(1).NationalTeam(), 0);
    national.SetTacticalTraining(0);

    EXPECT_EQ(Run("tactical-training").text, "Changed the tactical skill of 1 players");
    EXPECT_EQ(last.TacticalTraining(), 3);
    EXPECT_EQ(staff.TacticalTraining(), 0);
    EXPECT_EQ(trained.TacticalTraining(), 2);
    EXPECT_EQ(national.TacticalTraining(), 0);
    ExpectSound();

    ASSERT_EQ(document.History().Count(), 1u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Person(last.Id())->TacticalTraining(), 0);
}

TEST_F(AdminToolsTest, OnlyTheFirstOfJanuaryPlaceholdersGetANewBirthDate) {
    ForEveryPerson([](CPlayer& person) { person.SetBirthDate(CDate::FromYmd(1985, 5, 5)); });
    CClub& club = AddClub(kCountryCount);
    CPlayer& twenty = AddPerson(club, 0);
    twenty.SetBirthDate(CDate::FromYmd(1920, 1, 1));
    CPlayer& nineteenHundred = AddPerson(DemoClub(), 3);
    nineteenHundred.SetBirthDate(CDate::FromYmd(1900, 1, 1));
    CPlayer& secondJanuary = AddPerson(club, 0);
    secondJanuary.SetBirthDate(CDate::FromYmd(1920, 1, 2));

    EXPECT_EQ(Run("placeholder-birth-dates").text, "Changed the birthday of 2 players");
    EXPECT_EQ(twenty.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(nineteenHundred.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(secondJanuary.BirthDate(), CDate::FromYmd(1920, 1, 2));
    ExpectSound();
}

TEST_F(AdminToolsTest, RemovingStaffKeepsTheBoardAndLeavesNoPersonBehind) {
    CClub& club = AddClub(kCountryCount);
    const std::uint32_t trainer = AddPerson(club, 1).Id();
    const std::uint32_t manager = AddPerson(club, 2).Id();
    const std::uint32_t president = AddPerson(club, 3).Id();
    const std::uint32_t doctor = AddPerson(club, 9).Id();
    const std::uint32_t player = AddPerson(club, 0).Id();
    CPlayer& freeScout = Live().CreatePerson(Live().NextFreePersonId(), false);
    freeScout.Reset(8, 14);
    Live().WithoutClub().Append(freeScout);
    const std::uint32_t scout = freeScout.Id();

    // The demo's own staff count too: every person above kind 3 in a club or without one.
    int expected = 0;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& entry : Live().Country(number).Clubs()) {
            for (const std::uint32_t id : entry.second->PersonIds()) {
                expected += !entry.second->IsNationalTeam() && Live().Person(id)->Kind() > 3;
            }
        }
    }
    for (const std::uint32_t id : Live().WithoutClub().Ids()) {
        expected += Live().Person(id)->Kind() > 3;
    }

    EXPECT_EQ(Run("remove-staff").text, "Deleted " + std::to_string(expected) + " staffs");
    const CWorld& world = document.World();
    const CClub& after = *world.Country(kCountryCount).Club(club.Id());
    EXPECT_EQ(after.PersonIds(), (std::vector<std::uint32_t>{trainer, manager, president, player}));
    EXPECT_EQ(world.Person(doctor), nullptr);
    EXPECT_EQ(world.Person(scout), nullptr);
    EXPECT_FALSE(world.WithoutClub().Contains(scout));
    ExpectSound();

    ASSERT_TRUE(document.Undo());
    EXPECT_NE(document.World().Person(doctor), nullptr);
    EXPECT_TRUE(document.World().Country(kCountryCount).Club(club.Id())->HasPerson(doctor));
    EXPECT_TRUE(document.World().WithoutClub().Contains(scout));
    EXPECT_EQ(test::ReferenceFaults(document.World()), std::vector<std::string>{});
}

}  // namespace
}  // namespace kw
