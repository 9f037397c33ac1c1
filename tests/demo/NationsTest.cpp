#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "demo/DemoNations.h"
#include "demo/TransliteratedText.h"

namespace kw::demo {
namespace {

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
