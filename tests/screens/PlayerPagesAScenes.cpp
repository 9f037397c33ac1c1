#include "SceneList.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include "gui/controls/MyTabCtrl.h"
#include "gui/editors/player/PlayerPage.h"
#include "gui/editors/player/PlayerPages.h"
#include "model/Player.h"

namespace kw::screens {

// The pages in a tab control as the squad dialog holds them.
std::unique_ptr<CShownScene> ShowPlayerPagesA(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    SPlayerEditContext& edit = scene->Keep(std::make_unique<SPlayerEditContext>(SPlayerEditContext{
        scene->Document(), scene->Installation(), nullptr, scene->App().installDirectory}));
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QCoreApplication::translate("kw::CDlgClub", "Spieler"));
    auto* tabs = new CMyTabCtrl(window.get());
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(tabs);
    const std::uint32_t player = context.DemoPlayer().Id();
    for (const SPlayerPageTab& tab : MakePlayerPages(edit, tabs)) {
        tab.page->SetPlayer(player);
        tabs->AddPage(tab.page, QCoreApplication::translate("kw::CPersonPageTabs", tab.title));
    }
    scene->Show(std::move(window));
    return scene;
}

}  // namespace kw::screens
