#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// Country 14 of the full-size demo: the country window on its referee tab, and the national-coach
// and stadium-list pages in their small window.
std::unique_ptr<CShownScene> ShowDlgCountryReferees(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryCoach(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryStadiums(CSceneContext& context);

}  // namespace kw::screens
