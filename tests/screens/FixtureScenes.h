#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Spielplan" on country 14 of the full demo, its top league chosen.
std::unique_ptr<CShownScene> ShowDlgFixturelist(CSceneContext& context);
// "Stadion auswählen" on the small demo, opened on the second stadium of country 14.
std::unique_ptr<CShownScene> ShowDlgStadiumSelect(CSceneContext& context);

}  // namespace kw::screens
