#include "SceneList.h"

#include <QListWidget>
#include <QTabWidget>

#include <stdexcept>

#include "gui/controls/MyListBox.h"
#include "gui/editors/DlgManagAll.h"
#include "gui/editors/DlgManagerList.h"
#include "gui/editors/DlgPlayerSelect.h"
#include "gui/editors/DlgPlayerlistClub.h"
#include "model/Club.h"

namespace kw::screens {

namespace {

constexpr int kBoardTab = 2;

// A dialog on the demo club.
template <typename Dialog>
Dialog& ShowOnDemoClub(CSceneContext& context, CDatabaseScene& scene) {
    auto dialog =
        std::make_unique<Dialog>(scene.Document(), context.DemoClub().Id(), scene.Installation(),
                                 &context.Renderer(), scene.App().installDirectory);
    dialog->resize(1000, 620);
    return scene.Show(std::move(dialog));
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgManagerList(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    CDlgPlayerlistClub& dialog = ShowOnDemoClub<CDlgPlayerlistClub>(context, *scene);
    dialog.Teams().setCurrentIndex(kBoardTab);
    CMyListBox& list = dialog.ManagerList().List();
    if (list.count() > 0) {
        list.setCurrentRow(0);
    }
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgManagAll(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    ShowOnDemoClub<CDlgManagAll>(context, *scene);
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgPlayerSelectStaff(CSceneContext& context) {
    const CClub& club = context.DemoClub();
    auto dialog = std::make_unique<CDlgPlayerSelect>(
        context.World(), kDefaultLanguage, club.Country(), nullptr, EPersonChoice::kStaff);
    SelectRowOf(dialog->Clubs(), club.Id());
    dialog->Players().setCurrentRow(0);
    dialog->resize(900, 420);
    return Shown(std::move(dialog));
}

}  // namespace kw::screens
