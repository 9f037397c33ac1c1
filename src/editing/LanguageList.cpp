#include "editing/LanguageList.h"

#include <array>

#include "platform/ResourceTable.h"

namespace kw {

namespace {

// German (UTF-8), by the numbers the records store; shown translated.
constexpr std::array<const char*, kLanguageListCount> kLanguageNames = {
    KW_RESOURCE_TEXT("kw::LanguageList", " keine"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Afrik. Dialekt"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Albanisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Amharisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Arabisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Armenisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Bosnisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Bulgarisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Aserbaidjani"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Chinesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Kroatisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Tschechisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Dänisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Holländisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Englisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Estisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Finnisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Französisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Georgisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Deutsch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Griechisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Hebräisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Hindi"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Ungarisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Isländisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Italienisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Japanisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Kiswahili"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Koreanisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Lettisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Litauisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Mazedonisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Malay"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Maltesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Norwegisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Persisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Polnisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Portugiesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Rumänisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Russisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Serbisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Slowakisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Slowenisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Spanisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Thai"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Türkisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Ukrainisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Vietnamesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Schwedisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Afghanisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Indonesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Burmesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Kasachisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Khmer"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Lao"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Mongolisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Nepalesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Pilipino"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Polynesisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Punjabi"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Sinhala"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Turkmenisch"),
    KW_RESOURCE_TEXT("kw::LanguageList", "Usbekisch"),
};

}  // namespace

std::string_view LanguageListName(int language) {
    return language >= 0 && language < kLanguageListCount
               ? ShownText("kw::LanguageList", kLanguageNames[static_cast<std::size_t>(language)])
               : std::string_view();
}

}  // namespace kw
