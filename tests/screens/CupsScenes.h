#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The country window's page "Pokal" on country 14 of the full-size demo, and "Kontinentale
// Einstellungen" on the small demo (every continent's tab).
std::unique_ptr<CShownScene> ShowDlgCountryCups(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgInternationalCompetition(CSceneContext& context);

}  // namespace kw::screens
