#include "editing/LanguageList.h"

#include <array>

namespace kw {

namespace {

constexpr std::array<std::string_view, kLanguageListCount> kLanguageNames = {
    " keine",      "Afrik. Dialekt", "Albanisch",      "Amharisch",      "Arabisch",
    "Armenisch",   "Bosnisch",       "Bulgarisch",     "Aserbaidjani",   "Chinesisch",
    "Kroatisch",   "Tschechisch",    "D\xE4nisch",     "Holl\xE4ndisch", "Englisch",
    "Estisch",     "Finnisch",       "Franz\xF6sisch", "Georgisch",      "Deutsch",
    "Griechisch",  "Hebr\xE4isch",   "Hindi",          "Ungarisch",      "Isl\xE4ndisch",
    "Italienisch", "Japanisch",      "Kiswahili",      "Koreanisch",     "Lettisch",
    "Litauisch",   "Mazedonisch",    "Malay",          "Maltesisch",     "Norwegisch",
    "Persisch",    "Polnisch",       "Portugiesisch",  "Rum\xE4nisch",   "Russisch",
    "Serbisch",    "Slowakisch",     "Slowenisch",     "Spanisch",       "Thai",
    "T\xFCrkisch", "Ukrainisch",     "Vietnamesisch",  "Schwedisch",     "Afghanisch",
    "Indonesisch", "Burmesisch",     "Kasachisch",     "Khmer",          "Lao",
    "Mongolisch",  "Nepalesisch",    "Pilipino",       "Polynesisch",    "Punjabi",
    "Sinhala",     "Turkmenisch",    "Usbekisch",
};

}  // namespace

std::string_view LanguageListName(int language) {
    return language >= 0 && language < kLanguageListCount
               ? kLanguageNames[static_cast<std::size_t>(language)]
               : std::string_view();
}

}  // namespace kw
