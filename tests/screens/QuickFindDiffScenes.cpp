#include "SceneList.h"

#include <QLineEdit>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgChangePackageSource.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/World.h"

namespace kw::screens {

std::unique_ptr<CShownScene> ShowQuickFind(CSceneContext& context) {
    auto window = std::make_unique<DlgMainMenu>(context.NewAppContext(), context.Ui());
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("quickFind"));
    if (field == nullptr) {
        throw std::runtime_error("no quick-find field");
    }
    field->setText(QStringLiteral("ber"));
    return Shown(std::move(window));
}

// The demo database open twice; in the second one player changed, a club added and a referee
// gone, as the diff window compares them.
std::unique_ptr<CShownScene> ShowDlgDatabaseDiff(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(), 2);
    CDatabaseSlots& copies = scene->Slots();
    CWorld& world = copies.Slot(1)->WorldForOperations();
    CCountry& country = world.Country(kDefaultCountry);
    const CClub& club = *std::next(country.Clubs().begin())->second;
    CPlayer& player = *world.Person(club.PersonIds().front());
    player.SetAbility(0, static_cast<std::uint8_t>(player.Abilities()[0] + 3));
    player.SetContractUntil(player.ContractUntil() + 1);
    country.CreateClub()->SetName(kDefaultLanguage, "SV Nebelstadt 2006");
    country.Referees().erase(country.Referees().begin());
    scene->Show(std::make_unique<CDlgDatabaseDiff>(
        std::vector<CDlgDatabaseDiff::SDatabase>{{QStringLiteral("1 database"), copies.Slot(0)},
                                                 {QStringLiteral("2 Kopie"), copies.Slot(1)}},
        0));
    return scene;
}

// "Änderungspaket erstellen..." choosing the old database for the second of two.
std::unique_ptr<CShownScene> ShowDlgChangePackageSource(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(), 2);
    CDatabaseSlots& copies = scene->Slots();
    scene->Show(std::make_unique<CDlgChangePackageSource>(
        std::vector<CDlgDatabaseDiff::SDatabase>{{QStringLiteral("1 database"), copies.Slot(0)},
                                                 {QStringLiteral("2 Kopie"), copies.Slot(1)}},
        1));
    return scene;
}

}  // namespace kw::screens
