#pragma once

#include <optional>
#include <string>

namespace kw {

class CDatabaseDocument;
class CWorld;

// The country whose players take their nicknames from another database.
inline constexpr int kNicknameCountry = 45;

// For every player of the country's clubs (national team passed over): with `reset` his nickname
// and stage name are emptied first; then the first player of the other database's clubs of that
// country with the same first name and surname (compared folded) gives his nickname and stage
// name, each only when not empty. Returns how many players found a partner.
int CopyNicknames(CWorld& world, const CWorld& other, bool reset);
// One edit over the country, recorded only when a name changed; returns the same count.
int CopyNicknames(CDatabaseDocument& document, std::string description, const CWorld& other,
                  bool reset);

// The open database the nicknames come from: the first slot, or the second when the first is the
// current one; none while fewer than two are open.
std::optional<int> NicknameSourceSlot(int slotCount, int currentSlot);

}  // namespace kw
