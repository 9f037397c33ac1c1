#include "ManagerListScenes.h"

#include <QListWidget>
#include <QTabWidget>

#include <stdexcept>

#include "app/DatabaseSlots.h"
#include "app/InstallationData.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgManagAll.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "model/Club.h"
#include "platform/Progress.h"

namespace kw::screens {

namespace {

constexpr int kBoardTab = 2;

// The demo database in a document of its own and a dialog made on it.
template <typename Dialog>
class CStaffScene : public CShownScene {
public:
    explicit CStaffScene(CSceneContext& context) : m_slots(context.Installation()) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
        CSilentProgress progress;
        CDatabaseDocument* document = m_slots.AddSlot();
        if (document == nullptr ||
            !OpenDatabase(*document, context.Installation() / "database", progress, context.Ui())) {
            throw std::runtime_error("demo database not opened");
        }
        m_dialog = std::make_unique<Dialog>(*document, context.DemoClub().Id(), m_installation,
                                            &context.Renderer(), app.installDirectory);
        m_dialog->resize(1000, 620);
        m_dialog->show();
    }

    QWidget& Widget() override { return *m_dialog; }
    Dialog& Get() { return *m_dialog; }

private:
    CDatabaseSlots m_slots;
    CInstallationData m_installation;
    std::unique_ptr<Dialog> m_dialog;
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgManagerList(CSceneContext& context) {
    auto scene = std::make_unique<CStaffScene<CDlgPlayerlistClub>>(context);
    CDlgPlayerlistClub& dialog = scene->Get();
    dialog.Teams().setCurrentIndex(kBoardTab);
    CMyListBox& list = dialog.ManagerList().List();
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgManagAll(CSceneContext& context) {
    return std::make_unique<CStaffScene<CDlgManagAll>>(context);
}

std::unique_ptr<CShownScene> ShowDlgPlayerSelectStaff(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog = std::make_unique<CDlgPlayerSelect>(
        context.World(), kDefaultLanguage, club.Country(), nullptr, EPersonChoice::kStaff);
    QListWidget& clubs = dialog->Clubs();
    for (int row = 0; row < clubs.count(); ++row) {
        if (clubs.item(row)->data(Qt::UserRole).toUInt() == club.Id()) {
            clubs.setCurrentRow(row);
        }
    }
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
