// kwtool apply PACKAGE DBDIR [--dry-run]: a change package applied to a database.
#pragma once

#include "KwTool.h"

namespace kwtool {

void AddPackageCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
