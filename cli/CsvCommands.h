// kwtool export-csv and import-csv: players, staff and clubs exchanged with spreadsheets.
#pragma once

#include "KwTool.h"

namespace kwtool {

void AddCsvCommands(CLI::App& app, SToolContext& context);

}  // namespace kwtool
