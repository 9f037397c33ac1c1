#include "reports/BadgeCheck.h"

#include "assets/GlobalTools.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

std::vector<std::uint32_t> ClubsWithMissingBadge(const CWorld& world, const CGlobalTools& tools) {
    std::vector<std::uint32_t> clubs;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            const std::string_view path = club->BadgePath().View();
            if (!path.empty() && !tools.BadgeExists(path)) {
                clubs.push_back(id);
            }
        }
    }
    return clubs;
}

std::string MissingBadgeMessage(const CClub& club, int language) {
    const std::string name(club.Name(language));
    const std::string path(club.BadgePath().View());
    return FormatPrintf(ResourceString(ids::kMissingBadge).data(), name.c_str(), path.c_str());
}

std::vector<std::string> CheckAllBadges(const CWorld& world, const CGlobalTools& tools,
                                        IUserInterface* ui, int language) {
    std::vector<std::string> messages;
    for (const std::uint32_t id : ClubsWithMissingBadge(world, tools)) {
        messages.push_back(MissingBadgeMessage(*world.Country(ClubCountry(id)).Club(id), language));
    }
    if (!messages.empty() && ui != nullptr) {
        std::vector<std::string> lines;
        for (const std::string& message : messages) {
            lines.push_back(message);
            lines.emplace_back();
        }
        ui->ShowErrorList(ResourceString(ids::kErrorsHeading), lines);
    }
    return messages;
}

}  // namespace kw
