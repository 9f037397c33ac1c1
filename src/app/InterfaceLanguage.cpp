#include "app/InterfaceLanguage.h"

namespace kw {

std::string_view InterfaceLanguageCode(EInterfaceLanguage language) {
    return language == EInterfaceLanguage::kGerman ? "de" : "en";
}

std::optional<EInterfaceLanguage> InterfaceLanguageFromCode(std::string_view code) {
    if (code == "de") {
        return EInterfaceLanguage::kGerman;
    }
    if (code == "en") {
        return EInterfaceLanguage::kEnglish;
    }
    return std::nullopt;
}

EInterfaceLanguage ChooseInterfaceLanguage(std::optional<EInterfaceLanguage> chosen,
                                           std::string_view systemLocale) {
    if (chosen) {
        return *chosen;
    }
    // The language part ends at the territory, codeset or modifier ("de_CH.UTF-8@euro").
    const std::string_view language = systemLocale.substr(0, systemLocale.find_first_of("_-.@"));
    return language == "de" ? EInterfaceLanguage::kGerman : EInterfaceLanguage::kEnglish;
}

}  // namespace kw
