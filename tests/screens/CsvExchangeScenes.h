#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The CSV export choices on a club of the demo's country 14, and the import preview of an edited
// players file of that club (full demo): changes and rejected rows.
std::unique_ptr<CShownScene> ShowDlgCsvExport(CSceneContext& context);
std::unique_ptr<CShownScene> ShowDlgCsvImportPreview(CSceneContext& context);

}  // namespace kw::screens
