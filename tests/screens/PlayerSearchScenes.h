#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The search dialog with the surname "M*" typed, and the result list of that search on the demo
// at the editor's full size, once the search has finished.
std::unique_ptr<CShownScene> ShowDlgPlayerSearch(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgSearchResult(CSceneContext& context);

}  // namespace kw::screens
