#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Globale Einstellungen" on the demo database's rules, and "Ligenbezeichnung ändern" on the
// top level of country 14 in the database's current language.
std::unique_ptr<CShownScene> ShowDlgRegelaenderung(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgLevelName(CSceneContext& context);

}  // namespace kw::screens
