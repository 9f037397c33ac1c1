#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Land Einstellungen" on country 14 of the small demo, on its general page and on its look page,
// and on country 14 of the full-size demo.
std::unique_ptr<CShownScene> ShowDlgCountryGeneral(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryLook(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryGeneralFull(CSceneContext& context);

}  // namespace kw::screens
