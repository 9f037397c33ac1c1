#include "editing/CountryPoolCommands.h"

#include <algorithm>

#include "document/DatabaseDocument.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

bool IsUsedSlot(const CWorld& world, int country, std::size_t slot) {
    const std::vector<CPoolEntry>& pool = world.Country(country).PlayerPool();
    return slot < pool.size() && pool[slot].IsUsed();
}

}  // namespace

std::string PoolRowText(const CWorld& world, const CPoolEntry& entry, int language) {
    std::string text = entry.ShortName();
    for (const std::string& column : {world.CountryName(entry.Nationality(), language),
                                      std::string(PoolAbilityName(entry.SpecialAbility())),
                                      std::string(PoolTeamPartName(entry.TeamPart())),
                                      PreferredClubName(world, entry.PreferredClub(), language)}) {
        text += '\t';
        text += column;
    }
    return text;
}

std::vector<SPoolRow> PoolRows(const CWorld& world, int country, int language) {
    std::vector<SPoolRow> rows;
    if (!IsRealCountry(country)) {
        return rows;
    }
    const std::vector<CPoolEntry>& pool = world.Country(country).PlayerPool();
    for (std::size_t slot = 0; slot < pool.size(); ++slot) {
        if (pool[slot].IsUsed()) {
            rows.push_back({slot, PoolRowText(world, pool[slot], language)});
        }
    }
    return rows;
}

CPoolEntry BlankPoolEntry(int country) {
    CPoolEntry entry;
    entry.SetNationality(static_cast<std::uint8_t>(IsRealCountry(country) ? country : 0));
    return entry;
}

std::optional<std::size_t> AddPoolEntry(CDatabaseDocument& document, int country,
                                        const CPoolEntry& entry) {
    if (!IsRealCountry(country) || !entry.IsUsed()) {
        return std::nullopt;
    }
    const std::vector<CPoolEntry>& pool = document.World().Country(country).PlayerPool();
    const auto unused =
        std::find_if(pool.begin(), pool.end(), [](const CPoolEntry& e) { return !e.IsUsed(); });
    const auto slot = static_cast<std::size_t>(unused - pool.begin());
    document.Perform(std::string(ShownText("kw::Edit", "Neuer Jugendspieler")),
                     SWorldScope::Countries({country}), [country, slot, &entry](CWorld& world) {
                         CCountry& owner = world.Country(country);
                         if (slot == owner.PlayerPool().size()) {
                             owner.ResizePlayerPool(slot + 1);
                         }
                         owner.PlayerPool()[slot] = entry;
                         return true;
                     });
    return slot;
}

bool ReplacePoolEntry(CDatabaseDocument& document, int country, std::size_t slot,
                      const CPoolEntry& entry) {
    if (!IsRealCountry(country) || !entry.IsUsed() ||
        !IsUsedSlot(document.World(), country, slot) ||
        document.World().Country(country).PlayerPool()[slot] == entry) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Jugendspieler ändern")),
                            SWorldScope::Countries({country}),
                            [country, slot, &entry](CWorld& world) {
                                world.Country(country).PlayerPool()[slot] = entry;
                                return true;
                            });
}

bool RemovePoolEntry(CDatabaseDocument& document, int country, std::size_t slot) {
    if (!IsRealCountry(country) || !IsUsedSlot(document.World(), country, slot)) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Jugendspieler löschen")),
                            SWorldScope::Countries({country}), [country, slot](CWorld& world) {
                                world.Country(country).PlayerPool()[slot] = BlankPoolEntry(country);
                                return true;
                            });
}

}  // namespace kw
