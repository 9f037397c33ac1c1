#include "demo/DemoNames.h"

#include <algorithm>
#include <string_view>

#include "demo/DemoNations.h"
#include "demo/DemoRandom.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw::demo {

namespace {

constexpr std::size_t kClubNameLength = 29;
constexpr std::size_t kAbbreviationLength = 10;

const SNation& NationOf(int country) {
    return Nations()[static_cast<std::size_t>(std::clamp(country, 1, kCountryCount) - 1)];
}

const SNameBank& BankOf(int country) {
    return NameBank(NationOf(country).nameGroup);
}

const std::vector<std::string>& Patterns(ENameStyle style) {
    static const std::vector<std::string> german = {
        "FC %s",       "SV %s",        "VfB %s", "1. FC %s", "TSV %s",     "SpVgg %s",
        "Borussia %s", "Eintracht %s", "VfL %s", "SC %s",    "Fortuna %s", "Rot-Wei\xDF %s"};
    static const std::vector<std::string> english = {
        "%s United",    "%s City",   "%s Rovers", "%s Athletic", "%s Town",
        "%s Wanderers", "%s Albion", "%s FC",     "%s County",   "%s Rangers"};
    static const std::vector<std::string> french = {
        "FC %s", "AS %s", "Olympique %s", "Stade %s", "RC %s", "US %s", "SC %s", "\xC9toile %s"};
    static const std::vector<std::string> spanish = {"Real %s",      "CD %s", "Atl\xE9tico %s",
                                                     "Deportivo %s", "CF %s", "Club %s",
                                                     "Racing %s",    "UD %s"};
    static const std::vector<std::string> italian = {"AC %s", "US %s", "%s Calcio", "AS %s",
                                                     "SS %s", "FC %s", "Virtus %s", "Pro %s"};
    static const std::vector<std::string> portuguese = {"Sporting %s",  "SC %s",          "CD %s",
                                                        "Clube %s",     "Atl\xE9tico %s", "EC %s",
                                                        "Gr\xEAmio %s", "Uni\xE3o %s"};
    static const std::vector<std::string> dutch = {"FC %s",     "SC %s",    "%s Boys", "VV %s",
                                                   "Sparta %s", "Quick %s", "DOS %s",  "SVV %s"};
    static const std::vector<std::string> other = {
        "FC %s",     "%s FC",       "Sporting %s", "Dynamo %s",    "Olympic %s", "Racing %s",
        "%s United", "Athletic %s", "Real %s",     "Lokomotiv %s", "Inter %s",   "Union %s"};
    switch (style) {
        case ENameStyle::kGerman:
            return german;
        case ENameStyle::kEnglish:
            return english;
        case ENameStyle::kFrench:
            return french;
        case ENameStyle::kSpanish:
            return spanish;
        case ENameStyle::kItalian:
            return italian;
        case ENameStyle::kPortuguese:
            return portuguese;
        case ENameStyle::kDutch:
            return dutch;
        case ENameStyle::kOther:
            break;
    }
    return other;
}

std::string Apply(const std::string& pattern, const std::string& city) {
    std::string name = pattern;
    name.replace(name.find("%s"), 2, city);
    return name.substr(0, kClubNameLength);
}

// The code beside the club's name: the first letters of the town, in capitals.
std::string CodeOf(const std::string& city) {
    std::string code;
    for (const char c : city) {
        if (code.size() == 3) {
            break;
        }
        if (c != ' ' && c != '-' && c != '.') {
            code += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    return code;
}

}  // namespace

ENameStyle NameStyle(int country) {
    switch (NationOf(country).language) {
        case 19:
            return ENameStyle::kGerman;
        case 14:
            return ENameStyle::kEnglish;
        case 17:
            return ENameStyle::kFrench;
        case 43:
            return ENameStyle::kSpanish;
        case 25:
            return ENameStyle::kItalian;
        case 37:
            return ENameStyle::kPortuguese;
        case 13:
            return ENameStyle::kDutch;
        default:
            return ENameStyle::kOther;
    }
}

CClubNamer::CClubNamer(int country)
    : m_style(NameStyle(country)), m_cities(BankOf(country).cityNames) {}

SClubName CClubNamer::Next(CDemoRandom& random) {
    const std::vector<std::string>& patterns = Patterns(m_style);
    // Towns in a shuffled order, each first with one pattern, on later rounds with others.
    if (m_nextCity == 0 && m_used.empty()) {
        for (std::size_t i = m_cities.size(); i > 1; --i) {
            std::swap(
                m_cities[i - 1],
                m_cities[static_cast<std::size_t>(random.Between(0, static_cast<int>(i) - 1))]);
        }
    }
    // Every town once with a pattern of its own, then again with the others in turn, then
    // with a number; the loop ends at the latest when the numbers run out.
    const std::size_t limit = m_cities.size() * (patterns.size() + 100);
    while (m_nextCity < limit) {
        const std::string& city = m_cities[m_nextCity % m_cities.size()];
        const std::size_t round = m_nextCity / m_cities.size();
        ++m_nextCity;
        const std::string pattern =
            round == 0 ? random.Pick(patterns)
            : round < patterns.size()
                ? patterns[(round + m_nextCity) % patterns.size()]
                : FormatPrintf("%%s %02d", static_cast<int>(round - patterns.size()));
        const std::string name = Apply(pattern, city);
        if (m_used.insert(name).second) {
            const std::string abbreviation =
                (round == 0 ? city : name).substr(0, kAbbreviationLength);
            return {name, city, abbreviation, CodeOf(city)};
        }
    }
    const std::string name = FormatPrintf("Club %zu", m_used.size() + 1);
    m_used.insert(name);
    return {name, name, name, "CLB"};
}

SPersonName PersonName(int nationality, CDemoRandom& random) {
    const SNameBank& bank = BankOf(nationality);
    return {random.Pick(bank.firstNames), random.Pick(bank.surnames)};
}

const std::string& TownName(int country, CDemoRandom& random) {
    return random.Pick(BankOf(country).cityNames);
}

std::string FansName(ENameStyle style, CDemoRandom& random) {
    static const std::vector<std::string> german = {
        "Die Roten", "Die Blauen", "Die Dachse",   "Die L\xF6wen", "Die Adler", "Die Biber",
        "Die Igel",  "Die Otter",  "Die Kraniche", "Die Hechte",   "Die Falken"};
    static const std::vector<std::string> english = {
        "The Blues",   "The Reds",  "The Herons",    "The Badgers",  "The Otters",  "The Kestrels",
        "The Ferrets", "The Larks", "The Hedgehogs", "The Lanterns", "The Bargemen"};
    static const std::vector<std::string> other = {
        "Los Faroleros", "Les Tisserands", "I Barcaioli", "Os Ferreiros", "Los Cesteros",
        "Les Vanniers",  "I Vetrai",       "Os Moleiros", "Los Arrieros", "Les Bateliers"};
    switch (style) {
        case ENameStyle::kGerman:
            return random.Pick(german);
        case ENameStyle::kEnglish:
            return random.Pick(english);
        default:
            return random.Pick(other);
    }
}

std::string Mascot(CDemoRandom& random) {
    static const std::vector<std::string> mascots = {"Leo",        "Bruno", "Hugo",    "Fiete",
                                                     "Bodo",       "Lotti", "Kasimir", "Willi",
                                                     "Kalle Kauz", "Egon",  "Pelle",   "Charly"};
    return random.Pick(mascots);
}

std::string StadiumName(ENameStyle style, const std::string& city, CDemoRandom& random) {
    static const std::vector<std::string> german = {"%s-Stadion", "Stadion am %s-Park",
                                                    "Sportpark %s", "Waldstadion %s"};
    static const std::vector<std::string> english = {"%s Park", "%s Road", "%s Stadium", "%s Lane"};
    static const std::vector<std::string> latin = {"Estadio %s", "Stade de %s", "Stadio %s",
                                                   "Est\xE1"
                                                   "dio %s"};
    const std::vector<std::string>& patterns = style == ENameStyle::kGerman    ? german
                                               : style == ENameStyle::kEnglish ? english
                                                                               : latin;
    return Apply(random.Pick(patterns), city);
}

std::string NewspaperName(ENameStyle style, const std::string& city) {
    const std::string town = city.substr(0, 17);
    switch (style) {
        case ENameStyle::kGerman:
            return town + " Tageblatt";
        case ENameStyle::kEnglish:
            return town + " Herald";
        default:
            return "Diario de " + town;
    }
}

}  // namespace kw::demo
