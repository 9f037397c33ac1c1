#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The squad dialog on the demo club (of the first division of country 14).
std::unique_ptr<CShownScene> ShowDlgPlayerlistClub(CSceneContext& context);
// The club chooser and the player chooser, starting at the demo club's country.
std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context);

}  // namespace kw::screens
