#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Spieler doppelt" over the whole database of the full demo, and "Spielervergleich" with two
// strikers of country 14 of the small demo.
std::unique_ptr<CShownScene> ShowPlayerDouble(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgPlayerCompare(CSceneContext& context);

}  // namespace kw::screens
