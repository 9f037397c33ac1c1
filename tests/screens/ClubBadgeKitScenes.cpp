#include "ClubBadgeKitScenes.h"

#include "app/AppContext.h"
#include "app/InstallationData.h"
#include "editing/KitColours.h"
#include "gui/editors/DlgClubBadgeManage.h"
#include "gui/editors/club/DlgClubShirtsColor.h"
#include "model/Club.h"

namespace kw::screens {

namespace {

// A dialog on the installation's tables and badges, which live as long as the scene.
class CInstallationScene : public CShownScene {
public:
    explicit CInstallationScene(CSceneContext& context) {
        SAppContext& app = context.NewAppContext();
        SetUpDirectories(app, context.Installation());
        m_installation.Load(app);
    }

    QWidget& Widget() override { return *m_dialog; }

protected:
    CInstallationData m_installation;
    std::unique_ptr<QWidget> m_dialog;
};

class CBadgeManageScene : public CInstallationScene {
public:
    explicit CBadgeManageScene(CSceneContext& context) : CInstallationScene(context) {
        const CClub& club = context.DemoClub();
        m_dialog = std::make_unique<CDlgClubBadgeManage>(
            m_installation.Tools(), context.World(), kDefaultLanguage,
            std::string(club.BadgePath().View()), club.Colour(0));
        m_dialog->show();
    }
};

class CShirtsColorScene : public CInstallationScene {
public:
    explicit CShirtsColorScene(CSceneContext& context) : CInstallationScene(context) {
        const SKitRgb shirt = KitColour(context.DemoClub().Kit().Kit(0), EKitColour::kShirt);
        m_dialog =
            std::make_unique<CDlgClubShirtsColor>(m_installation.TextTables().TeamColours(), shirt);
        m_dialog->show();
    }
};

}  // namespace

std::unique_ptr<CShownScene> ShowDlgClubBadgeManage(CSceneContext& context) {
    return std::make_unique<CBadgeManageScene>(context);
}

std::unique_ptr<CShownScene> ShowDlgClubShirtsColor(CSceneContext& context) {
    return std::make_unique<CShirtsColorScene>(context);
}

}  // namespace kw::screens
