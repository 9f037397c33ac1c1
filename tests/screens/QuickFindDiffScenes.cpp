#include "QuickFindDiffScenes.h"

#include <QLineEdit>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "document/DatabaseDocument.h"
#include "gui/mainwindow/DlgDatabaseDiff.h"
#include "gui/mainwindow/DlgMainMenu.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/Player.h"
#include "model/Referee.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo database open twice; in the second one player changed, a club added and a referee
// gone, as the diff window compares them.
class CDatabaseDiffScene : public CShownScene {
public:
    explicit CDatabaseDiffScene(CSceneContext& context) : m_slots(context.Installation()) {
        CSilentProgress progress;
        for (int slot = 0; slot < 2; ++slot) {
            CDatabaseDocument* document = m_slots.AddSlot();
            if (document == nullptr || !OpenDatabase(*document, context.Installation() / "database",
                                                     progress, context.Ui())) {
                throw std::runtime_error("demo database not opened");
            }
        }
        CWorld& world = m_slots.Slot(1)->WorldForOperations();
        CCountry& country = world.Country(kDefaultCountry);
        const CClub& club = *std::next(country.Clubs().begin())->second;
        CPlayer& player = *world.Person(club.PersonIds().front());
        player.SetAbility(0, static_cast<std::uint8_t>(player.Abilities()[0] + 3));
        player.SetContractUntil(player.ContractUntil() + 1);
        country.CreateClub()->SetName(kDefaultLanguage, "SV Nebelstadt 2006");
        country.Referees().erase(country.Referees().begin());
        m_dialog = std::make_unique<CDlgDatabaseDiff>(
            std::vector<CDlgDatabaseDiff::SDatabase>{
                {QStringLiteral("1 database"), m_slots.Slot(0)},
                {QStringLiteral("2 Kopie"), m_slots.Slot(1)}},
            0);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    std::unique_ptr<CDlgDatabaseDiff> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowQuickFind(CSceneContext& context) {
    auto window = std::make_unique<DlgMainMenu>(context.NewAppContext(), context.Ui());
    auto* field = window->findChild<QLineEdit*>(QStringLiteral("quickFind"));
    if (field == nullptr) {
        throw std::runtime_error("no quick-find field");
    }
    field->setText(QStringLiteral("ber"));
    return Shown(std::move(window));
}

std::unique_ptr<CShownScene> ShowDlgDatabaseDiff(CSceneContext& context) {
    return std::make_unique<CDatabaseDiffScene>(context);
}

}  // namespace kw::screens
