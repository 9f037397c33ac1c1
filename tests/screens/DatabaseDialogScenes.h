#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Datenbank öffnen" and "Datenbank speichern unter" on a temporary documents folder with three
// databases, one of them chosen.
std::unique_ptr<CShownScene> ShowDlgSelectDatabase(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgNewDatabase(CSceneContext& context);

}  // namespace kw::screens
