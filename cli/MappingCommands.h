// kwtool map: the ID mapping runs of the admin tools, scriptable.
#pragma once

#include "KwTool.h"

namespace kwtool {

void AddMappingCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
