#include "SceneList.h"

#include "app/DatabaseSlots.h"
#include "competition/Competition.h"
#include "competition/League.h"
#include "document/DatabaseDocument.h"
#include "gui/editors/DlgChangePackagePreview.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/World.h"
#include "tools/ChangePackage.h"
#include "tools/ChangePackageApply.h"

namespace kw::screens {

namespace {

constexpr int kBase = 0;
constexpr int kChanged = 1;
constexpr int kReceiver = 2;

}  // namespace

// The demo three times: the base, a changed copy whose package is shown, and the copy receiving
// it, which repeats one change, does another one otherwise and changed a referee the package
// removes.
std::unique_ptr<CShownScene> ShowDlgChangePackagePreview(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(), 3);
    CDatabaseSlots& copies = scene->Slots();
    const auto worldOf = [&copies](int slot) -> CWorld& {
        return copies.Slot(slot)->WorldForOperations();
    };
    CWorld& changed = worldOf(kChanged);
    CWorld& receiver = worldOf(kReceiver);
    const CClub& club = *std::next(changed.Country(kDefaultCountry).Clubs().begin())->second;
    const std::uint32_t first = club.PersonIds().at(0);
    const std::uint32_t second = club.PersonIds().at(1);
    for (CWorld* world : {&changed, &receiver}) {
        CPlayer& player = *world->Person(first);
        player.SetContractUntil(player.ContractUntil() + 1);
    }
    CPlayer& player = *changed.Person(first);
    player.SetAbility(0, static_cast<std::uint8_t>(player.Ability(0) % 90 + 5));
    for (CWorld* world : {&changed, &receiver}) {
        CPlayer& other = *world->Person(second);
        other.SetAbility(
            2, static_cast<std::uint8_t>(other.Ability(2) % 90 + (world == &changed ? 5 : 7)));
    }
    CCountry& country = changed.Country(kDefaultCountry);
    country.CreateClub()->SetName(kDefaultLanguage, "SV Nebelstadt 2006");
    country.Referees().erase(country.Referees().begin());
    CReferee& referee = receiver.Country(kDefaultCountry).Referees().front();
    referee.SetCharacter(static_cast<std::int8_t>((referee.Character() + 1) % 6));
    auto& league = dynamic_cast<CDBLeagueBase&>(
        *changed.Competition(MakeCompetitionId(kDefaultCountry, kLeagueType, 0)));
    league.SetSigningFlags(static_cast<std::uint8_t>(league.SigningFlags() ^ 1));

    SChangePackage package = MakeChangePackage(worldOf(kBase), changed);
    SPackagePlan plan = PlanChangePackage(receiver, package);
    scene->Show(std::make_unique<CDlgChangePackagePreview>(*copies.Slot(kReceiver),
                                                           std::move(package), std::move(plan),
                                                           QStringLiteral("nebelstadt.kwp")));
    return scene;
}

}  // namespace kw::screens
