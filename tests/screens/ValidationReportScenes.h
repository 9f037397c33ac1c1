#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Datenbank prüfen" on the small demo with faults made for it: a squad with two presidents, a
// missing badge, a league with a free place in its fixture list and one of the wrong size.
std::unique_ptr<CShownScene> ShowDlgValidationReport(CSceneContext& context);

}  // namespace kw::screens
