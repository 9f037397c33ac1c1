#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "KLText.h"
#include "TempDir.h"
#include "model/Date.h"
#include "model/Rules.h"
#include "model/World.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "platform/ScriptedUserInterface.h"
#include "storage/Identifiers.h"
#include "storage/KLFile.h"
#include "storage/RecordVersion.h"

namespace kw {
namespace {

using test::Lines;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::string Digits(std::initializer_list<int> numbers) {
    std::string text;
    for (int number : numbers) {
        text += std::to_string(number);
    }
    return text;
}

// Every field different, so that a swapped or shifted value shows.
CRules Filled() {
    CRules rules;
    for (int continent = 0; continent < kContinentCount; ++continent) {
        for (int language = 0; language < kLanguageCount; ++language) {
            for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
                rules.SetCompetitionName(competition, continent, language,
                                         "N" + Digits({competition, continent, language}));
            }
            rules.SetThirdShortName(continent, language, "K" + Digits({continent, language}));
        }
        for (int competition = 0; competition < CRules::kCompetitionCount; ++competition) {
            rules.SetTitleHolder(competition, continent,
                                 MakeClubId(continent + 1, competition + 1));
            rules.SetVenue(competition, continent, MakeStadiumRef(continent + 10, competition + 1));
        }
    }
    for (int language = 0; language < kLanguageCount; ++language) {
        rules.SetWorldName(language, "W" + Digits({language}));
        rules.SetWorldShortName(language, "S" + Digits({language}));
    }
    // The longest texts the fields hold, with a letter of the upper half of the code page.
    rules.SetCompetitionName(1, 5, 4, "S\374" + std::string(27, 'a'));
    rules.SetThirdShortName(4, 2, std::string(16, 'k'));
    rules.SetFurtherTitleHolder(0, MakeClubId(14, kNationalTeamIndex));
    rules.SetFurtherTitleHolder(1, MakeClubId(14, 3) | kSecondTeamFlag);
    const std::int32_t values[CRules::kRuleCount] = {1, 0, 2, -1, 77};
    for (int rule = 0; rule < CRules::kRuleCount; ++rule) {
        rules.SetRuleValue(rule, values[rule]);
    }
    rules.SetSubstitutions(3);
    return rules;
}

class Rules : public ::testing::Test {
protected:
    static CRules ReadText(const std::string& text) {
        CKLFile file;
        EXPECT_TRUE(file.OpenForReadFromMemory(text));
        CRules rules;
        EXPECT_TRUE(rules.Read(file));
        return rules;
    }

    TempDir folder;
};

TEST_F(Rules, DefaultsAreEmptyWithSixSubstitutions) {
    const CRules rules;
    EXPECT_EQ(rules.Substitutions(), 6);
    EXPECT_EQ(rules.CompetitionName(2, 5, 4), "");
    EXPECT_EQ(rules.WorldShortName(0), "");
    EXPECT_EQ(rules.TitleHolder(2, 5), 0u);
    EXPECT_EQ(rules.Venue(0, 0), 0u);
    EXPECT_EQ(rules.FurtherTitleHolder(1), 0u);
    EXPECT_EQ(rules.RuleValue(4), 0);
    CRules changed = Filled();
    changed.Reset();
    EXPECT_EQ(changed, rules);
    changed.CopyFrom(Filled());
    EXPECT_EQ(changed, Filled());
}

TEST_F(Rules, AccessorsAddressTheirOwnField) {
    CRules rules = Filled();
    EXPECT_EQ(rules.CompetitionName(0, 3, 2), "N032");
    EXPECT_EQ(rules.CompetitionName(2, 1, 0), "N210");
    EXPECT_EQ(rules.ThirdShortName(5, 4), "K54");
    EXPECT_EQ(rules.WorldName(3), "W3");
    EXPECT_EQ(rules.WorldShortName(1), "S1");
    EXPECT_EQ(rules.TitleHolder(1, 4), MakeClubId(5, 2));
    EXPECT_EQ(rules.Venue(2, 0), MakeStadiumRef(10, 3));
    // Fields keep their terminating zero within their size.
    rules.SetWorldName(0, std::string(40, 'x'));
    rules.SetWorldShortName(0, std::string(40, 'x'));
    EXPECT_EQ(rules.WorldName(0).size(), 29u);
    EXPECT_EQ(rules.WorldShortName(0).size(), 16u);
    rules.SetSubstitutions(9);
    EXPECT_EQ(rules.Substitutions(), 7);
    rules.SetSubstitutions(-1);
    EXPECT_EQ(rules.Substitutions(), 0);
    EXPECT_THROW((void)rules.CompetitionName(3, 0, 0), std::out_of_range);
    EXPECT_THROW(rules.SetTitleHolder(0, 6, 1), std::out_of_range);
    EXPECT_THROW((void)rules.WorldName(5), std::out_of_range);
    EXPECT_EQ(ContinentName(1), "S\374damerika");
    EXPECT_EQ(ContinentName(5), "Ozeanien");
    EXPECT_EQ(ContinentName(6), "");
}

TEST_F(Rules, FileRoundTripsFieldByFieldAndByteForByte) {
    const CRules filled = Filled();
    ASSERT_TRUE(filled.Save(folder.Path()));
    const std::string written = ReadFile(folder / "Rules.sav");
    CRules read;
    ASSERT_TRUE(read.Load(folder.Path()));
    EXPECT_EQ(read, filled);
    const TempDir again;
    ASSERT_TRUE(read.Save(again.Path()));
    EXPECT_EQ(ReadFile(again / "Rules.sav"), written);
}

TEST_F(Rules, FileLayout) {
    ASSERT_TRUE(Filled().Save(folder.Path()));
    const std::vector<std::string> lines = Lines(ReadFile(folder / "Rules.sav"));
    ASSERT_EQ(lines.size(), 75u);
    EXPECT_EQ(lines[0], "%INDEX%RULES_AND_MISC");
    EXPECT_EQ(lines[1], "%INDEX%VERSION");
    EXPECT_EQ(lines[2], "537264132");
    // First and second names per continent, then the world competition's name.
    EXPECT_EQ(lines[4], R"("N000","N001","N002","N003","N004")");
    EXPECT_EQ(lines[5], R"("N100","N101","N102","N103","N104")");
    EXPECT_EQ(lines[6], R"("N010","N011","N012","N013","N014")");
    EXPECT_EQ(lines[16], R"("W0","W1","W2","W3","W4")");
    // Third names and short names per continent, then the world short name.
    EXPECT_EQ(lines[17], R"("N200","N201","N202","N203","N204")");
    EXPECT_EQ(lines[18], R"("K00","K01","K02","K03","K04")");
    EXPECT_EQ(lines[28], R"("K50","K51","K52","K53","K54")");
    EXPECT_EQ(lines[29], R"("S0","S1","S2","S3","S4")");
    // Title holder and venue per continent, competition by competition.
    EXPECT_EQ(lines[30], std::to_string(MakeClubId(1, 1)));
    EXPECT_EQ(lines[31], std::to_string(MakeStadiumRef(10, 1)));
    EXPECT_EQ(lines[32], std::to_string(MakeClubId(1, 2)));
    EXPECT_EQ(lines[36], std::to_string(MakeClubId(2, 1)));
    EXPECT_EQ(lines[65], std::to_string(MakeStadiumRef(15, 3)));
    EXPECT_EQ(lines[66], std::to_string(MakeClubId(14, kNationalTeamIndex)));
    EXPECT_EQ(lines[67], std::to_string(MakeClubId(14, 3) | kSecondTeamFlag));
    EXPECT_EQ(lines[68], "1");
    EXPECT_EQ(lines[71], "-1");
    EXPECT_EQ(lines[72], "77");
    EXPECT_EQ(lines[73], "3");
    EXPECT_EQ(lines[74], "%INDEXEND%RULES_AND_MISC");
}

TEST_F(Rules, OldFileFillsTheMatchingFieldsAndLeavesTheRestEmpty) {
    const std::string values = R"("Meisterrunde","Masters Round","Ronde","Ronda","Girone")"
                               "\n"
                               R"("Sternpokal","Star Cup","C3","C3","C3")"
                               "\n"
                               R"("Copa Austral","Austral","Aus","Aus","Aus")"
                               "\n"
                               R"("Erdkugel","Globe Cup","Globe","Globo","Globo")"
                               "\n"
                               R"("SP-Quali","SC Qualifying","Q","Q","Q")"
                               "\n"
                               R"("SPQ","SPQ","SPQ","SPQ","SPQ")"
                               "\n"
                               R"("Copa-Quali","Copa Qualifying","Q","Q","Q")"
                               "\n"
                               R"("EK","GC","GL","GL","GL")"
                               "\n"
                               "917505\n983041\n1048577\n917506\n65537\n0\n"
                               "983039\n0\n1\n1\n0\n0\n4\n5\n";
    for (const std::string version : {"%INDEX%VERSION\n537133056\n%INDEXEND%VERSION\n", ""}) {
        const CRules r =
            ReadText("%INDEX%RULES_AND_MISC\n" + version + values + "%INDEXEND%RULES_AND_MISC\n");
        using Texts = std::vector<std::string_view>;
        EXPECT_EQ((Texts{r.CompetitionName(0, 0, 0), r.CompetitionName(0, 0, 4),
                         r.CompetitionName(1, 0, 1), r.CompetitionName(0, 1, 0), r.WorldName(2),
                         r.CompetitionName(2, 0, 1), r.ThirdShortName(0, 4),
                         r.CompetitionName(2, 1, 0), r.WorldShortName(1)}),
                  (Texts{"Meisterrunde", "Girone", "Star Cup", "Copa Austral", "Globe",
                         "SC Qualifying", "SPQ", "Copa-Quali", "GC"}));
        EXPECT_EQ((std::vector<std::uint32_t>{r.TitleHolder(0, 0), r.TitleHolder(0, 1),
                                              r.TitleHolder(0, 2), r.Venue(0, 0), r.Venue(0, 1),
                                              r.Venue(0, 2), r.FurtherTitleHolder(0)}),
                  (std::vector<std::uint32_t>{917505, 983041, 1048577, 917506, 65537, 0, 983039}));
        EXPECT_EQ(
            (std::vector<int>{r.RuleValue(0), r.RuleValue(1), r.RuleValue(4), r.Substitutions()}),
            (std::vector<int>{1, 1, 4, 5}));
        // What the old layout did not have stays empty.
        EXPECT_EQ((Texts{r.CompetitionName(1, 1, 0), r.CompetitionName(0, 2, 0),
                         r.CompetitionName(2, 2, 0), r.ThirdShortName(1, 0)}),
                  Texts(4));
        EXPECT_EQ(r.TitleHolder(1, 0) | r.TitleHolder(0, 3) | r.Venue(2, 5), 0u);
    }
}

TEST_F(Rules, FileCutShortReadsZerosAndLeavesWhatFollowsReadable) {
    CKLFile file;
    ASSERT_TRUE(file.OpenForReadFromMemory(
        "%INDEX%RULES_AND_MISC\n%INDEX%VERSION\n537264132\n%INDEXEND%VERSION\n"
        "\"A\",\"B\",\"C\",\"D\",\"E\"\n\"F\"\n%INDEXEND%RULES_AND_MISC\n"
        "%INDEX%DATE\n24\n12\n1999\n%INDEXEND%DATE\n"));
    CRules rules = Filled();
    ASSERT_TRUE(rules.Read(file));
    EXPECT_EQ(rules.CompetitionName(0, 0, 4), "E");
    EXPECT_EQ(rules.CompetitionName(1, 0, 0), "F");
    EXPECT_EQ(rules.CompetitionName(1, 0, 1), "");
    EXPECT_EQ(rules.CompetitionName(0, 1, 0), "");
    EXPECT_EQ(rules.TitleHolder(0, 0), 0u);
    EXPECT_EQ(rules.RuleValue(0), 0);
    EXPECT_EQ(rules.Substitutions(), 0);
    EXPECT_EQ(CDate::Read(file), CDate::FromYmd(1999, 12, 24));
}

TEST_F(Rules, MissingFileOrSectionGivesTheDefaults) {
    CRules rules = Filled();
    EXPECT_FALSE(rules.Load(folder.Path()));
    EXPECT_EQ(rules, CRules());

    WriteFile(folder / "rules.SAV", "%INDEX%OTHER\n1\n%INDEXEND%OTHER\n");
    rules = Filled();
    EXPECT_FALSE(rules.Load(folder.Path()));
    EXPECT_EQ(rules, CRules());
}

TEST_F(Rules, FileThatCannotBeWrittenReportsFailureAndKeepsThePreviousOne) {
    WriteFile(folder / "Rules.sav", "previous");
    {
        CFileFaults faults(FailWritesTo(folder / "Rules.sav"));
        CAtomicFileBatch batch(folder.Path(), {.faults = &faults});
        EXPECT_FALSE(Filled().Save(folder.Path()));
        EXPECT_FALSE(batch.Commit());
    }
    EXPECT_EQ(ReadFile(folder / "Rules.sav"), "previous");
    EXPECT_FALSE(Filled().Save(folder / "missing"));
}

// A world whose country 14 holds the clubs 3, 7 and 9 and two stadiums, numbered for saving.
class RulesInWorld : public Rules {
protected:
    RulesInWorld() : world(install.Path()) {
        world.InitialiseCountries();
        CCountry& country = world.Country(14);
        for (std::uint16_t index : {3, 7, 9}) {
            country.AddClub(index);
        }
        country.Stadiums().resize(2);
        country.RebuildNumbering();
    }

    TempDir install;
    CWorld world;
    CScriptedUserInterface ui;
    CRecordingProgress progress;
};

TEST_F(RulesInWorld, CompleteRenumbersTitleHoldersAndDropsDeletedClubs) {
    CRules rules;
    rules.SetTitleHolder(0, 0, MakeClubId(14, 7));
    rules.SetTitleHolder(1, 0, MakeClubId(14, 12));  // deleted
    rules.SetTitleHolder(2, 0, MakeClubId(20, kNationalTeamIndex));
    rules.SetTitleHolder(0, 1, MakeClubId(14, 9) | kSecondTeamFlag);
    rules.SetTitleHolder(1, 1, MakeClubId(0, kNationalTeamIndex));
    rules.SetTitleHolder(2, 1, 0x02000000u | MakeClubId(20, kNationalTeamIndex));
    rules.SetTitleHolder(0, 5, MakeClubId(15, 1));  // a country without clubs
    rules.SetFurtherTitleHolder(0, MakeClubId(14, 3));
    rules.SetFurtherTitleHolder(1, MakeClubId(206, kNationalTeamIndex) | kSecondTeamFlag);
    rules.Complete(world);
    EXPECT_EQ(rules.TitleHolder(0, 0), MakeClubId(14, 2));
    EXPECT_EQ(rules.TitleHolder(1, 0), 0u);
    EXPECT_EQ(rules.TitleHolder(2, 0), MakeClubId(20, kNationalTeamIndex));
    EXPECT_EQ(rules.TitleHolder(0, 1), MakeClubId(14, 3) | kSecondTeamFlag);
    // A national team of no real country would index past the country table later.
    EXPECT_EQ(rules.TitleHolder(1, 1), 0u);
    EXPECT_EQ(rules.TitleHolder(2, 1), 0u);
    EXPECT_EQ(rules.TitleHolder(0, 5), 0u);
    EXPECT_EQ(rules.FurtherTitleHolder(0), MakeClubId(14, 1));
    EXPECT_EQ(rules.FurtherTitleHolder(1), MakeClubId(206, kNationalTeamIndex) | kSecondTeamFlag);
}

TEST_F(RulesInWorld, CompleteKeepsOnlyVenuesOfExistingStadiums) {
    CRules rules;
    rules.SetVenue(0, 0, MakeStadiumRef(14, 1));
    rules.SetVenue(1, 0, MakeStadiumRef(14, 2));
    rules.SetVenue(2, 0, MakeStadiumRef(14, 3));  // past the country's two stadiums
    rules.SetVenue(0, 1, MakeStadiumRef(15, 1));  // a country without stadiums
    rules.SetVenue(1, 1, MakeStadiumRef(0, 1));
    rules.SetVenue(2, 1, MakeStadiumRef(207, 0));
    rules.SetVenue(0, 2, 0x01000000u | MakeStadiumRef(14, 1));
    rules.SetVenue(1, 2, MakeStadiumRef(14, 0));
    rules.Complete(world);
    EXPECT_EQ(rules.Venue(0, 0), MakeStadiumRef(14, 1));
    EXPECT_EQ(rules.Venue(1, 0), MakeStadiumRef(14, 2));
    EXPECT_EQ(rules.Venue(2, 0), 0u);
    EXPECT_EQ(rules.Venue(0, 1), 0u);
    EXPECT_EQ(rules.Venue(1, 1), 0u);
    EXPECT_EQ(rules.Venue(2, 1), 0u);
    EXPECT_EQ(rules.Venue(0, 2), 0u);
    EXPECT_EQ(rules.Venue(1, 2), MakeStadiumRef(14, 0));
}

TEST_F(RulesInWorld, CompleteClampsTheSubstitutions) {
    const auto read = [&](const char* substitutions) {
        CRules rules = ReadText(std::string("%INDEX%RULES_AND_MISC\n%INDEX%VERSION\n537264132\n"
                                            "%INDEXEND%VERSION\n") +
                                std::string(26 + 36 + 2 + 5, '\n') + substitutions +
                                "\n%INDEXEND%RULES_AND_MISC\n");
        rules.Complete(world);
        return rules.Substitutions();
    };
    EXPECT_EQ(read("12"), 7);
    EXPECT_EQ(read("-3"), 0);
    EXPECT_EQ(read("4"), 4);
}

TEST_F(RulesInWorld, CompleteInAWorldWithoutCountriesKeepsNothingButNationalTeams) {
    CWorld empty(install.Path());
    CRules rules = Filled();
    rules.Complete(empty);
    EXPECT_EQ(rules.TitleHolder(0, 0), 0u);
    EXPECT_EQ(rules.Venue(0, 0), 0u);
    EXPECT_EQ(rules.FurtherTitleHolder(0), MakeClubId(14, kNationalTeamIndex));
    EXPECT_EQ(rules.Substitutions(), 3);
}

TEST_F(RulesInWorld, WorldSaveWritesRulesInTheCompactNumberingAndLoadReadsThemBack) {
    const TempDir database;
    world.SetDirectory(database.Path());
    CRules& rules = world.Rules();
    rules.SetCompetitionName(0, 0, 0, "Meisterrunde");
    rules.SetWorldShortName(4, "CM");
    rules.SetTitleHolder(0, 0, MakeClubId(14, 7));
    rules.SetTitleHolder(1, 0, MakeClubId(14, 12));
    rules.SetTitleHolder(2, 0, MakeClubId(20, kNationalTeamIndex));
    rules.SetRuleValue(2, 1);
    rules.SetSubstitutions(3);
    ASSERT_TRUE(world.Save(progress, ui));
    EXPECT_TRUE(ui.Messages().empty());

    CRules saved;
    ASSERT_TRUE(saved.Load(database.Path()));
    EXPECT_EQ(saved.TitleHolder(0, 0), MakeClubId(14, 2));
    EXPECT_EQ(saved.TitleHolder(1, 0), 0u);
    EXPECT_EQ(saved.TitleHolder(2, 0), MakeClubId(20, kNationalTeamIndex));

    CWorld reloaded(install.Path());
    reloaded.InitialiseCountries();
    reloaded.Rules().SetSubstitutions(1);
    reloaded.Load(database.Path(), progress);
    const CRules& read = reloaded.Rules();
    EXPECT_EQ(read.CompetitionName(0, 0, 0), "Meisterrunde");
    EXPECT_EQ(read.WorldShortName(4), "CM");
    EXPECT_EQ(read.TitleHolder(2, 0), MakeClubId(20, kNationalTeamIndex));
    EXPECT_EQ(read.RuleValue(2), 1);
    EXPECT_EQ(read.Substitutions(), 3);
}

TEST_F(RulesInWorld, WorldLoadWithoutRulesFileGivesDefaultsAndEmptyResets) {
    const TempDir database;
    world.Rules().CopyFrom(Filled());
    world.Load(database.Path(), progress);
    EXPECT_EQ(world.Rules(), CRules());

    world.Rules().CopyFrom(Filled());
    world.Empty();
    EXPECT_EQ(world.Rules(), CRules());
}

}  // namespace
}  // namespace kw
