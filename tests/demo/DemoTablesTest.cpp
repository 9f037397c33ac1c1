#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "assets/GlobalTools.h"
#include "demo/DemoNations.h"
#include "demo/DemoTables.h"
#include "demo/TransliteratedText.h"
#include "model/Country.h"
#include "model/StadiumList.h"
#include "model/World.h"
#include "platform/AtomicFileBatch.h"
#include "platform/FileFaults.h"
#include "platform/Progress.h"
#include "storage/TextTable.h"

namespace kw::demo {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLeagueSystems{"Deutschland", "England", "Spanien"};

const char* const kPlainTextFiles[] = {
    "database/countries.sav",        "database/MaleNames.txt",
    "database/FemaleNames.txt",      "database/Surnames.txt",
    "database/ger/shoe.txt",         "database/ger/faceIDs.txt",
    "database/ger/TeamColour.txt",   "database/ger/MerchandiseColour.txt",
    "database/ger/LeagueSystem.txt", "database/ger/formation.txt",
    "database/ger/ClubIDs.txt",      "database/ger/HairStyle.txt",
};

class DemoTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSilentProgress progress;
        const SDemoTablesResult result = WriteDemoTables(m_dir.Path(), 7, progress, kLeagueSystems);
        ASSERT_TRUE(result.ok);
        EXPECT_TRUE(result.failedFile.empty());
    }

    test::TempDir m_dir;
};

TEST_F(DemoTablesTest, CountriesListNamesEveryCountryInFiveLanguages) {
    CWorld world(m_dir.Path());
    ASSERT_TRUE(world.InitialiseCountries());
    for (int number = 1; number <= kCountryCount; ++number) {
        const CCountry& country = world.Country(number);
        const SNation& nation = Nations()[static_cast<std::size_t>(number - 1)];
        for (int language = 0; language < 5; ++language) {
            EXPECT_EQ(country.Name(language), nation.names[static_cast<std::size_t>(language)])
                << number;
            EXPECT_EQ(country.ShortNames()[static_cast<std::size_t>(language)].View(), nation.code);
        }
        EXPECT_EQ(country.Continent(), nation.continent) << number;
        EXPECT_EQ(country.FirstAttribute(), nation.language) << number;
    }
    EXPECT_EQ(world.Country(14).Name(0), "Deutschland");
    EXPECT_EQ(world.Country(14).ShortNames()[0].View(), "GER");
}

TEST_F(DemoTablesTest, TextTablesAndStadiumListLoadWithinTheirCapacities) {
    CTextTables tables;
    tables.LoadTextTables(m_dir / "database", "ger");
    for (const CBaseTextFile* table :
         {&tables.Shoes(), &tables.Faces(),
          static_cast<const CBaseTextFile*>(&tables.TeamColours()),
          static_cast<const CBaseTextFile*>(&tables.MerchandiseColours()), &tables.LeagueSystems(),
          &tables.Formations(), &tables.ClubIds(), &tables.HairStyles()}) {
        EXPECT_GT(table->GetCount(), 1);
        EXPECT_LE(table->GetCount(), table->GetCapacity());
        for (std::int32_t i = 0; i < table->GetCount(); ++i) {
            EXPECT_FALSE(table->GetText(i).empty()) << i;
        }
    }
    // Entry k of the league systems is script k; entry 0 means none.
    ASSERT_EQ(tables.LeagueSystems().GetCount(), 4);
    EXPECT_EQ(tables.LeagueSystems().GetText(2), "England");
    // A club stores colours 0 to 23, and the colours are real ones.
    const CTeamColourTextFile& colours = tables.TeamColours();
    ASSERT_EQ(colours.GetCount(), 24);
    bool white = false;
    bool black = false;
    for (std::int32_t i = 0; i < colours.GetCount(); ++i) {
        EXPECT_EQ(colours.GetValue(i), i);
        EXPECT_LE(colours.GetColour(i), 0xFFFFFF);
        white = white || colours.GetColour(i) == 0xFFFFFF;
        black = black || (colours.GetColour(i) == 0 && colours.GetText(i) == "Schwarz");
    }
    EXPECT_TRUE(white && black);
    // Shoe types are 0 to 5 in a player record.
    for (std::int32_t i = 0; i < tables.Shoes().GetCount(); ++i) {
        EXPECT_LE(tables.Shoes().GetValue(i), 5);
    }

    CStadiumList stadiums;
    ASSERT_TRUE(stadiums.Load(m_dir / "database", "ger"));
    EXPECT_GE(stadiums.Entries().size(), 20u);
}

TEST_F(DemoTablesTest, NameListsHoldNamesForEveryLanguage) {
    CGlobalTools tools;
    ASSERT_TRUE(tools.Init(m_dir.Path()));
    for (const CNameList* list : {&tools.MaleNames(), &tools.FemaleNames(), &tools.Surnames()}) {
        for (int language = 0; language < kNationLanguageCount; ++language) {
            EXPECT_GE(list->Count(language), 20u) << language;
            for (const std::string& name : list->Names(language)) {
                EXPECT_FALSE(name.empty());
            }
        }
    }
    // German (19) and Japanese (26) speakers get names of their own.
    const auto german = tools.Surnames().Names(19);
    EXPECT_NE(std::find(german.begin(), german.end(), "M\xFCller"), german.end());
    const auto japanese = tools.Surnames().Names(26);
    EXPECT_EQ(std::find(japanese.begin(), japanese.end(), "M\xFCller"), japanese.end());
}

TEST_F(DemoTablesTest, PlainTextFilesEndTheirLinesWithCrLf) {
    for (const char* file : kPlainTextFiles) {
        const std::string text = test::ReadFile(m_dir / file);
        ASSERT_FALSE(text.empty()) << file;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << file;
        for (std::size_t lf = text.find('\n'); lf != std::string::npos;
             lf = text.find('\n', lf + 1)) {
            ASSERT_TRUE(lf > 0 && text[lf - 1] == '\r') << file << " at " << lf;
        }
    }
}

// That one seed gives the same bytes is pinned by the whole demo installation's test.
TEST_F(DemoTablesTest, AnotherSeedGivesAnotherStadiumList) {
    test::TempDir other;
    CSilentProgress progress;
    ASSERT_TRUE(WriteDemoTables(other.Path(), 8, progress, kLeagueSystems));
    EXPECT_NE(test::ReadFile(other / "database/ger/StadiumList.txt"),
              test::ReadFile(m_dir / "database/ger/StadiumList.txt"));
}

TEST(DemoTables, NamesTheFileThatCouldNotBeWritten) {
    test::TempDir dir;
    CFileFaults faults([](const SFileCall& call) {
        return call.kind == EFileCall::kWrite && call.path.filename() == "TeamColour.txt";
    });
    CSilentProgress progress;
    SDemoTablesResult result;
    {
        CAtomicFileBatch batch(dir.Path(), {.faults = &faults});
        result = WriteDemoTables(dir.Path(), 1, progress);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedFile.filename(), "TeamColour.txt");
    EXPECT_FALSE(fs::exists(dir / "database/ger/TeamColour.txt"));
}

bool HasCode(const std::string& code) {
    return std::any_of(Nations().begin(), Nations().end(),
                       [&](const SNation& nation) { return nation.code == code; });
}

TEST(DemoNations, AreTheFootballNationsWithGermanyAsCountry14) {
    const std::vector<SNation>& nations = Nations();
    ASSERT_EQ(nations.size(), 206u);
    EXPECT_EQ(nations[13].code, "GER");
    EXPECT_EQ(nations[13].names[0], "Deutschland");
    EXPECT_EQ(nations[13].names[1], "Germany");
    for (const char* code : {"ENG", "SCO", "WAL", "NIR", "KVX", "FRO", "GIB", "BRA", "NZL"}) {
        EXPECT_TRUE(HasCode(code)) << code;
    }
    EXPECT_FALSE(HasCode("GBR"));

    std::set<std::string> codes;
    std::set<int> continents;
    for (const SNation& nation : nations) {
        EXPECT_TRUE(codes.insert(nation.code).second) << nation.code;
        EXPECT_EQ(nation.code.size(), 3u) << nation.code;
        for (const std::string& name : nation.names) {
            // The countries list splits its names at commas.
            EXPECT_FALSE(name.empty()) << nation.code;
            EXPECT_EQ(name.find(','), std::string::npos) << name;
            EXPECT_EQ(name.find('?'), std::string::npos) << name;
            // The national team carries the names in a club's 30-byte name fields.
            EXPECT_LE(name.size(), 29u) << name;
        }
        EXPECT_GE(nation.continent, 0);
        EXPECT_LE(nation.continent, 5);
        continents.insert(nation.continent);
        EXPECT_GE(nation.language, 1) << nation.code;
        EXPECT_LT(nation.language, kNationLanguageCount) << nation.code;
        EXPECT_EQ(nation.nameGroup, NameGroupOfLanguage(nation.language));
    }
    EXPECT_EQ(continents.size(), 6u);
}

TEST(DemoNations, EveryNameBankIsLargeAndClean) {
    ASSERT_GE(NameBankCount(), 12);
    for (int group = 0; group < NameBankCount(); ++group) {
        const SNameBank& bank = NameBank(group);
        EXPECT_GE(bank.firstNames.size(), 60u) << group;
        EXPECT_GE(bank.surnames.size(), 100u) << group;
        EXPECT_GE(bank.cityNames.size(), 40u) << group;
        EXPECT_GE(bank.femaleFirstNames.size(), 20u) << group;
        // Each list with the field it must fit: first names 16 bytes, surnames 20, towns 30
        // (a club's city), all with their terminating zero.
        const std::pair<const std::vector<std::string>*, std::size_t> lists[] = {
            {&bank.firstNames, 15},
            {&bank.femaleFirstNames, 15},
            {&bank.surnames, 19},
            {&bank.cityNames, 29}};
        for (const auto& [names, longest] : lists) {
            for (const std::string& name : *names) {
                // '%' would start a group line in a name list; '?' marks a lost character.
                EXPECT_FALSE(name.empty() || name.front() == '%' || name.front() == ' ') << name;
                EXPECT_EQ(name.find('?'), std::string::npos) << name;
                EXPECT_LE(name.size(), longest) << name;
            }
        }
    }
    for (int language = 0; language < kNationLanguageCount; ++language) {
        EXPECT_LT(NameGroupOfLanguage(language), NameBankCount());
    }
}

// Every town a club can be named after is invented: each carries its group's mark, letters the
// spelling of the group's languages never writes, so none is a real town of that language.
TEST(DemoNations, EveryTownCarriesTheMarkOfItsGroup) {
    const std::vector<std::string> marks = {"\xFC\xFC", "aa",       "mm", "uu", "uu", "oo",
                                            "ii",       "\xF8\xF8", "zz", "aa", "ee", "vv",
                                            "vv",       "oa",       "l",  "zz"};
    ASSERT_EQ(static_cast<int>(marks.size()), NameBankCount());
    for (int group = 0; group < NameBankCount(); ++group) {
        const std::vector<std::string>& towns = NameBank(group).cityNames;
        EXPECT_EQ(std::set<std::string>(towns.begin(), towns.end()).size(), towns.size()) << group;
        for (const std::string& town : towns) {
            EXPECT_NE(town.find(marks[static_cast<std::size_t>(group)]), std::string::npos) << town;
        }
    }
}

TEST(DemoNations, TextIsTransliteratedIntoWindows1252) {
    EXPECT_EQ(Transliterated("\xC4\x86ulvar \xC4\x90oko\xC4\x87 \xC5\x81\xC3\xB3\x64\xC5\xBA"),
              "Culvar Dokoc L\xF3"
              "dz");
    EXPECT_EQ(Transliterated("Ia\xC8\x99i G\xC9\x99nc\xC9\x99 M\xC3\xBCller"),
              "Iasi Ganca M\xFCller");
    EXPECT_EQ(SplitTransliterated(" Anna,, Berta ,\n Carl "),
              (std::vector<std::string>{"Anna", "Berta", "Carl"}));
}

}  // namespace
}  // namespace kw::demo
