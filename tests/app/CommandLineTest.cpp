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

// The parse result with the given language, options and path, and no flag set.
SCommandLine Line(int language, std::uint32_t options = 0, std::string path = {}) {
    SCommandLine line;
    line.language = language;
    line.options = options;
    line.batchPath = std::move(path);
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

INSTANTIATE_TEST_SUITE_P(
    ExactWords, CommandLineWord,
    ::testing::Values(
        WordCase{"-master", {.master = true, .batchPath = {}}}, WordCase{"-MASTER", {}},
        WordCase{"ger", {}}, WordCase{"eng", Line(1)}, WordCase{"ENG", {}},
        WordCase{"fra", Line(2)}, WordCase{"spa", Line(3)}, WordCase{"Spa", {}},
        WordCase{"ps2", Line(0, option::kPs2)}, WordCase{"PS2", {}},
        WordCase{"lang", {.languageSelection = true, .batchPath = {}}}, WordCase{"LANG", {}},
        WordCase{"OutputBadge", Line(0, option::kOutputBadge)}, WordCase{"OUTPUTBADGE", {}},
        WordCase{"outputbadge", {}}, WordCase{"OutputKits", Line(0, option::kOutputKits)},
        WordCase{"outputkits", {}}, WordCase{"OutputStadium", Line(0, option::kOutputStadium)},
        WordCase{"OUTPUTSTADIUM", {}}, WordCase{"killdata", Line(0, option::kKillData)},
        WordCase{"KillData", {}}, WordCase{"wolkenkratzer_nord", {.tools = true, .batchPath = {}}},
        WordCase{"Wolkenkratzer_Nord", {}}));

INSTANTIATE_TEST_SUITE_P(
    AnyCaseWords, CommandLineWord,
    ::testing::Values(WordCase{"logPS2", Line(0, option::kLogPs2)},
                      WordCase{"LOGps2", Line(0, option::kLogPs2)},
                      WordCase{"export", Line(0, option::kExport)},
                      WordCase{"EXPORT", Line(0, option::kExport)},
                      WordCase{"exportLeagues", Line(0, option::kExportLeagues)},
                      WordCase{"EXPORTLEAGUES", Line(0, option::kExportLeagues)},
                      WordCase{"exporttoworlddb", Line(0, option::kExportToWorldDb)},
                      WordCase{"ExportToWorldDB", Line(0, option::kExportToWorldDb)},
                      // Whole words only: neither prefixes nor extensions count.
                      WordCase{"exportx", {}}, WordCase{"expor", {}}));

INSTANTIATE_TEST_SUITE_P(
    PathAndUnknown, CommandLineWord,
    ::testing::Values(WordCase{"pathXYZ", Line(0, 0, "XYZ")},
                      WordCase{"path/srv/kw 06/", Line(0, 0, "/srv/kw 06/")},
                      WordCase{"PATHxyz", {}}, WordCase{"Pathxyz", {}}, WordCase{"path", {}},
                      // The path rule comes before the export words: a path that renames nothing.
                      WordCase{"pathexport", Line(0, 0, "export")}, WordCase{"", {}},
                      WordCase{"--help", {}}, WordCase{"-master ", {}}));

// The later language wins, option bits accumulate, and the path rest is cut to 259 characters,
// never inside one; the last path wins.
TEST(CommandLine, LaterWordsOverrideOrAddToEarlierOnesAndSomeAreFoundAnywhere) {
    EXPECT_EQ(Parse({"-master", "eng", "spa"}).language, 3);
    EXPECT_TRUE(Parse({"-master", "eng", "spa"}).master);
    EXPECT_EQ(Parse({"spa", "ger"}).language, 0);
    EXPECT_EQ(Parse({"fra", "Eng"}).language, 2);
    const test::TempDir directory;
    EXPECT_EQ(Parse({"ps2", "killdata", "OutputKits", "logps2", "export", "exportleagues",
                     "EXPORTTOWORLDDB", "OutputBadge", "OutputStadium"},
                    directory.Path())
                  .options,
              0x1u | 0x4u | 0x8u | 0x10u | 0x20u | 0x40u | 0x80000000u | 0x20000000u | 0x40000000u);
    EXPECT_EQ(Parse({"path" + std::string(300, 'd')}).batchPath, std::string(259, 'd'));
    EXPECT_EQ(Parse({"path" + std::string(259, 'e')}).batchPath, std::string(259, 'e'));
    // 258 letters and then a two-byte "ä": 259 characters but 260 bytes stay whole.
    const std::string kept = std::string(258, 'a') + "\xC3\xA4";
    EXPECT_EQ(Parse({"path" + kept + "bc"}).batchPath, kept);
    EXPECT_EQ(Parse({"path/one", "path/two"}).batchPath, "/two");

    // "-master" anywhere asks for the batch build; version and help are found among any words.
    using Words = std::vector<std::string>;
    EXPECT_TRUE(RequestsBatchBuild(Words{"eng", "-master"}));
    EXPECT_FALSE(RequestsBatchBuild(Words{"-Master", "master", "path-master"}));
    EXPECT_FALSE(RequestsBatchBuild(Words{}));
    EXPECT_EQ(RequestedInformation(Words{"-master", "eng", "--version"}), EInformation::kVersion);
    EXPECT_EQ(RequestedInformation(Words{"--help", "-master"}), EInformation::kHelp);
    EXPECT_EQ(RequestedInformation(Words{"--help", "--version"}), EInformation::kVersion);
    EXPECT_EQ(RequestedInformation(Words{"-master", "--Version", "-version", "version", "-help",
                                         "--help ", "path--help"}),
              EInformation::kNone);
}

// Each word the help lists (an entry line: two blanks, then the word) is one the parser acts on.
TEST(CommandLine, HelpListsOnlyWordsTheParserActsOn) {
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

// Each export word renames its own mapping file, found in any letter case, and never replaces a
// target that exists in any letter case; a missing source is ignored.
TEST(CommandLineRename, EachExportWordRenamesItsOwnFileWithoutReplacing) {
    const test::TempDir directory;
    const auto file = [&directory](std::string_view name) { return directory / name; };
    for (const auto& [word, source] :
         {std::pair{"export", "MappingTeamIDs.txt"}, std::pair{"EXPORT", "mappingteamids.txt"}}) {
        test::WriteFile(file(source), word);
        EXPECT_EQ(Parse({word}, directory.Path()).options, option::kExport);
        EXPECT_FALSE(fs::exists(file(source))) << word;
        EXPECT_EQ(test::ReadFile(file("MappingTeamIDs1.txt")), word);
        fs::remove(file("MappingTeamIDs1.txt"));
    }
    EXPECT_EQ(Parse({"export", "exportLeagues"}, directory.Path()).options,
              option::kExport | option::kExportLeagues);
    EXPECT_TRUE(fs::is_empty(directory.Path()));

    test::WriteFile(file("MappingTeamIDs.txt"), "teams");
    test::WriteFile(file("MappingLeagues.txt"), "leagues");
    test::WriteFile(file("MappingPlayer.txt"), "players");
    test::WriteFile(file("mappingplayer1.TXT"), "kept");
    Parse({"exportLeagues"}, directory.Path());
    EXPECT_EQ(test::ReadFile(file("MappingLeagues1.txt")), "leagues");
    EXPECT_FALSE(fs::exists(file("MappingLeagues.txt")));
    EXPECT_TRUE(fs::exists(file("MappingTeamIDs.txt")));
    Parse({"exporttoworlddb"}, directory.Path());
    EXPECT_EQ(test::ReadFile(file("MappingPlayer.txt")), "players");
    EXPECT_EQ(test::ReadFile(file("mappingplayer1.TXT")), "kept");
    EXPECT_FALSE(fs::exists(file("MappingPlayer1.txt")));
    fs::remove(file("mappingplayer1.TXT"));
    Parse({"exporttoworlddb"}, directory.Path());
    EXPECT_EQ(test::ReadFile(file("MappingPlayer1.txt")), "players");
    test::WriteFile(file("MappingTeamIDs1.txt"), "kept");
    Parse({"export"}, directory.Path());
    EXPECT_EQ(test::ReadFile(file("MappingTeamIDs.txt")), "teams");
    EXPECT_EQ(test::ReadFile(file("MappingTeamIDs1.txt")), "kept");

    test::WriteFile(file("a.txt"), "a");
    EXPECT_TRUE(RenameWithoutReplacing(directory.Path(), "a.txt", "b.txt"));
    EXPECT_FALSE(RenameWithoutReplacing(directory.Path(), "a.txt", "b.txt"));
    test::WriteFile(file("a.txt"), "again");
    EXPECT_FALSE(RenameWithoutReplacing(directory.Path(), "a.txt", "b.txt"));
    EXPECT_EQ(test::ReadFile(file("b.txt")), "a");
}

}  // namespace
}  // namespace kw
