#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The shirt numbers of the demo club's players.
std::unique_ptr<CShownScene> ShowDlgShirtNo(CSceneContext& context);
// The board-stability panel on the demo club's president, in a window of its own.
std::unique_ptr<CShownScene> ShowDlgChairman(CSceneContext& context);

}  // namespace kw::screens
