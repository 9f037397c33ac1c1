#include "editing/SearchCommands.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/DatabaseDocument.h"
#include "editing/PersonClub.h"
#include "editing/SquadCommands.h"
#include "model/Club.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "model/WorldPart.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// The countries (and the players without club) a move or deletion of the person touches.
SWorldScope ScopeOfPerson(std::uint32_t holderId, std::vector<int> countries) {
    if (holderId != 0) {
        countries.push_back(ClubCountry(holderId));
    }
    SWorldScope scope = SWorldScope::Countries(std::move(countries));
    scope.withoutClub = holderId == 0;
    return scope;
}

bool JoinTarget(CWorld& world, std::uint32_t personId, std::uint32_t holderId, CClub& target,
                std::int8_t teamFlag) {
    if (holderId == 0) {
        if (!MoveWithoutClubToClub(world, personId, target)) {
            return false;
        }
        world.Person(personId)->SetTeamFlag(teamFlag);
        return true;
    }
    CClub* from = FindLiveClub(world, holderId);
    return from != nullptr && MovePersonBetweenClubs(world, personId, *from, target, teamFlag);
}

bool MoveSearchedPlayer(CDatabaseDocument& document, std::string description,
                        std::uint32_t personId, std::uint32_t targetClubId) {
    const CWorld& world = document.World();
    if (!CanMoveSearchedPlayer(world, personId, targetClubId)) {
        return false;
    }
    const std::uint32_t holderId = HoldingClubId(world, personId);
    const auto teamFlag = static_cast<std::int8_t>((targetClubId & kSecondTeamFlag) != 0 ? 1 : 0);
    return document.Perform(
        std::move(description), ScopeOfPerson(holderId, {ClubCountry(targetClubId)}),
        [personId, holderId, targetClubId, teamFlag](CWorld& live) {
            CClub* to = FindLiveClub(live, targetClubId);
            if (to == nullptr || !JoinTarget(live, personId, holderId, *to, teamFlag)) {
                return false;
            }
            CPlayer* person = live.Person(personId);
            person->SetShirtNumber(0, 0);
            if (person->ContractUntil() < kTransferContractYear) {
                person->SetContractUntil(kTransferContractYear);
            }
            return true;
        });
}

}  // namespace

std::uint32_t HoldingClubId(const CWorld& world, std::uint32_t personId) {
    const CClub* club = ClubHoldingPerson(world, personId);
    return club != nullptr ? club->Id() : 0;
}

bool CanMoveSearchedPlayer(const CWorld& world, std::uint32_t personId,
                           std::uint32_t targetClubId) {
    const CClub* target = FindLiveClub(world, targetClubId);
    if (target == nullptr || !CanReceivePerson(*target) || world.Person(personId) == nullptr) {
        return false;
    }
    const std::uint32_t holderId = HoldingClubId(world, personId);
    return holderId != 0 ? !SameClub(holderId, targetClubId)
                         : world.WithoutClub().Contains(personId);
}

bool FetchSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId,
                         std::uint32_t targetClubId) {
    return MoveSearchedPlayer(document, std::string(ShownText("kw::Edit", "Spieler holen")),
                              personId, targetClubId);
}

bool TransferSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId,
                            std::uint32_t targetClubId) {
    return MoveSearchedPlayer(document, std::string(ShownText("kw::Edit", "Spieler transferieren")),
                              personId, targetClubId);
}

bool DeleteSearchedPlayer(CDatabaseDocument& document, std::uint32_t personId) {
    const CWorld& world = document.World();
    const std::uint32_t holderId = HoldingClubId(world, personId);
    if (world.Person(personId) == nullptr ||
        (holderId == 0 && !world.WithoutClub().Contains(personId))) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Spieler löschen")),
                            ScopeOfPerson(holderId, {}), [personId, holderId](CWorld& live) {
                                if (holderId == 0) {
                                    DeleteWithoutClub(live, personId);
                                    return true;
                                }
                                CClub* from = FindLiveClub(live, holderId);
                                if (from == nullptr) {
                                    return false;
                                }
                                RemovePersonFromClub(live, *from, personId,
                                                     EPersonRemoval::kDelete);
                                return true;
                            });
}

}  // namespace kw
