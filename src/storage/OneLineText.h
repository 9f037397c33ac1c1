#pragma once

#include <string>

namespace kw {

// Multi-line texts (notes) are one line on disk: line feeds travel as tabs, carriage returns are
// dropped on the way out and come back before every line feed.
std::string MultiLineToLine(const std::string& text);
std::string MultiLineFromLine(const std::string& line);

}  // namespace kw
