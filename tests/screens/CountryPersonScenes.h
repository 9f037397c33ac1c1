#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Land Einstellungen" on country 14 of the full-size demo, on its pages "Jugendspieler" and
// "Sonstige Trainer/Manager".
std::unique_ptr<CShownScene> ShowDlgCountryYouth(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCountryManagers(CSceneContext& context);
// Their edit dialogs on country 14 of the small demo: its first pool entry, a new coach, its first
// staff pool entry.
std::unique_ptr<CShownScene> ShowDlgPoolEntry(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgFurtherManager(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgStaffEntry(CSceneContext& context);

}  // namespace kw::screens
