#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The club editor on the demo club of country 14 (a badge, both kits).
std::unique_ptr<CShownScene> ShowDlgClubParent(CSceneContext& context);

}  // namespace kw::screens
