#pragma once

#include <memory>

#include "Scene.h"

namespace kw::screens {

// The player mapping's question box and the report's save dialog on the installation's folder.
std::unique_ptr<CShownScene> ShowMappingQuestion(CSceneContext& context);
std::unique_ptr<CShownScene> ShowMappingReportDialog(CSceneContext& context);

}  // namespace kw::screens
