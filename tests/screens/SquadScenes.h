#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The squad dialog on the largest first-division club of country 14, on the small demo and on the
// demo at the editor's full size; every person page is a tab of it.
std::unique_ptr<CShownScene> ShowDlgPlayerlistClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerlistClubFull(CSceneContext& context);
// The club chooser and the player chooser, starting at the demo club's country.
std::unique_ptr<CShownScene> ShowDlgSelectClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerSelect(CSceneContext& context);

}  // namespace kw::screens
