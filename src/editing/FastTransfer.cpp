#include "editing/FastTransfer.h"

#include <array>

#include "document/DatabaseDocument.h"
#include "editing/PersonalDataRules.h"
#include "editing/SquadCommands.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

std::string FastTransferPositionName(int code) {
    const int shown = code > 1 && code < ids::kPositionCount ? code : 1;
    return std::string(ResourceString(ids::kPositionNames + shown));
}

std::string FastTransferPlayerLine(const CPlayer& player, const CClub& club, int language) {
    return player.ShortName() + " (" + std::string(club.Name(language)) + ")\t" +
           FastTransferPositionName(player.MainPosition());
}

std::vector<SChoiceEntry> FastTransferPlayers(const CWorld& world, int country, int language) {
    std::vector<SChoiceEntry> entries;
    if (!IsRealCountry(country)) {
        return entries;
    }
    for (const auto& entry : world.Country(country).Clubs()) {
        const CClub& club = *entry.second;
        if (club.IsNationalTeam()) {
            continue;
        }
        for (const std::uint32_t id : club.PersonIds()) {
            const CPlayer* person = world.Person(id);
            if (person != nullptr && person->IsPlayer()) {
                entries.push_back({id, FastTransferPlayerLine(*person, club, language)});
            }
        }
    }
    return entries;
}

const CClub* FindFastTransferClub(const CWorld& world, int country, std::uint32_t personId) {
    if (!IsRealCountry(country) || personId == 0) {
        return nullptr;
    }
    for (const auto& entry : world.Country(country).Clubs()) {
        const CClub& club = *entry.second;
        if (!club.IsNationalTeam() && club.HasPerson(personId)) {
            return &club;
        }
    }
    return nullptr;
}

std::optional<int> FastTransferCurrentNumber(const CWorld& world, int country,
                                             std::uint32_t personId) {
    const CPlayer* person = world.Person(personId);
    if (person == nullptr || FindFastTransferClub(world, country, personId) == nullptr) {
        return std::nullopt;
    }
    return person->ShirtNumbers()[0];
}

std::vector<int> FreeShirtNumbers(const CClub& club) {
    std::array<bool, kHighestShirtNumber + 1> taken{};
    for (const CPlayer* player : club.FirstTeam()) {
        const int number = player->ShirtNumbers()[0];
        if (number >= kLowestShirtNumber && number <= kHighestShirtNumber) {
            taken[static_cast<std::size_t>(number)] = true;
        }
    }
    std::vector<int> free;
    for (int number = kLowestShirtNumber; number <= kHighestShirtNumber; ++number) {
        if (!taken[static_cast<std::size_t>(number)]) {
            free.push_back(number);
        }
    }
    return free;
}

bool PerformFastTransfer(CDatabaseDocument& document, const SFastTransfer& transfer) {
    const CWorld& world = document.World();
    const int targetCountry = ClubCountry(transfer.targetClubId);
    if (transfer.personId == 0 || transfer.shirtNumber < kLowestShirtNumber ||
        transfer.shirtNumber > kHighestShirtNumber || !IsRealCountry(targetCountry)) {
        return false;
    }
    // The player first: a choice made under another source country finds nobody.
    const CClub* from = FindFastTransferClub(world, transfer.sourceCountry, transfer.personId);
    const CClub* to = FindLiveClub(world, transfer.targetClubId);
    if (from == nullptr || to == nullptr || to->IsNationalTeam() ||
        SameClub(from->Id(), to->Id()) || !HasRoomForPerson(*to)) {
        return false;
    }
    const std::uint32_t fromId = from->Id();
    const std::uint32_t toId = to->Id();
    const auto number = static_cast<std::uint8_t>(transfer.shirtNumber);
    const std::uint32_t personId = transfer.personId;
    return document.Perform(
        std::string(ShownText("kw::Edit", "Schneller Transfer")),
        SWorldScope::Countries({from->Country(), to->Country()}),
        [fromId, toId, personId, number](CWorld& live) {
            CClub* oldClub = FindLiveClub(live, fromId);
            CClub* newClub = FindLiveClub(live, toId);
            if (oldClub == nullptr || newClub == nullptr ||
                !MovePersonBetweenClubs(live, personId, *oldClub, *newClub, std::nullopt)) {
                return false;
            }
            constexpr auto year = static_cast<std::uint16_t>(kGameYear);
            CPlayer* player = live.Person(personId);
            player->SetShirtNumber(0, number);
            player->SetPreviousClub(fromId);
            player->SetClubSince(year);
            player->SetContractUntil(year);
            return true;
        });
}

}  // namespace kw
