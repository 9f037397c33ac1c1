#pragma once

#include <string_view>

namespace kw {

// The languages a person speaks, by the numbers the records store (0 none): the list the language
// combos of the person and staff pages offer, in list order.
inline constexpr int kLanguageListCount = 63;

// The language's name (Windows-1252) in the interface language, " keine" for 0 in German;
// empty outside the list.
std::string_view LanguageListName(int language);

}  // namespace kw
