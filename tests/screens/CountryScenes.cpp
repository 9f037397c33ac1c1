#include "SceneList.h"

#include <QTabWidget>

#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/DlgCountry.h"
#include "storage/Identifiers.h"

namespace kw::screens {

std::unique_ptr<CDatabaseScene> CountryWindowScene(EDemo demo, int tab, CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext(demo));
    auto dialog = std::make_unique<CDlgCountry>(scene->Document(), kDefaultCountry);
    dialog->AddInstallationPages(
        {scene->Installation(), &context.Renderer(), scene->App().installDirectory});
    dialog->Tabs().setCurrentIndex(tab);
    dialog->resize(980, 640);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens
