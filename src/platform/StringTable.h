#pragma once

#include <string>
#include <string_view>

namespace kw {

// The program's resource strings by id, as Windows-1252 bytes. Unknown ids give an empty text.
std::string_view ResourceString(int id);

// printf-style formatting into a std::string (the resource texts use printf conversions).
std::string FormatPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kw
