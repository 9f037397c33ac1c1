#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The stadium list, a stadium, the referee list and a referee of the demo's country 14.
std::unique_ptr<CShownScene> ShowDlgStadiumlist(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgStadium(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgReferees(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgRefereeChange(CSceneContext& context);

}  // namespace kw::screens
