// kwtool's "admin" group: the administrator's bulk commands of the editor's "AdminTools" menu.
#pragma once

#include "KwTool.h"

namespace kwtool {

void AddAdminCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
