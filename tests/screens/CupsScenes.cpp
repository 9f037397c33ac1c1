#include "SceneList.h"

#include <QTabWidget>

#include <filesystem>
#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/editors/DlgInternationalCompetition.h"
#include "gui/editors/country/CountryCupsPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "storage/Identifiers.h"

namespace kw::screens {

std::unique_ptr<CShownScene> ShowDlgCountryCups(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    CDatabaseDocument& document = scene->Document();
    auto dialog = std::make_unique<CDlgCountry>(document, kDefaultCountry);
    dialog->SetPage(CDlgCountry::kCups, new CCountryCupsPage(document, kDefaultCountry));
    dialog->Tabs().setCurrentIndex(CDlgCountry::kCups);
    dialog->resize(1100, 720);
    scene->Show(std::move(dialog));
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgInternationalCompetition(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewAppContext());
    scene->Show(std::make_unique<CDlgInternationalCompetition>(scene->Document()));
    return scene;
}

}  // namespace kw::screens
