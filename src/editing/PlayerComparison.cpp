#include "editing/PlayerComparison.h"

#include <cstdint>

#include "model/Club.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/World.h"
#include "platform/StringTable.h"

namespace kw {

std::vector<SChoiceEntry> ComparisonPlayers(const CClub& club) {
    const CWorld& world = club.World();
    std::vector<SChoiceEntry> entries;
    for (const std::uint32_t id : club.PersonIds()) {
        const CPlayer* player = world.Person(id);
        if (player != nullptr && player->IsPlayer()) {
            entries.push_back({id, FormatPrintf("%s (%2.1f)", player->ShortName().c_str(),
                                                PlayerStrength(*player))});
        }
    }
    return entries;
}

std::array<std::string, kSummaryValueCount> SummaryValueTexts(const CPlayer& player) {
    const SummaryValues values = PlayerSummaryValues(player);
    std::array<std::string, kSummaryValueCount> texts;
    for (std::size_t value = 0; value < values.size(); ++value) {
        texts[value] = FormatPrintf("%2.1f", values[value]);
    }
    return texts;
}

}  // namespace kw
