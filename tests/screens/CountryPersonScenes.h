#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Land Einstellungen" on country 14 of the full-size demo, on its pages "Jugendspieler" and
// "Sonstige Trainer/Manager".
std::unique_ptr<CShownScene> ShowDlgCountryYouth(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryManagers(CSceneContext& context);

}  // namespace kw::screens
