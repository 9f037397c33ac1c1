#include "model/ClubNames.h"

#include <array>

#include "platform/Cp1252.h"
#include "platform/ResourceTable.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

// The database languages' own words, Windows-1252; a hex escape is closed before a following hex
// letter.
constexpr std::string_view kGermanArticles[] = {"-", "der", "die", "das"};
constexpr std::string_view kEnglishArticles[] = {"-", "the"};
constexpr std::string_view kFrenchArticles[] = {"-", "le", "la", "l'", "les"};
constexpr std::string_view kSpanishArticles[] = {"-", "el", "la", "los", "las"};
constexpr std::string_view kItalianArticles[] = {"-", "il", "lo", "l'", "la", "i", "gli", "le"};

constexpr std::string_view kGermanFirst[] = {"... kann der %s ...", "... k\xF6nnen die %s ...",
                                             "... kann %s ...", "... kann die %s ..."};
constexpr std::string_view kGermanSecond[] = {"... vom %s kam ...", "... von den %s kam ...",
                                              "... von %s kam ...", "... von der %s kam ..."};
constexpr std::string_view kEnglishFirst[] = {"...can %s...", "...can the %s..."};
constexpr std::string_view kEnglishSecond[] = {"...from %s came...", "...from the %s came..."};
constexpr std::string_view kFrenchFirst[] = {"...de %s...", "...de la %s...", "...d'%s...",
                                             "...du %s..",  "...de l'%s...",  "...des %s... "};
constexpr std::string_view kFrenchSecond[] = {"...\xE0 %s...", "...\xE0 la %s...", "...\xE0 %s...",
                                              "...au %s...",   "...\xE0 l'%s...",  "...aux %s..."};
constexpr std::string_view kSpanishFirst[] = {
    "%s se ha proclamado...",  "El %s se ha proclamado...",   "La %s se ha proclamado...",
    "%s se han proclamado...", "Los %s se han proclamado...", "Las %s se han proclamado...",
    "%s se ha proclamado..."};
constexpr std::string_view kSpanishSecond[] = {
    "...del %s vino...",        "...del %s vino...",        "...de la %s vino...",
    "...de los %s vinieron...", "...de los %s vinieron...", "...de las %s vinieron...",
    "...de %s vino..."};
constexpr std::string_view kItalianFirst[] = {"...dall'%s...",  "...dal %s...",   "...dai %s...",
                                              "...dalla %s...", "...dalle %s...", "...dallo %s...",
                                              "...dagli %s..."};
constexpr std::string_view kItalianSecond[] = {"...all'%s...",  "...al %s...",   "...ai %s...",
                                               "...alla %s...", "...alle %s...", "...allo %s...",
                                               "...agli %s..."};

constexpr std::array<std::span<const std::string_view>, 5> kArticles = {
    kGermanArticles, kEnglishArticles, kFrenchArticles, kSpanishArticles, kItalianArticles};
constexpr std::array<std::span<const std::string_view>, 5> kFirstForms = {
    kGermanFirst, kEnglishFirst, kFrenchFirst, kSpanishFirst, kItalianFirst};
constexpr std::array<std::span<const std::string_view>, 5> kSecondForms = {
    kGermanSecond, kEnglishSecond, kFrenchSecond, kSpanishSecond, kItalianSecond};

constexpr const char* kSurroundingNames[kSurroundingCount] = {
    KW_RESOURCE_TEXT("kw::ClubNames", "Vereinszentrum"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Fanartikel"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Medizinische Abteilung"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Jugendzentrum"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Trainingsanlage"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Medien"),
    KW_RESOURCE_TEXT("kw::ClubNames", "Forschung"),
};

constexpr const char* kSurroundingLevels[kSurroundingCount][kMaxSurroundingLevel + 1] = {
    {KW_RESOURCE_TEXT("kw::ClubNames", "Einfache kleine Baracke"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Geschäftsstelle"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Kleines Bürogebäude"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Großes Bürogebäude"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Bürogebäude mit Brunnen"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Luxusgebäude mit Park")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "Verkaufswagen"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigener Laden"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Großer Laden"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Fanzentrum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigene Distribution"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigene Fertigung")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "Am Geländer lehnende Sanitäter"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Kleine Arztpraxis"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Arztpraxis mit Massageraum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Arztpraxis mit Psychol.-Zentrum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Krankenzentrum mit OP"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Ultramoderne Klinik")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "Eigener Platz mit Umkleideraum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigenes Gelände mit Gebäude"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Jugendhaus"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Jugendinternat"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Luxus-Jugendinternat"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Jugendleistungszentrum")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "1 Platz mit Umkleideraum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "2 Plätze mit Luxusumkleide"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Trainingsparcour"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Beheizte Trainingsplätze"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Zusätzliche Kleinfelder"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Zusätzliche Trainingshalle")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "Presseraum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Pressezentrum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigenes Studio"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigenes Luxusstudio"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Eigenes Sendezentrum"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Sendemast")},
    {KW_RESOURCE_TEXT("kw::ClubNames", "Regenerationseinrichtung"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Medizinisches Labor"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Zentrum für Trainingslehre"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Sportmedizinisches Institut"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Bibliothek"),
     KW_RESOURCE_TEXT("kw::ClubNames", "Ernährungswissenschaftliches Institut")},
};

bool IsSurroundingLevel(int area, int level) {
    return area >= 0 && area < kSurroundingCount && level >= 0 && level <= kMaxSurroundingLevel;
}

constexpr std::string_view kDefaultBadges[kBadgeColourCount] = {
    "bl_sw.tga",   "bl_gr.tga",  "bl_ro.tga", "bl_ws.tga", "bl_ge.tga", "dro_sw.tga",
    "dro_hbl.tga", "dro_ws.tga", "gr_ws.tga", "gr_ro.tga", "gr_sw.tga", "gr_ge.tga",
    "hbl_sw.tga",  "hbl_ws.tga", "or_sw.tga", "or_ws.tga", "li_sw.tga", "li_ws.tga",
    "ro_sw.tga",   "ro_ws.tga",  "ro_ge.tga", "ge_sw.tga", "ge_ws.tga", "sw_ws.tga"};

constexpr std::string_view kNationalStadiumPatterns[] = {"Stadion %s", "Stadium %s", "%s",
                                                         "Estadio Comunal de %s", "Stadio di %s"};

template <std::size_t N>
std::span<const std::string_view> ForLanguage(
    const std::array<std::span<const std::string_view>, N>& lists, int language) {
    return language >= 0 && static_cast<std::size_t>(language) < N
               ? lists[static_cast<std::size_t>(language)]
               : std::span<const std::string_view>();
}

}  // namespace

std::span<const std::string_view> ClubArticles(int language) {
    return ForLanguage(kArticles, language);
}

std::span<const std::string_view> FirstSentenceForms(int language) {
    return ForLanguage(kFirstForms, language);
}

std::span<const std::string_view> SecondSentenceForms(int language) {
    return ForLanguage(kSecondForms, language);
}

std::uint8_t NextChoice(std::uint8_t current, std::size_t count) {
    const std::size_t next = std::size_t{current} + 1;
    return next < count ? static_cast<std::uint8_t>(next) : std::uint8_t{0};
}

std::string_view SurroundingName(int area) {
    return area >= 0 && area < kSurroundingCount
               ? ShownText("kw::ClubNames", kSurroundingNames[area])
               : std::string_view();
}

std::string_view SurroundingLevelName(int area, int level) {
    // Converted once: the CSV export asks for every club.
    static const auto names = [] {
        std::array<std::array<std::string, kMaxSurroundingLevel + 1>, kSurroundingCount> german;
        for (std::size_t a = 0; a < german.size(); ++a) {
            for (std::size_t l = 0; l < german[a].size(); ++l) {
                german[a][l] = Utf8ToCp1252(kSurroundingLevels[a][l]);
            }
        }
        return german;
    }();
    if (!IsSurroundingLevel(area, level)) {
        return {};
    }
    return names[static_cast<std::size_t>(area)][static_cast<std::size_t>(level)];
}

std::string_view SurroundingLevelShownName(int area, int level) {
    return IsSurroundingLevel(area, level)
               ? ShownText("kw::ClubNames", kSurroundingLevels[area][level])
               : std::string_view();
}

std::string_view DefaultBadgeFile(int colour) {
    return kDefaultBadges[colour >= 0 && colour < kBadgeColourCount ? colour : 0];
}

std::string DefaultBadgePath(int colour) {
    return FillPattern("color\\badge256\\%s", DefaultBadgeFile(colour));
}

std::string_view SecondTeamPattern(int country) {
    switch (country) {
        case 21:
            return "%s 2";
        case 45:
            return "%s (B)";
        case 14:
            return "%s (RES)";
        default:
            return ResourceString(ids::kSecondTeamPattern);
    }
}

std::string NationalStadiumName(int language, std::string_view city) {
    if (language < 0 || language >= static_cast<int>(std::size(kNationalStadiumPatterns))) {
        return std::string(city);
    }
    return FillPattern(kNationalStadiumPatterns[language], city);
}

std::string FillPattern(std::string_view pattern, std::string_view text) {
    const std::size_t place = pattern.find("%s");
    if (place == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string result(pattern.substr(0, place));
    result += text;
    result += pattern.substr(place + 2);
    return result;
}

}  // namespace kw
