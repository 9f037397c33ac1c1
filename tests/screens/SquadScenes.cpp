#include "SquadScenes.h"

#include <QListWidget>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "controls/MyListBox.h"
#include "editors/DlgPlayerSelect.h"
#include "editors/DlgPlayerlistClub.h"
#include "editors/DlgSelectClub.h"
#include "model/Club.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

// The demo database in a document of its own and the squad dialog on the demo club.
class CSquadScene : public CShownScene {
public:
    explicit CSquadScene(CSceneContext& context) : m_slots(context.Installation()) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_dialog =
            std::make_unique<CDlgPlayerlistClub>(*document, context.DemoClub().Id(), m_installation,
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
    return std::make_unique<CSquadScene>(context);
}

std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog = std::make_unique<CDlgSelectClub>(context.World(), club.Country());
    SelectClubRow(dialog->Clubs(), club.Id() | kSecondTeamFlag);
    dialog->resize(560, 420);
    return Shown(std::move(dialog));
}

std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog = std::make_unique<CDlgPlayerSelect>(context.World(), club.Country());
    SelectClubRow(dialog->Clubs(), club.Id());
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
