#include "reports/BadgeCheck.h"

#include "assets/GlobalTools.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

namespace kw {

std::vector<std::string> CheckAllBadges(const CWorld& world, const CGlobalTools& tools,
                                        IUserInterface* ui) {
    std::vector<std::string> messages;
    for (int number = 1; number <= kCountryCount; ++number) {
        for (const auto& [id, club] : world.Country(number).Clubs()) {
            const std::string path(club->BadgePath().View());
            if (!path.empty() && !tools.BadgeExists(path)) {
                const std::string name(club->Name());
                messages.push_back(FormatPrintf(ResourceString(ids::kMissingBadge).data(),
                                                name.c_str(), path.c_str()));
            }
        }
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
