#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The main window with quick-find hits under its search field.
std::unique_ptr<CShownScene> ShowQuickFind(CSceneContext& context);
// "Datenbanken vergleichen" on the demo database and a changed copy of it.
std::unique_ptr<CShownScene> ShowDlgDatabaseDiff(CSceneContext& context);

}  // namespace kw::screens
