#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoDocumentTest.h"
#include "ReferenceCheck.h"
#include "TempDir.h"
#include "document/DatabaseDocument.h"
#include "exports/WorldDump.h"
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
#include "tools/CsvCells.h"
#include "tools/CsvExchange.h"
#include "tools/CsvImport.h"
#include "tools/CsvTable.h"

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

// The two empty commands and missing targets change nothing; the menu items come in their
// groups with unique names and ask about their target.
TEST_F(AdminToolsTest, EmptyCommandsAndMissingTargetsThenMenuItemsAndTheirQuestions) {
    const SAdminOutcome merge = Run("merge-club-names");
    EXPECT_TRUE(merge.ok);
    EXPECT_EQ(merge.text, "This function is only avaiable in debug build");
    const SAdminOutcome stadiums = Run("remove-unused-stadiums", {.country = 14});
    EXPECT_TRUE(stadiums.ok);
    EXPECT_EQ(stadiums.text, "");
    EXPECT_FALSE(Run("club-yellow-shoes").ok);
    EXPECT_FALSE(Run("club-yellow-shoes", {.club = Live().Country(14).NationalTeam().Id()}).ok);
    EXPECT_FALSE(Run("rename-stadiums", {.country = 0}).ok);
    EXPECT_FALSE(Run("clear-match-records", {.country = kCountryCount + 1}).ok);
    EXPECT_EQ(document.History().Count(), 0u);
    EXPECT_FALSE(document.IsModified());
    ExpectSound();

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
    EXPECT_GT(bulk, 0);
    EXPECT_EQ(AdminMenuItems().back().caption, "DB f\xFCr PS2 erstellen");
    EXPECT_EQ(FindAdminCommand("map-club-ids"), nullptr);
    EXPECT_EQ(FindAdminCommand("nonsense"), nullptr);
    EXPECT_EQ(AdminGroupCaption(EAdminGroup::kMisc), "--- Misc ---");

    // The questions name what the command acts on.
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
    other.SetDirectory("/db/\303\207a va");
    Live().SetDirectory("/db/\303\234bung");
    EXPECT_NE(AdminQuestion(*FindAdminCommand("spain-nicknames"), world, {.other = &other},
                            kDefaultLanguage)
                  .find("league in \334bung with the nicknames from \307a va."),
              std::string::npos);
    EXPECT_TRUE(AsksYesNoCancel(*FindAdminCommand("spain-nicknames")));
    EXPECT_FALSE(AsksYesNoCancel(*FindAdminCommand("remove-staff")));
    EXPECT_EQ(AdminQuestion(*FindAdminCommand("merge-club-names"), world, {}, kDefaultLanguage),
              "");
}

// Marked names lose the mark; the others become initials and the city. Words starting with a
// digit or an umlaut give no initial; only blanks separate words; the result is cut at 29
// characters and nine initials.
TEST_F(AdminToolsTest, RenamedStadiumsKeepMarkedNamesAndGetInitialsInOneEditOfTheCountry) {
    const struct {
        const char* name;
        const char* city;
        const char* renamed;
    } cases[] = {
        {"!!Arena", "Musterstadt", "Arena"},
        {"!!Seestadion", "Nordhafen", "Seestadion"},
        {"Stadion am Park", "Musterstadt", "S. a. P. Musterstadt"},
        {"Stadion an der Alten Weide", "Nordhafen", "S. a. d. A. W. Nordhafen"},
        {"1. Park \334ber-Feld", "Ort", "P. Ort"},
        {"Park-Stadion  Nord", "Ort", "P. N. Ort"},
        {"", "Ort", "Ort"},
        {"!!Ein sehr langer Stadionname im Norden", "X", "Ein sehr langer Stadionname i"},
        {"A B C D E F G H I J K", "Stadt", "A. B. C. D. E. F. G. H. I. St"},
        {"Arena", "Eine Stadt mit sehr langem Namen", "A. Eine Stadt mit sehr langem"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RenamedStadium(c.name, c.city), c.renamed) << c.name;
    }

    // The command renames a country's stadiums in one edit.
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

// Staff of two countries whose main languages differ, and a player.
TEST_F(AdminToolsTest, StaffGetNamesOfTheirLanguageOrTheFallBackGroup) {
    const int home = 1;
    int foreign = 2;
    while (Live().Country(foreign).FirstAttribute() == Live().Country(home).FirstAttribute()) {
        ++foreign;
    }
    CClub& club = AddClub(kCountryCount);
    const auto named = [&](int kind, int nationality, std::string_view surname) {
        CPlayer& person = AddPerson(club, kind);
        person.SetNationality(static_cast<std::uint8_t>(nationality));
        person.SetFirstName("Alt");
        person.SetSurname(surname);
        return person.Id();
    };
    const std::uint32_t trainer = named(1, home, "Trainer");
    const std::uint32_t doctor = named(9, foreign, "Doktor");
    const std::uint32_t player = named(0, home, "Spieler");
    const auto name = [this](std::uint32_t id) {
        const CPlayer& person = *document.World().Person(id);
        return std::string(person.FirstName().View()) + " " + std::string(person.Surname().View());
    };

    // Without lists nothing runs; with only a group nobody belongs to, no name can be drawn.
    EXPECT_FALSE(Run("rename-staff", {.country = kCountryCount}).ok);
    CNameList first;
    CNameList last;
    first.Add(250, "Niemand");
    const SStaffNameLists nobody{first, last};
    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &nobody}).text,
              "Renamed all staff in the country");
    EXPECT_EQ(name(trainer), "Alt Trainer");
    EXPECT_EQ(document.History().Count(), 0u);

    const std::int32_t language = Live().Country(home).FirstAttribute();
    first.Add(language, "Hans");
    last.Add(language, "Meier");
    first.Add(0, "Zeno");
    last.Add(0, "Zorn");
    const SStaffNameLists names{first, last};
    EXPECT_EQ(Run("rename-staff", {.country = kCountryCount, .names = &names}).text,
              "Renamed all staff in the country");
    EXPECT_EQ(name(trainer), "Hans Meier");
    EXPECT_EQ(name(doctor), "Zeno Zorn");
    EXPECT_EQ(name(player), "Alt Spieler");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
}

std::uint32_t AddNamedPlayer(CWorld& world, CClub& club, const char* first, const char* surname,
                             const char* nickname, const char* stage) {
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

// The current database and another open one, each with a club of the nickname country.
TEST_F(AdminToolsTest, NicknamesAreCopiedFromTheOtherDatabaseAndYesEmptiesTheRestFirst) {
    CClub& club = AddClub(kNicknameCountry);
    const std::uint32_t jose =
        AddNamedPlayer(Live(), club, "Jos\xE9", "Garc\xEDz", "Alt", "Altbuehne");
    const std::uint32_t ana = AddNamedPlayer(Live(), club, "Ana", "Lopez", "Keep", "Bleibt");
    const std::unique_ptr<CWorld> other = test::LoadSmallDemo();
    CClub& partnerClub = *other->Country(kNicknameCountry).CreateClub();
    AddNamedPlayer(*other, partnerClub, "Jose", "Garciz", "Pepe", "");
    // Only the first partner found counts.
    AddNamedPlayer(*other, partnerClub, "Jose", "Garciz", "Zweiter", "Zweiter");
    AddNamedPlayer(*other, partnerClub, "ana", "Lopez", "Klein", "Klein");
    const auto names = [this](std::uint32_t id) {
        const CPlayer& person = *document.World().Person(id);
        return std::string(person.Nickname().View()) + "/" + std::string(person.StageName().View());
    };

    // Cancel, or a single open database: the command is not carried out.
    EXPECT_FALSE(Run("spain-nicknames").ok);
    EXPECT_EQ(names(jose), "Alt/Altbuehne");
    EXPECT_EQ(document.History().Count(), 0u);

    // No keeps the names that find no partner.
    EXPECT_EQ(Run("spain-nicknames", {.other = other.get()}, false).text, "Replaced 1 Nicknames");
    EXPECT_EQ(names(jose), "Pepe/Altbuehne");
    EXPECT_EQ(names(ana), "Keep/Bleibt");
    EXPECT_EQ(document.History().Count(), 1u);
    ExpectSound();
    // Copied already: the count is the same, but nothing changes and nothing is recorded.
    EXPECT_EQ(Run("spain-nicknames", {.other = other.get()}, false).text, "Replaced 1 Nicknames");
    EXPECT_EQ(document.History().Count(), 1u);

    // Yes empties every nickname first; the partner's empty stage name is not copied, and case
    // counts: "ana" is no partner of "Ana".
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(Run("spain-nicknames", {.other = other.get()}, true).text, "Replaced 1 Nicknames");
    EXPECT_EQ(names(jose), "Pepe/");
    EXPECT_EQ(names(ana), "/");
    EXPECT_EQ(document.History().Count(), 1u);

    EXPECT_EQ(NicknameSourceSlot(1, 0), std::nullopt);
    EXPECT_EQ(NicknameSourceSlot(2, 0), 1);
    EXPECT_EQ(NicknameSourceSlot(2, 1), 0);
    EXPECT_EQ(NicknameSourceSlot(6, 4), 0);
}

// The match history is cleared for the clubs but not the national team; yellow shoes are
// counted per club, country and database.
TEST_F(AdminToolsTest, HistoryIsClearedAndYellowShoesAreCountedButNotTheNationalTeams) {
    CClub& club = AddClub(kCountryCount);
    club.RecordResult(CClub::kHomeWin).SetFromEditor("7:0", "Nachbar", "1999");
    club.RecordResult(CClub::kRecordAttendance).SetAttendanceFromEditor("45000", "Nachbar", "2001");
    club.SetStatistic(0, 1200);
    club.SetStatistic(4, 17);
    CClub& team = Live().Country(kCountryCount).NationalTeam();
    team.RecordResult(CClub::kAwayWin).SetFromEditor("3:1", "Gast", "1990");
    team.SetStatistic(1, 5);

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

    ForEveryPerson([](CPlayer& person) { person.SetShoeType(1); });
    CClub& first = AddClub(kCountryCount);
    CClub& second = AddClub(kCountryCount);
    CClub& elsewhere = ClubWithPlayers(0, 0, kCountryCount);
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
    EXPECT_EQ(document.History().Count(), 5u);

    // Nothing left to change: reported, not recorded.
    EXPECT_EQ(Run("database-yellow-shoes").text, "Changed 0 shoes to black");
    EXPECT_EQ(document.History().Count(), 5u);
    ExpectSound();
}

TEST_F(AdminToolsTest, TacticalTrainingAndPlaceholderBirthDatesReachTheLastCountry) {
    ForEveryPerson([](CPlayer& person) {
        person.SetTacticalTraining(1);
        person.SetBirthDate(CDate::FromYmd(1985, 5, 5));
    });
    CClub& club = AddClub(kCountryCount);
    CPlayer& last = AddPerson(club, 0);
    last.SetTacticalTraining(0);
    last.SetBirthDate(CDate::FromYmd(1920, 1, 1));
    CPlayer& staff = AddPerson(ClubWithPlayers(0, 0, kCountryCount), 1);
    staff.SetTacticalTraining(0);
    staff.SetBirthDate(CDate::FromYmd(1900, 1, 1));
    CPlayer& trained = AddPerson(ClubWithPlayers(0, 0, kCountryCount), 0);
    trained.SetTacticalTraining(2);
    trained.SetBirthDate(CDate::FromYmd(1920, 1, 2));
    CPlayer& national = AddPerson(Live().Country(1).NationalTeam(), 0);
    national.SetTacticalTraining(0);
    national.SetBirthDate(CDate::FromYmd(1985, 5, 5));

    // Only the first of January placeholders get a new birth date, staff too.
    EXPECT_EQ(Run("placeholder-birth-dates").text, "Changed the birthday of 2 players");
    EXPECT_EQ(last.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(staff.BirthDate(), CDate::FromYmd(1980, 1, 1));
    EXPECT_EQ(trained.BirthDate(), CDate::FromYmd(1920, 1, 2));

    EXPECT_EQ(Run("tactical-training").text, "Changed the tactical skill of 1 players");
    EXPECT_EQ(last.TacticalTraining(), 3);
    EXPECT_EQ(staff.TacticalTraining(), 0);
    EXPECT_EQ(trained.TacticalTraining(), 2);
    EXPECT_EQ(national.TacticalTraining(), 0);
    ExpectSound();
    ASSERT_EQ(document.History().Count(), 2u);
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(document.World().Person(last.Id())->TacticalTraining(), 0);
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

    // The demo's own staff count too: every person above kind 3, in a club or without one.
    int expected = 0;
    ForEveryPerson([&expected](const CPlayer& person) { expected += person.Kind() > 3; });
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

using Table = std::vector<std::vector<std::string>>;

Table Cells(const SCsvParseResult& result) {
    Table cells;
    for (const SCsvRow& row : result.rows) {
        cells.push_back(row.cells);
    }
    return cells;
}

Table Parse(const std::string& text) {
    const SCsvParseResult parsed = ParseCsv(text);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    return Cells(parsed);
}

std::size_t Column(const Table& table, const std::string& name) {
    const auto& header = table.at(0);
    const auto found = std::find(header.begin(), header.end(), name);
    EXPECT_NE(found, header.end()) << name;
    return static_cast<std::size_t>(found - header.begin());
}

std::size_t RowOf(const Table& table, std::uint32_t id) {
    for (std::size_t row = 1; row < table.size(); ++row) {
        if (table[row][0] == std::to_string(id)) {
            return row;
        }
    }
    ADD_FAILURE() << "no row for " << id;
    return 0;
}

// The small demo as an open document, with a club that has players and staff.
class CsvExchangeTest : public test::DemoDocumentTest {
protected:
    CsvExchangeTest() {
        for (int number = 1; number <= kCountryCount && !club; ++number) {
            for (const auto& entry : Live().Country(number).Clubs()) {
                if (!entry.second->IsNationalTeam() && !entry.second->FirstTeam().empty() &&
                    !entry.second->Staff().empty()) {
                    club = entry.second.get();
                    break;
                }
            }
        }
        if (!club) {
            throw std::runtime_error("the small demo has no club with players and staff");
        }
        player = club->FirstTeam().front();
        staff = club->Staff().front();
    }

    std::string Export(ECsvKind kind, SCsvScope scope = {}) {
        const SCsvExport result = ExportCsv(document.World(), kind, scope);
        EXPECT_TRUE(result.error.empty()) << result.error;
        return result.text;
    }

    SCsvImportPlan PlanOf(const Table& table) {
        return PlanCsvImport(document.World(), WriteCsv(table));
    }

    // The plan of a club's players file in which one cell of the chosen player was changed.
    SCsvImportPlan PlanWithCell(const std::string& column, const std::string& value) {
        Table table = Parse(Export(ECsvKind::kPlayers, {0, club->Id()}));
        table[RowOf(table, player->Id())][Column(table, column)] = value;
        return PlanOf(table);
    }

    void ExpectRejected(const SCsvImportPlan& plan, ECsvRejection reason) {
        ASSERT_TRUE(plan.Ok()) << plan.error;
        ASSERT_EQ(plan.rejected.size(), 1u);
        EXPECT_EQ(plan.rejected[0].reason, reason)
            << CsvRejectionText(plan.rejected[0].reason) << ": " << plan.rejected[0].detail;
        EXPECT_TRUE(plan.changes.empty());
    }

    CClub* club = nullptr;
    CPlayer* player = nullptr;
    CPlayer* staff = nullptr;
};

// Also after a spreadsheet saved the file again: with LF for every CRLF, also those inside the
// note, with or without the byte order mark, and with dates in its German form.
TEST_F(CsvExchangeTest, UnchangedExportsAndTrickyTextsAndLimitValuesSurviveTheRoundTrip) {
    // An unchanged export of every kind imports as no change.
    for (const ECsvKind kind : {ECsvKind::kPlayers, ECsvKind::kStaff, ECsvKind::kClubs}) {
        const SCsvExport exported = ExportCsv(document.World(), kind, {});
        ASSERT_TRUE(exported.error.empty());
        EXPECT_GT(exported.records, 0);
        const SCsvImportPlan plan = PlanCsvImport(document.World(), exported.text);
        ASSERT_TRUE(plan.Ok()) << plan.error;
        EXPECT_EQ(plan.kind, kind);
        EXPECT_EQ(plan.rows, exported.records);
        EXPECT_TRUE(plan.changes.empty()) << CsvKindName(kind) << " " << plan.changes[0].label
                                          << " " << plan.changes[0].fields[0].field;
        EXPECT_TRUE(plan.rejected.empty())
            << CsvRejectionText(plan.rejected[0].reason) << " " << plan.rejected[0].detail;
    }
    player->SetSurname("M\xFCller; \"Kalle\"");  // ü, a separator and quotes
    player->SetFirstName("=SUM(A1)");
    player->SetNickname("+49 30");
    player->SetStageName("@home");
    player->SetNote("first line\r\nsecond; \"quoted\"\r\n-last");
    player->SetAbility(0, 99);
    player->SetAbility(1, 0);
    club->SetName(0, "'Apostroph FC");
    club->SetTelephone("-0123 456");
    club->SetInitialAssets(-2147483647 - 1);
    const std::string players = Export(ECsvKind::kPlayers, {0, club->Id()});
    const std::string clubs = Export(ECsvKind::kClubs, {club->Country(), 0});
    // The export escapes formula texts (the rule is the cells' own).
    Table table = Parse(players);
    const std::size_t row = RowOf(table, player->Id());
    EXPECT_EQ(table[row][Column(table, "surname")], "M\xC3\xBCller; \"Kalle\"");
    EXPECT_EQ(table[row][Column(table, "firstName")], EscapeFormulaText("=SUM(A1)"));
    std::string lf;
    for (std::size_t i = kUtf8ByteOrderMark.size(); i < players.size(); ++i) {
        if (!(players[i] == '\r' && i + 1 < players.size() && players[i + 1] == '\n')) {
            lf.push_back(players[i]);
        }
    }
    ASSERT_EQ(lf.find('\r'), std::string::npos);
    for (const std::string& text : {players, clubs, lf, std::string(kUtf8ByteOrderMark) + lf}) {
        const SCsvImportPlan plan = PlanCsvImport(document.World(), text);
        ASSERT_TRUE(plan.Ok());
        EXPECT_TRUE(plan.changes.empty());
        EXPECT_TRUE(plan.rejected.empty());
    }
    const CDate::Ymd birth = player->BirthDate().Split();
    table[RowOf(table, player->Id())][Column(table, "birthDate")] =
        std::to_string(birth.day) + "." + std::to_string(birth.month) + "." +
        std::to_string(birth.year);
    EXPECT_TRUE(PlanOf(table).changes.empty());
}

TEST_F(CsvExchangeTest, EditedCellsBecomeOneUndoableEdit) {
    const std::string before = DumpWorldJson(document.World());
    Table table = Parse(Export(ECsvKind::kPlayers, {0, club->Id()}));
    const std::size_t row = RowOf(table, player->Id());
    const int oldAbility = player->Ability(5);
    const int newAbility = oldAbility == 99 ? 1 : 99;
    table[row][Column(table, "surname")] = "Gr\303\244fe";
    table[row][Column(table, "ability5")] = std::to_string(newAbility);
    table[row][Column(table, "note")] = "=1+1\nzweite Zeile";
    // The code column wins over its text, and read-only columns are not read.
    table[row][Column(table, "nationalityText")] = "Nirgendwo";
    table[row][Column(table, "team")] = "3. Mannschaft";
    const SCsvImportPlan plan = PlanOf(table);
    ASSERT_TRUE(plan.rejected.empty());
    ASSERT_EQ(plan.changes.size(), 1u);
    const SCsvRecordChange& change = plan.changes[0];
    EXPECT_EQ(change.id, player->Id());
    ASSERT_EQ(change.fields.size(), 3u);
    EXPECT_EQ(change.fields[1].field, "ability5");
    EXPECT_EQ(change.fields[1].oldValue, std::to_string(oldAbility));
    EXPECT_EQ(change.fields[1].newValue, std::to_string(newAbility));
    EXPECT_EQ(document.History().Count(), 0);  // planning changes nothing

    ASSERT_TRUE(ApplyCsvImport(document, plan));
    EXPECT_EQ(document.History().Count(), 1);
    EXPECT_EQ(player->Surname().View(), "Gr\344fe");
    EXPECT_EQ(player->Ability(5), newAbility);
    EXPECT_EQ(player->Note(), "=1+1\r\nzweite Zeile");
    EXPECT_TRUE(test::ReferenceFaults(document.World()).empty());
    // Applying the same file again finds the edits done.
    EXPECT_TRUE(PlanOf(table).changes.empty());

    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
    EXPECT_TRUE(document.Redo());
    EXPECT_EQ(document.World().Person(player->Id())->Ability(5), newAbility);

    // A player without club is changed and undone like any other.
    ASSERT_TRUE(document.Undo());
    ASSERT_GT(document.World().WithoutClub().Count(), 0);
    const std::uint32_t free = document.World().WithoutClub().At(0)->Id();
    Table all = Parse(Export(ECsvKind::kPlayers));
    const std::size_t freeRow = RowOf(all, free);
    EXPECT_EQ(all[freeRow][Column(all, "country")], "0");
    EXPECT_EQ(all[freeRow][Column(all, "club")], "");
    all[freeRow][Column(all, "nickname")] = "Vereinslos";
    ASSERT_TRUE(ApplyCsvImport(document, PlanOf(all)));
    EXPECT_EQ(document.World().Person(free)->Nickname().View(), "Vereinslos");
    EXPECT_TRUE(test::ReferenceFaults(document.World()).empty());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(DumpWorldJson(document.World()), before);
}

TEST_F(CsvExchangeTest, ValuesAtTheirLimitsPassAndBeyondThemOrInRowsOfNoRecordAreRejected) {
    const std::string longest(19, 'x');
    const SCsvImportPlan atLimit = PlanWithCell("surname", longest);
    ASSERT_EQ(atLimit.changes.size(), 1u);
    EXPECT_EQ(atLimit.changes[0].fields[0].newValue, longest);
    EXPECT_EQ(PlanWithCell("ability3", "99").rejected.size(), 0u);
    EXPECT_EQ(PlanWithCell("ability3", "0").rejected.size(), 0u);

    // A stored value outside the range the import accepts still reads back as no change.
    player->SetLook(look::kHeight, 50);
    EXPECT_TRUE(PlanWithCell("ability3", std::to_string(player->Ability(3))).rejected.empty());
    ExpectRejected(PlanWithCell("height", "51"), ECsvRejection::kOutOfRange);

    ExpectRejected(PlanWithCell("surname", longest + "y"), ECsvRejection::kTooLong);
    ExpectRejected(PlanWithCell("surname", std::string(18, 'x') + "\xC3\xA4\xC3\xA4"),
                   ECsvRejection::kTooLong);  // two characters, not four bytes, count
    ExpectRejected(PlanWithCell("ability3", "100"), ECsvRejection::kOutOfRange);
    ExpectRejected(PlanWithCell("ability3", "-1"), ECsvRejection::kOutOfRange);
    ExpectRejected(PlanWithCell("nationality", "207"), ECsvRejection::kOutOfRange);
    ExpectRejected(PlanWithCell("birthDate", "1990-02-30"), ECsvRejection::kOutOfRange);
    ExpectRejected(PlanWithCell("ability3", "4,5"), ECsvRejection::kMalformedNumber);
    ExpectRejected(PlanWithCell("ability3", ""), ECsvRejection::kMalformedNumber);
    ExpectRejected(PlanWithCell("birthDate", "soon"), ECsvRejection::kMalformedNumber);
    ExpectRejected(PlanWithCell("nickname", "\xCE\xA9"), ECsvRejection::kNotWindows1252);

    // Rows that no longer name their record.
    ExpectRejected(PlanWithCell("playerId", "987654321"), ECsvRejection::kUnknownId);
    // A staff member's id in a players file.
    ExpectRejected(PlanWithCell("playerId", std::to_string(staff->Id())),
                   ECsvRejection::kUnknownId);
    ExpectRejected(PlanWithCell("playerId", "12x"), ECsvRejection::kMalformedNumber);
    // A CJK character.
    ExpectRejected(PlanWithCell("exportSurname", "\xE4\xB8\xAD"), ECsvRejection::kNotWindows1252);
    Table table = Parse(Export(ECsvKind::kPlayers, {0, club->Id()}));
    const std::size_t row = RowOf(table, player->Id());
    Table duplicate = table;
    duplicate.push_back(table[row]);
    const SCsvImportPlan duplicatePlan = PlanOf(duplicate);
    ASSERT_EQ(duplicatePlan.rejected.size(), 2u);  // neither copy is trusted
    EXPECT_EQ(duplicatePlan.rejected[0].reason, ECsvRejection::kDuplicateRow);
    EXPECT_EQ(duplicatePlan.rejected[1].reason, ECsvRejection::kDuplicateRow);
    Table shortRow = table;
    shortRow[row].pop_back();
    ExpectRejected(PlanOf(shortRow), ECsvRejection::kWrongCellCount);

    // The record was edited, or its id now names another person, since the export.
    player->SetSurname("Anders");
    ExpectRejected(PlanOf(table), ECsvRejection::kChangedSinceExport);
    EXPECT_EQ(PlanOf(table).rejected[0].detail, "exportSurname");

    // A club renumbered since the export: row 2 now carries the id of row 1's club, as a save
    // renumbers clubs after a deletion.
    Table clubs = Parse(Export(ECsvKind::kClubs, {club->Country(), 0}));
    ASSERT_GE(clubs.size(), 3u);
    clubs[2][0] = clubs[1][0];
    clubs.erase(clubs.begin() + 1);
    clubs[1][Column(clubs, "prestige")] = "20";
    ExpectRejected(PlanOf(clubs), ECsvRejection::kChangedSinceExport);
}

// Staff and club fields are imported; files that cannot be read are refused whole; the scope
// selects a club, a country or everything.
TEST_F(CsvExchangeTest, StaffAndClubFieldsFilesRefusedWholeAndTheScope) {
    Table staffTable = Parse(Export(ECsvKind::kStaff, {club->Country(), 0}));
    staffTable[RowOf(staffTable, staff->Id())][Column(staffTable, "staffByte1")] = "7";
    Table clubTable = Parse(Export(ECsvKind::kClubs, {club->Country(), 0}));
    const std::size_t row = RowOf(clubTable, club->Id());
    clubTable[row][Column(clubTable, "nameEn")] = "Harbour Town";
    clubTable[row][Column(clubTable, "pointsDeduction")] = "3";
    clubTable[row][Column(clubTable, "initialAssets")] = "1000000";
    const std::int32_t credit = club->CreditLine();

    ASSERT_TRUE(ApplyCsvImport(document, PlanOf(staffTable)));
    ASSERT_TRUE(ApplyCsvImport(document, PlanOf(clubTable)));
    EXPECT_EQ(staff->StaffBytes()[0], 7);
    EXPECT_EQ(club->Name(1), "Harbour Town");
    EXPECT_EQ(club->PointsDeduction(), 3);
    EXPECT_EQ(club->InitialAssets(), 1000000);
    EXPECT_EQ(club->CreditLine(), credit);  // its own column, left as it was
    EXPECT_EQ(document.History().Count(), 2);
    EXPECT_TRUE(test::ReferenceFaults(document.World()).empty());

    EXPECT_FALSE(PlanCsvImport(document.World(), "").Ok());
    EXPECT_FALSE(PlanCsvImport(document.World(), "name;value\r\n1;2\r\n").Ok());
    Table table = Parse(Export(ECsvKind::kClubs, {0, club->Id()}));
    table[0].back() = "shoeSize";
    EXPECT_NE(PlanOf(table).error.find("shoeSize"), std::string::npos);
    table[0].back() = table[0][5];
    EXPECT_NE(PlanOf(table).error.find("twice"), std::string::npos);
    EXPECT_FALSE(PlanCsvImport(document.World(), "clubId;country\r\n").Ok());
    const std::string open = Export(ECsvKind::kClubs, {0, club->Id()}) + "\"";
    EXPECT_FALSE(PlanCsvImport(document.World(), open).Ok());

    // The scope selects a club, a country or everything.
    const SCsvExport one = ExportCsv(document.World(), ECsvKind::kPlayers, {0, club->Id()});
    EXPECT_EQ(one.records, club->PlayerCount());
    const SCsvExport country = ExportCsv(document.World(), ECsvKind::kClubs, {club->Country(), 0});
    EXPECT_EQ(country.records,
              static_cast<int>(document.World().Country(club->Country()).Clubs().size()) - 1);
    int players = 0;  // those of the clubs and those without club
    for (const auto& entry : document.World().Persons()) {
        players += entry.second->IsPlayer() ? 1 : 0;
    }
    EXPECT_EQ(ExportCsv(document.World(), ECsvKind::kPlayers, {}).records, players);
    EXPECT_FALSE(ExportCsv(document.World(), ECsvKind::kClubs, {207, 0}).error.empty());
    EXPECT_FALSE(ExportCsv(document.World(), ECsvKind::kClubs, {0, 0x00FF0001}).error.empty());
}

TEST(CsvTableTest, CellsWithSeparatorsQuotesAndLineEndsComeBackAsWritten) {
    const std::vector<std::vector<std::string>> rows = {
        {"id", "text", "empty"},
        {"1", "a;b", ""},
        {"2", "say \"hi\"", " padded "},
        {"3", "two\r\nlines", "lone\nfeed"},
    };
    const std::string text = WriteCsv(rows);
    EXPECT_EQ(text.substr(0, 3), kUtf8ByteOrderMark);
    EXPECT_NE(text.find("\"say \"\"hi\"\"\""), std::string::npos);
    const SCsvParseResult parsed = ParseCsv(text);
    ASSERT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_EQ(Cells(parsed), rows);
    // The last row starts on line 4 of the file; the quoted line end in it is line 5.
    EXPECT_EQ(parsed.rows[3].line, 4);

    // Every line end, with and without byte order mark; a quote left open is an error.
    const std::vector<std::vector<std::string>> expected = {{"a", "b"}, {"1", "2"}, {"3", ""}};
    for (const std::string text : {"a;b\r\n1;2\r\n3;\r\n", "a;b\n1;2\n3;", "a;b\r1;2\r3;\r",
                                   "\xEF\xBB\xBF"
                                   "a;b\n1;2\n3;\n"}) {
        EXPECT_EQ(Parse(text), expected) << text;
    }
    const SCsvParseResult open = ParseCsv("a;b\n1;\"open\n");
    EXPECT_NE(open.error.find("line 2"), std::string::npos) << open.error;
}

TEST(CsvCellsTest, FormulaTextsLineEndsNumbersAndDates) {
    for (const std::string text :
         {"=SUM(A1:A9)", "+49 30 1234", "-5", "@user", "'quoted", "''", "plain", "", "a=b"}) {
        const std::string cell = EscapeFormulaText(text);
        EXPECT_EQ(UnescapeFormulaText(cell), text);
        if (!cell.empty()) {
            const char first = cell.front();
            EXPECT_TRUE(first != '=' && first != '+' && first != '-' && first != '@') << cell;
        }
    }
    EXPECT_EQ(EscapeFormulaText("=1"), "'=1");
    EXPECT_EQ(EscapeFormulaText("plain"), "plain");
    EXPECT_EQ(NormaliseLineEnds("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    // Only Windows-1252 characters convert.
    EXPECT_EQ(StrictUtf8ToCp1252("M\xC3\xBCller \xE2\x82\xAC"), std::string("M\xFCller \x80"));
    EXPECT_FALSE(StrictUtf8ToCp1252("\xCE\xA9mega"));            // Greek capital omega
    EXPECT_FALSE(StrictUtf8ToCp1252("smile \xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(StrictUtf8ToCp1252("broken \xC3"));

    // Numbers are whole and within 64 bits; dates in ISO and German form within their limits.
    EXPECT_EQ(ParseCsvNumber(" 42 "), 42);
    EXPECT_EQ(ParseCsvNumber("-7"), -7);
    EXPECT_FALSE(ParseCsvNumber(""));
    EXPECT_FALSE(ParseCsvNumber("4,5"));
    EXPECT_FALSE(ParseCsvNumber("12abc"));
    EXPECT_FALSE(ParseCsvNumber("99999999999999999999"));
    const CDate date = CDate::FromYmd(1988, 2, 29);
    EXPECT_EQ(FormatCsvDate(date), "1988-02-29");
    EXPECT_EQ(ParseCsvDate("1988-02-29").date, date);
    EXPECT_EQ(ParseCsvDate("29.2.1988").date, date);
    EXPECT_EQ(ParseCsvDate("").result, ECsvDateParse::kOk);
    EXPECT_FALSE(ParseCsvDate("").date.IsSet());
    EXPECT_EQ(ParseCsvDate("1987-02-29").result, ECsvDateParse::kOutOfRange);
    EXPECT_EQ(ParseCsvDate("1600-01-01").result, ECsvDateParse::kOutOfRange);
    EXPECT_EQ(ParseCsvDate("yesterday").result, ECsvDateParse::kMalformed);
    EXPECT_EQ(ParseCsvDate("1988/02/29").result, ECsvDateParse::kMalformed);
}

}  // namespace
}  // namespace kw
