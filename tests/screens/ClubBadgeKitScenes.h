#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The badge selection on the demo club's badge, and the kit colour picker on its home shirt.
std::unique_ptr<CShownScene> ShowDlgClubBadgeManage(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgClubShirtsColor(CSceneContext& context);

}  // namespace kw::screens
