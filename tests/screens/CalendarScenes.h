#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The calendar view of country 14 of the full demo, on a month with league and national-team
// days.
std::unique_ptr<CShownScene> ShowDlgCalendar(CSceneContext& context);

}  // namespace kw::screens
