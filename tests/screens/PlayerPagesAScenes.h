#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The person pages "Persönliche Daten", "Fähigkeiten", "Charakter" and "Position" in tabs, on the
// demo club's first player.
std::unique_ptr<CShownScene> ShowPlayerPagesA(CSceneContext& context);

}  // namespace kw::screens
