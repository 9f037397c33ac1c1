#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The person pages "Vertrag", "Historie" and "Aussehen" in tabs, on a demo player with a career.
std::unique_ptr<CShownScene> ShowPlayerPagesB(CSceneContext& context);

}  // namespace kw::screens
