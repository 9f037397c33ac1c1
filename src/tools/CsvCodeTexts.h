#pragma once

#include <string>
#include <string_view>

namespace kw {

class CWorld;

// The German texts of the codes the spreadsheet files show beside them (Windows-1252); empty for
// codes without a text.
std::string CsvCountryText(const CWorld& world, int country);
std::string_view CsvPositionText(int code);
std::string_view CsvFootText(int foot);
std::string_view CsvStaffKindText(int kind);
std::string_view CsvStadiumTypeText(int type);
// Each language's article and sentence lists are this long; the stored choice indexes them.
int CsvArticleCount(int language);
int CsvSentenceCount(int language);

}  // namespace kw
