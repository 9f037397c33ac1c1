#pragma once

#include <optional>
#include <string_view>

namespace kw {

// The language of the editor's windows (not of the database's names, which the main window
// chooses separately). German is the language the texts are written in.
enum class EInterfaceLanguage { kGerman, kEnglish };

// The code a choice is stored under in the settings: "de" or "en".
std::string_view InterfaceLanguageCode(EInterfaceLanguage language);
// The language of a stored code; nothing for an empty or unknown one (the system decides then).
std::optional<EInterfaceLanguage> InterfaceLanguageFromCode(std::string_view code);

// The user's choice when there is one, otherwise the system's: German for a German locale
// ("de", "de_AT.UTF-8", ...), English for every other one, the "C" locale included.
EInterfaceLanguage ChooseInterfaceLanguage(std::optional<EInterfaceLanguage> chosen,
                                           std::string_view systemLocale);

}  // namespace kw
