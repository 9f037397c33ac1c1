#include "editing/BoardStability.h"

#include <algorithm>

#include "model/Player.h"
#include "platform/StringTable.h"

namespace kw {

namespace {

constexpr std::uint8_t kStabilityBits = 0x07;

}  // namespace

int BoardStability(const CPlayer& president) {
    const int stored = president.ContractBytes()[kBoardStabilityByte] & kStabilityBits;
    return std::min(stored, kMaxBoardStability);
}

void SetBoardStability(CPlayer& president, int value) {
    const auto stability = static_cast<std::uint8_t>(std::clamp(value, 0, kMaxBoardStability));
    const std::uint8_t kept = president.ContractBytes()[kBoardStabilityByte] & ~kStabilityBits;
    president.SetContractByte(kBoardStabilityByte, static_cast<std::uint8_t>(kept | stability));
}

std::string_view BoardStabilityText(int value) {
    if (value < 0 || value > kMaxBoardStability) {
        return {};
    }
    return ResourceString(ids::kBoardStabilityMad + value);
}

}  // namespace kw
