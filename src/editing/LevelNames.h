#pragma once

#include <string>
#include <string_view>

namespace kw {

class CDatabaseDocument;

// "Ligenbezeichnung ändern": the name typed for a league level (Windows-1252), cut to the
// kLevelNameLength characters a level name holds.
std::string LevelNameToStore(std::string_view typed);

// The level's name in the language becomes `name` (cut as above) as one edit of the country.
// Nothing is recorded when the name stays as stored, or for a country outside 1..206, a level
// outside 0..4 or a language outside 0..4.
bool StoreLevelName(CDatabaseDocument& document, int country, int level, int language,
                    std::string_view name);

}  // namespace kw
