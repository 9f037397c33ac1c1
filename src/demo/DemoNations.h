// The football nations of the demo installation and the names their people and places carry.
// All text is Windows-1252, as the model keeps it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kw::demo {

struct SNation {
    std::array<std::string, 5> names;  // German, English, French, Spanish, Italian
    std::string code;                  // three letters, e.g. "GER"
    int continent = 0;  // 0 Europe, 1 South America, 2 North and Central America, 3 Africa,
                        // 4 Asia, 5 Oceania
    int language = 0;   // the nation's main language: a position in the editor's language list
                        // (14 English, 19 German, ...); the name lists file names under it
    int nameGroup = 0;  // index into NameBank()
};

// The 206 nations in country-number order: Nations()[n - 1] is country n. Country 14 is
// Germany, the richest complete country of the demo world.
const std::vector<SNation>& Nations();

// The names of one nationality group: common first names and surnames, drawn apart, and invented
// towns (DemoTowns.h), so that no club or player is a real one.
struct SNameBank {
    std::vector<std::string> firstNames;
    std::vector<std::string> surnames;
    std::vector<std::string> cityNames;  // invented towns a club can be named after
    std::vector<std::string> femaleFirstNames;
};

int NameBankCount();
const SNameBank& NameBank(int group);

// The name bank of a language of the editor's language list (0 to 62); the fall-back group for
// a number outside it.
int NameGroupOfLanguage(int language);
inline constexpr int kNationLanguageCount = 63;

}  // namespace kw::demo
