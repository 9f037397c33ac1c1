#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// On the full demo: "Spieler ohne Verein" with two rows selected, and "Schnelle Transfers" from
// country 14 with a player, a new country, a new club and its free numbers chosen.
std::unique_ptr<CShownScene> ShowDlgPlayerWithoutClub(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgFastTransfer(CSceneContext& context);

}  // namespace kw::screens
