#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The main window's "AdminTools" menu opened (administrator mode), the question of "Stadien neu
// benennen" for country 14 and the result of "Taktische Ausbildung von 0 auf 3 setzen".
std::unique_ptr<CShownScene> ShowAdminToolsMenu(CSceneContext& context);
std::unique_ptr<CShownScene> ShowAdminToolsQuestion(CSceneContext& context);
std::unique_ptr<CShownScene> ShowAdminToolsResult(CSceneContext& context);

}  // namespace kw::screens
