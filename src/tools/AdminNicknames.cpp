#include "tools/AdminNicknames.h"

#include <utility>

#include "document/DatabaseDocument.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/World.h"
#include "storage/TextHelpers.h"

namespace kw {

namespace {

const CPlayer* FindPartner(const CWorld& other, const CPlayer& player) {
    for (const auto& entry : other.Country(kNicknameCountry).Clubs()) {
        if (entry.second->IsNationalTeam()) {
            continue;
        }
        for (const std::uint32_t id : entry.second->PersonIds()) {
            const CPlayer* candidate = other.Person(id);
            if (candidate != nullptr && candidate->IsPlayer() &&
                CompareFolded(candidate->FirstName().View(), player.FirstName().View()) == 0 &&
                CompareFolded(candidate->Surname().View(), player.Surname().View()) == 0) {
                return candidate;
            }
        }
    }
    return nullptr;
}

// The nickname and stage name of every player of the country, to tell whether a run changed any.
std::vector<std::pair<std::string, std::string>> Nicknames(const CWorld& world) {
    std::vector<std::pair<std::string, std::string>> names;
    for (const auto& entry : world.Country(kNicknameCountry).Clubs()) {
        for (const std::uint32_t id : entry.second->PersonIds()) {
            if (const CPlayer* person = world.Person(id)) {
                names.emplace_back(person->Nickname().View(), person->StageName().View());
            }
        }
    }
    return names;
}

}  // namespace

int CopyNicknames(CWorld& world, const CWorld& other, bool reset) {
    int replaced = 0;
    for (const auto& entry : world.Country(kNicknameCountry).Clubs()) {
        if (entry.second->IsNationalTeam()) {
            continue;
        }
        for (const std::uint32_t id : entry.second->PersonIds()) {
            CPlayer* player = world.Person(id);
            if (player == nullptr || !player->IsPlayer()) {
                continue;
            }
            if (reset) {
                player->SetNickname({});
                player->SetStageName({});
            }
            const CPlayer* partner = FindPartner(other, *player);
            if (partner == nullptr) {
                continue;
            }
            if (!partner->Nickname().View().empty()) {
                player->SetNickname(partner->Nickname().View());
            }
            if (!partner->StageName().View().empty()) {
                player->SetStageName(partner->StageName().View());
            }
            ++replaced;
        }
    }
    return replaced;
}

int CopyNicknames(CDatabaseDocument& document, std::string description, const CWorld& other,
                  bool reset) {
    int replaced = 0;
    const auto before = Nicknames(document.World());
    document.Perform(std::move(description), SWorldScope::Countries({kNicknameCountry}),
                     [&](CWorld& world) {
                         replaced = CopyNicknames(world, other, reset);
                         return Nicknames(world) != before;
                     });
    return replaced;
}

std::optional<int> NicknameSourceSlot(int slotCount, int currentSlot) {
    if (slotCount < 2) {
        return std::nullopt;
    }
    return currentSlot == 0 ? 1 : 0;
}

}  // namespace kw
