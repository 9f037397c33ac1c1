// Invented names of the demo world: clubs after the invented towns of their country's name group
// (DemoTowns.h), persons after their nationality's name bank, nicknames and mascots made up. No
// name belongs to a real club or player.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace kw::demo {

class CDemoRandom;

// The naming customs of a country's main language.
enum class ENameStyle {
    kGerman,
    kEnglish,
    kFrench,
    kSpanish,
    kItalian,
    kPortuguese,
    kDutch,
    kOther
};
ENameStyle NameStyle(int country);

struct SClubName {
    std::string name;
    std::string city;
    // At most 10 characters.
    std::string abbreviation;
    // At most 4 characters.
    std::string code;
};

// Hands out club names of one country, never the same twice: "FC <City>", "<City> United",
// "Sporting <City>" and the like, a town taken again only with another pattern.
class CClubNamer {
public:
    explicit CClubNamer(int country);
    SClubName Next(CDemoRandom& random);

private:
    ENameStyle m_style;
    std::vector<std::string> m_cities;
    std::size_t m_nextCity = 0;
    std::set<std::string> m_used;
};

// A first name and a surname of a person of that nationality.
struct SPersonName {
    std::string firstName;
    std::string surname;
};
SPersonName PersonName(int nationality, CDemoRandom& random);
// A town of the country, for stadiums and addresses.
const std::string& TownName(int country, CDemoRandom& random);

// Club nicknames, mascots and the like in the style of the country.
std::string FansName(ENameStyle style, CDemoRandom& random);
std::string Mascot(CDemoRandom& random);
std::string StadiumName(ENameStyle style, const std::string& city, CDemoRandom& random);
std::string NewspaperName(ENameStyle style, const std::string& city);

}  // namespace kw::demo
