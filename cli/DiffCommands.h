// kwtool diff DBDIR1 DBDIR2 [--json] [--package OUT].
#pragma once

#include "KwTool.h"

namespace kwtool {

void AddDiffCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
