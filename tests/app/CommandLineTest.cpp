#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/CommandLine.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

SCommandLine Parse(const std::vector<std::string>& arguments, const fs::path& directory = {}) {
    return ParseCommandLine(arguments, directory);
}

bool SameLine(const SCommandLine& a, const SCommandLine& b) {
    return a.master == b.master && a.language == b.language && a.options == b.options &&
           a.languageSelection == b.languageSelection && a.tools == b.tools &&
           a.batchPath == b.batchPath;
}

struct WordCase {
    std::string argument;
    SCommandLine expected;
};

std::ostream& operator<<(std::ostream& out, const WordCase& word) {
    return out << '"' << word.argument << '"';
}

SCommandLine With(void (*change)(SCommandLine&)) {
    SCommandLine line;
    change(line);
    return line;
}

class CommandLineWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(CommandLineWord, SetsExactlyItsEffect) {
    const WordCase& word = GetParam();
    const test::TempDir directory;
    const SCommandLine line = Parse({word.argument}, directory.Path());
    EXPECT_TRUE(SameLine(line, word.expected))
        << "master " << line.master << " language " << line.language << " options 0x" << std::hex
        << line.options << " lang " << line.languageSelection << " tools " << line.tools
        << " path '" << line.batchPath << "'";
}

const SCommandLine kNothing;

INSTANTIATE_TEST_SUITE_P(
    ExactWords, CommandLineWord,
    ::testing::Values(
        WordCase{"-master", With([](SCommandLine& l) { l.master = true; })},
        WordCase{"-MASTER", kNothing}, WordCase{"ger", kNothing},
        WordCase{"eng", With([](SCommandLine& l) { l.language = 1; })}, WordCase{"ENG", kNothing},
        WordCase{"fra", With([](SCommandLine& l) { l.language = 2; })},
        WordCase{"spa", With([](SCommandLine& l) { l.language = 3; })}, WordCase{"Spa", kNothing},
        WordCase{"ps2", With([](SCommandLine& l) { l.options = option::kPs2; })},
        WordCase{"PS2", kNothing},
        WordCase{"lang", With([](SCommandLine& l) { l.languageSelection = true; })},
        WordCase{"LANG", kNothing},
        WordCase{"OutputBadge", With([](SCommandLine& l) { l.options = option::kOutputBadge; })},
        WordCase{"OUTPUTBADGE", kNothing}, WordCase{"outputbadge", kNothing},
        WordCase{"OutputKits", With([](SCommandLine& l) { l.options = option::kOutputKits; })},
        WordCase{"outputkits", kNothing}, WordCase{"OutputStadium", With([](SCommandLine& l) {
                                                       l.options = option::kOutputStadium;
                                                   })},
        WordCase{"OUTPUTSTADIUM", kNothing},
        WordCase{"killdata", With([](SCommandLine& l) { l.options = option::kKillData; })},
        WordCase{"KillData", kNothing},
        WordCase{"wolkenkratzer_nord", With([](SCommandLine& l) { l.tools = true; })},
        WordCase{"Wolkenkratzer_Nord", kNothing}));

INSTANTIATE_TEST_SUITE_P(
    AnyCaseWords, CommandLineWord,
    ::testing::Values(
        WordCase{"logPS2", With([](SCommandLine& l) { l.options = option::kLogPs2; })},
        WordCase{"LOGps2", With([](SCommandLine& l) { l.options = option::kLogPs2; })},
        WordCase{"export", With([](SCommandLine& l) { l.options = option::kExport; })},
        WordCase{"EXPORT", With([](SCommandLine& l) { l.options = option::kExport; })},
        WordCase{"exportLeagues",
                 With([](SCommandLine& l) { l.options = option::kExportLeagues; })},
        WordCase{"EXPORTLEAGUES",
                 With([](SCommandLine& l) { l.options = option::kExportLeagues; })},
        WordCase{"exporttoworlddb",
                 With([](SCommandLine& l) { l.options = option::kExportToWorldDb; })},
        WordCase{"ExportToWorldDB",
                 With([](SCommandLine& l) { l.options = option::kExportToWorldDb; })},
        // Whole words only: neither prefixes nor extensions count.
        WordCase{"exportx", kNothing}, WordCase{"expor", kNothing}));

INSTANTIATE_TEST_SUITE_P(
    PathAndUnknown, CommandLineWord,
    ::testing::Values(
        WordCase{"pathXYZ", With([](SCommandLine& l) { l.batchPath = "XYZ"; })},
        WordCase{"path/srv/kw 06/", With([](SCommandLine& l) { l.batchPath = "/srv/kw 06/"; })},
        WordCase{"PATHxyz", kNothing}, WordCase{"Pathxyz", kNothing}, WordCase{"path", kNothing},
        // The path rule comes before the export words, so this is a path and renames nothing.
        WordCase{"pathexport", With([](SCommandLine& l) { l.batchPath = "export"; })},
        WordCase{"", kNothing}, WordCase{"--help", kNothing}, WordCase{"-master ", kNothing}));

TEST(CommandLineLanguage, LaterLanguageOverridesEarlier) {
    EXPECT_EQ(Parse({"-master", "eng", "spa"}).language, 3);
    EXPECT_TRUE(Parse({"-master", "eng", "spa"}).master);
    EXPECT_EQ(Parse({"spa", "ger"}).language, 0);
    EXPECT_EQ(Parse({"fra", "Eng"}).language, 2);
}

TEST(CommandLineOptions, BitsAccumulateOverArguments) {
    const test::TempDir directory;
    const SCommandLine line =
        Parse({"ps2", "killdata", "OutputKits", "logps2", "export", "exportleagues",
               "EXPORTTOWORLDDB", "OutputBadge", "OutputStadium"},
              directory.Path());
    EXPECT_EQ(line.options,
              0x1u | 0x4u | 0x8u | 0x10u | 0x20u | 0x40u | 0x80000000u | 0x20000000u | 0x40000000u);
}

// The rest is cut to 259 characters, never inside one; the last path wins.
TEST(CommandLinePath, RestIsCutTo259CharactersAndTheLastWins) {
    EXPECT_EQ(Parse({"path" + std::string(300, 'd')}).batchPath, std::string(259, 'd'));
    EXPECT_EQ(Parse({"path" + std::string(259, 'e')}).batchPath, std::string(259, 'e'));
    // 258 letters and then a two-byte "ä": 259 characters but 260 bytes stay whole.
    const std::string kept = std::string(258, 'a') + "\xC3\xA4";
    EXPECT_EQ(Parse({"path" + kept + "bc"}).batchPath, kept);
    EXPECT_EQ(Parse({"path/one", "path/two"}).batchPath, "/two");
}

TEST(CommandLineBatch, RecognisesMasterAnywhere) {
    const std::vector<std::string> batch = {"eng", "-master"};
    const std::vector<std::string> window = {"-Master", "master", "path-master"};
    EXPECT_TRUE(RequestsBatchBuild(batch));
    EXPECT_FALSE(RequestsBatchBuild(window));
    EXPECT_FALSE(RequestsBatchBuild(std::vector<std::string>{}));
}

TEST(CommandLineInformation, VersionAndHelpAreFoundAmongAnyWords) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(RequestedInformation(Words{"-master", "eng", "--version"}), EInformation::kVersion);
    EXPECT_EQ(RequestedInformation(Words{"--help", "-master"}), EInformation::kHelp);
    EXPECT_EQ(RequestedInformation(Words{"--help", "--version"}), EInformation::kVersion);
    EXPECT_EQ(RequestedInformation(Words{"-master", "--Version", "-version", "version", "-help",
                                         "--help ", "path--help"}),
              EInformation::kNone);
}

// Each word the help lists (an entry line: two blanks, then the word) is one the parser acts on.
TEST(CommandLineInformation, HelpListsOnlyWordsTheParserActsOn) {
    const test::TempDir directory;
    // Each language word leaves one of the two languages as it was.
    const SCommandLine spanish = Parse({"spa"});
    const SCommandLine english = Parse({"eng"});
    std::istringstream help(CommandLineHelp());
    int listed = 0;
    for (std::string line; std::getline(help, line);) {
        if (!line.starts_with("  ") || line.starts_with("   ")) {
            continue;
        }
        std::string word = line.substr(2, line.find(' ', 2) - 2);
        if (word.ends_with("<dir>")) {
            word.replace(word.size() - 5, 5, "/srv/kw");
        }
        ++listed;
        EXPECT_FALSE(SameLine(Parse({"spa", word}, directory.Path()), spanish) &&
                     SameLine(Parse({"eng", word}, directory.Path()), english))
            << word;
    }
    EXPECT_GT(listed, 0);
}

class CommandLineRename : public ::testing::Test {
protected:
    fs::path File(std::string_view name) const { return m_directory / name; }
    const fs::path& Directory() const { return m_directory.Path(); }

private:
    test::TempDir m_directory;
};

// The word and the file to rename are found in any letter case.
TEST_F(CommandLineRename, ExportInAnyCaseRenamesTeamMapping) {
    for (const auto& [word, source] :
         {std::pair{"export", "MappingTeamIDs.txt"}, std::pair{"EXPORT", "mappingteamids.txt"}}) {
        test::WriteFile(File(source), word);
        const SCommandLine line = Parse({word}, Directory());
        EXPECT_EQ(line.options, option::kExport);
        EXPECT_FALSE(fs::exists(File(source))) << word;
        EXPECT_EQ(test::ReadFile(File("MappingTeamIDs1.txt")), word);
        fs::remove(File("MappingTeamIDs1.txt"));
    }
}

TEST_F(CommandLineRename, EachExportWordRenamesItsOwnFile) {
    test::WriteFile(File("MappingTeamIDs.txt"), "teams");
    test::WriteFile(File("MappingLeagues.txt"), "leagues");
    test::WriteFile(File("MappingPlayer.txt"), "players");

    Parse({"exportLeagues"}, Directory());
    EXPECT_EQ(test::ReadFile(File("MappingLeagues1.txt")), "leagues");
    EXPECT_TRUE(fs::exists(File("MappingTeamIDs.txt")));
    EXPECT_TRUE(fs::exists(File("MappingPlayer.txt")));

    Parse({"exporttoworlddb"}, Directory());
    EXPECT_EQ(test::ReadFile(File("MappingPlayer1.txt")), "players");
    EXPECT_TRUE(fs::exists(File("MappingTeamIDs.txt")));
    EXPECT_FALSE(fs::exists(File("MappingLeagues.txt")));
}

TEST_F(CommandLineRename, ExistingTargetIsNeverReplaced) {
    test::WriteFile(File("MappingTeamIDs.txt"), "new");
    test::WriteFile(File("MappingTeamIDs1.txt"), "kept");
    const SCommandLine line = Parse({"export"}, Directory());
    EXPECT_EQ(line.options, option::kExport);
    EXPECT_EQ(test::ReadFile(File("MappingTeamIDs.txt")), "new");
    EXPECT_EQ(test::ReadFile(File("MappingTeamIDs1.txt")), "kept");
}

TEST_F(CommandLineRename, TargetInOtherLetterCaseCountsAsExisting) {
    test::WriteFile(File("MappingPlayer.txt"), "new");
    test::WriteFile(File("mappingplayer1.TXT"), "kept");
    Parse({"exporttoworlddb"}, Directory());
    EXPECT_EQ(test::ReadFile(File("MappingPlayer.txt")), "new");
    EXPECT_EQ(test::ReadFile(File("mappingplayer1.TXT")), "kept");
    EXPECT_FALSE(fs::exists(File("MappingPlayer1.txt")));
}

TEST_F(CommandLineRename, MissingSourceIsIgnored) {
    const SCommandLine line = Parse({"export", "exportLeagues"}, Directory());
    EXPECT_EQ(line.options, option::kExport | option::kExportLeagues);
    EXPECT_TRUE(fs::is_empty(Directory()));
}

TEST_F(CommandLineRename, HelperReportsWhetherItRenamed) {
    test::WriteFile(File("a.txt"), "a");
    EXPECT_TRUE(RenameWithoutReplacing(Directory(), "a.txt", "b.txt"));
    EXPECT_FALSE(RenameWithoutReplacing(Directory(), "a.txt", "b.txt"));
    test::WriteFile(File("a.txt"), "again");
    EXPECT_FALSE(RenameWithoutReplacing(Directory(), "a.txt", "b.txt"));
    EXPECT_EQ(test::ReadFile(File("b.txt")), "a");
}

}  // namespace
}  // namespace kw
