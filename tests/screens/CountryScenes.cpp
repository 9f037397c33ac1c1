#include "SceneList.h"

#include <QTabWidget>

#include "gui/editors/country/CountryWindowContext.h"
#include "gui/editors/country/DlgCountry.h"
#include "storage/Identifiers.h"

namespace kw::screens {

std::unique_ptr<CDatabaseScene> CountryWindowScene(CSceneContext& context, SAppContext& app,
                                                   int tab) {
    auto scene = std::make_unique<CDatabaseScene>(context, app);
    auto dialog = std::make_unique<CDlgCountry>(scene->Document(), kDefaultCountry);
    dialog->AddInstallationPages(
        {scene->Installation(), &context.Renderer(), scene->App().installDirectory});
    dialog->Tabs().setCurrentIndex(tab);
    dialog->resize(980, 640);
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context) {
    return CountryWindowScene(context, context.NewAppContext(), CDlgCountry::kGeneral);
}

std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context) {
    return CountryWindowScene(context, context.NewAppContext(), CDlgCountry::kLook);
}

std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context) {
    return CountryWindowScene(context, context.NewFullAppContext(), CDlgCountry::kGeneral);
}

}  // namespace kw::screens
