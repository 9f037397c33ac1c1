#include "editing/SquadCommands.h"

#include "editing/PersonClub.h"

#include <memory>
#include <optional>
#include <vector>

#include "document/DatabaseDocument.h"
#include "document/RecordEdits.h"
#include "editing/PlayerAbilities.h"
#include "editing/SquadRules.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/GameDate.h"
#include "model/Player.h"
#include "model/WithoutClub.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

// A player who changes club: no shirt number, a contract at least until kTransferContractYear.
bool MovePlayer(CWorld& world, std::uint32_t personId, CClub& from, CClub& to,
                std::optional<std::int8_t> teamFlag) {
    if (!MovePersonBetweenClubs(world, personId, from, to, teamFlag)) {
        return false;
    }
    CPlayer* person = world.Person(personId);
    person->SetShirtNumber(0, 0);
    if (person->ContractUntil() < kTransferContractYear) {
        person->SetContractUntil(kTransferContractYear);
    }
    return true;
}

std::uint32_t AddNewPlayer(CWorld& world, CClub& club, bool secondTeam, int selectedPosition) {
    if (club.PersonIds().size() >= static_cast<std::size_t>(kSquadNewPlayerLimit)) {
        return 0;
    }
    const int countryNumber = ValidCountry(club.Country());
    const SCountrySettings& country = world.Country(countryNumber).Settings();
    CPlayer& player = world.CreatePerson(world.NextFreePersonId(), false);
    player.Reset(personkind::kPlayer, countryNumber);
    player.SetTeamFlag(secondTeam ? 1 : 0);
    player.SetPosition(0, static_cast<std::uint8_t>(NewPlayerMainPosition(selectedPosition)));
    player.SetNationalExperience(
        static_cast<std::int8_t>(NationalExperienceForAge(AgeOn(player.BirthDate(), GameToday()))));
    CRandom& random = world.SquadListRandom();
    if (const std::optional<SDrawnLook> drawn = DrawNewPlayerLook(country, random)) {
        player.SetLook(look::kFace, static_cast<std::uint8_t>(drawn->face));
        player.SetLook(look::kHairColour, static_cast<std::uint8_t>(drawn->hairColour));
        player.SetLook(look::kHairCut, static_cast<std::uint8_t>(drawn->haircut));
        player.SetLook(look::kBeard, static_cast<std::uint8_t>(drawn->beard));
    }
    const SBody body = DrawNewPlayerBody(country.averageHeight, country.averageWeight, random);
    player.SetLook(look::kHeight, static_cast<std::uint8_t>(body.height));
    player.SetLook(look::kWeight, static_cast<std::uint8_t>(body.weight));
    const std::uint32_t id = player.Id();
    // The room was checked above, so the club cannot refuse (and destroy) the player.
    club.AddPerson(player);
    return id;
}

}  // namespace

CClub* FindLiveClub(CWorld& world, std::uint32_t clubId) {
    const int country = ClubCountry(clubId);
    if (country < 1 || country > kCountryCount) {
        return nullptr;
    }
    return world.Country(country).Club(clubId);
}

const CClub* FindLiveClub(const CWorld& world, std::uint32_t clubId) {
    const int country = ClubCountry(clubId);
    if (country < 1 || country > kCountryCount) {
        return nullptr;
    }
    return world.Country(country).Club(clubId);
}

bool HasRoomForPerson(const CClub& club) {
    return club.PersonIds().size() < static_cast<std::size_t>(CClub::kMaxPersons);
}

bool CanReceivePerson(const CClub& club) {
    return !club.IsNationalTeam() && HasRoomForPerson(club);
}

bool MovePersonBetweenClubs(CWorld& world, std::uint32_t personId, CClub& from, CClub& to,
                            std::optional<std::int8_t> teamFlag) {
    const CPlayer* person = world.Person(personId);
    if (person == nullptr || !from.HasPerson(personId) || SameClub(from.Id(), to.Id()) ||
        !CanReceivePerson(to) || !to.AddPerson(*person)) {
        return false;
    }
    from.RemovePerson(personId);
    if (teamFlag) {
        world.Person(personId)->SetTeamFlag(*teamFlag);
    }
    return true;
}

std::uint32_t NewSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, bool secondTeam,
                             std::uint32_t selectedPersonId) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    if (club == nullptr ||
        club->PersonIds().size() >= static_cast<std::size_t>(kSquadNewPlayerLimit)) {
        return 0;
    }
    const CPlayer* selected =
        club->HasPerson(selectedPersonId) ? document.World().Person(selectedPersonId) : nullptr;
    const int selectedPosition = selected != nullptr ? selected->MainPosition() : 0;
    std::uint32_t created = 0;
    document.Perform(std::string(ShownText("kw::Edit", "Neuer Spieler")),
                     SWorldScope::Countries({club->Country()}),
                     [&created, clubId, secondTeam, selectedPosition](CWorld& world) {
                         CClub* target = FindLiveClub(world, clubId);
                         created = target != nullptr
                                       ? AddNewPlayer(world, *target, secondTeam, selectedPosition)
                                       : 0;
                         return created != 0;
                     });
    return created;
}

bool TransferSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId,
                         std::uint32_t targetClubId) {
    const CWorld& world = document.World();
    const CClub* club = FindLiveClub(world, clubId);
    const CClub* target = FindLiveClub(world, targetClubId);
    if (club == nullptr || target == nullptr || SameClub(clubId, targetClubId) ||
        !club->HasPerson(personId)) {
        return false;
    }
    const auto flag = static_cast<std::int8_t>((targetClubId & kSecondTeamFlag) != 0 ? 1 : 0);
    return document.Perform(std::string(ShownText("kw::Edit", "Spieler transferieren")),
                            SWorldScope::Countries({club->Country(), target->Country()}),
                            [clubId, personId, targetClubId, flag](CWorld& live) {
                                CClub* from = FindLiveClub(live, clubId);
                                CClub* to = FindLiveClub(live, targetClubId);
                                return from != nullptr && to != nullptr &&
                                       MovePlayer(live, personId, *from, *to, flag);
                            });
}

bool FetchSquadPlayer(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId) {
    const CWorld& world = document.World();
    const CClub* club = FindLiveClub(world, clubId);
    const CClub* holder = ClubHoldingPerson(world, personId);
    const std::uint32_t holderId = holder != nullptr ? holder->Id() : 0;
    if (club == nullptr || holderId == 0 || SameClub(holderId, clubId)) {
        return false;
    }
    return document.Perform(std::string(ShownText("kw::Edit", "Spieler holen")),
                            SWorldScope::Countries({club->Country(), ClubCountry(holderId)}),
                            [clubId, personId, holderId](CWorld& live) {
                                CClub* from = FindLiveClub(live, holderId);
                                CClub* to = FindLiveClub(live, clubId);
                                return from != nullptr && to != nullptr &&
                                       MovePlayer(live, personId, *from, *to, std::nullopt);
                            });
}

bool SwitchSquadTeam(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    const CPlayer* person = document.World().Person(personId);
    if (club == nullptr || person == nullptr || !club->HasPerson(personId)) {
        return false;
    }
    std::unique_ptr<CPlayer> copy = person->Clone();
    const bool toSecond = person->TeamFlag() == 0;
    copy->SetTeamFlag(toSecond ? 1 : 0);
    document.Do(std::make_unique<CPersonValuesEdit>(
        toSecond ? std::string(ShownText("kw::Edit", "In 2. Mannschaft"))
                 : std::string(ShownText("kw::Edit", "In 1. Mannschaft")),
        *copy));
    return true;
}

bool ReleaseSquadPerson(CDatabaseDocument& document, std::uint32_t clubId, std::uint32_t personId) {
    const CClub* club = FindLiveClub(document.World(), clubId);
    if (club == nullptr || !club->HasPerson(personId) ||
        document.World().Person(personId) == nullptr) {
        return false;
    }
    SWorldScope scope = SWorldScope::Countries({club->Country()});
    scope.withoutClub = true;
    return document.Perform(std::string(ShownText("kw::Edit", "Eintrag löschen")), std::move(scope),
                            [clubId, personId](CWorld& live) {
                                CClub* from = FindLiveClub(live, clubId);
                                if (from == nullptr) {
                                    return false;
                                }
                                RemovePersonFromClub(live, *from, personId,
                                                     EPersonRemoval::kWithoutClub);
                                return true;
                            });
}

}  // namespace kw
