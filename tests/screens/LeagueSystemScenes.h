#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The league-system dialog and the league data dialog of its top league for country 14, on the
// demo at the editor's full size and on the small demo.
std::unique_ptr<CShownScene> ShowDlgLeagueSystem(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgLeagueData(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgLeagueSystemSmall(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgLeagueDataSmall(CSceneContext& context);

}  // namespace kw::screens
