#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kw {

// The order of every list the editor shows sorted by text (countries, clubs, persons, choices,
// databases), the same on every machine whatever its locale, as a reader of the interface's
// language expects it. Letters compare as their base letters through the one folding table
// ("Ä" as "A", "ß" as "ss"), letter case is ignored, and texts that still tie compare by their
// bytes, so the order is total: "Dänemark" before "Deutschland", "Norwegen" before "Österreich"
// before "Polen". Orders that files or the pairing of duplicates rely on stay byte orders.

// Windows-1252 texts. Negative, zero or positive as `a` sorts before, with or after `b`; zero
// only for equal texts.
int CollateText(std::string_view a, std::string_view b);

// Texts sorted by several keys (surname, then first name): the keys compare as CollateText
// compares them, and their bytes break ties only when every key ties, so "Müller, Anton" comes
// before "Muller, Karl". Both lists hold the same number of keys.
int CollateTexts(std::initializer_list<std::string_view> a,
                 std::initializer_list<std::string_view> b);

// The first step of CollateText for sorts that compute keys once: comparing the keys byte by byte
// and then the texts themselves gives CollateText's order.
std::string CollationKey(std::string_view text);

// Folder names on disk are UTF-8: they sort as their Windows-1252 form (a character it lacks as
// '?'), and names that still tie by their UTF-8 bytes.
int CollateUtf8Text(std::string_view a, std::string_view b);

}  // namespace kw
