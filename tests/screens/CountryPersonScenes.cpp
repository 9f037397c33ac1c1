#include "SceneList.h"

#include "editing/CountryStaffCommands.h"
#include "gui/controls/MyListBox.h"
#include "gui/editors/country/CountryManagersPage.h"
#include "gui/editors/country/CountryYouthPage.h"
#include "gui/editors/country/DlgCountry.h"
#include "gui/editors/country/DlgFurtherManager.h"
#include "gui/editors/country/DlgPoolEntry.h"
#include "gui/editors/country/DlgStaffEntry.h"
#include "model/Country.h"
#include "model/Manager.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw::screens {

std::unique_ptr<CShownScene> CountryPersonScene(int tab, CSceneContext& context) {
    auto scene = CountryWindowScene(EDemo::kFull, tab, context);
    CCountryPage* page = static_cast<CDlgCountry&>(scene->Widget()).Page(tab);
    if (auto* youth = qobject_cast<CCountryYouthPage*>(page)) {
        youth->List().setCurrentRow(0);
    } else if (auto* managers = qobject_cast<CCountryManagersPage*>(page)) {
        managers->List().setCurrentRow(0);
    }
    return scene;
}

std::unique_ptr<CShownScene> ShowDlgPoolEntry(CSceneContext& context) {
    const CWorld& world = context.World();
    CPoolEntry entry;
    for (const CPoolEntry& candidate : world.Country(kDefaultCountry).PlayerPool()) {
        if (candidate.IsUsed()) {
            entry = candidate;
            break;
        }
    }
    return Shown(std::make_unique<CDlgPoolEntry>(world, kDefaultLanguage, entry));
}

std::unique_ptr<CShownScene> ShowDlgFurtherManager(CSceneContext& context) {
    const CWorld& world = context.World();
    return Shown(std::make_unique<CDlgFurtherManager>(world, kDefaultLanguage,
                                                      BlankCountryManager(world, kDefaultCountry)));
}

std::unique_ptr<CShownScene> ShowDlgStaffEntry(CSceneContext& context) {
    const std::vector<CStaffEntry>& staff = context.World().Country(kDefaultCountry).Staff();
    return Shown(std::make_unique<CDlgStaffEntry>(staff.empty() ? CStaffEntry() : staff.front()));
}

}  // namespace kw::screens
