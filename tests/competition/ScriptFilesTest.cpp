#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CompetitionTestSupport.h"
#include "competition/Competition.h"
#include "competition/CupAlloc.h"
#include "competition/Pool.h"
#include "competition/Round.h"
#include "competition/ScriptEntry.h"
#include "model/LeagueScript.h"
#include "platform/Progress.h"

namespace kw {
namespace {

using test::JoinLines;

void WriteInstalled(const test::TempDir& install, const std::string& relative,
                    const std::vector<std::string>& lines) {
    const std::filesystem::path path = install / relative;
    std::filesystem::create_directories(path.parent_path());
    test::WriteFile(path, JoinLines(lines));
}

int ReadFormats(const std::vector<std::string>& lines, CCupFormatTable& formats,
                CScriptTable& scripts) {
    CKLFile file;
    file.OpenForReadFromMemory(JoinLines(lines));
    return ReadCupFormats(file, formats, scripts);
}

TEST(CupAlloc, FormatsWithRoundsNamesAndScripts) {
    std::vector<std::string> lines = {
        "4", "%INDEX%CUP1", "FA", " ID_FACUP_GERMANY", "7", "2",
        "{ 64, 32, 1, 2, 3, 4, ROUND_1, BEG_WITH_1_LEG, BEG_WITH_EXTRA_TIME, BEG_WITH_PENALTY }",
        "{ 2, 1, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_2_LEG }", "1", "GET_WINNER, {-1, FA_CUP, 0}",
        "%INDEXEND%CUP1",
        // Number 2 has no section; number 3 lists more rounds than a format holds.
        "%INDEX%CUP3", "CC_FA", " ID_FRIENDLY", "0", "11"};
    for (int i = 0; i < 11; ++i) {
        lines.push_back("{ 1, 1, 0, 0, 0, 0, ROUND_QUALI2, 0 }");
    }
    lines.insert(lines.end(), {"1", "GET_CHAMP, {5, LEAGUE, 0}", "%INDEXEND%CUP3"});
    CCupFormatTable formats;
    CScriptTable scripts;
    // One as the count defines no format.
    EXPECT_EQ(ReadFormats({"1", "%INDEX%CUP1", "FA", "xPokal", "0", "0", "0", "%INDEXEND%CUP1"},
                          formats, scripts),
              0);
    EXPECT_EQ(formats.Format(1), nullptr);
    ASSERT_EQ(ReadFormats(lines, formats, scripts), 2);

    const CCupFormat* german = formats.Format(1);
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(german->Category(), kCupCategoryFa);
    EXPECT_EQ(german->Name().View(), "Pokal Deutschland");
    EXPECT_EQ(german->Setting(), 7);
    ASSERT_EQ(german->RoundCount(), 2);
    const SCupRound& first = german->Rounds()[0];
    EXPECT_EQ(first, (SCupRound{64, 32, {1, 2, 3, 4}, 1 | 8 | 32, 5, 5}));
    EXPECT_TRUE(german->Rounds()[1].IsTwoLegged());
    EXPECT_EQ(german->MatchdayCount(), 3);
    const auto script = scripts.List(german->ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].command, kGetWinner);
    // A format has no country: "own country" keeps the byte 0xFF.
    EXPECT_EQ(script[0].competition, MakeCompetitionId(0xFF, kFaCupType, 0));

    EXPECT_EQ(formats.Format(2), nullptr);
    const CCupFormat* own = formats.Format(3);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Category(), kCupCategoryMisc);
    // A name keyword without a text of its own leaves the line as it is.
    EXPECT_EQ(std::tuple(own->Name().View(), own->RoundCount(), own->Rounds()[0].roundName),
              std::tuple(" ID_FRIENDLY", CCupFormat::kMaxRounds, 2));
    // The eleventh round line was read past: the script is found after it.
    const auto ownScript = scripts.List(own->ScriptStart());
    ASSERT_EQ(ownScript.size(), 1u);
    EXPECT_EQ(ownScript[0].competition, MakeCompetitionId(5, kLeagueType, 0));
}

// The master file takes the number of a format's round records from the second value of its first
// round: a format whose value differs from its round count is listed.
TEST(CupAlloc, FormatsWhoseFirstRoundStatesAnotherRoundCountAreListed) {
    const std::vector<std::string> lines = {
        "5", "%INDEX%CUP1", "FA", "Null", "0", "2", "{ 4, 0, 0, 0, 0, 0, ROUND_SEMIFINAL, 0 }",
        "{ 2, 0, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP1",
        // Right: two rounds, the first says 2.
        "%INDEX%CUP2", "FA", "Zwei", "0", "2", "{ 4, 2, 0, 0, 0, 0, ROUND_SEMIFINAL, 0 }",
        "{ 2, 0, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP2", "%INDEX%CUP3", "MISC",
        "Zuviel", "0", "1", "{ 2, 5, 0, 0, 0, 0, ROUND_FINAL, 0 }", "0", "%INDEXEND%CUP3",
        // Without rounds there is no first round to state anything.
        "%INDEX%CUP4", "MISC", "Leer", "0", "0", "0", "%INDEXEND%CUP4"};
    CCupFormatTable formats;
    CScriptTable scripts;
    ASSERT_EQ(ReadFormats(lines, formats, scripts), 4);
    EXPECT_EQ(RoundCountMismatches(formats),
              (std::vector<SRoundCountMismatch>{{1, 0, 2}, {3, 5, 1}}));
}

// The formats' scripts join the world-wide script table: read again on every load (and import),
// they would pile up there.
TEST(CupAlloc, TheWorldReadsItsFormatsOnceUntilItIsEmptied) {
    test::TempDir install;
    test::TempDir database;
    WriteInstalled(install, "Script/CUPALLOC.TXT",
                   {"2", "%INDEX%CUP1", "SUPERCUP", "Supercup", "0", "1",
                    "{ 2, 1, 0, 0, 0, 0, ROUND_FINAL, BEG_WITH_1_LEG }", "1",
                    "GET_CHAMP, {5, LEAGUE, 0}", "%INDEXEND%CUP1"});
    CWorld world(install.Path());
    world.InitialiseCountries();
    const std::size_t initialised = world.Scripts().Size();
    CSilentProgress progress;
    world.Load(database.Path(), progress);
    world.Load(database.Path(), progress);
    EXPECT_TRUE(world.LoadCupFormats());
    EXPECT_EQ(world.Scripts().Size(), initialised);
    const CCupFormat* supercup = world.CupFormats().Format(1);
    ASSERT_NE(supercup, nullptr);
    EXPECT_EQ(supercup->Category(), kCupCategorySupercup);
    ASSERT_EQ(world.Scripts().List(supercup->ScriptStart()).size(), 1u);
    EXPECT_EQ(world.Scripts().List(supercup->ScriptStart())[0].command, kGetChamp);

    // A new start, as an import makes it, reads them again into the emptied table.
    world.InitialiseCountries();
    world.Load(database.Path(), progress);
    EXPECT_EQ(world.Scripts().Size(), initialised);
    ASSERT_NE(world.CupFormats().Format(1), nullptr);

    CWorld bare(database.Path());
    EXPECT_FALSE(bare.LoadCupFormats());
    EXPECT_EQ(bare.CupFormats().SlotCount(), 0);
}

// A round in the layout of data version 0: days and flags interleaved, the level line present.
std::vector<std::string> OldRound(const std::string& id, const std::string& round, int day0,
                                  int day1, const std::vector<std::string>& script) {
    std::vector<std::string> lines = {"DB_ROUND", id, R"("R","R","R","R","R")", "0", round};
    // First days, mode flags, second days, an ignored line, state flags.
    lines.insert(lines.end(), {std::to_string(day0), std::to_string(day1), "BEG_WITH_1_LEG"});
    lines.insert(lines.end(), {"0", "0", "0", "0"});
    // The four values, then the tail: setting, level, sources, sub-competitions, script.
    lines.insert(lines.end(), {"0", "0", "0", "0"});
    lines.insert(lines.end(), {"3", "-1", "0", "0", script.empty() ? "0" : "1"});
    lines.insert(lines.end(), script.begin(), script.end());
    return lines;
}

std::vector<std::string> NodeList(const std::string& prefix,
                                  const std::vector<std::vector<std::string>>& nodes) {
    std::vector<std::string> lines = {std::to_string(nodes.size())};
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const std::string tag = prefix + std::to_string(k);
        lines.push_back("%INDEX%" + tag);
        lines.insert(lines.end(), nodes[k].begin(), nodes[k].end());
        lines.push_back("%INDEXEND%" + tag);
    }
    return lines;
}

TEST(InternationalStructures, FilesAreReadInTheOldLayoutUnderTheInternationalRoot) {
    test::TempDir install;
    WriteInstalled(install, "script/EuropeanCup.txt",
                   NodeList("EURO", {OldRound("{ -1, CHAMPIONSLEAGUE, 3 }", "ROUND_FINAL", 140, 0,
                                              {"GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, "
                                               "{0, UEFA_CUP, 1)",
                                               "1", "2", "3"}),
                                     OldRound("{ 0, UIC, 0 }", "ROUND_QUALI", 150, 0, {})}));
    WriteInstalled(
        install, "script/wc.txt",
        NodeList("WORLD_CUP", {OldRound("{ 0, WORLD_CUP, 0 }", "ROUND_GROUP1", 160, 400, {})}));
    CWorld world(install.Path());
    world.InitialiseCountries();

    ASSERT_NE(world.Competition(kInternationalRootId), nullptr);
    const auto* final = dynamic_cast<const CDBRound*>(
        world.Competition(MakeCompetitionId(kInternationalCountry, kChampionsLeagueType, 3)));
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(std::tuple(final->ParentId(), final->CalendarValue(0, 140), final->ModeFlags()),
              std::tuple(kInternationalRootId, 1, 1u));
    const auto script = world.Scripts().List(final->ScriptStart());
    ASSERT_EQ(script.size(), 1u);
    EXPECT_EQ(script[0].competition, MakeCompetitionId(0, kUefaCupType, 1));
    EXPECT_EQ(script[0].arguments, MakeScriptArguments(1, 2, 3));

    const InternationalDayTables& days = world.InternationalDays();
    EXPECT_EQ(int{days[0].tables[0][140]}, 31);
    EXPECT_EQ(int{days[0].tables[0][150]}, 34);
    // The world cup marks the second calendar only, its later season folded back.
    EXPECT_EQ(std::tuple(int{days[3].tables[0][160]}, int{days[3].tables[1][35]}, days[1].tables,
                         days[2].tables),
              std::tuple(0, 29, SDayOccupancy().tables, SDayOccupancy().tables));
}

// A pool: the leading 0, size, sort mode, no checked competitions, the four values, then the
// tail with a level of 2.
std::vector<std::string> ScriptPool(const std::string& id, int size) {
    std::vector<std::string> lines = {"DB_POOL", id, "0", std::to_string(size), "POOL_SORT_RANDOM"};
    lines.insert(lines.end(), {"0", "0", "0", "0", "0"});
    lines.insert(lines.end(), {"3", "2", "0", "0", "0"});
    return lines;
}

class LeagueScriptSelection : public ::testing::Test {
protected:
    LeagueScriptSelection() : world(install.Path()) {
        test::PrepareWorld(world);
        WriteInstalled(
            install, "script/lg3.txt",
            NodeList("LG", {ScriptPool("{ -1, POOL, 0 }", 4), ScriptPool("{ -1, POOL, 1 }", 6)}));
    }

    static constexpr std::uint32_t kPool0 = MakeCompetitionId(test::kCountry, kPoolType, 0);
    static constexpr std::uint32_t kPool1 = MakeCompetitionId(test::kCountry, kPoolType, 1);
    test::TempDir install;
    CWorld world;
};

TEST_F(LeagueScriptSelection, ChoosingReadsDroppingClearsAndAMissingFileChangesNothing) {
    const CCountry& country = world.Country(test::kCountry);
    ASSERT_TRUE(SelectLeagueScript(world, test::kCountry, 3));
    EXPECT_EQ(country.LeagueScript(), 3);
    const auto* pool = dynamic_cast<const CDBPool*>(world.Competition(kPool1));
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->PoolSize(), 6);
    EXPECT_EQ(pool->ParentId(), test::kRoot);
    // Read in the old layout, which has the level line.
    EXPECT_EQ(pool->Level(), 2);

    // A node below a script node goes with the script.
    test::AddNode<CDBRound>(world, MakeCompetitionId(test::kCountry, kRelegationType, 0), kPool0);
    EXPECT_TRUE(SelectLeagueScript(world, test::kCountry, 3));
    EXPECT_FALSE(SelectLeagueScript(world, test::kCountry, 4));
    EXPECT_EQ(country.LeagueScript(), 3);
    EXPECT_NE(world.Competition(kPool0), nullptr);

    ASSERT_TRUE(SelectLeagueScript(world, test::kCountry, 0));
    EXPECT_EQ(
        std::tuple(country.LeagueScript(), world.Competition(kPool0), world.Competition(kPool1),
                   world.Competition(MakeCompetitionId(test::kCountry, kRelegationType, 0))),
        std::tuple(0, nullptr, nullptr, nullptr));
    EXPECT_NE(world.Competition(test::kRoot), nullptr);
    EXPECT_NE(world.Competition(MakeCompetitionId(6, kRootType, 0)), nullptr);
    EXPECT_FALSE(SelectLeagueScript(world, 0, 3));
}

using test::Lines;
using test::WriteRecord;

constexpr std::uint32_t kLeague0 = MakeCompetitionId(5, kLeagueType, 0);

std::string WrittenList(const std::vector<SScriptEntry>& entries) {
    CScriptTable table;
    const std::int32_t start = table.AppendList(entries);
    return WriteRecord([&](CKLFile& file) { return WriteScriptList(file, table, start); });
}

std::vector<SScriptEntry> ReadList(const std::string& text, int country, CScriptTable& table) {
    CKLFile file;
    file.OpenForReadFromMemory(text);
    const std::int32_t start = ReadScriptList(file, table, country);
    const auto list = table.List(start);
    return {list.begin(), list.end()};
}

TEST(ScriptTable, ListsRunToTheirTerminatorAndEachFormWritesAndReadsItsLines) {
    CScriptTable table;
    const std::vector<SScriptEntry> one = {{kGetChamp, kLeague0, 0}};
    const std::int32_t first = table.AppendList(one);
    const std::int32_t second = table.AppendList({});
    EXPECT_EQ(table.List(first).size(), 1u);
    EXPECT_TRUE(table.List(second).empty());
    EXPECT_EQ(table.Entry(second)->command, kEndOfEntry);
    EXPECT_TRUE(table.List(-1).empty());
    EXPECT_TRUE(table.List(1000).empty());
    EXPECT_EQ(table.Entry(1000), nullptr);
    // Each form writes its lines.
    const std::vector<SScriptEntry> entries = {
        {kBuildCounter, 0, 77},
        {kBuildUefa5, 0, MakeScriptArguments(-3, 0, 0) | (9u << 16)},
        {kGetChamp, kLeague0, 0},
        {kGetUefa5Tab, 0, MakeScriptArguments(1, 2, 3)},
        {kGetTabXToY, kLeague0, MakeScriptArguments(0, 1, 4)},
        {kGetTabSureXToYZ, kLeague0, 0x030201},
        {kGetTabLevelXToY, 0, MakeScriptArguments(4, 5, 6)},
        {kGetHost, 0, 0},
        {kGetUefa5ChampOrFinalist, 1234, MakeScriptArguments(2, 0, 0)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kLeague0, MakeScriptArguments(0, 0, 5)},
        {kGetInternationalTeams, (12u << 24) | 0x10000, 33},
    };
    // One line per entry of the short forms; the long forms give their values a line each.
    EXPECT_EQ(Lines(WrittenList(entries)),
              Lines("12\nBUILD_COUNTER, 77\nBUILD_UEFA5, -3, 9\nGET_CHAMP, {5, LEAGUE, 0}\n"
                    "GET_UEFA5_TAB, 1, 2, 3\n"
                    "GET_TAB_X_TO_Y, {5, LEAGUE, 0}\n1\n4\n"
                    "GET_TAB_SURE_X_TO_Y_Z, {5, LEAGUE, 0}\n1\n2\n3\n"
                    "GET_TAB_LEVEL_X_TO_Y\n4\n5\n6\n"
                    "GET_HOST\nGET_UEFA5_CHAMP_OR_FINALIST, 2, 1234\n"
                    "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, {0, UEFA_CUP, 1)\n7\n8\n9\n"
                    "GET_INTERNATIONAL_SPARE, {5, LEAGUE, 0}\n5\n"
                    "GET_INTERNATIONAL_TEAMS, 12, 33\n"));
    // Carried values survive a write and a read.
    const std::vector<SScriptEntry> carried = {
        {kBuildCounter, 0, 0x80000001u},
        {kBuildUefa5, 0, 0xFFFF0005u},
        {kGetWinner, MakeCompetitionId(5, kFaCupType, 0), 0},
        {kGetUefa5Tab, 0, MakeScriptArguments(-2, 200, 255)},
        {kGetUefa5SureUic, 0, MakeScriptArguments(3, 4, 0)},
        {kGetTabSureXToYZ, kLeague0, 0x00FF7F01},
        {kGetTabLevelIndoor, 0, MakeScriptArguments(1, 2, 3)},
        {kGetCcSpare, 0, 0},
        {kGetUefa5ChampOrFinalist, 0xFA000000u, MakeScriptArguments(6, 0, 0)},
        {kGetPool, MakeCompetitionId(5, kPoolType, 1), MakeScriptArguments(0, 1, 2)},
        {kGetNatUefa5WithHost, MakeCompetitionId(0, kQualiEcType, 2), MakeScriptArguments(0, 3, 4)},
        {kGetInternationalTabLevelXToY, MakeCompetitionId(0, kUefaCupType, 1),
         MakeScriptArguments(7, 8, 9)},
        {kGetInternationalSpare, kLeague0, MakeScriptArguments(0, 0, 5)},
        {kGetRelegatedTeams, MakeCompetitionId(5, kRelegationType, 0), 0},
        {kGetInternationalTeams, (12u << 24) | 0x10000, 33},
    };
    CScriptTable again;
    EXPECT_EQ(ReadList(WrittenList(carried), 5, again), carried);
}

// A ref closed by a parenthesis reads the same competition; a negative country is the node's.
TEST(ScriptText, RefsReadTheirCompetitionAndUnknownWordsTheGenericForm) {
    CScriptTable table;
    const auto refs =
        ReadList(JoinLines({"2", "GET_INTERNATIONAL_TAB_LEVEL_X_TO_Y, {0, CHAMPIONSLEAGUE, 3)", "1",
                            "2", "3", "GET_CHAMP, {-1, LEAGUE, 0}"}),
                 5, table);
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0].competition, MakeCompetitionId(0, kChampionsLeagueType, 3));
    EXPECT_EQ(refs[0].arguments, MakeScriptArguments(1, 2, 3));
    EXPECT_EQ(refs[1].competition, kLeague0);
    // An unknown word is stored as 31 in the generic form.
    const std::string text = JoinLines(
        {"2", "GET_SOMETHING_ELSE, {-1, POOL, 2}", "3", "4", "GET_CHAMP, {5, LEAGUE, 1}"});
    const auto list = ReadList(text, 5, table);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].command, kUnknownCommand);
    EXPECT_EQ(list[0].competition, MakeCompetitionId(5, kPoolType, 2));
    EXPECT_EQ(list[0].arguments, MakeScriptArguments(0, 3, 4));
    // The B and C lines were consumed: the next entry is read in step.
    EXPECT_EQ(list[1].command, kGetChamp);
    // Written back, the entry keeps its command and carried values.
    CScriptTable again;
    EXPECT_EQ(ReadList(WrittenList(list), 5, again), list);
}

TEST(ScriptText, ReadingAppendsATerminatorCarryingTheLastValuesAndStopsAtTheSectionEnd) {
    CScriptTable table;
    CKLFile file;
    file.OpenForReadFromMemory(JoinLines({"1", "GET_CHAMP, {5, LEAGUE, 1}"}));
    std::int32_t start = ReadScriptList(file, table, 5);
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.Entry(start + 1)->command, kEndOfEntry);
    EXPECT_EQ(table.Entry(start + 1)->competition, MakeCompetitionId(5, kLeagueType, 1));
    // Cut or overstated lists end at the section end.
    file.OpenForReadFromMemory(JoinLines(
        {"%INDEX%X", "1000000", "GET_TAB_X_TO_Y, {5, LEAGUE, 0}", "1", "%INDEXEND%X", "7"}));
    ASSERT_TRUE(file.FindSection("X"));
    start = ReadScriptList(file, table, 5);
    ASSERT_EQ(table.List(start).size(), 1u);
    EXPECT_EQ(table.List(start)[0].arguments, MakeScriptArguments(0, 1, 0));
    EXPECT_TRUE(file.SkipToSectionEnd("X"));
    std::int32_t after = 0;
    EXPECT_TRUE(file.ReadNumber(after));
    EXPECT_EQ(after, 7);
}

}  // namespace
}  // namespace kw
