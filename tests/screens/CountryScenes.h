#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The whole country window (the scene's widget, a CDlgCountry) on country 14 of the demo of `app`,
// showing one tab.
std::unique_ptr<CDatabaseScene> CountryWindowScene(CSceneContext& context, SAppContext& app,
                                                   int tab);

// "Land Einstellungen" on country 14 of the small demo, on its general page and on its look page,
// and on country 14 of the full-size demo.
std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context);

}  // namespace kw::screens
