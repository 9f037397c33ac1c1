#include "editing/LevelNames.h"

#include "document/DatabaseDocument.h"
#include "editing/LeagueDataRules.h"
#include "model/Country.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

std::string LevelNameToStore(std::string_view typed) {
    return std::string(typed.substr(0, kLevelNameLength));
}

bool StoreLevelName(CDatabaseDocument& document, int country, int level, int language,
                    std::string_view name) {
    if (country < 1 || country > kCountryCount || level < 0 || level >= kLevelCount ||
        language < 0 || language >= kLanguageCount) {
        return false;
    }
    const std::string stored = LevelNameToStore(name);
    return document.Perform(
        std::string(ShownText("kw::Edit", "Ligenbezeichnung ändern")),
        SWorldScope::Countries({country}), [country, level, language, &stored](CWorld& world) {
            CCountry& target = world.Country(country);
            if (target.LevelNames(level)[static_cast<std::size_t>(language)].View() == stored) {
                return false;
            }
            target.SetLevelName(level, language, stored);
            return true;
        });
}

}  // namespace kw
