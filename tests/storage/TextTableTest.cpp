#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <utility>
#include "KLText.h"
#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "platform/Random.h"
#include "platform/StringTable.h"
#include "storage/ListExport.h"
#include "storage/ListPrintLayout.h"
#include "storage/ListTable.h"
#include "storage/NameLists.h"
#include "storage/TextCollation.h"
#include "storage/TextHelpers.h"
#include "storage/TextTable.h"

namespace {

using kw::CBaseTextFile;
using kw::CTeamColourTextFile;
using kw::STextTableFormat;
using kw::TextTableEntries;

const std::string kNone = " nicht vorhanden ";

STextTableFormat TextFirst(int capacity, int noneTextId = 0) {
    return {.capacity = capacity, .valueFirst = false, .noneTextId = noneTextId};
}

STextTableFormat NumberFirst(int capacity) {
    return {.capacity = capacity, .valueFirst = true};
}

// Table files come from Windows: CR LF line ends.
using kw::test::JoinLines;

// --- reading table files

// Faces: text then number, after the none entry; shoes: number then text. Loading again replaces
// everything.
TEST(TextTable, FacesFileGetsTheNoneEntryFirstAndShoeFileReadsNumberThenText) {
    ASSERT_EQ(kw::ResourceString(kw::ids::kNotAvailable), kNone);
    const kw::test::TempDir dir;
    kw::test::WriteFile(dir / "faceIDs.txt", JoinLines({"2", "Face A", "10", "Face B", "11"}));
    kw::test::WriteFile(dir / "shoe.txt", JoinLines({"1", "3", "schwarz"}));
    CBaseTextFile faces(TextFirst(6000, kw::ids::kNotAvailable));
    faces.Load(dir / "faceIDs.txt");
    EXPECT_EQ(faces.GetCount(), 3);
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}, {10, "Face A"}, {11, "Face B"}}));
    CBaseTextFile shoes(NumberFirst(5));
    shoes.Load(dir / "shoe.txt");
    EXPECT_EQ(shoes.Entries(), (TextTableEntries{{3, "schwarz"}}));
    // Entries outside the table read empty.
    EXPECT_EQ(std::tuple(shoes.GetCount(), shoes.GetText(-1), shoes.GetValue(5)),
              std::tuple(1, "", 0));

    // A count line without digits, or a negative one, means no entries.
    shoes.LoadFromMemory(JoinLines({"none", "1", "rot"}));
    EXPECT_TRUE(shoes.Entries().empty());
    faces.LoadFromMemory(JoinLines({"-4", "A", "1"}));
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}}));
    faces.LoadFromMemory("");
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}}));
    // Four announced, two complete, the third without its number line: only complete entries
    // count. The last line without its line end still counts.
    faces.LoadFromMemory(JoinLines({"4", "Face A", "10", "Face B", "11", "Face C"}));
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}, {10, "Face A"}, {11, "Face B"}}));
    shoes.LoadFromMemory("3\r\n1\r\nrot\r\n2\r\nblau");
    EXPECT_EQ(shoes.Entries(), (TextTableEntries{{1, "rot"}, {2, "blau"}}));
    // A file announcing more than the capacity fills only the capacity.
    std::vector<std::string> lines = {"9"};
    for (int i = 1; i <= 9; ++i) {
        lines.push_back(std::to_string(i * 10));
        lines.push_back("Schuh " + std::to_string(i));
    }
    shoes.LoadFromMemory(JoinLines(lines));
    EXPECT_EQ(std::tuple(shoes.GetCount(), shoes.GetValue(4), shoes.GetText(4), shoes.GetText(5)),
              std::tuple(5, 50, "Schuh 5", ""));
    shoes.LoadFromMemory(JoinLines({"1", "9", "z"}));
    EXPECT_EQ(shoes.Entries(), (TextTableEntries{{9, "z"}}));
    EXPECT_EQ(std::tuple(shoes.GetText(2), shoes.GetValue(2)), std::tuple("", 0));
}

TEST(TextTable, TextsKeepTheirBlanksAndAreCutAfter128Characters) {
    const std::string tabAt128 = std::string(127, 'y') + "\tz";
    CBaseTextFile table(TextFirst(5));
    table.LoadFromMemory(JoinLines(
        {" 4", "  Face\tA  ", " 7 ", "\t", "+8x", std::string(200, 'x'), "9", tabAt128, "10"}));
    // Only the line end goes: a tab before it stays; after the cut, a control character that ends
    // up last goes as a line end would.
    EXPECT_EQ(table.Entries(), (TextTableEntries{{7, "  Face\tA  "},
                                                 {8, "\t"},
                                                 {9, std::string(128, 'x')},
                                                 {10, std::string(127, 'y')}}));
    // The first 998 characters of a line beyond the limit are entry 0's text, "77" its number,
    // "5" the text of an entry whose number line is missing, so it is not taken.
    table.LoadFromMemory(JoinLines({"2", std::string(CBaseTextFile::kLineLimit, 'a') + "77", "5"}));
    EXPECT_EQ(table.Entries(), (TextTableEntries{{77, std::string(128, 'a')}}));

    // The none entry takes one slot of the capacity.
    CBaseTextFile faces(TextFirst(3, kw::ids::kNotAvailable));
    faces.LoadFromMemory(JoinLines({"3", "A", "1", "B", "2", "C", "3"}));
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}, {1, "A"}, {2, "B"}}));
    faces.LoadFromMemory(JoinLines({"2147483647", "A", "1"}));
    EXPECT_EQ(faces.Entries(), (TextTableEntries{{0, kNone}, {1, "A"}}));
}

TEST(TextTable, LayoutsWithoutCountLineOrWithOneLinePerEntry) {
    STextTableFormat format = NumberFirst(3);
    format.countLine = false;
    CBaseTextFile table(format);
    table.LoadFromMemory(JoinLines({"1", "a", "2", "b", "3", "c", "4", "d"}));
    EXPECT_EQ(table.Entries(), (TextTableEntries{{1, "a"}, {2, "b"}, {3, "c"}}));

    format = TextFirst(4, kw::ids::kNotAvailable);
    format.twoLinesPerEntry = false;
    CBaseTextFile single(format);
    single.LoadFromMemory(JoinLines({"2", "rot", "blau", "gelb"}));
    EXPECT_EQ(single.Entries(), (TextTableEntries{{0, kNone}, {1, "rot"}, {2, "blau"}}));
}

// Missing files number their entries by index with the default text; the count of an earlier
// load stays, and colours are zero.
TEST(TextTable, MissingFiles) {
    const kw::test::TempDir dir;
    CBaseTextFile faces(TextFirst(6000, kw::ids::kNotAvailable));
    faces.Load(dir / "faceIDs.txt");
    ASSERT_EQ(faces.GetCount(), 6000);
    EXPECT_EQ(
        std::tuple(faces.GetValue(0), faces.GetText(0), faces.GetValue(5999), faces.GetText(5999)),
        std::tuple(0, "", 5999, ""));

    STextTableFormat format = TextFirst(3, kw::ids::kNotAvailable);
    format.defaultTextId = kw::ids::kApplicationTitle;
    CBaseTextFile withDefault(format);
    withDefault.Load(dir / "faceIDs.txt");
    EXPECT_EQ(withDefault.Entries(),
              (TextTableEntries{{0, "Editor"}, {1, "Editor"}, {2, "Editor"}}));

    CTeamColourTextFile colours(NumberFirst(5));
    colours.LoadFromMemory(JoinLines({"2", "7", "Rot,16711680", "8", "Blau,255"}));
    colours.Load(dir / "MerchandiseColour.txt");
    EXPECT_EQ(colours.Entries(), (TextTableEntries{{0, ""}, {1, ""}}));
    EXPECT_EQ(colours.GetColour(0), 0);
    EXPECT_EQ(colours.GetValue(4), 4);
}

// Names and colours split at commas; colour tables stay within their colours.
TEST(TeamColourTable, SplitsNameAndColourAtCommasAndStaysWithinItsColours) {
    CTeamColourTextFile colours(NumberFirst(30));
    colours.LoadFromMemory(JoinLines({"5", "1", "Blau", "2", ",,Gelb,65535", "3", "Rot,16711680",
                                      "4", ",,,", "5", "Gr\xFCn,,32768,7"}));
    EXPECT_EQ(colours.Entries(),
              (TextTableEntries{{1, "Blau"}, {2, "Gelb"}, {3, "Rot"}, {4, ",,,"}, {5, "Gr\xFCn"}}));
    const int expected[] = {0, 65535, 16711680, 0, 32768};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(colours.GetColour(i), expected[i]) << i;
    }
    EXPECT_EQ(kw::SwapRedAndBlue(16711680u), 0x0000FFu);
    EXPECT_EQ(kw::SwapRedAndBlue(0xAB123456u), 0xAB563412u);

    const kw::test::TempDir dir;
    std::vector<std::string> lines = {"40"};
    for (int i = 0; i < 40; ++i) {
        lines.push_back(std::to_string(i));
        lines.push_back("F" + std::to_string(i) + "," + std::to_string(i * 1000));
    }
    kw::test::WriteFile(dir / "TeamColour.txt", JoinLines(lines));
    colours.Load(dir / "TeamColour.txt");
    ASSERT_EQ(colours.GetCount(), 30);
    EXPECT_EQ(std::tuple(colours.GetText(29), colours.GetColour(29), colours.GetColour(30)),
              std::tuple("F29", 29000, 0));
    kw::test::WriteFile(dir / "TeamColour.txt", JoinLines({"5", "1", "Rot,16711680", "2"}));
    colours.Load(dir / "TeamColour.txt");
    EXPECT_EQ(std::tuple(colours.GetCount(), colours.GetColour(0), colours.GetColour(1)),
              std::tuple(1, 16711680, 0));

    // Of entries with the same value the last is selected.
    const TextTableEntries entries = {{0, kNone}, {4, "a"}, {7, "b"}, {4, "c"}};
    EXPECT_EQ(std::tuple(kw::SelectedEntryIndex(entries, 4), kw::SelectedEntryIndex(entries, 7),
                         kw::SelectedEntryIndex(entries, 5)),
              std::tuple(3, 2, -1));
}

// --- the eight tables

TEST(TextTables, LoadsEachTableFromItsFileInAnyLetterCase) {
    const kw::test::TempDir db;
    const auto lang = db / "GER";
    std::filesystem::create_directories(lang);
    kw::test::WriteFile(lang / "SHOE.TXT", JoinLines({"1", "2", "Schuh"}));
    kw::test::WriteFile(lang / "teamcolour.txt", JoinLines({"1", "3", "Rot,16711680"}));
    kw::test::WriteFile(lang / "MerchandiseColour.txt", JoinLines({"1", "4", "Blau,255"}));
    kw::test::WriteFile(lang / "faceids.txt", JoinLines({"1", "Gesicht", "5"}));
    kw::test::WriteFile(lang / "LeagueSystem.txt", JoinLines({"1", "Liga", "6"}));
    kw::test::WriteFile(lang / "Formation.txt", JoinLines({"1", "4-4-2", "7"}));
    kw::test::WriteFile(lang / "ClubIDs.txt", JoinLines({"1", "Verein", "8"}));
    kw::test::WriteFile(lang / "hairstyle.TXT", JoinLines({"1", "Glatze", "9"}));

    kw::CTextTables tables;
    tables.LoadTextTables(db.Path(), "ger");
    EXPECT_EQ(tables.Shoes().Entries(), (TextTableEntries{{2, "Schuh"}}));
    EXPECT_EQ(tables.TeamColours().Entries(), (TextTableEntries{{3, "Rot"}}));
    EXPECT_EQ(tables.TeamColours().GetColour(0), 16711680);
    EXPECT_EQ(tables.MerchandiseColours().Entries(), (TextTableEntries{{4, "Blau"}}));
    EXPECT_EQ(tables.MerchandiseColours().GetColour(0), 255);
    EXPECT_EQ(tables.Faces().Entries(), (TextTableEntries{{0, kNone}, {5, "Gesicht"}}));
    EXPECT_EQ(tables.LeagueSystems().Entries(), (TextTableEntries{{0, kNone}, {6, "Liga"}}));
    EXPECT_EQ(tables.Formations().Entries(), (TextTableEntries{{7, "4-4-2"}}));
    EXPECT_EQ(tables.ClubIds().Entries(), (TextTableEntries{{0, kNone}, {8, "Verein"}}));
    EXPECT_EQ(tables.HairStyles().Entries(), (TextTableEntries{{9, "Glatze"}}));
}

using kw::CNameList;

std::vector<std::string> NamesOf(const CNameList& list, int group) {
    const auto names = list.Names(group);
    return {names.begin(), names.end()};
}

// A seed after which the generator's next number is 32767, its largest.
constexpr unsigned int kSeedForLargest = 0xF01BF641u;

// --- reading

TEST(NameList, GroupLinesFileTheFollowingNamesAndLoadingReplacesTheList) {
    CNameList list;
    list.LoadFromMemory(
        "Zoe\r\n%3\r\nAnna\r\n  Berta   Maria \r\n\r\n%7x\r\nCarl\r\n% 3\r\nDora\r\n%0\r\nEmil");
    EXPECT_EQ(NamesOf(list, 0), (std::vector<std::string>{"Zoe", "Emil"}));
    // The empty line stays as an empty name; "% 3" reads 3 as the C library would.
    EXPECT_EQ(NamesOf(list, 3), (std::vector<std::string>{"Anna", "Berta Maria", "", "Dora"}));
    EXPECT_EQ(NamesOf(list, 7), (std::vector<std::string>{"Carl"}));
    EXPECT_EQ(list.Count(5), 0u);
    // Names may repeat and keep their order.
    list.LoadFromMemory("%12\nM\xFCller\nAbel\nM\xFCller\n");
    EXPECT_EQ(NamesOf(list, 12), (std::vector<std::string>{"M\xFCller", "Abel", "M\xFCller"}));
    EXPECT_EQ(list.Count(0), 0u);
    // A long line continues as the next name.
    list.LoadFromMemory(std::string(CNameList::kLineLimit, 'a') + "bc\r\nDora\r\n");
    EXPECT_EQ(NamesOf(list, 0),
              (std::vector<std::string>{std::string(CNameList::kLineLimit, 'a'), "bc", "Dora"}));
    // Loading replaces the list.
    const kw::test::TempDir dir;
    kw::test::WriteFile(dir / "names.txt", "%1\r\nAnna\r\n");
    list.Add(1, "Alt");
    list.Add(2, "Alt");
    ASSERT_TRUE(list.Load(dir / "names.txt"));
    EXPECT_EQ(NamesOf(list, 1), (std::vector<std::string>{"Anna"}));
    EXPECT_EQ(list.Count(2), 0u);

    EXPECT_FALSE(list.Load(dir / "missing.txt"));
    EXPECT_TRUE(list.IsEmpty());
}

// --- random picks

TEST(PickRandomName, TheIndexSpreadsTheRandomRangeOverTheNamesOfTheGroup) {
    EXPECT_EQ(std::tuple(kw::RandomNameIndex(0, 2), kw::RandomNameIndex(16383, 2),
                         kw::RandomNameIndex(16384, 2), kw::RandomNameIndex(32766, 3)),
              std::tuple(0u, 0u, 1u, 2u));
    // 32767 would give index n: held at the last name.
    EXPECT_EQ(std::tuple(kw::RandomNameIndex(32767, 2), kw::RandomNameIndex(32767, 1),
                         kw::RandomNameIndex(32767, 100000)),
              std::tuple(1u, 0u, 99999u));
    // A group gives only its own names, else those of group zero.
    CNameList list;
    list.LoadFromMemory("Otto\n%3\nAnna\nBerta\n");
    kw::CRandom random;
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::optional<std::string> name = kw::PickRandomName(list, 3, random);
        ASSERT_TRUE(name.has_value());
        seen.insert(*name);
        ASSERT_EQ(kw::PickRandomName(list, 7, random), std::optional<std::string>("Otto"));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Anna", "Berta"}));

    // The largest random number picks the last name.
    random.Reset(kSeedForLargest);
    ASSERT_EQ(random.Next(), 32767);
    random.Reset(kSeedForLargest);
    EXPECT_EQ(kw::PickRandomName(list, 3, random), std::optional<std::string>("Berta"));
    random.Reset(kSeedForLargest);
    EXPECT_EQ(kw::PickRandomName(list, 9, random), std::optional<std::string>("Otto"));

    // Nothing when neither group has names.
    CNameList groupOnly;
    EXPECT_EQ(kw::PickRandomName(groupOnly, 0, random), std::nullopt);
    groupOnly.Add(3, "Anna");
    EXPECT_EQ(kw::PickRandomName(groupOnly, 7, random), std::nullopt);
    EXPECT_EQ(kw::PickRandomName(groupOnly, 3, random), std::optional<std::string>("Anna"));
    // Picks draw from the given generator: its first numbers are 41, 18467 and 6334.
    for (int i = 0; i < 10; ++i) {
        groupOnly.Add(0, std::to_string(i));
    }
    random.Reset();
    EXPECT_EQ(kw::PickRandomName(groupOnly, 0, random), std::optional<std::string>("0"));
    EXPECT_EQ(kw::PickRandomName(groupOnly, 0, random), std::optional<std::string>("5"));
    EXPECT_EQ(kw::PickRandomName(groupOnly, 0, random), std::optional<std::string>("1"));
}

// --- the owner

void WriteNameFiles(const std::filesystem::path& folder, bool withSurnames) {
    std::filesystem::create_directories(folder);
    kw::test::WriteFile(folder / "malenames.txt", "%3\r\nOtto\r\n");
    kw::test::WriteFile(folder / "FEMALENAMES.TXT", "%3\r\nAnna\r\n");
    if (withSurnames) {
        kw::test::WriteFile(folder / "Surnames.txt", "%3\r\nM\xFCller\r\n");
    }
}

// Any letter case of folder and files; a missing list fails the init but the others load.
TEST(GlobalTools, InitLoadsTheThreeNameListsAndFailsWhenOneIsMissing) {
    for (const bool withSurnames : {true, false}) {
        const kw::test::TempDir install;
        WriteNameFiles(install / (withSurnames ? "Database" : "database"), withSurnames);
        kw::CGlobalTools tools;
        EXPECT_FALSE(tools.IsInitialised());
        EXPECT_EQ(tools.Init(install.Path()), withSurnames);
        EXPECT_TRUE(tools.IsInitialised());
        EXPECT_EQ(NamesOf(tools.MaleNames(), 3), (std::vector<std::string>{"Otto"}));
        EXPECT_EQ(NamesOf(tools.FemaleNames(), 3), (std::vector<std::string>{"Anna"}));
        EXPECT_EQ(NamesOf(tools.Surnames(), 3), withSurnames ? std::vector<std::string>{"M\xFCller"}
                                                             : std::vector<std::string>{});
    }
}

using kw::CompareFolded;
using kw::FoldAccents;
using kw::FoldForSearch;
using kw::MatchWildcard;

TEST(FoldAccents, FoldsThroughTheOneTableKeepingCaseWithinTheFieldAndCompares) {
    EXPECT_EQ(FoldAccents("M\xFCller \xC0\xE7\xD7\x8A\xFF`\x93\x96"), "Muller AcxSy'\"-");
    EXPECT_EQ(FoldAccents("Stra\337e \x8C \x9C \xC6 \xE6"), "Strasse CE ce AE ae");
    EXPECT_EQ(FoldAccents("plain ASCII \xA9"), "plain ASCII \xA9");
    // Folding for a search also upper-cases and keeps a field of 127 characters.
    EXPECT_EQ(FoldForSearch("M\xFCller"), "MULLER");
    EXPECT_EQ(FoldForSearch("muller"), FoldForSearch("M\xDCLLER"));
    EXPECT_EQ(FoldForSearch("Stra\337e *"), "STRASSE *");
    EXPECT_EQ(FoldForSearch(std::string(200, 'a')), std::string(127, 'A'));
    EXPECT_EQ(FoldForSearch(""), "");
    // The field size limits the length, and expansions are written only when both letters fit.
    EXPECT_EQ(FoldAccents("M\xFCller", 0), "");
    EXPECT_EQ(FoldAccents("M\xFCller", 1), "");
    EXPECT_EQ(FoldAccents("M\xFCller", 4), "Mul");
    EXPECT_EQ(FoldAccents("M\xFCller", 100), "Muller");
    // Two letters left for ß: written out; only one left: the byte itself.
    EXPECT_EQ(FoldAccents("a\337b", 4), "ass");
    EXPECT_EQ(FoldAccents("a\337b", 3), "a\xDF");
    // Compared folded, expansions match their two letters only, case counts and the sign orders.
    EXPECT_EQ(CompareFolded("Wei\xDF", "Weiss"), 0);
    EXPECT_EQ(CompareFolded("Weiss", "Wei\xDF"), 0);
    EXPECT_EQ(CompareFolded("\xC6", "AE"), 0);
    EXPECT_EQ(CompareFolded("M\xFCller", "Muller"), 0);
    EXPECT_EQ(CompareFolded("", ""), 0);
    // An expansion that meets only its first letter differs.
    EXPECT_NE(CompareFolded("\306b", "Ab"), 0);
    EXPECT_NE(CompareFolded("Ab", "\306b"), 0);
    EXPECT_NE(CompareFolded("\xDF", "s"), 0);
    // Case counts, and the sign orders the texts.
    EXPECT_NE(CompareFolded("\xE6", "AE"), 0);
    EXPECT_NE(CompareFolded("Mueller", "M\xFCller"), 0);
    EXPECT_LT(CompareFolded("Abel", "\304bt"), 0);
    EXPECT_GT(CompareFolded("\304bt", "Abel"), 0);
    EXPECT_LT(CompareFolded("Ab", "Abc"), 0);
    // Bytes compare unsigned: a high byte that folds to itself sorts after ASCII.
    EXPECT_GT(CompareFolded("\xA9", "z"), 0);
}

TEST(MatchWildcard, MatchesTheWholeTextByteForByteAStarTryingEveryLaterPosition) {
    EXPECT_TRUE(MatchWildcard("M\xFCller", "M*r"));
    EXPECT_TRUE(MatchWildcard("M\xFCller", "M?ller"));
    EXPECT_FALSE(MatchWildcard("Mueller", "M?ller"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "Muller"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "m*"));
    EXPECT_FALSE(MatchWildcard("M\xFCller", "M*l"));
    EXPECT_FALSE(MatchWildcard("M\xFCll", "M\xFCller"));
    EXPECT_FALSE(MatchWildcard("", "?"));
    EXPECT_FALSE(MatchWildcard("a", ""));
    EXPECT_TRUE(MatchWildcard("", "*"));
    EXPECT_TRUE(MatchWildcard("abc", "a*?"));
    EXPECT_TRUE(MatchWildcard("abc", "*?c"));
    // A star tries every later position.
    EXPECT_TRUE(MatchWildcard("abcabd", "a*d"));
    EXPECT_TRUE(MatchWildcard("Schmidt-Schmitt", "S*mitt"));
    EXPECT_TRUE(MatchWildcard("abcbc", "a*bc*c"));
    // Of two stars in a row the second only matches a literal star.
    EXPECT_TRUE(MatchWildcard("a*c", "a**c"));
    EXPECT_FALSE(MatchWildcard("abc", "a**c"));
}

std::vector<std::string> AllLines(std::string_view data, std::size_t limit) {
    kw::CTextFileLines lines;
    lines.OpenFromMemory(data);
    std::vector<std::string> read;
    for (std::string line; lines.ReadLine(line, limit);) {
        read.push_back(line);
    }
    return read;
}

TEST(TextLines, SpacesCollapseLineEndsGoAndLongLinesContinue) {
    std::string text = "  Anna \t  Maria \r\n";
    EXPECT_TRUE(kw::NormaliseSpaces(text));
    EXPECT_EQ(text, "Anna Maria");
    EXPECT_FALSE(kw::NormaliseSpaces(text));
    text = "\t";
    EXPECT_TRUE(kw::NormaliseSpaces(text));
    EXPECT_EQ(text, "");
    // Stripping a line end removes one trailing control character.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"abc\n", "abc"},     {"abc\n\n", "abc\n"}, {"abc\x1F", "abc"}, {"abc ", "abc "},
        {"ab\xFC", "ab\xFC"}, {"ab\x81", "ab\x81"}, {"", ""},           {"a\x7F", "a\x7F"},
    };
    for (const auto& [input, expected] : cases) {
        text = input;
        kw::StripLineEnd(text);
        EXPECT_EQ(text, expected) << input;
    }
    // Text file lines: CR LF and LF end lines alike, and long lines continue.
    EXPECT_EQ(AllLines("one\r\ntwo\nth\rree\r\n\r\nlast", 100),
              (std::vector<std::string>{"one\n", "two\n", "three\n", "\n", "last"}));
    // "abc" and its LF are exactly 4 characters; "abcd" fills the limit without it.
    EXPECT_EQ(AllLines("abcdef\r\nabc\r\n", 4),
              (std::vector<std::string>{"abcd", "ef\n", "abc\n"}));

    const kw::test::TempDir dir;
    kw::CTextFileLines lines;
    EXPECT_FALSE(lines.Open(dir / "missing.txt"));
    EXPECT_FALSE(lines.ReadLine(text, 10));
}

TEST(FormatNumbers, GroupsThousandsWritesImperialUnitsAndClosesUpSlots) {
    const std::pair<int, const char*> cases[] = {{999, "999"},
                                                 {1000, "1.000"},
                                                 {-2500, "- 2.500"},
                                                 {-999, "- 999"},
                                                 {1005, "1.005"},
                                                 {12003045, "12.003.045"},
                                                 {1234567890, "1234.567.890"},
                                                 {INT_MIN, "- 2147.483.648"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(kw::FormatThousands(value), text);
    }
    // Imperial heights and weights.
    EXPECT_EQ(std::tuple(kw::FormatHeightImperial(180), kw::FormatHeightImperial(152),
                         kw::FormatHeightImperial(183)),
              std::tuple("5' 10''", "4' 11''", "6' 0''"));
    EXPECT_EQ(std::tuple(kw::FormatWeightImperial(70), kw::FormatWeightImperial(80),
                         kw::FormatWeightImperial(65)),
              std::tuple("11st", "12st 8lbs", "10st 3lbs"));
    // Duplicate slots are dropped and the rest closes up.
    using Slots = std::array<std::uint8_t, 4>;
    const std::vector<std::pair<Slots, Slots>> slotCases = {
        {{3, 3, 5, 3}, {3, 5, 0, 0}}, {{0, 2, 0, 2}, {2, 0, 0, 0}}, {{4, 0, 4, 1}, {4, 1, 0, 0}},
        {{1, 2, 3, 4}, {1, 2, 3, 4}}, {{0, 0, 0, 7}, {7, 0, 0, 0}},
    };
    for (const auto& [input, expected] : slotCases) {
        Slots slots = input;
        kw::RemoveDuplicateSlots(slots);
        EXPECT_EQ(slots, expected) << int{input[0]} << int{input[1]} << int{input[2]};
    }
}

TEST(WriteFileCreatingDirs, CreatesMissingFoldersOnlyWhenAskedAndRefusesEmptyPathOrData) {
    const kw::test::TempDir dir;
    const auto path = dir / "a" / "out.bin";
    EXPECT_FALSE(kw::WriteFileCreatingDirs(path, "data", false));
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));
    EXPECT_TRUE(kw::WriteFileCreatingDirs(path, std::string("a\0b", 3), true));
    EXPECT_EQ(kw::test::ReadFile(path), std::string("a\0b", 3));
    EXPECT_TRUE(kw::WriteFileCreatingDirs(path, "x", false));
    EXPECT_EQ(kw::test::ReadFile(path), "x");
    // Folders given with Windows separators are folders too.
    const std::filesystem::path windows = dir.Path().string() + "/badges\\club\\1.tga";
    EXPECT_TRUE(kw::WriteFileCreatingDirs(windows, "TGA", true));
    EXPECT_EQ(kw::test::ReadFile(dir / "badges" / "club" / "1.tga"), "TGA");
    // An empty path or empty data is refused.
    EXPECT_FALSE(kw::WriteFileCreatingDirs({}, "data", true));
    EXPECT_FALSE(kw::WriteFileCreatingDirs(dir / "empty.txt", "", true));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.txt"));
}

}  // namespace

namespace kw {
namespace {

// Two Windows-1252 texts in the order a reader of the interface's language expects them.
struct SOrderedPair {
    std::string_view before;
    std::string_view after;
};

std::ostream& operator<<(std::ostream& out, const SOrderedPair& pair) {
    return out << '"' << pair.before << "\" < \"" << pair.after << '"';
}

class CollateText : public ::testing::TestWithParam<SOrderedPair> {};

TEST_P(CollateText, SortsThePairInTheReadersOrderBothWaysAndByItsKeys) {
    const SOrderedPair& pair = GetParam();
    EXPECT_LT(kw::CollateText(pair.before, pair.after), 0);
    EXPECT_GT(kw::CollateText(pair.after, pair.before), 0);
    EXPECT_EQ(kw::CollateText(pair.before, pair.before), 0);
    const std::string keyBefore = CollationKey(pair.before);
    const std::string keyAfter = CollationKey(pair.after);
    EXPECT_TRUE(keyBefore < keyAfter || (keyBefore == keyAfter && pair.before < pair.after));
}

INSTANTIATE_TEST_SUITE_P(AccentsAsBaseLetters, CollateText,
                         ::testing::Values(SOrderedPair{"D\344nemark", "Deutschland"},
                                           SOrderedPair{"F\344r\366er", "Frankreich"},
                                           SOrderedPair{"Norwegen", "\326sterreich"},
                                           SOrderedPair{"\326sterreich", "Polen"},
                                           SOrderedPair{"\326sterreich", "Zypern"},
                                           SOrderedPair{"\311mile", "Fabio"},
                                           SOrderedPair{"\212a", "Sb"},
                                           SOrderedPair{"Stra\337e", "Strasser"},
                                           SOrderedPair{"\306rger", "Af"}));

INSTANTIATE_TEST_SUITE_P(
    CaseIgnored, CollateText,
    ::testing::Values(SOrderedPair{"de Jong", "Zola"}, SOrderedPair{"abc", "ABD"},
                      SOrderedPair{"\376a", "\336b"}, SOrderedPair{"_Nord", "abc"},
                      SOrderedPair{"1. FC Nord", "Adler"}, SOrderedPair{"Ma", "mai"}));

INSTANTIATE_TEST_SUITE_P(BytesBreakTies, CollateText,
                         ::testing::Values(SOrderedPair{"Muller", "M\374ller"},
                                           SOrderedPair{"M\374ller", "muller"},
                                           SOrderedPair{"Strasse", "Stra\337e"},
                                           SOrderedPair{"AErger", "\306rger"},
                                           SOrderedPair{"\336or", "\376or"}));

TEST(CollateTexts, BytesBreakTiesOnlyWhenEveryKeyTiesAndFolderNamesSortAsWindows1252) {
    EXPECT_LT(CollateTexts({"M\374ller", "Anton"}, {"Muller", "Karl"}), 0);
    EXPECT_GT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Anton"}), 0);
    EXPECT_LT(CollateTexts({"Muller", "Karl"}, {"M\374ller", "Karl"}), 0);
    EXPECT_LT(CollateTexts({"Mull", "Zeno"}, {"Muller", "Anton"}), 0);
    EXPECT_EQ(CollateTexts({"Muller", "Karl"}, {"Muller", "Karl"}), 0);
    // "Übung" before "Uc", "Ça va" before "Cb", "Ubung" before "übung".
    EXPECT_LT(CollateUtf8Text("\303\234bung", "Uc"), 0);
    EXPECT_LT(CollateUtf8Text("\303\207a va", "Cb"), 0);
    EXPECT_LT(CollateUtf8Text("Ubung", "\303\274bung"), 0);
    EXPECT_GT(CollateUtf8Text("\303\274bung", "Ubung"), 0);
    // Ł and ő have no Windows-1252 code: their UTF-8 bytes decide.
    EXPECT_LT(CollateUtf8Text("\305\201", "\305\221"), 0);
    EXPECT_EQ(CollateUtf8Text("\305\201", "\305\201"), 0);
}

using kw::EColumnAlignment;
using kw::EListPrintFault;
using kw::SListPrintLayout;
using kw::SListTable;
using kw::SPrintBox;

// Every character is 10 units wide; every line 40 units high.
class FixedPitchMetrics : public kw::IPrintTextMetrics {
public:
    int TextWidth(std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view text) const override {
        m_heightSample = std::string(text);
        return m_lineHeight;
    }
    void SetLineHeight(int height) { m_lineHeight = height; }
    const std::string& HeightSample() const { return m_heightSample; }

private:
    int m_lineHeight = 40;
    mutable std::string m_heightSample;
};

// The rule as stated: take one unit off the widest column, the first of equals, until it fits.
std::vector<int> NarrowOneUnitAtATime(std::vector<int> widths, std::int64_t available) {
    while (std::accumulate(widths.begin(), widths.end(), std::int64_t{0}) > available) {
        --*std::max_element(widths.begin(), widths.end());
    }
    return widths;
}

std::vector<int> Narrowed(std::vector<int> widths, std::int64_t available) {
    kw::NarrowColumnsToFit(widths, available);
    return widths;
}

TEST(NarrowColumnsToFitTest, TakesUnitsOffTheWidestFirstAmongEqualsOneAtATime) {
    EXPECT_EQ(Narrowed({50, 80, 80, 30}, 200), (std::vector<int>{50, 60, 60, 30}));
    // One unit more than whole rounds: the first of the two widest gives it.
    EXPECT_EQ(Narrowed({50, 80, 80, 30}, 199), (std::vector<int>{50, 59, 60, 30}));
    // The widest comes down to the next one, then both go down together.
    EXPECT_EQ(std::tuple(Narrowed({100, 10, 90}, 150), Narrowed({100, 10, 90}, 37),
                         Narrowed({30, 40}, 70), Narrowed({30, 40}, 500)),
              std::tuple((std::vector<int>{70, 10, 70}), (std::vector<int>{13, 10, 14}),
                         (std::vector<int>{30, 40}), (std::vector<int>{30, 40})));
    EXPECT_EQ(std::tuple(Narrowed({30, 40}, 0), Narrowed({30, 40}, -5), Narrowed({}, 10)),
              std::tuple((std::vector<int>{0, 0}), (std::vector<int>{0, 0}), std::vector<int>{}));
    // On random widths it agrees with single unit steps.
    std::mt19937 random(20060004);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<int> widths(std::uniform_int_distribution<int>(1, 8)(random));
        for (int& width : widths) {
            width = std::uniform_int_distribution<int>(0, 60)(random);
        }
        const int sum = std::accumulate(widths.begin(), widths.end(), 0);
        const int available = std::uniform_int_distribution<int>(0, sum + 5)(random);
        ASSERT_EQ(Narrowed(widths, available), NarrowOneUnitAtATime(widths, available))
            << "trial " << trial << ", available " << available;
    }
}

// An A4-like sheet: 4000 x 5000 units at 500 x 400 dots per inch, margins 0.75 and 1 inch give
// 375 and 400 units, a column gap of 50, a line step of 40 + 2 and a faux-bold offset of 2.
class ListPrintLayoutTest : public ::testing::Test {
protected:
    kw::SListPrintLayoutResult LayOut(const SListTable& table) const {
        return kw::LayOutListPrint(table, m_settings, m_device, m_metrics);
    }
    static SListTable Rows(int count, std::vector<kw::STableColumn> columns) {
        SListTable table;
        table.columns = std::move(columns);
        for (int row = 0; row < count; ++row) {
            table.rows.push_back(std::vector<std::string>(table.columns.size(), "abc"));
        }
        return table;
    }

    kw::SListPrintSettings m_settings{"Doppelte Spieler", 70, "Arial", 0.75, 1.0};
    kw::SPrintDevice m_device{4000, 5000, 500, 400};
    FixedPitchMetrics m_metrics;
};

void ExpectBox(const SPrintBox& box, int left, int top, int width, int height) {
    EXPECT_EQ(std::tuple(box.left, box.top, box.width, box.height),
              std::tuple(left, top, width, height));
}

TEST_F(ListPrintLayoutTest, ColumnsTakeTheirWidestHeadingOrCellAndStartAfterAGap) {
    SListTable table;
    table.columns = {{"Name", EColumnAlignment::Left},
                     {"Geburtstag", EColumnAlignment::Right},
                     {"Pos", EColumnAlignment::Centre}};
    table.rows = {{"Meier, Hans", "01.02.1980", "TW"}, {"Ei", "1980", "ABWEHR"}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const SListPrintLayout& layout = result.layout;
    ASSERT_EQ(layout.columns.size(), 3u);
    EXPECT_EQ(layout.columns[0].left, 375);
    EXPECT_EQ(layout.columns[0].width, 110);  // "Meier, Hans"
    EXPECT_EQ(layout.columns[1].left, 375 + 110 + 50);
    EXPECT_EQ(layout.columns[1].width, 100);  // heading and cell alike
    EXPECT_EQ(layout.columns[2].left, 535 + 100 + 50);
    EXPECT_EQ(layout.columns[2].width, 60);  // "ABWEHR"
    EXPECT_EQ(std::tuple(layout.columns[1].alignment, layout.columns[2].alignment,
                         m_metrics.HeightSample()),
              std::tuple(EColumnAlignment::Right, EColumnAlignment::Centre, "qIP\xC4g"));
}

// 1000 units of text and 100 of gaps on 3250 units between the margins: the widest column
// gives up 450 units, and the last one ends exactly at the right margin. Without the gaps the
// sum alone would have fitted 100 units too wide.
TEST_F(ListPrintLayoutTest, WideColumnsAreNarrowedSoThatGapsAndAllFitBetweenTheMargins) {
    SListTable table;
    table.columns = {{"A"}, {"B"}, {"C"}};
    table.rows = {{std::string(200, 'x'), std::string(150, 'y'), std::string(10, 'z')}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const auto& columns = result.layout.columns;
    EXPECT_EQ(std::tuple(columns[0].width, columns[1].width, columns[2].width,
                         columns[2].left + columns[2].width),
              std::tuple(1550, 1500, 100, 4000 - 375));

    // Ever wider cells never push the last column past the margin.
    for (const int length : {330, 400, 1000, 1023, 3000}) {
        table.rows.push_back(
            {std::string(10, 'x'), std::string(10, 'y'), std::string(length, 'z')});
        const auto wider = LayOut(table);
        ASSERT_EQ(wider.fault, EListPrintFault::None);
        const auto& last = wider.layout.columns.back();
        EXPECT_LE(last.left + last.width, 4000 - 375) << length;
    }
}

// 4200 units between the vertical margins hold 100 lines of 42: the page number and the
// headings take two, 98 rows remain.
TEST_F(ListPrintLayoutTest, RowsPerPageLeaveTheFirstTwoLinesToPageNumberAndHeadings) {
    const auto result = LayOut(Rows(200, {{"Name"}, {"Verein"}}));
    ASSERT_EQ(result.fault, EListPrintFault::None);
    const SListPrintLayout& layout = result.layout;
    EXPECT_EQ(std::tuple(layout.lineHeight, layout.lineStep, layout.rowsPerPage, layout.pageCount,
                         layout.FirstRowOfPage(2), layout.RowsOnPage(0)),
              std::tuple(40, 42, 98, 3, 196, 98));
    EXPECT_EQ(std::tuple(layout.RowsOnPage(1), layout.RowsOnPage(2), layout.RowsOnPage(3),
                         layout.PageNumberText(0), layout.PageNumberText(2)),
              std::tuple(98, 4, 0, "1 / 3", "3 / 3"));

    ExpectBox(layout.titleLine, 375, 400, 4000 - 750, 40);
    const auto strokes = layout.HeadingBoxes(1);
    ExpectBox(strokes[0], 375 + 40 + 50 - 2, 442, 60, 40);
    ExpectBox(strokes[1], 375 + 40 + 50, 442, 60, 40);
    ExpectBox(strokes[2], 375 + 40 + 50 + 2, 442, 60, 40);
    ExpectBox(layout.CellBox(0, 0), 375, 484, 40, 40);
    // The last row of a full page ends above the bottom margin.
    const SPrintBox last = layout.CellBox(97, 1);
    ExpectBox(last, 465, 400 + 99 * 42, 60, 40);
    EXPECT_LE(last.top + last.height, 5000 - 400);

    EXPECT_EQ(std::tuple(LayOut(Rows(196, {{"Name"}})).layout.pageCount,
                         LayOut(Rows(197, {{"Name"}})).layout.pageCount,
                         LayOut(Rows(1, {{"Name"}})).layout.pageCount),
              std::tuple(2, 3, 1));
}

// Negative or undefined margins count as none; three lines give one row per page, fewer fail
// cleanly, as do empty lists and sheets without width.
TEST_F(ListPrintLayoutTest, MarginsAndPagesThatLeaveNoRoomFailCleanly) {
    m_settings.horizontalMargin = -1.0;
    m_settings.verticalMargin = std::numeric_limits<double>::quiet_NaN();
    const auto result = LayOut(Rows(3, {{"A"}}));
    ASSERT_EQ(result.fault, EListPrintFault::None);
    ExpectBox(result.layout.titleLine, 0, 0, 4000, 40);
    EXPECT_EQ(result.layout.rowsPerPage, 5000 / 42 - 2);

    m_settings.verticalMargin = 0.0;
    m_device.pageHeight = 3 * 42;
    const auto one = LayOut(Rows(5, {{"Name"}}));
    ASSERT_EQ(one.fault, EListPrintFault::None);
    EXPECT_EQ(one.layout.rowsPerPage, 1);
    EXPECT_EQ(one.layout.pageCount, 5);

    m_device.pageHeight = 3 * 42 - 1;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);

    // A font as high as the page, and margins that meet in the middle.
    m_device.pageHeight = 5000;
    m_metrics.SetLineHeight(5000);
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_metrics.SetLineHeight(40);
    m_settings.verticalMargin = 6.25;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_settings.verticalMargin = 1e300;
    EXPECT_EQ(LayOut(Rows(5, {{"Name"}})).fault, EListPrintFault::PageTooShort);
    m_settings.verticalMargin = 1.0;
    EXPECT_EQ(LayOut(Rows(0, {{"Name"}})).fault, EListPrintFault::EmptyList);
    SListTable noColumns;
    noColumns.rows = {{"a"}};
    EXPECT_EQ(LayOut(noColumns).fault, EListPrintFault::EmptyList);

    // Three columns need one unit each beside their two gaps of 50: margins of 1948 units leave
    // 4, margins of 1949 leave 2.
    m_settings.horizontalMargin = 1948.5 / 500;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}, {"B"}, {"C"}})).fault, EListPrintFault::None);
    m_settings.horizontalMargin = 1949.5 / 500;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}, {"B"}, {"C"}})).fault, EListPrintFault::PageTooNarrow);
    m_settings.horizontalMargin = 4.0;
    EXPECT_EQ(LayOut(Rows(1, {{"A"}})).fault, EListPrintFault::PageTooNarrow);

    m_settings.horizontalMargin = 0.75;
    for (const kw::SPrintDevice device :
         {kw::SPrintDevice{0, 0, 0, 0}, kw::SPrintDevice{-10, 5000, 500, 400}}) {
        m_device = device;
        EXPECT_NE(LayOut(Rows(3, {{"A"}})).fault, EListPrintFault::None);
    }
}

// Headings count up to 255 characters, cells up to 1023, both only up to a zero byte.
TEST_F(ListPrintLayoutTest, PrintedTextsAreCutLikeTheBuffersTheyWereReadIntoAndRowsFilled) {
    EXPECT_EQ(std::tuple(kw::PrintedHeading(std::string(300, 'h')),
                         kw::PrintedCell(std::string(2000, 'c')),
                         kw::PrintedCell(std::string("ab\0cd", 5)), kw::PrintedHeading("Verein")),
              std::tuple(std::string(255, 'h'), std::string(1023, 'c'), "ab", "Verein"));

    m_device.pageWidth = 100000;
    SListTable table;
    table.columns = {{std::string(300, 'h')}, {"B"}};
    table.rows = {{"x", std::string(2000, 'c')}};
    const auto result = LayOut(table);
    ASSERT_EQ(result.fault, EListPrintFault::None);
    EXPECT_EQ(result.layout.columns[0].width, 2550);
    EXPECT_EQ(result.layout.columns[1].width, 10230);
    // Short rows read as empty cells, and extra cells do not count.
    table.columns = {{"A"}, {"B"}};
    table.rows = {{"a1"}, {"b1", "b2", "b3"}};
    EXPECT_EQ(std::tuple(table.Cell(0, 0), table.Cell(0, 1), table.Cell(1, 1), table.Cell(1, 2),
                         table.Cell(2, 0), table.Cell(-1, 0)),
              std::tuple("a1", "", "b2", "", "", ""));
    EXPECT_FALSE(table.IsEmpty());

    const kw::CListTableSource source(table);
    EXPECT_EQ(std::tuple(source.ColumnCount(), source.RowCount(), source.CellText(0, 1),
                         source.CellText(1, 0)),
              std::tuple(2, 2, "", "b1"));
}

using kw::EListExportFormat;

// A list of `columns` columns without headings.
kw::SListTable Table(std::size_t columns, std::vector<std::vector<std::string>> rows) {
    return {std::vector<kw::STableColumn>(columns), std::move(rows)};
}

class ListExportTest : public ::testing::Test {
protected:
    std::string Export(const kw::SListTable& list, std::string_view title,
                       EListExportFormat format) {
        const auto path = m_dir / "list.txt";
        EXPECT_TRUE(kw::ExportList(kw::CListTableSource(list), title, format, path));
        return kw::test::ReadFile(path);
    }
    kw::test::TempDir m_dir;
};

TEST_F(ListExportTest, TabSeparatedWritesTitleThenRowsAndSpacesPadEveryCell) {
    const kw::SListTable list = Table(3, {{"Meier", "12", "FC"}, {"", "x", ""}});
    EXPECT_EQ(Export(list, "Doppelte Spieler", EListExportFormat::TabSeparated),
              "Doppelte Spieler\r\nMeier\t12\tFC\r\n\tx\t\r\n");
    EXPECT_EQ(Export(Table(1, {{"a"}}), "", EListExportFormat::TabSeparated), "\r\na\r\n");
    EXPECT_EQ(Export(Table(2, {}), "T", EListExportFormat::TabSeparated), "T\r\n");
    // Every cell is padded to the longest of its column plus one; widths count at most 1022
    // characters while cells are cut at 1023, so a cell that long gets no padding at all.
    const kw::SListTable padded = Table(2, {{"abcde", "x"}, {"ab", "yyy"}, {"", ""}});
    EXPECT_EQ(Export(padded, "Titel", EListExportFormat::SpaceFormatted),
              "Titel\r\nabcde x   \r\nab    yyy \r\n          \r\n");
    const kw::SListTable longCell = Table(2, {{std::string(1500, 'w'), "z"}});
    EXPECT_EQ(Export(longCell, "", EListExportFormat::TabSeparated),
              "\r\n" + std::string(1023, 'w') + "\tz\r\n");
    EXPECT_EQ(Export(longCell, "", EListExportFormat::SpaceFormatted),
              "\r\n" + std::string(1023, 'w') + "z \r\n");
}

// Markup characters are escaped; 0x80..0x9F, which the declared ISO-8859-1 lacks, become
// references to their Windows-1252 meaning; Latin-1 bytes stay as they are.
TEST_F(ListExportTest, XmlHasDeclarationTitleRowsAndEscapedColumns) {
    const kw::SListTable xml =
        Table(2, {{"Rot & Wei\xDF <A>", "\x80 \x81\x8D\x8F\x90\x9D \x9F\xA0\xFF"}, {"c", ""}});
    EXPECT_EQ(Export(xml, "a<b>&c\x96", EListExportFormat::Xml),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
              "<list>\r\n"
              "\t<title>a&lt;b&gt;&amp;c&#8211;</title>\r\n"
              "\t<row>\r\n"
              "\t\t<col>Rot &amp; Wei\xDF &lt;A&gt;</col>\r\n"
              "\t\t<col>&#8364; &#129;&#141;&#143;&#144;&#157; &#376;\xA0\xFF</col>\r\n"
              "\t</row>\r\n"
              "\t<row>\r\n\t\t<col>c</col>\r\n\t\t<col></col>\r\n\t</row>\r\n"
              "\t</list>\r\n");
    // An export replaces an existing file and fails when it cannot write.
    const auto path = m_dir / "out.txt";
    kw::test::WriteFile(path, "old");
    const kw::SListTable table = Table(1, {{"new"}});
    const kw::CListTableSource list(table);
    ASSERT_TRUE(kw::ExportList(list, "T", EListExportFormat::TabSeparated, path));
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");

    EXPECT_FALSE(kw::ExportList(list, "T", EListExportFormat::Xml, m_dir / "missing" / "out.xml"));

    kw::CFileFaults faults(kw::FailWritesTo(path));
    {
        kw::CAtomicFileBatch batch(m_dir.Path(), {.faults = &faults});
        EXPECT_FALSE(kw::ExportList(list, "X", EListExportFormat::Xml, path));
    }
    EXPECT_EQ(faults.Failures(), 1u);
    EXPECT_EQ(kw::test::ReadFile(path), "T\r\nnew\r\n");
}

}  // namespace
}  // namespace kw
