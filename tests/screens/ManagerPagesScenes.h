#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The personal-data page on a trainer, a president and a masseur of the demo club: the staff
// panels of each kind.
std::unique_ptr<CShownScene> ShowPlayerAllRightTrainer(CSceneContext& context);
std::unique_ptr<CShownScene> ShowPlayerAllRightPresident(CSceneContext& context);
std::unique_ptr<CShownScene> ShowPlayerAllRightStaff(CSceneContext& context);

}  // namespace kw::screens
