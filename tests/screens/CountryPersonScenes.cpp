#include "CountryPersonScenes.h"

#include "CountryScenes.h"
#include "controls/MyListBox.h"
#include "editors/country/CountryManagersPage.h"
#include "editors/country/CountryYouthPage.h"

namespace kw::screens {

namespace {

// The country window on country 14 of the full demo, showing a person page with its first row
// selected.
std::unique_ptr<CShownScene> PersonScene(CSceneContext& context, int tab) {
    auto scene = std::make_unique<CCountryWindowScene>(context, context.NewFullAppContext(), tab);
    CCountryPage* page = scene->Window().Page(tab);
    if (auto* youth = qobject_cast<CCountryYouthPage*>(page)) {
        youth->List().setCurrentRow(0);
    } else if (auto* managers = qobject_cast<CCountryManagersPage*>(page)) {
        managers->List().setCurrentRow(0);
    }
    return scene;
}

}  // namespace

std::unique_ptr<CShownScene> ShowDlgCountryYouth(CSceneContext& context) {
    return PersonScene(context, CDlgCountry::kYouth);
}

std::unique_ptr<CShownScene> ShowDlgCountryManagers(CSceneContext& context) {
    return PersonScene(context, CDlgCountry::kManagers);
}

}  // namespace kw::screens
