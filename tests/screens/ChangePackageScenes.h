#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// "Änderungspaket anwenden" on the demo database: a package from a changed copy, planned against
// a copy with edits of its own, so that every class shows, conflicts among them.
std::unique_ptr<CShownScene> ShowDlgChangePackagePreview(CSceneContext& context);

}  // namespace kw::screens
