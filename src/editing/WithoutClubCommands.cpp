#include "editing/WithoutClubCommands.h"

#include <algorithm>
#include <unordered_set>

#include "document/DatabaseDocument.h"
#include "editing/SquadCommands.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/PlayerStrength.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

SWorldScope WithoutListAnd(std::vector<int> countries) {
    SWorldScope scope = SWorldScope::Countries(std::move(countries));
    scope.withoutClub = true;
    return scope;
}

}  // namespace

std::vector<SWithoutClubRow> WithoutClubRows(const CWorld& world, int language) {
    std::vector<SWithoutClubRow> rows;
    const CWithoutClubList& list = world.WithoutClub();
    rows.reserve(static_cast<std::size_t>(list.Count()));
    for (int index = 0; index < list.Count(); ++index) {
        const CPlayer* person = list.At(index);
        if (person == nullptr) {
            continue;
        }
        rows.push_back({person->Id(), person->ShortName(),
                        world.CountryName(person->Nationality(), language),
                        PositionAbbreviation(person->MainPosition()), PlayerStrength(*person)});
    }
    return rows;
}

std::string WithoutClubStrengthText(double strength) {
    return FormatPrintf("%2.1f", strength);
}

int WithoutClubRowAfterCommand(const std::vector<std::uint32_t>& before,
                               const std::vector<std::uint32_t>& after, int previousRow) {
    if (after.empty()) {
        return -1;
    }
    const std::unordered_set<std::uint32_t> kept(after.begin(), after.end());
    const int above = std::clamp(previousRow, 0, static_cast<int>(before.size()));
    const auto removedAbove =
        std::count_if(before.begin(), before.begin() + above,
                      [&kept](std::uint32_t id) { return !kept.contains(id); });
    const int row = previousRow - static_cast<int>(removedAbove);
    return std::clamp(row, 0, static_cast<int>(after.size()) - 1);
}

std::vector<std::uint32_t> MoveWithoutClubPlayersToClub(CDatabaseDocument& document,
                                                        const std::vector<std::uint32_t>& personIds,
                                                        std::uint32_t clubId) {
    const CClub* target = FindLiveClub(document.World(), clubId);
    if (target == nullptr || target->IsNationalTeam()) {
        return {};
    }
    const auto teamFlag = static_cast<std::int8_t>((clubId & kSecondTeamFlag) != 0 ? 1 : 0);
    std::vector<std::uint32_t> moved;
    document.Perform(std::string(ShownText("kw::Edit", "Wechsel zu Verein")),
                     WithoutListAnd({target->Country()}),
                     [&moved, &personIds, clubId, teamFlag](CWorld& world) {
                         CClub* club = FindLiveClub(world, clubId);
                         for (const std::uint32_t id : personIds) {
                             // Room first: a club that refuses a person destroys it.
                             if (club == nullptr || !HasRoomForPerson(*club)) {
                                 break;
                             }
                             const CPlayer* person = world.Person(id);
                             if (person == nullptr || !world.WithoutClub().Contains(id) ||
                                 !club->AddPerson(*person)) {
                                 continue;
                             }
                             world.WithoutClub().Remove(id);
                             world.Person(id)->SetTeamFlag(teamFlag);
                             moved.push_back(id);
                         }
                         return !moved.empty();
                     });
    return moved;
}

int DeleteWithoutClubPlayers(CDatabaseDocument& document,
                             const std::vector<std::uint32_t>& personIds) {
    int deleted = 0;
    document.Perform(std::string(ShownText("kw::Edit", "Spieler löschen")), WithoutListAnd({}),
                     [&deleted, &personIds](CWorld& world) {
                         for (const std::uint32_t id : personIds) {
                             if (!world.WithoutClub().Contains(id)) {
                                 continue;
                             }
                             DeleteWithoutClub(world, id);
                             ++deleted;
                         }
                         return deleted > 0;
                     });
    return deleted;
}

}  // namespace kw
