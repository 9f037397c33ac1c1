#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The squad dialog of the demo club on its "Vorstand/Trainer" tab, the first staff person chosen.
std::unique_ptr<CShownScene> ShowDlgManagerList(CSceneContext& context);
// The demo club's staff dialog.
std::unique_ptr<CShownScene> ShowDlgManagAll(CSceneContext& context);
// The person chooser in its staff mode on the demo club.
std::unique_ptr<CShownScene> ShowDlgPlayerSelectStaff(CSceneContext& context);

}  // namespace kw::screens
