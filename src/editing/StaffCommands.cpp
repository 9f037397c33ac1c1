#include "editing/StaffCommands.h"

#include "document/DatabaseDocument.h"
#include "editing/PersonClub.h"
#include "editing/SquadCommands.h"
#include "editing/StaffKinds.h"
#include "editing/StaffList.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// The value the creating commands give the main-position field of a staff person.
constexpr std::uint8_t kStaffMainPositionValue = 1;

std::uint32_t AddNewStaffPerson(CWorld& world, CClub& club, int kind) {
    if (!CanCreateStaffKind(club, kind)) {
        return 0;
    }
    const int countryNumber = ValidCountry(club.Country());
    CPlayer& person = world.CreatePerson(world.NextFreePersonId(), false);
    person.Reset(kind, countryNumber);
    person.SetTeamFlag(0);
    person.SetPosition(0, kStaffMainPositionValue);
    const SCountrySettings& nationality =
        world.Country(ValidCountry(person.Nationality())).Settings();
    person.SetLanguage(0, nationality.languages[0]);
    person.SetLanguage(1, nationality.languages[1]);
    const std::uint32_t id = person.Id();
    // CanCreateStaffKind keeps the club far below the record's limit, so it cannot refuse (and
    // destroy) the person.
    club.AddPerson(person);
    return id;
}

bool IsStaffOf(const CWorld& world, const CClub& club, std::uint32_t personId) {
    const CPlayer* person = world.Person(personId);
    return person != nullptr && !person->IsPlayer() && club.HasPerson(personId);
}

}  // namespace

std::uint32_t NewStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, int kind) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    if (club == nullptr || !CanCreateStaffKind(*club, kind)) {
        return 0;
    }
    std::uint32_t created = 0;
    document.Perform(NewStaffCommandText(kind), SWorldScope::Countries({club->Country()}),
                     [&created, clubId, kind](CWorld& world) {
                         CClub* target = FindLiveClub(world, clubId);
                         created = target != nullptr ? AddNewStaffPerson(world, *target, kind) : 0;
                         return created != 0;
                     });
    return created;
}

bool TransferStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId,
                         std::uint32_t targetClubId) {
    const CWorld& world = document.World();
    const CClub* club = FindLiveClub(world, clubId);
    const CClub* target = FindLiveClub(world, targetClubId);
    if (club == nullptr || target == nullptr || SameClub(clubId, targetClubId) ||
        !CanReceivePerson(*target) || !IsStaffOf(world, *club, personId)) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Person transferieren")),
                            SWorldScope::Countries({club->Country(), target->Country()}),
                            [clubId, personId, targetClubId](CWorld& live) {
                                CClub* from = FindLiveClub(live, clubId);
                                CClub* to = FindLiveClub(live, targetClubId);
                                return from != nullptr && to != nullptr &&
                                       MovePersonBetweenClubs(live, personId, *from, *to,
                                                              std::int8_t{0});
                            });
}

bool FetchStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId) {
    const CWorld& world = document.World();
    const CClub* club = FindLiveClub(world, clubId);
    const CClub* holder = ClubHoldingPerson(world, personId);
    if (club == nullptr || holder == nullptr || SameClub(holder->Id(), clubId) ||
        !CanReceivePerson(*club) || !IsStaffOf(world, *holder, personId)) {
        return false;
    }
    const std::uint32_t holderId = holder->Id();
    return document.Perform(std::string(ShownText("kw::Edit", "Person holen")),
                            SWorldScope::Countries({club->Country(), holder->Country()}),
                            [clubId, personId, holderId](CWorld& live) {
                                CClub* from = FindLiveClub(live, holderId);
                                CClub* to = FindLiveClub(live, clubId);
                                return from != nullptr && to != nullptr &&
                                       MovePersonBetweenClubs(live, personId, *from, *to,
                                                              std::nullopt);
                            });
}

bool DeleteStaffPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    if (club == nullptr || !IsStaffOf(document.World(), *club, personId)) {
        return false;
    }
    return document.Perform(
        std::string(ShownText("kw::Edit", "Eintrag löschen")),
        SWorldScope::Countries({club->Country()}), [clubId, personId](CWorld& live) {
            CClub* from = FindLiveClub(live, clubId);
            if (from == nullptr || !from->HasPerson(personId)) {
                return false;
            }
            RemovePersonFromClub(live, *from, personId, EPersonRemoval::kDelete);
            return true;
        });
}

}  // namespace kw
