#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The five-year ranking of country 14's continent with a few values set, its change dialog on
// country 14, and the national team dialog of country 14 with a dozen players flagged.
std::unique_ptr<CShownScene> ShowDlg5Year(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlg5YearChange(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgNationalteam(CSceneContext& context);

}  // namespace kw::screens
