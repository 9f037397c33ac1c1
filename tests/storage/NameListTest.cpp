#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "platform/Random.h"
#include "storage/NameLists.h"

namespace {

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

}  // namespace
