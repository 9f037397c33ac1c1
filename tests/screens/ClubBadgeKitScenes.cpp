#include "SceneList.h"

#include "editing/KitColours.h"
#include "gui/editors/DlgClubBadgeManage.h"
#include "gui/editors/club/DlgClubShirtsColor.h"
#include "model/Club.h"

namespace kw::screens {

// The dialogs work on the installation's tables and badges, which live as long as the scene.
std::unique_ptr<CShownScene> ShowDlgClubBadgeManage(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    const CClub& club = context.DemoClub();
    scene->Show(std::make_unique<CDlgClubBadgeManage>(
        scene->Installation().Tools(), context.World(), kDefaultLanguage,
        std::string(club.BadgePath().View()), club.Colour(0)));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgClubShirtsColor(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    const SKitRgb shirt = KitColour(context.DemoClub().Kit().Kit(0), EKitColour::kShirt);
    scene->Show(std::make_unique<CDlgClubShirtsColor>(
        scene->Installation().TextTables().TeamColours(), shirt));
    return scene;
}

}  // namespace kw::screens
