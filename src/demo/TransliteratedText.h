// UTF-8 source text turned into the model's Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kw::demo {

// Letters without a Windows-1252 code lose their accents (ć, ł, ş, ț and the like become c, l,
// s, t); anything else without a code becomes '?'.
std::string Transliterated(std::string_view utf8);

// The comma-separated items of the text, trimmed and transliterated; empty items are dropped.
std::vector<std::string> SplitTransliterated(std::string_view utf8);

}  // namespace kw::demo
