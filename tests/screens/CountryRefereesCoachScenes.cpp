#include "SceneList.h"

#include <QTabWidget>

#include <filesystem>
#include <stdexcept>

#include "document/DatabaseDocument.h"
#include "gui/editors/country/CountryCoachPage.h"
#include "gui/editors/country/CountryListPages.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgCountrySubPage.h"
#include "storage/Identifiers.h"

namespace kw::screens {

std::unique_ptr<CShownScene> CountrySubPageScene(bool coach, CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    CDatabaseDocument& document = scene->Document();
    CCountryPage* page = nullptr;
    if (coach) {
        page = new CCountryCoachPage(document, kDefaultCountry);
    } else {
        page = new CCountryStadiumsPage(document, kDefaultCountry);
    }
    scene->Show(std::make_unique<CDlgCountrySubPage>(document, kDefaultCountry, page));
    return scene;
}

// The country window on its referee tab.
std::unique_ptr<CShownScene> ShowDlgCountryReferees(CSceneContext& context) {
    auto scene = std::make_unique<CDatabaseScene>(context, context.NewFullAppContext());
    CDatabaseDocument& document = scene->Document();
    auto dialog = std::make_unique<CDlgCountry>(document, kDefaultCountry);
    dialog->SetPage(CDlgCountry::kReferees, new CCountryRefereesPage(document, kDefaultCountry));
    dialog->Tabs().setCurrentIndex(CDlgCountry::kReferees);
    dialog->resize(980, 640);
    scene->Show(std::move(dialog));
    return scene;
}

}  // namespace kw::screens
