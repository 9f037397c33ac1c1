// The missing-badge report over a whole database.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw {

class CClub;
class CGlobalTools;
class CWorld;
class IUserInterface;

// The clubs of countries 1 to 206 whose badge path is set but not present in all four sizes, in
// country and club order.
std::vector<std::uint32_t> ClubsWithMissingBadge(const CWorld& world, const CGlobalTools& tools);
// Message 890 naming the club (in `language`) and its badge path.
std::string MissingBadgeMessage(const CClub& club, int language);

// One message (890) per club of countries 1 to 206 whose badge path is set but not present in
// all four sizes, in country and club order. When there is any, the list (each message followed
// by an empty line) goes to the error list of `ui`. Nothing is changed.
std::vector<std::string> CheckAllBadges(const CWorld& world, const CGlobalTools& tools,
                                        IUserInterface* ui, int language);

}  // namespace kw
