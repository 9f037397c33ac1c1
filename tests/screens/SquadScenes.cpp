#include "SquadScenes.h"

#include <QListWidget>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "competition/Competition.h"
#include "document/DatabaseDocument.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "gui/editors/DlgSelectClub.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

constexpr int kSceneCountry = 14;

// The club of the first division of the scene country with the most persons.
std::uint32_t LargestFirstDivisionClub(const CWorld& world) {
    const CDBCompetition* league =
        world.Competition(MakeCompetitionId(kSceneCountry, kLeagueType, 0));
    std::uint32_t largest = 0;
    std::size_t most = 0;
    for (const auto& entry : world.Country(kSceneCountry).Clubs()) {
        if (league != nullptr && league->PositionOfTeam(entry.first) >= 0 &&
            entry.second->PersonIds().size() > most) {
            most = entry.second->PersonIds().size();
            largest = entry.first;
        }
    }
    if (largest == 0) {
        throw std::runtime_error("no first-division club");
    }
    return largest;
}

SAppContext& WithDirectories(SAppContext& app) {
    SetUpDirectories(app, app.workingDirectory);
    return app;
}

// A demo database in a document of its own and the squad dialog on the largest club of the
// first division.
class CSquadScene : public CShownScene {
public:
    CSquadScene(CSceneContext& context, SAppContext& app) : m_slots(app.installDirectory) {
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, app.installDirectory / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_dialog = std::make_unique<CDlgPlayerlistClub>(
            *document, LargestFirstDivisionClub(document->World()), m_installation,
            &context.Renderer(), app.installDirectory);
        m_dialog->resize(1000, 620);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<CDlgPlayerlistClub> m_dialog;
};

// The club's own row chosen, as a user would before pressing OK.
void SelectClubRow(QListWidget& list, std::uint32_t id) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->data(Qt::UserRole).toUInt() == id) {
            list.setCurrentRow(row);
        }
    }
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgPlayerlistClub(CSceneContext& context) {
    return std::make_unique<CSquadScene>(context, WithDirectories(context.NewAppContext()));
}

std::unique_ptr<CShownScene> ShowDlgPlayerlistClubFull(CSceneContext& context) {
    return std::make_unique<CSquadScene>(context, WithDirectories(context.NewFullAppContext()));
}

std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog =
        std::make_unique<CDlgSelectClub>(context.World(), kDefaultLanguage, club.Country());
    SelectClubRow(dialog->Clubs(), club.Id() | kSecondTeamFlag);
    dialog->resize(560, 420);
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog =
        std::make_unique<CDlgPlayerSelect>(context.World(), kDefaultLanguage, club.Country());
    SelectClubRow(dialog->Clubs(), club.Id());
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
