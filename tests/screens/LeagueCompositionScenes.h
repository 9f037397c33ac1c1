#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The league composition dialog on the demo's country 14, its top league chosen.
std::unique_ptr<CShownScene> ShowDlgLeagueComposition(CSceneContext& context);
// The same on the full demo.
std::unique_ptr<CShownScene> ShowDlgLeagueCompositionFull(CSceneContext& context);

}  // namespace kw::screens
